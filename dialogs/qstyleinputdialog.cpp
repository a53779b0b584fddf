// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qstyleinputdialog.h"
#include "ui_qstyleinputdialog.h"

#include "widgetdeckaccessiblenames_p.h"

class QStyleInputDialogPrivate
{
public:
    Ui::QStyleInputDialog ui;
};

QStyleInputDialog::QStyleInputDialog(QWidget *parent)
    : QBaseDlg(parent)
    , d(new QStyleInputDialogPrivate)
{
    d->ui.setupUi(this);
    connect(d->ui.okPBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(d->ui.cancelPBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The title is the prompt; the field is named after it, and follows setTitle().
    new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &) {
        const QString prompt = windowTitle();
        WidgetDeckPrivate::AccessibleNames::setName(d->ui.lineEdit, prompt.isEmpty() ? tr("STR_INPUT") : prompt);
    });
}

QStyleInputDialog::~QStyleInputDialog() = default;

QString QStyleInputDialog::text() const
{
    return d->ui.lineEdit->text();
}

void QStyleInputDialog::setTooltip(const QString &tip)
{
    d->ui.lineEdit->setToolTip(tip);
}

void QStyleInputDialog::showEvent(QShowEvent *event)
{
    d->ui.lineEdit->setFocus(Qt::TabFocusReason);
    // The tab-focus selection only happens when the window is already active, which it is
    // not yet on a first show; select explicitly so every show starts with the text selected.
    d->ui.lineEdit->selectAll();
    QBaseDlg::showEvent(event);
}

void QStyleInputDialog::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
