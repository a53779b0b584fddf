#include "qmycolordlg.h"
#include "ui_qmycolordlg.h"

#include <QColorDialog>

class QMyColorDlgPrivate
{
public:
    Ui::QMyColorDlg ui;
    QColorDialog *m_picker = nullptr;
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
    d->ui.widgetOkCancel->setObjectName(QStringLiteral("STATUSWID"));
    connect(d->ui.widgetOkCancel, &QOkCancel::SigOk, this, &QDialog::accept);
    connect(d->ui.widgetOkCancel, &QOkCancel::SigCancel, this, &QDialog::reject);
}

QColor QMyColorDlg::currentColor() const
{
    return d->m_picker->currentColor();
}

void QMyColorDlg::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
