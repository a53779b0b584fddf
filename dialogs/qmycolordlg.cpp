#include "qmycolordlg.h"
#include "ui_qmycolordlg.h"

#include <QColorDialog>

QMyColorDlg::QMyColorDlg(QColor initial, QWidget *parent)
    : QBaseDlg(parent)
    , ui(new Ui::QMyColorDlg)
{
    ui->setupUi(this);
    m_picker = new QColorDialog(initial, this);
    init();
}

QMyColorDlg::~QMyColorDlg()
{
    delete ui;
}

void QMyColorDlg::init()
{
    setTitle(tr("STR_COLOR"));
    // A frameless hint alone turns the picker into a plain child that can live in the stack.
    m_picker->setObjectName(QStringLiteral("colorPicker"));
    m_picker->setWindowFlags(Qt::FramelessWindowHint);
    m_picker->setAttribute(Qt::WA_TranslucentBackground);
    m_picker->setOptions(QColorDialog::NoButtons);
    ui->stackedWidget->addWidget(m_picker);
    ui->widgetOkCancel->setObjectName(QStringLiteral("STATUSWID"));
    connect(ui->widgetOkCancel, &QOkCancel::SigOk, this, &QDialog::accept);
    connect(ui->widgetOkCancel, &QOkCancel::SigCancel, this, &QDialog::reject);
}

QColor QMyColorDlg::currentColor() const
{
    return m_picker->currentColor();
}

void QMyColorDlg::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
