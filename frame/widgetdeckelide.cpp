// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckelide_p.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
// The tool tip the library put there itself, so a later fit takes only that one away.
const char ElidedTipProperty[] = "_widgetdeck_elidedTip";
} // namespace

namespace WidgetDeckElide {

QString fitted(const QFontMetrics &metrics, const QString &text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, qMax(0, width));
}

void followElision(QWidget *widget, const QString &text, bool elided)
{
    const QString ours = widget->property(ElidedTipProperty).toString();
    const QString tip = widget->toolTip();
    if (elided && (tip.isEmpty() || (tip == ours && tip != text))) {
        widget->setToolTip(text);
        widget->setProperty(ElidedTipProperty, text);
    } else if (!elided && !ours.isEmpty() && tip == ours) {
        widget->setToolTip(QString());
        widget->setProperty(ElidedTipProperty, QVariant());
    }
}

void paintPushButton(QPushButton *button, QStyleOptionButton &option)
{
    QStyle *style = button->style();
    int room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    if (!option.icon.isNull())
        room -= option.iconSize.width() + 4;
    const QString whole = option.text;
    option.text = fitted(option.fontMetrics, whole, room);
    followElision(button, whole, option.text != whole);
    QStylePainter painter(button);
    painter.drawControl(QStyle::CE_PushButton, option);
}

void PushButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    paintPushButton(this, option);
}

} // namespace WidgetDeckElide
