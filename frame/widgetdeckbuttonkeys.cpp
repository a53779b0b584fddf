// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckbuttonkeys_p.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class ButtonKeys : public QObject
{
public:
    ButtonKeys(QAbstractButton *button, WidgetDeckPrivate::ReturnClick click)
        : QObject(button)
        , m_button(button)
        , m_click(click)
    {
        setObjectName(QStringLiteral("buttonKeys"));
        button->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The click may destroy the button and this filter with it: nothing follows it.
        if (watched == m_button && WidgetDeckPrivate::handleButtonKeys(m_button, event, m_click))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton *const m_button;
    const WidgetDeckPrivate::ReturnClick m_click;
};

} // namespace

namespace WidgetDeckPrivate {

bool isReturnKey(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool needsOwnReturn(const QAbstractButton *button, const QKeyEvent *event)
{
    if (!isReturnKey(event))
        return false;
    const auto *push = qobject_cast<const QPushButton *>(button);
    return !push || (!push->autoDefault() && !push->isDefault());
}

bool handleButtonKeys(QAbstractButton *button, QEvent *event, ReturnClick click)
{
    if ((event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) || !button->isEnabled())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        const bool space = key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier;
        if (!space && !isReturnKey(key))
            return false;
        event->accept();
        return true;
    }
    if (click != ReturnClick::Filter || !needsOwnReturn(button, key))
        return false;
    event->accept();
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

void claimButtonKeys(QAbstractButton *button, ReturnClick click)
{
    new ButtonKeys(button, click);
}

} // namespace WidgetDeckPrivate
