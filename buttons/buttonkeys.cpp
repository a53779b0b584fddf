// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "buttonkeys_p.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Claims Space from host shortcuts while the button has the focus.
class SpaceKey : public QObject
{
public:
    explicit SpaceKey(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
    {
        setObjectName(QStringLiteral("spaceKey"));
        button->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_button && event->type() == QEvent::ShortcutOverride && m_button->isEnabled()) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
                event->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton *const m_button;
};

class ReturnKeys : public QObject
{
public:
    ReturnKeys(QPushButton *button, bool clickOnPress)
        : QObject(button)
        , m_button(button)
        , m_clickOnPress(clickOnPress)
    {
        setObjectName(QStringLiteral("returnKeys"));
        button->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        if (!m_button->isEnabled() || !WidgetDeckButtons::answersReturnItself(m_button, key))
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (!m_clickOnPress)
            return false;
        event->accept();
        // The click may destroy the button and this filter with it: nothing follows it.
        if (!key->isAutoRepeat())
            m_button->click();
        return true;
    }

private:
    QPushButton *const m_button;
    const bool m_clickOnPress;
};

} // namespace

namespace WidgetDeckButtons {

bool isReturnKey(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool answersReturnItself(const QPushButton *button, const QKeyEvent *event)
{
    return isReturnKey(event) && !button->autoDefault() && !button->isDefault();
}

void answerReturnKeys(QPushButton *button, bool clickOnPress)
{
    new ReturnKeys(button, clickOnPress);
    claimSpaceKey(button);
}

void claimSpaceKey(QAbstractButton *button)
{
    new SpaceKey(button);
}

} // namespace WidgetDeckButtons
