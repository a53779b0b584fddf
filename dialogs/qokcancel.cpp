#include "qokcancel.h"
#include "ui_qokcancel.h"

QOkCancel::QOkCancel(QWidget *parent, ConfirmBtnType_E type)
    : QBaseStyleWidget(parent)
    , ui(new Ui::OkCancel)
    , m_type(type)
{
    ui->setupUi(this);

    // One selector ("#OKCANCEL") styles every confirmation button of the host.
    const QList<QPushButton *> buttons = {ui->pushButtonOpen, ui->pushButtonOk, ui->pushButtonCancel,
                                          ui->pushButtonDefault, ui->pushButtonClose};
    for (QPushButton *button : buttons) {
        button->setObjectName(QStringLiteral("OKCANCEL"));
        button->setCursor(Qt::PointingHandCursor);
    }

    connect(ui->pushButtonOpen, &QPushButton::clicked, this, &QOkCancel::SigOpen);
    connect(ui->pushButtonOk, &QPushButton::clicked, this, &QOkCancel::SigOk);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &QOkCancel::SigCancel);
    connect(ui->pushButtonDefault, &QPushButton::clicked, this, &QOkCancel::SigDefault);
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &QOkCancel::SigCancel);

    setConfirmBtnType(m_type);
}

QOkCancel::~QOkCancel()
{
    delete ui;
}

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
    m_type = type;
    ui->pushButtonOpen->setVisible(open);
    ui->pushButtonOk->setVisible(ok);
    ui->pushButtonCancel->setVisible(cancel);
    ui->pushButtonDefault->setVisible(byDefault);
    ui->pushButtonClose->setVisible(quit);
}

void QOkCancel::setOkBtnText(const QString &text)
{
    ui->pushButtonOk->setText(text);
}

void QOkCancel::setCancelBtnText(const QString &text)
{
    ui->pushButtonCancel->setText(text);
}

void QOkCancel::setOkBtnEnabled(bool enabled)
{
    ui->pushButtonOk->setEnabled(enabled);
}
