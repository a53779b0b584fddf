// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECK_BUTTONKEYS_P_H
#define WIDGETDECK_BUTTONKEYS_P_H

class QAbstractButton;
class QKeyEvent;
class QPushButton;

namespace WidgetDeckButtons {

/// Return or Enter without modifiers (the keypad flag aside).
bool isReturnKey(const QKeyEvent *event);

/// True where @p button must answer Return/Enter itself: Qt's push button only does so when
/// it is auto-default or the default, and our buttons are kept out of that role.
bool answersReturnItself(const QPushButton *button, const QKeyEvent *event);

/// Lets a push button that is not auto-default answer Return/Enter with a click while it has
/// the focus, and claims those keys and Space from host shortcuts then. With @p clickOnPress false only
/// the keys are claimed; the button's own key handler does the click.
void answerReturnKeys(QPushButton *button, bool clickOnPress = true);

/// Keeps Space, which clicks the focused @p button, from host shortcuts on that key.
void claimSpaceKey(QAbstractButton *button);

} // namespace WidgetDeckButtons

#endif
