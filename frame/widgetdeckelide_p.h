// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKELIDE_P_H
#define WIDGETDECKELIDE_P_H

#include <QPushButton>

class QFontMetrics;
class QStyleOptionButton;

namespace WidgetDeckElide {

/// @p text as it fits @p width pixels in @p metrics: whole, or cut at the right with an ellipsis.
QString fitted(const QFontMetrics &metrics, const QString &text, int width);

/// Keeps the whole @p text in @p widget's tool tip while the widget shows it @p elided, and takes
/// a tool tip it put there away again once the text fits; a tool tip of the host's own stays.
void followElision(QWidget *widget, const QString &text, bool elided);

/// Paints @p button from @p option, its caption elided to the room the style leaves for it.
void paintPushButton(QPushButton *button, QStyleOptionButton &option);

/// Push button of fixed width that elides its caption (tool tip: the caption) rather than clip it.
class PushButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace WidgetDeckElide

#endif
