#include "qpswedit.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {
const char kMaskedStyle[] =
    "QPushButton{border-image: url(:/img/commonImge/hidepsw);background: transparent;}";
const char kReadableStyle[] =
    "QPushButton{border-image: url(:/img/commonImge/showpsw);background: transparent;}";
} // namespace

QPswEdit::QPswEdit(QWidget *parent, DisplayMode mode)
    : QLineEdit(parent)
    , m_toggle(new QPushButton(this))
{
    connect(m_toggle, &QPushButton::clicked, this, &QPswEdit::onChange);
    m_toggle->setCursor(Qt::PointingHandCursor);
    m_toggle->setFlat(true);
    // The button shows only an image: its name, checked state and description tell
    // assistive technology what it does and whether the text is readable.
    m_toggle->setCheckable(true);
    m_toggle->setAccessibleName(tr("STR_SHOW_PASSWORD"));

    const int side = sizeHint().height();
    m_toggle->setMinimumSize(side, side);
    m_toggle->setMaximumSize(side, side);
    // Typed text must never run under the button.
    setTextMargins(0, 0, m_toggle->width(), 0);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(0);
    layout->addWidget(m_toggle);

    setDisplayMode(mode);
}

QPswEdit::~QPswEdit() = default;

void QPswEdit::setDisplayMode(DisplayMode mode)
{
    switch (mode) {
    case DisplaySwitchable:
        m_toggle->show();
        onChange();
        break;
    case DisplayPassword:
        m_toggle->hide();
        setEchoMode(QLineEdit::Password);
        break;
    default:
        m_toggle->hide();
        setEchoMode(QLineEdit::Normal);
        break;
    }
}

void QPswEdit::onChange()
{
    if (m_toggled) {
        m_toggle->setStyleSheet(QLatin1String(kReadableStyle));
        setEchoMode(QLineEdit::Normal);
    } else {
        m_toggle->setStyleSheet(QLatin1String(kMaskedStyle));
        setEchoMode(QLineEdit::Password);
    }
    const bool shown = echoMode() == QLineEdit::Normal;
    m_toggle->setChecked(shown);
    m_toggle->setAccessibleDescription(shown ? tr("STR_PASSWORD_SHOWN") : tr("STR_PASSWORD_HIDDEN"));
    m_toggled = !m_toggled;
}
