// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCLICKRADIOBUTTON_H
#define QCLICKRADIOBUTTON_H

#include "widgetdeck_export.h"

#include <QRadioButton>

/// Radio button that reports a left press and a double click but is never toggled by the
/// mouse or the keyboard: its checked state changes only through setChecked(). Space on the
/// focused button emits SigClicked(), as a left press does.
class WIDGETDECK_EXPORT QClickRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    /// Creates the radio button owned by @p parent.
    explicit QClickRadioButton(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QClickRadioButton() override;

Q_SIGNALS:
    /// The left mouse button was pressed on the radio button.
    void SigClicked();
    /// The radio button was double-clicked with any button.
    void SigOk();

protected:
    /// Emits SigClicked() for a left press; the press never reaches the button itself.
    void mousePressEvent(QMouseEvent *e) override;
    /// Emits SigOk(); the button's own handling is skipped.
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    /// Space emits SigClicked() like a left press and never toggles the button; arrow keys
    /// go to the parent, which moves the selection.
    void keyPressEvent(QKeyEvent *e) override;
    /// Swallows the release of Space so the button is never toggled by the keyboard.
    void keyReleaseEvent(QKeyEvent *e) override;
    /// Claims Space from host shortcuts while focused.
    bool event(QEvent *e) override;
};

#endif // QCLICKRADIOBUTTON_H
