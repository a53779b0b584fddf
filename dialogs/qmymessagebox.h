// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QMYMESSAGEBOX_H
#define QMYMESSAGEBOX_H

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"

#include <qbasedlg.h>

#include <memory>

class QMyMessageBoxPrivate;

/// Frameless modal message box: icon, word-wrapped message and a QOkCancel bar.
/// The static functions build a box, run it and return 1 when it was accepted, 0 otherwise;
/// when the parent (or the box) is destroyed while it runs they return 0 and touch nothing.
class WIDGETDECK_EXPORT QMyMessageBox : public QBaseDlg
{
    Q_OBJECT
public:
    /// Builds an empty box with the OK and Cancel buttons.
    explicit QMyMessageBox(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QMyMessageBox() override;

    /// Information icon and an OK button.
    static int information(QWidget *parent, const QString &title, const QString &content);
    /// As above; with MEG_CLOSE_AUTO the box closes itself 1000 ms after it is shown.
    static int information(QWidget *parent, const QString &title, const QString &content,
                           MegCloseType closeType);
    /// Information icon with OK and Cancel buttons carrying @p okText and @p cancelText.
    static int information(QWidget *parent, const QString &title, const QString &content,
                           const QString &okText, const QString &cancelText);
    /// Question icon with OK and Cancel.
    static int question(QWidget *parent, const QString &title, const QString &content);
    /// Question icon with OK and Cancel carrying @p okText and @p cancelText.
    static int question(QWidget *parent, const QString &title, const QString &content,
                        const QString &okText, const QString &cancelText);
    /// Warning icon and an OK button.
    static int warning(QWidget *parent, const QString &title, const QString &content);
    /// Critical icon and an OK button.
    static int critical(QWidget *parent, const QString &title, const QString &content);
    /// Information icon with Open and Quit; Open opens @p filePath when that file exists.
    static int success(QWidget *parent, const QString &title, const QString &content,
                       const QString &filePath);

    /// Sets the message; word wrap is on. The box grows to fit it, up to two thirds of the
    /// screen's height, and scrolls the text beyond that.
    void setContent(const QString &text);
    /// Shows the image at @p path as the icon (nothing when it does not load).
    void setImg(const QString &path);
    /// Stores the file the Open button opens.
    void setFilePath(const QString &path);
    /// Chooses the visible buttons of the embedded bar.
    void setBoxType(ConfirmBtnType_E type);
    /// Replaces the texts of the OK and Cancel buttons.
    void setBtnText(const QString &okText, const QString &cancelText);

protected:
    /// Return and Enter accept unless a push button has the focus (it then answers with its own
    /// action); every other key, Escape included, is swallowed.
    void keyPressEvent(QKeyEvent *event) override;
    /// Paints the frame and a 35-pixel title band through QBaseDlg.
    void paintEvent(QPaintEvent *event) override;
    /// Claims Return, Enter and Escape against host shortcuts.
    bool event(QEvent *event) override;
    /// Puts the focus on the default button, or on the box when there is none.
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onOpenFile();

private:
    static int create(QWidget *parent, const QString &title, const QString &content,
                      MessageBoxType_E type, const QString &filePath, MegCloseType closeType);
    static int runTextBox(QWidget *parent, const QString &title, const QString &content,
                          const QString &icon, const QString &okText, const QString &cancelText);
    static int runAndDispose(QMyMessageBox *box);
    void startTimer();
    void fitContent();

    std::unique_ptr<QMyMessageBoxPrivate> const d;
};

#endif // QMYMESSAGEBOX_H
