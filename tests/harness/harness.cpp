// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace harness {

QList<ClassRow> &rows()
{
    static QList<ClassRow> all;
    return all;
}

QList<NamedMethod> &namedMethods()
{
    static QList<NamedMethod> all;
    return all;
}

NamedMethods::NamedMethods(const char *owner, const char *className, std::initializer_list<const char *> signalList,
                           std::initializer_list<const char *> slotList)
{
    for (const char *signature : signalList)
        namedMethods().append({owner, className, QMetaMethod::Signal, signature});
    for (const char *signature : slotList)
        namedMethods().append({owner, className, QMetaMethod::Slot, signature});
}

QWidget *child(QObject *object, const char *name)
{
    return object->findChild<QWidget *>(QString::fromLatin1(name));
}

void click(QWidget *widget)
{
    QVERIFY2(widget, "no control to click");
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

Find named(const char *name)
{
    return [name](QObject *object) { return name ? child(object, name) : static_cast<QWidget *>(object); };
}

Fire clickOn(const char *name)
{
    return [name](QObject *object) { click(named(name)(object)); };
}

Fire pressOn(const char *name)
{
    return [name](QObject *object) {
        QWidget *widget = named(name)(object);
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    };
}

Find buttonWithText(const char *text)
{
    return [text](QObject *object) -> QWidget * {
        for (QPushButton *b : object->findChildren<QPushButton *>())
            if (!b->isHidden() && b->text() == QLatin1String(text))
                return b;
        return nullptr;
    };
}

void doubleClick(QWidget *widget)
{
    const QPoint pos = widget->rect().center();
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void betweenHostEditors(QObject *object)
{
    auto *widget = static_cast<QWidget *>(object);
    QWidget *previous = widget->window()->findChild<QWidget *>(QStringLiteral("before"));
    QWidget *after = widget->window()->findChild<QWidget *>(QStringLiteral("after"));
    if (!previous || !after)
        return;
    QList<QWidget *> stops;
    if (widget->focusPolicy() & Qt::TabFocus)
        stops << widget;
    else
        for (QWidget *c : widget->findChildren<QWidget *>())
            if ((c->focusPolicy() & Qt::TabFocus) && !stops.contains(c->parentWidget()))
                stops << c;
    for (QWidget *stop : qAsConst(stops)) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
    QWidget::setTabOrder(previous, after);
}

} // namespace harness

