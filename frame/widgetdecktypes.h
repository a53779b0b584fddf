// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKTYPES_H
#define WIDGETDECKTYPES_H

// Enumerations shared by the public classes. They live at namespace scope so hosts can
// pass them around without including the class that uses them.

/// Which buttons a QOkCancel shows.
enum ConfirmBtnType_E {
    CONFIRM_BTN_OK = 0,             ///< OK
    CONFIRM_BTN_CANCEL = 1,         ///< Cancel
    CONFIRM_BTN_OK_CANCEL = 2,      ///< OK, Cancel
    CONFIRM_BTN_OK_CANCEL_DEFAULT = 3, ///< Default, OK, Cancel
    CONFIRM_BTN_OPEN_QUIT = 4       ///< Open, Quit
};

/// Icon and button set chosen by the static QMyMessageBox functions.
enum MessageBoxType_E {
    MSG_BOX_INFORMATION = 0,
    MSG_BOX_CRITICAL = 1,
    MSG_BOX_WARNING = 2,
    MSG_BOX_QUESTION = 3,
    MSG_BOX_SUCCESS = 4
};

/// Whether a message box closes itself one second after it is shown.
enum MegCloseType {
    MEG_CLOSE_MANUAL = 0,
    MEG_CLOSE_AUTO = 1
};

/// What the timeout of QExtendProgressDialog guards.
enum TimeoutMode {
    TIMEOUT_FIRST_PROGRESS = 0, ///< only the wait for the first non-zero progress value
    TIMEOUT_WHOLE_PROGRESS = 1  ///< the whole operation, until completion
};

/// Format chosen in QExportTypeDlg.
enum enFileType {
    FILE_TYPE_DB = 0,
    FILE_TYPE_CSV = 1,
    FILE_TYPE_NONE = 2 ///< no choice made
};

/// The optional radio buttons of QExportTypeDlg.
enum enRadioButton {
    RADIO_BUTTON_0 = 0,
    RADIO_BUTTON_1 = 1
};

/// Side a QTopSideWidget hides towards; selects the arrow of its hide button.
enum DirectSide_E {
    DIRECT_LEFT = 0,
    DIRECT_TOP = 1,
    DIRECT_RIGHT = 2,
    DIRECT_DOWN = 3
};

#endif // WIDGETDECKTYPES_H
