// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qimgradiobutton.h"
#include "widgetdeckpixmap_p.h"
#include "ui_qimgradiobutton.h"

#include <QPainter>

namespace {
const QColor kFrameColor(QStringLiteral("#CFDFF9"));
const QColor kSelectedColor(QStringLiteral("#CFEFF9"));
const QColor kHoverColor(QStringLiteral("#CFDFF9"));
} // namespace

class QImgRadioButtonPrivate
{
public:
    Ui::ImgRadioButton ui;
    bool hover = false;
};

QImgRadioButton::QImgRadioButton(QWidget *parent, QString text, QString imgPath)
    : QBaseStyleWidget(parent)
    , d(new QImgRadioButtonPrivate)
{
    auto *ui = &d->ui;
    ui->setupUi(this);
    setObjectName(QStringLiteral("CHOOSE_WIDGET"));
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);

    ui->radioButton->setText(text);
    ui->labelImg->setPixmap(WidgetDeckPrivate::pixmapIfAvailable(imgPath));
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

QImgRadioButton::~QImgRadioButton() = default;

void QImgRadioButton::setChecked(bool checked)
{
    d->ui.radioButton->setChecked(checked);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
void QImgRadioButton::enterEvent(QEnterEvent *event)
#else
void QImgRadioButton::enterEvent(QEvent *event)
#endif
{
    Q_UNUSED(event)
    d->hover = true;
    update();
}

void QImgRadioButton::leaveEvent(QEvent *event)
{
    Q_UNUSED(event)
    d->hover = false;
    update();
}

// The fill is painted here from the current state rather than through the palette and the
// auto-filled background, which would show a change only one repaint later.
void QImgRadioButton::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!d->ui.radioButton->isChecked() && !d->hover) {
        painter.setPen(QPen(kFrameColor, 1));
        painter.setBrush(Qt::NoBrush);
        const QRect r = rect();
        painter.drawRect(r.x() + 1, r.y() + 1, r.width() - 2, r.height() - 2);
    } else {
        painter.fillRect(rect(), d->hover ? kHoverColor : kSelectedColor);
    }
    painter.end();
    QWidget::paintEvent(event);
}
