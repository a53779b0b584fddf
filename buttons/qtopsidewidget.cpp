#include "qtopsidewidget.h"
#include "ui_qtopsidewidget.h"

#include <QIcon>

QTopSideWidget::QTopSideWidget(QWidget *parent, QString title, DirectSide_E direct)
    : QBaseStyleWidget(parent)
    , ui(new Ui::TopSideWidget)
    , m_title(title)
    , m_direct(direct)
{
    ui->setupUi(this);
    init();
}

QTopSideWidget::~QTopSideWidget()
{
    delete ui;
}

void QTopSideWidget::init()
{
    ui->labelTxt->setText(m_title);
    ui->toolButtonClose->setObjectName(QStringLiteral("CLOSEBTN1"));
    ui->toolButtonView->setObjectName(QStringLiteral("VIEWBTN"));
    ui->toolButtonClose->setToolTip(tr("STR_CLOSE"));
    ui->toolButtonView->setToolTip(tr("STR_HIDE"));
    // Both show only an icon.
    ui->toolButtonClose->setAccessibleName(tr("STR_CLOSE"));
    ui->toolButtonView->setAccessibleName(tr("STR_HIDE"));
    connect(ui->toolButtonView, &QToolButton::clicked, this, &QTopSideWidget::SigHide);
    connect(ui->toolButtonClose, &QToolButton::clicked, this, &QTopSideWidget::SigClose);
    setMouseTracking(true);
}

void QTopSideWidget::setDirect(DirectSide_E direct)
{
    m_direct = direct;
    QString path;
    switch (direct) {
    case DIRECT_LEFT:
        path = QStringLiteral(":/img/commonImge/arrow_left");
        break;
    case DIRECT_TOP:
        path = QStringLiteral(":/img/commonImge/arrow_top");
        break;
    case DIRECT_RIGHT:
        path = QStringLiteral(":/img/commonImge/arrow_right");
        break;
    case DIRECT_DOWN:
        path = QStringLiteral(":/img/commonImge/arrow_down");
        break;
    }
    ui->toolButtonView->setIcon(path.isEmpty() ? QIcon() : QIcon(path));
}

void QTopSideWidget::setTitle(QString title)
{
    m_title = title;
    ui->labelTxt->setText(m_title);
}

QString QTopSideWidget::getTitle()
{
    return m_title;
}
