#include "qimgradiobutton.h"
#include "ui_qimgradiobutton.h"

#include <QPainter>

namespace {
const QColor kFrameColor(QStringLiteral("#CFDFF9"));
const QColor kSelectedColor(QStringLiteral("#CFEFF9"));
const QColor kHoverColor(QStringLiteral("#CFDFF9"));
} // namespace

QImgRadioButton::QImgRadioButton(QWidget *parent, QString text, QString imgPath)
    : QBaseStyleWidget(parent)
    , ui(new Ui::ImgRadioButton)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("CHOOSE_WIDGET"));
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);

    ui->radioButton->setText(text);
    ui->labelImg->setPixmap(QPixmap(imgPath));
    // The image names the same choice as the radio button's text.
    ui->labelImg->setAccessibleName(text);

    connect(ui->labelImg, &QClickImgLabel::SigClicked, this, &QImgRadioButton::SigImgClicked);
    connect(ui->labelImg, &QClickImgLabel::SigOk, this, &QImgRadioButton::SigOk);
    connect(ui->radioButton, &QClickRadioButton::SigClicked, this, &QImgRadioButton::SigImgClicked);
    connect(ui->radioButton, &QClickRadioButton::SigOk, this, &QImgRadioButton::SigOk);
    // The look follows the check state however it changes, also when a host reaches the
    // radio button directly.
    connect(ui->radioButton, &QRadioButton::toggled, this, qOverload<>(&QWidget::update));
}

QImgRadioButton::~QImgRadioButton()
{
    delete ui;
}

void QImgRadioButton::setChecked(bool checked)
{
    ui->radioButton->setChecked(checked);
}

void QImgRadioButton::enterEvent(QEvent *event)
{
    Q_UNUSED(event)
    m_hover = true;
    update();
}

void QImgRadioButton::leaveEvent(QEvent *event)
{
    Q_UNUSED(event)
    m_hover = false;
    update();
}

// The fill is painted here from the current state rather than through the palette and the
// auto-filled background, which would show a change only one repaint later.
void QImgRadioButton::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!ui->radioButton->isChecked() && !m_hover) {
        painter.setPen(QPen(kFrameColor, 1));
        painter.setBrush(Qt::NoBrush);
        const QRect r = rect();
        painter.drawRect(r.x() + 1, r.y() + 1, r.width() - 2, r.height() - 2);
    } else {
        painter.fillRect(rect(), m_hover ? kHoverColor : kSelectedColor);
    }
    painter.end();
    QWidget::paintEvent(event);
}
