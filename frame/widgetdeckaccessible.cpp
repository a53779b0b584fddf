// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "widgetdeckaccessible_p.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace WidgetDeckAccessible {

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // Qt asks for every class of the object's meta-object chain, most derived first; only
    // widgets of the library's own classes get an answer here.
    if (!object || !object->isWidgetType() || !className.startsWith(QLatin1Char('Q')))
        return nullptr;
    QAccessibleInterface *iface = nullptr;
#ifdef WIDGETDECK_FAMILY_DIALOGS
    if (!iface)
        iface = dialogsInterface(className, object);
#endif
#ifdef WIDGETDECK_FAMILY_CURSOR
    if (!iface)
        iface = cursorInterface(className, object);
#endif
#ifdef WIDGETDECK_FAMILY_BUTTONS
    if (!iface)
        iface = buttonsInterface(className, object);
#endif
#ifdef WIDGETDECK_FAMILY_INPUTS
    if (!iface)
        iface = inputsInterface(className, object);
#endif
    return iface;
}

void install()
{
    // Loaded by hand into a program without a GUI, the library takes Qt Gui with it when it is
    // unloaded; a factory would leave Qt a clean-up routine in code that is gone.
    if (QCoreApplication::instance() && !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QAccessible::installFactory(factory);
}

void remove()
{
    QAccessible::removeFactory(factory);
}

PressLabel::PressLabel(QLabel *label, Press press)
    : QAccessibleWidget(label, label->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText)
    , m_press(std::move(press))
{
}

QString PressLabel::text(QAccessible::Text t) const
{
    // Read as a button is: by its own text before the form label that may name it.
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    auto *label = static_cast<QLabel *>(widget());
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    const QString own = (rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text()).trimmed();
    return own.isEmpty() ? QAccessibleWidget::text(t) : own;
}

QStringList PressLabel::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void PressLabel::doAction(const QString &actionName)
{
    if (actionName == pressAction()) {
        // The press may delete the label, and this interface with it.
        if (widget()->isEnabled())
            m_press(static_cast<QLabel *>(widget()));
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

} // namespace WidgetDeckAccessible
