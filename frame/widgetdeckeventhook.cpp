// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckeventhook_p.h"

#include <QWidget>

namespace {
class EventHook : public QObject
{
public:
    EventHook(QObject *target, QEvent::Type type, std::function<bool(QEvent *)> handler)
        : QObject(target)
        , m_type(type)
        , m_handler(std::move(handler))
    {
        setObjectName(QStringLiteral("widgetdeck_eventhook"));
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return watched == parent() && event->type() == m_type && m_handler(event);
    }

private:
    const QEvent::Type m_type;
    const std::function<bool(QEvent *)> m_handler;
};
} // namespace

namespace WidgetDeckPrivate {

QObject *hookEvent(QObject *target, QEvent::Type type, std::function<bool(QEvent *)> handler)
{
    return new EventHook(target, type, std::move(handler));
}

void keepStyleRule(QWidget *widget, const QString &rule)
{
    widget->setStyleSheet(rule);
    hookEvent(widget, QEvent::StyleChange, [widget, rule](QEvent *) {
        const QString sheet = widget->styleSheet();
        if (!sheet.contains(rule))
            widget->setStyleSheet(sheet + QLatin1Char('\n') + rule);
        return false;
    });
}

} // namespace WidgetDeckPrivate
