// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKACCESSIBLE_P_H
#define WIDGETDECKACCESSIBLE_P_H

// Accessible interfaces of the library's own classes, handed to Qt by one factory that lives
// from library load to unload. Each family answers for its own classes; the frame asks only
// the families built.

#include <QAccessibleWidget>
#include <QString>

#include <functional>

class QLabel;

namespace WidgetDeckAccessible {

/// The factory installed with QAccessible::installFactory.
QAccessibleInterface *factory(const QString &className, QObject *object);
/// Called at library load and unload.
void install();
void remove();

// One per family that has interfaces of its own; nullptr for a class it does not know.
QAccessibleInterface *dialogsInterface(const QString &className, QObject *object);
QAccessibleInterface *cursorInterface(const QString &className, QObject *object);
QAccessibleInterface *buttonsInterface(const QString &className, QObject *object);
QAccessibleInterface *inputsInterface(const QString &className, QObject *object);

/// A label the user presses like a button: it keeps its role and its text as name, and offers
/// the Press action, which does what a left press does.
class PressLabel : public QAccessibleWidget
{
public:
    using Press = std::function<void(QLabel *label)>;
    PressLabel(QLabel *label, Press press);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    Press m_press;
};

} // namespace WidgetDeckAccessible

#endif
