// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKEVENTHOOK_P_H
#define WIDGETDECKEVENTHOOK_P_H

#include <QEvent>

#include <functional>

class QObject;
class QString;
class QWidget;

namespace WidgetDeckPrivate {

/// Hands every event of @p type that reaches @p target to @p handler before the target's own
/// handlers; the handler returns true to take the event. The hook is a child of @p target, so
/// a class can react to an event without overriding a virtual its released ABI lacks.
QObject *hookEvent(QObject *target, QEvent::Type type, std::function<bool(QEvent *)> handler);

/// Sets @p rule as @p widget's style sheet and keeps it there: a sheet the host sets on the
/// widget later gets the rule appended, so the parts the rule styles keep their look.
void keepStyleRule(QWidget *widget, const QString &rule);

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKEVENTHOOK_P_H
