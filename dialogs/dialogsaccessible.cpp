// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Accessible interfaces of the dialogs family.
#include "qmymessagebox.h"
#include "widgetdeckaccessible_p.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// An alert, as stock message boxes are: named by its title, described by its message.
class MessageBoxAccessible : public QAccessibleWidget
{
public:
    explicit MessageBoxAccessible(QWidget *box)
        : QAccessibleWidget(box, QAccessible::AlertMessage)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
            if (auto *label = widget()->findChild<QLabel *>(QStringLiteral("labelTxt")))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }
};

} // namespace

QAccessibleInterface *WidgetDeckAccessible::dialogsInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QMyMessageBox"))
        return new MessageBoxAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
