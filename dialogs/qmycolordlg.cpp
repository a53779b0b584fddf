// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qmycolordlg.h"
#include "ui_qmycolordlg.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QPointer>

class QMyColorDlgPrivate
{
public:
    Ui::QMyColorDlg ui;
    QPointer<QColorDialog> m_picker;
};

QMyColorDlg::QMyColorDlg(QColor initial, QWidget *parent)
    : QBaseDlg(parent)
    , d(new QMyColorDlgPrivate)
{
    d->ui.setupUi(this);
    d->m_picker = new QColorDialog(initial, this);
    init();
}

QMyColorDlg::~QMyColorDlg() = default;

void QMyColorDlg::init()
{
    setTitle(tr("STR_COLOR"));
    // A frameless hint alone turns the picker into a plain child that can live in the stack.
    d->m_picker->setObjectName(QStringLiteral("colorPicker"));
    d->m_picker->setWindowFlags(Qt::FramelessWindowHint);
    d->m_picker->setAttribute(Qt::WA_TranslucentBackground);
    d->m_picker->setOptions(QColorDialog::NoButtons);
    d->ui.stackedWidget->addWidget(d->m_picker);
    // The picker is a dialog of its own: Escape inside it would hide it and leave this dialog
    // empty for this and every later run, so Escape ends this dialog instead.
    d->m_picker->installEventFilter(this);
    d->ui.widgetOkCancel->setObjectName(QStringLiteral("STATUSWID"));
    connect(d->ui.widgetOkCancel, &QOkCancel::SigOk, this, &QDialog::accept);
    connect(d->ui.widgetOkCancel, &QOkCancel::SigCancel, this, &QDialog::reject);
}

QColor QMyColorDlg::currentColor() const
{
    return d->m_picker ? d->m_picker->currentColor() : QColor();
}

bool QMyColorDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->m_picker && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QBaseDlg::eventFilter(watched, event);
}

void QMyColorDlg::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
