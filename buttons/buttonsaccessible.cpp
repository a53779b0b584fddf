// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Accessible interfaces of the buttons family.
#include "qclickimglabel.h"
#include "qclickradiobutton.h"
#include "qindustryitem.h"
#include "widgetdeckaccessible_p.h"

#include <QAccessibleWidget>
#include <QRadioButton>

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
        // Its caption before the title of a group box around it, which Qt would take.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && !item()->getIndustry().isEmpty())
            return item()->getIndustry();
        return QAccessibleWidget::text(t);
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

// A radio button whose owner decides the selection: its Toggle action does what a left press
// does (SigClicked), as a stock radio's action does what a click does.
class ClickRadioButtonAccessible : public QAccessibleWidget
{
public:
    explicit ClickRadioButtonAccessible(QWidget *radio)
        : QAccessibleWidget(radio, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && !radio()->text().isEmpty())
            return radio()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.checkable = true;
        st.checked = radio()->isChecked();
        st.pressed = radio()->isDown();
        return st;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != toggleAction() && actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        // A slot may delete the button, and this interface with it: the emit comes last.
        if (widget()->isEnabled())
            Q_EMIT radio()->SigClicked();
    }

private:
    QClickRadioButton *radio() const { return static_cast<QClickRadioButton *>(widget()); }
};

} // namespace

QAccessibleInterface *WidgetDeckAccessible::buttonsInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QIndustryItem"))
        return new IndustryItemAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("QClickRadioButton"))
        return new ClickRadioButtonAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("QClickImgLabel"))
        return new PressLabel(static_cast<QLabel *>(object),
                              [](QLabel *label) { Q_EMIT static_cast<QClickImgLabel *>(label)->SigClicked(); });
    return nullptr;
}
