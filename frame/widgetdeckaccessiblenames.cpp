// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckaccessiblenames_p.h"

#include <QEvent>
#include <QLabel>

namespace WidgetDeckPrivate {

namespace {
// "&Address:" reads "Address": the mnemonic is no part of the name, and a part's name goes on
// after the whole's ("Address, part 1 of 4").
QString spokenLabel(QString text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&'))
            text.remove(i, 1);
    }
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text.chop(1);
    return text.trimmed();
}

QString partName(const QString &pattern, const QString &whole, int position, int count)
{
    // One pass, so a "%2" inside the whole's name stays as it is.
    QString name;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar digit = i + 1 < pattern.size() ? pattern.at(i + 1) : QChar();
        if (pattern.at(i) == QLatin1Char('%') && digit >= QLatin1Char('1') && digit <= QLatin1Char('3')) {
            name += digit == QLatin1Char('1') ? whole : QString::number(digit == QLatin1Char('2') ? position : count);
            ++i;
        } else {
            name += pattern.at(i);
        }
    }
    return name;
}
} // namespace

AccessibleNames::AccessibleNames(QWidget *owner, Rename rename)
    : QObject(owner)
    , m_owner(owner)
    , m_rename(std::move(rename))
{
    setObjectName(QStringLiteral("accessibleNames"));
    owner->installEventFilter(this);
    refresh();
}

void AccessibleNames::watchFocus(QWidget *part)
{
    part->installEventFilter(this);
}

QString AccessibleNames::ownerName(const QString &fallback)
{
    if (!m_owner->accessibleName().isEmpty())
        return m_owner->accessibleName();
    QLabel *label = (m_label && m_label->buddy() == m_owner) ? m_label.data() : buddyLabel(m_owner);
    if (label != m_label) {
        if (m_label)
            m_label->removeEventFilter(this);
        m_label = label;
        if (label)
            label->installEventFilter(this);
    }
    const QString text = label ? spokenLabel(label->text()) : QString();
    return text.isEmpty() ? fallback : text;
}

void AccessibleNames::refresh()
{
    m_rename(*this);
}

void AccessibleNames::nameParts(const QList<QWidget *> &parts, const QString &pattern, const QString &whole)
{
    if (parts.size() == 1)
        setName(parts.first(), whole);
    if (parts.size() < 2)
        return;
    for (int position = 1; position <= parts.size(); ++position)
        setName(parts.at(position - 1), partName(pattern, whole, position, parts.size()));
}

void AccessibleNames::setName(QWidget *widget, const QString &name)
{
    if (widget && widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

QLabel *AccessibleNames::buddyLabel(const QWidget *widget)
{
    const QWidget *window = widget->window();
    // Where Qt itself looks first: the siblings; then anywhere in the window.
    if (const QWidget *parent = widget->parentWidget()) {
        for (QObject *child : parent->children()) {
            auto *label = qobject_cast<QLabel *>(child);
            if (label && label->buddy() == widget)
                return label;
        }
    }
    if (window == widget)
        return nullptr;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->buddy() == widget)
            return label;
    }
    return nullptr;
}

bool AccessibleNames::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::LanguageChange:
    case QEvent::WindowTitleChange:
    case QEvent::Show:
    case QEvent::ParentChange:
        if (watched == m_owner)
            refresh();
        break;
    case QEvent::FocusIn:
        if (watched != m_label)
            refresh();
        break;
    case QEvent::Paint:
        if (watched == m_label)
            refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace WidgetDeckPrivate
