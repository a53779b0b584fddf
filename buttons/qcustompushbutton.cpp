#include "qcustompushbutton.h"
#include "widgetdeckpixmap_p.h"
#include "buttonkeys_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QCustomPushButton::QCustomPushButton(QWidget *parent, QString text)
    : QWidget(parent)
    , m_button(new QPushButton(text, this))
    , m_labelImg(new QLabel(this))
    , m_labelText(new QLabel(this))
{
    m_button->setObjectName(QStringLiteral("pushButton"));
    m_labelImg->setObjectName(QStringLiteral("labelImg"));
    m_labelText->setObjectName(QStringLiteral("labelText"));
    m_button->setToolTip(text);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setFixedHeight(35);
    m_button->setFixedWidth(85);
    // A status row's button is never a host dialog's default; focused, Return/Enter click it.
    m_button->setAutoDefault(false);
    WidgetDeckButtons::answerReturnKeys(m_button);
    m_labelImg->setFixedSize(32, 32);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_button);
    layout->addWidget(m_labelImg);
    layout->addWidget(m_labelText);
}

QCustomPushButton::~QCustomPushButton() = default;

QPushButton *QCustomPushButton::getPushButton()
{
    return m_button;
}

QLabel *QCustomPushButton::getLabelImg()
{
    return m_labelImg;
}

QLabel *QCustomPushButton::getLabelText()
{
    return m_labelText;
}

void QCustomPushButton::setBtnText(const QString &text)
{
    m_button->setText(text);
}

void QCustomPushButton::setPixmap(const QPixmap &pixmap)
{
    m_labelImg->setPixmap(pixmap);
}

void QCustomPushButton::setLabelText(const QString &text)
{
    m_labelText->setText(text);
}

void QCustomPushButton::setLabelMinimumWidth(int width)
{
    Q_UNUSED(width)
    m_labelText->setMinimumWidth(100);
}

void QCustomPushButton::setLabelVisible(bool visible)
{
    if (visible)
        return;
    m_labelImg->setPixmap(QPixmap(QStringLiteral(":/img/noImg.png")));
    m_labelText->setText(QString());
}

void QCustomPushButton::setButtonStatus(const bool &ok, const QString &reason)
{
    if (ok) {
        m_labelImg->setPixmap(WidgetDeckPrivate::loadPixmap(QStringLiteral(":/img/commonImge/success"), devicePixelRatioF()));
        m_labelText->setText(tr("STR_SET_RUNTIME_SUCCESS"));
    } else {
        m_labelImg->setPixmap(WidgetDeckPrivate::loadPixmap(QStringLiteral(":/img/commonImge/failure"), devicePixelRatioF()));
        m_labelText->setText(QStringLiteral("%1(%2)").arg(tr("STR_SETTING_FAILED"), reason));
    }
}
