// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qokcancel.h"

#include "widgetdeckbuttonkeys_p.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>

namespace {
// Layout order, left to right.
enum Button { Open, Default, Ok, Cancel, Quit, ButtonCount };

QString buttonText(int which)
{
    switch (which) {
    case Open:
        return QCoreApplication::translate("OkCancel", "STR_OPEN");
    case Default:
        return QCoreApplication::translate("OkCancel", "STR_RECOVER_DEFAULT");
    case Ok:
        return QCoreApplication::translate("OkCancel", "STR_OK");
    case Cancel:
        return QCoreApplication::translate("OkCancel", "STR_CANCEL");
    }
    return QCoreApplication::translate("OkCancel", "STR_QUIT");
}
// Moves @p widget, last in its window's focus chain, to just before @p next. Qt only moves a
// widget behind a focusable one; before the bar's first button stands the bar itself, which
// takes no focus, so it lends itself one for the move.
void placeBefore(QWidget *bar, QWidget *widget, QWidget *next)
{
    QWidget *previous = next->previousInFocusChain();
    if (previous != bar) {
        QWidget::setTabOrder(previous, widget);
        return;
    }
    const Qt::FocusPolicy policy = bar->focusPolicy();
    bar->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(bar, widget);
    bar->setFocusPolicy(policy);
}
} // namespace

class QOkCancelPrivate
{
public:
    QHBoxLayout *row = nullptr;
    // Built when first shown or asked for: most sets show two of the five, and a hidden
    // button would still be constructed, translated and polished with the bar.
    QPushButton *buttons[ButtonCount] = {};
    ConfirmBtnType_E m_type = CONFIRM_BTN_OK_CANCEL;

    QPushButton *button(QOkCancel *q, int which);
};

QPushButton *QOkCancelPrivate::button(QOkCancel *q, int which)
{
    if (buttons[which])
        return buttons[which];
    auto *button = new QPushButton(q);
    button->setText(buttonText(which));
    // One selector ("#OKCANCEL") styles every confirmation button of the host.
    button->setObjectName(QStringLiteral("OKCANCEL"));
    button->setCursor(Qt::PointingHandCursor);
    button->installEventFilter(q);
    // Hidden until the button set shows it.
    button->hide();

    // Layout and focus chain follow the left-to-right order, whichever buttons came first.
    int index = 1; // after the leading spacer
    QPushButton *before = nullptr;
    for (int k = 0; k < which; ++k) {
        if (buttons[k]) {
            ++index;
            before = buttons[k];
        }
    }
    row->insertWidget(index, button);
    QPushButton *after = nullptr;
    for (int k = which + 1; k < ButtonCount && !after; ++k)
        after = buttons[k];
    if (before) {
        QWidget::setTabOrder(before, button);
    } else if (after) {
        placeBefore(q, button, after);
    }
    // Children in the same order too, for hosts that walk them.
    if (after)
        button->stackUnder(after);
    buttons[which] = button;

    switch (which) {
    case Open:
        QObject::connect(button, &QPushButton::clicked, q, &QOkCancel::SigOpen);
        break;
    case Default:
        QObject::connect(button, &QPushButton::clicked, q, &QOkCancel::SigDefault);
        break;
    case Ok:
        QObject::connect(button, &QPushButton::clicked, q, &QOkCancel::SigOk);
        break;
    default:
        QObject::connect(button, &QPushButton::clicked, q, &QOkCancel::SigCancel);
        break;
    }
    return button;
}

QOkCancel::QOkCancel(QWidget *parent, ConfirmBtnType_E type)
    : QBaseStyleWidget(parent)
    , d(new QOkCancelPrivate)
{
    d->m_type = type;
    // The form: a grid holding one row, the buttons between two expanding spacers.
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("OkCancel"));
    resize(585, 300);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    d->row = new QHBoxLayout;
    d->row->setObjectName(QStringLiteral("horizontalLayout"));
    d->row->addItem(new QSpacerItem(1, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    d->row->addItem(new QSpacerItem(1, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    grid->addLayout(d->row, 0, 0, 1, 1);

    setConfirmBtnType(d->m_type);
}

QOkCancel::~QOkCancel() = default;

void QOkCancel::setConfirmBtnType(ConfirmBtnType_E type)
{
    bool shown[ButtonCount] = {};
    switch (type) {
    case CONFIRM_BTN_OK:
        shown[Ok] = true;
        break;
    case CONFIRM_BTN_CANCEL:
        shown[Cancel] = true;
        break;
    case CONFIRM_BTN_OK_CANCEL:
        shown[Ok] = shown[Cancel] = true;
        break;
    case CONFIRM_BTN_OK_CANCEL_DEFAULT:
        shown[Default] = shown[Ok] = shown[Cancel] = true;
        break;
    case CONFIRM_BTN_OPEN_QUIT:
        shown[Open] = shown[Quit] = true;
        break;
    default:
        return;
    }
    d->m_type = type;
    for (int k = 0; k < ButtonCount; ++k) {
        if (shown[k] || d->buttons[k])
            d->button(this, k)->setVisible(shown[k]);
    }
    // QDialog makes the first auto-default button in the focus chain its default, hidden or
    // not; only shown buttons may take that role.
    for (QPushButton *button : d->buttons) {
        if (!button)
            continue;
        button->setAutoDefault(!button->isHidden());
        if (button->isHidden() && button->isDefault())
            button->setDefault(false);
    }
}

void QOkCancel::showEvent(QShowEvent *event)
{
    QBaseStyleWidget::showEvent(event);
    // As a button box does: a shown OK is the default unless the dialog chose another one.
    QPushButton *ok = d->buttons[Ok];
    if (!ok || ok->isHidden())
        return;
    QWidget *dialog = parentWidget();
    while (dialog && !qobject_cast<QDialog *>(dialog) && !dialog->isWindow())
        dialog = dialog->parentWidget();
    if (!qobject_cast<QDialog *>(dialog))
        return;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button != ok && button->isDefault() && !button->isHidden())
            return;
    }
    ok->setDefault(true);
}

void QOkCancel::setOkBtnText(const QString &text)
{
    d->button(this, Ok)->setText(text);
}

void QOkCancel::setCancelBtnText(const QString &text)
{
    d->button(this, Cancel)->setText(text);
}

void QOkCancel::setOkBtnEnabled(bool enabled)
{
    d->button(this, Ok)->setEnabled(enabled);
}

QString QOkCancel::okBtnText() const
{
    return d->buttons[Ok] ? d->buttons[Ok]->text() : buttonText(Ok);
}

QString QOkCancel::cancelBtnText() const
{
    return d->buttons[Cancel] ? d->buttons[Cancel]->text() : buttonText(Cancel);
}

bool QOkCancel::isOkBtnEnabled() const
{
    return d->buttons[Ok] ? d->buttons[Ok]->isEnabled() : isEnabled();
}

bool QOkCancel::eventFilter(QObject *watched, QEvent *event)
{
    // A focused button keeps Space, Return and Enter from the host's shortcuts: the key
    // presses the button, as a click would.
    if (auto *button = qobject_cast<QPushButton *>(watched)) {
        if (button->parentWidget() == this && WidgetDeckPrivate::handleButtonKeys(button, event))
            return true;
    }
    return QBaseStyleWidget::eventFilter(watched, event);
}
