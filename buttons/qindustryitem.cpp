#include "qindustryitem.h"
#include "buttonkeys_p.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

QIndustryItem::QIndustryItem(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_closeButton(new QPushButton(this))
{
    m_label->setObjectName(QStringLiteral("labelIndustry"));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAccessibleName(tr("STR_CLOSE"));
    // Never the host dialog's default: Return in a host's editor must not remove the entry.
    m_closeButton->setAutoDefault(false);
    WidgetDeckButtons::answerReturnKeys(m_closeButton);
    m_closeButton->setIcon(QIcon(QPixmap(QStringLiteral(":/img/toolWidget/close"))));
    m_closeButton->setStyleSheet(QStringLiteral("background:transparent;border-width:0;border-style:outset"));
    connect(m_closeButton, &QPushButton::clicked, this, qOverload<>(&QIndustryItem::removeIndustry));

    auto *layout = new QHBoxLayout;
    layout->addWidget(m_label);
    layout->addStretch(0);
    layout->addWidget(m_closeButton);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(5);
    setLayout(layout);
}

QIndustryItem::~QIndustryItem() = default;

void QIndustryItem::setIndustry(QString industry)
{
    m_label->setText(industry);
}

void QIndustryItem::setNormalIndustry(QString industry)
{
    m_label->setText(industry);
    m_closeButton->hide();
}

QString QIndustryItem::getIndustry()
{
    return m_label->text();
}

void QIndustryItem::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_pressed = true;
}

void QIndustryItem::mouseReleaseEvent(QMouseEvent *e)
{
    // The host may delete the entry from showIndustry(), so the emit comes last.
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(e->pos()))
        Q_EMIT showIndustry(m_label->text());
}

void QIndustryItem::removeIndustry()
{
    Q_EMIT removeIndustry(m_label->text());
}
