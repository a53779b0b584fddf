// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Accessible interfaces of the buttons family.
#include "qclickimglabel.h"
#include "qindustryitem.h"
#include "widgetdeckaccessible_p.h"

#include <QAccessibleWidget>

namespace {

// An entry the user clicks to show it: a push button named after its caption.
class IndustryItemAccessible : public QAccessibleWidget
{
public:
    explicit IndustryItemAccessible(QWidget *item)
        : QAccessibleWidget(item, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return item()->getIndustry();
        return own;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        // The host may delete the entry, and this interface with it: the emit comes last.
        if (widget()->isEnabled())
            Q_EMIT item()->showIndustry(item()->getIndustry());
    }

private:
    QIndustryItem *item() const { return static_cast<QIndustryItem *>(widget()); }
};

} // namespace

QAccessibleInterface *WidgetDeckAccessible::buttonsInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QIndustryItem"))
        return new IndustryItemAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("QClickImgLabel"))
        return new PressLabel(static_cast<QLabel *>(object),
                              [](QLabel *label) { Q_EMIT static_cast<QClickImgLabel *>(label)->SigClicked(); });
    return nullptr;
}
