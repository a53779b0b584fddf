// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the numeric family: hexadecimal spin boxes, range editors, the bit dialog.
#include "harness.h"

#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexspinbox.h"
#include "qhexvalidator.h"
#include "qintlineedit.h"
#include "qmultihexspinbox.h"

namespace {
using namespace harness;

const Rows registered{
    {"QHexSpinBox", make<QHexSpinBox>(), {{"valueChanged(int)", call(&QHexSpinBox::setValue, 5)}},
     {"valueChanged(int)"}, {}, {"QHexSpinBox"}, {}, {}, betweenHostEditors},
    {"QMultiHexSpinBox", make<QMultiHexSpinBox>(), {}, {}, {}, {"hexField_0", "hexField_1"}, {}, {},
     betweenHostEditors},
    {"QHexLineEdit", make<QHexLineEdit>(), {}, {}, {}, {"RANGEEDIT"}, {}, {}, betweenHostEditors},
    {"QIntLineEdit", make<QIntLineEdit>(), {}, {}, {}, {"RANGEEDIT"}, {}, {}, betweenHostEditors},
    {"QHexValidator", make<QHexValidator>(), {{"changed()", call(&QHexValidator::setRange, 1, 9)}}, {"changed()"}},
    {"QHexDlg", make<QHexDlg>(), {{"accepted()", call(&QHexDlg::OnOK)}}, {"accepted()"},
     {{"exec", [](QObject *o) { static_cast<QHexDlg *>(o)->exec(); }}},
     {"OKCANCEL", "OKCANCEL", "textEdit", "RANGEEDIT", "RANGEEDIT", "bitButton_15", "bitButton_14", "bitButton_13",
      "bitButton_12", "bitButton_11", "bitButton_10", "bitButton_9", "bitButton_8", "bitButton_7", "bitButton_6",
      "bitButton_5", "bitButton_4", "bitButton_3", "bitButton_2", "bitButton_1", "bitButton_0", "RANGEEDIT",
      "RANGEEDIT"},
     "OKCANCEL",
     {{"OK", buttonWithText("STR_OK"), pressKeys()}, {"Cancel", buttonWithText("STR_CANCEL"), pressKeys()}}},
};

// Signals and slots hosts connect to by name.
const NamedMethods hexDlg{"QHexDlg", {}, {"OnOK()", "OnCancel()", "slotHighlightExplain(int)"}};
const NamedMethods hexPanel{"QHexDlg", "QHexSubWidget", {"sigValueChanged(int)"},
                            {"onChangeCurValue()", "onChangeCurValueHex()", "onBtnGroup(int)"}};
} // namespace
