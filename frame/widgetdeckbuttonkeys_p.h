// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKBUTTONKEYS_P_H
#define WIDGETDECKBUTTONKEYS_P_H

class QAbstractButton;
class QEvent;
class QKeyEvent;

namespace WidgetDeckPrivate {

/// Return or Enter without modifiers (the keypad flag aside).
bool isReturnKey(const QKeyEvent *event);

/// True where @p button must click on Return/Enter itself: Qt's push buttons only do so as
/// auto-default or default buttons, other buttons never.
bool needsOwnReturn(const QAbstractButton *button, const QKeyEvent *event);

/// Who clicks a focused button on Return/Enter when Qt's handler would not.
enum class ReturnClick {
    Filter, ///< the filter installed by claimButtonKeys()
    Button, ///< the button's own key handler (it may note the click first)
};

/// The key claim of a focused button for an @p event it receives: an enabled @p button takes
/// Space, Return and Enter before the host's shortcuts and the dialog's default button, and
/// Return/Enter click it as Space does. True when the event was taken (the button may be gone).
bool handleButtonKeys(QAbstractButton *button, QEvent *event, ReturnClick click = ReturnClick::Filter);

/// Installs handleButtonKeys() on @p button as an event filter, a child of the button.
void claimButtonKeys(QAbstractButton *button, ReturnClick click = ReturnClick::Filter);

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKBUTTONKEYS_P_H
