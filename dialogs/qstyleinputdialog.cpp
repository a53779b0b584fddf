#include "qstyleinputdialog.h"
#include "ui_qstyleinputdialog.h"

QStyleInputDialog::QStyleInputDialog(QWidget *parent)
    : QBaseDlg(parent)
    , ui(new Ui::QStyleInputDialog)
{
    ui->setupUi(this);
    connect(ui->okPBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cancelPBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QStyleInputDialog::~QStyleInputDialog()
{
    delete ui;
}

QString QStyleInputDialog::text() const
{
    return ui->lineEdit->text();
}

void QStyleInputDialog::setTooltip(const QString &tip)
{
    ui->lineEdit->setToolTip(tip);
}

void QStyleInputDialog::showEvent(QShowEvent *event)
{
    ui->lineEdit->setFocus(Qt::TabFocusReason);
    // The tab-focus selection only happens when the window is already active, which it is
    // not yet on a first show; select explicitly so every show starts with the text selected.
    ui->lineEdit->selectAll();
    QBaseDlg::showEvent(event);
}

void QStyleInputDialog::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
