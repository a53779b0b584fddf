// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qokcancel.h"
#include "ui_qokcancel.h"

#include "widgetdeckbuttonkeys_p.h"

#include <QDialog>

class QOkCancelPrivate
{
public:
    Ui::OkCancel ui;
    ConfirmBtnType_E m_type = CONFIRM_BTN_OK_CANCEL;
};

QOkCancel::QOkCancel(QWidget *parent, ConfirmBtnType_E type)
    : QBaseStyleWidget(parent)
    , d(new QOkCancelPrivate)
{
    d->m_type = type;
    d->ui.setupUi(this);

    // One selector ("#OKCANCEL") styles every confirmation button of the host.
    const QList<QPushButton *> buttons = {d->ui.pushButtonOpen, d->ui.pushButtonOk, d->ui.pushButtonCancel,
                                          d->ui.pushButtonDefault, d->ui.pushButtonClose};
    for (QPushButton *button : buttons) {
        button->setObjectName(QStringLiteral("OKCANCEL"));
        button->setCursor(Qt::PointingHandCursor);
        button->installEventFilter(this);
    }

    connect(d->ui.pushButtonOpen, &QPushButton::clicked, this, &QOkCancel::SigOpen);
    connect(d->ui.pushButtonOk, &QPushButton::clicked, this, &QOkCancel::SigOk);
    connect(d->ui.pushButtonCancel, &QPushButton::clicked, this, &QOkCancel::SigCancel);
    connect(d->ui.pushButtonDefault, &QPushButton::clicked, this, &QOkCancel::SigDefault);
    connect(d->ui.pushButtonClose, &QPushButton::clicked, this, &QOkCancel::SigCancel);

    setConfirmBtnType(d->m_type);
}

QOkCancel::~QOkCancel() = default;

void QOkCancel::setConfirmBtnType(ConfirmBtnType_E type)
{
    bool open = false, ok = false, cancel = false, byDefault = false, quit = false;
    switch (type) {
    case CONFIRM_BTN_OK:
        ok = true;
        break;
    case CONFIRM_BTN_CANCEL:
        cancel = true;
        break;
    case CONFIRM_BTN_OK_CANCEL:
        ok = cancel = true;
        break;
    case CONFIRM_BTN_OK_CANCEL_DEFAULT:
        byDefault = ok = cancel = true;
        break;
    case CONFIRM_BTN_OPEN_QUIT:
        open = quit = true;
        break;
    default:
        return;
    }
    d->m_type = type;
    d->ui.pushButtonOpen->setVisible(open);
    d->ui.pushButtonOk->setVisible(ok);
    d->ui.pushButtonCancel->setVisible(cancel);
    d->ui.pushButtonDefault->setVisible(byDefault);
    d->ui.pushButtonClose->setVisible(quit);
    // QDialog makes the first auto-default button in the focus chain its default, hidden or
    // not; only shown buttons may take that role.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(!button->isHidden());
        if (button->isHidden() && button->isDefault())
            button->setDefault(false);
    }
}

void QOkCancel::showEvent(QShowEvent *event)
{
    QBaseStyleWidget::showEvent(event);
    // As a button box does: a shown OK is the default unless the dialog chose another one.
    QPushButton *ok = d->ui.pushButtonOk;
    if (ok->isHidden())
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
    d->ui.pushButtonOk->setText(text);
}

void QOkCancel::setCancelBtnText(const QString &text)
{
    d->ui.pushButtonCancel->setText(text);
}

void QOkCancel::setOkBtnEnabled(bool enabled)
{
    d->ui.pushButtonOk->setEnabled(enabled);
}

QString QOkCancel::okBtnText() const
{
    return d->ui.pushButtonOk->text();
}

QString QOkCancel::cancelBtnText() const
{
    return d->ui.pushButtonCancel->text();
}

bool QOkCancel::isOkBtnEnabled() const
{
    return d->ui.pushButtonOk->isEnabled();
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
