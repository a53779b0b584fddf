// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qpswedit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {
const char kMaskedStyle[] =
    "QPushButton{border-image: url(:/img/commonImge/hidepsw);background: transparent;}";
const char kReadableStyle[] =
    "QPushButton{border-image: url(:/img/commonImge/showpsw);background: transparent;}";

bool isToggleKey(const QKeyEvent *e)
{
    return e->key() == Qt::Key_F8 && (e->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}
} // namespace

class QPswEditPrivate
{
public:
    QPointer<QPushButton> toggle;
    bool toggled = false;
    QPswEdit::DisplayMode mode = QPswEdit::DisplaySwitchable;

    bool switchable() const { return mode == QPswEdit::DisplaySwitchable && toggle; }

    // The text readable or masked, and the button saying so; the flag holds what the next
    // toggle undoes.
    void apply(QPswEdit *edit, bool shown)
    {
        toggled = !shown;
        edit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        if (!toggle)
            return;
        toggle->setStyleSheet(QLatin1String(shown ? kReadableStyle : kMaskedStyle));
        describe();
    }
    void describe()
    {
        toggle->setAccessibleName(QPswEdit::tr("STR_SHOW_PASSWORD"));
        toggle->setToolTip(QPswEdit::tr("STR_SHOW_PASSWORD") + QStringLiteral(" (Alt+F8)"));
        toggle->setAccessibleDescription(toggle->isChecked() ? QPswEdit::tr("STR_PASSWORD_SHOWN")
                                                             : QPswEdit::tr("STR_PASSWORD_HIDDEN"));
    }
};

QPswEdit::QPswEdit(QWidget *parent, DisplayMode mode)
    : QLineEdit(parent)
    , d(new QPswEditPrivate)
{
    auto *toggle = new QPushButton(this);
    d->toggle = toggle;
    toggle->setObjectName(QStringLiteral("toggleButton"));
    // The checked state is the shown state however the button is toggled: click, key,
    // accessibility action or setChecked.
    connect(toggle, &QPushButton::toggled, this, [this](bool shown) { d->apply(this, shown); });
    toggle->setCursor(Qt::PointingHandCursor);
    toggle->setFlat(true);
    // A click keeps the focus and cursor in the edit, and Return in the edit goes to the
    // host dialog's default button, never to this one.
    toggle->setFocusPolicy(Qt::NoFocus);
    toggle->setAutoDefault(false);
    toggle->setDefault(false);
    // The button shows only an image: its name, checked state and description tell
    // assistive technology what it does and whether the text is readable.
    toggle->setCheckable(true);

    const int side = sizeHint().height();
    toggle->setMinimumSize(side, side);
    toggle->setMaximumSize(side, side);
    // Typed text must never run under the button.
    setTextMargins(0, 0, toggle->width(), 0);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(0);
    layout->addWidget(toggle);

    setDisplayMode(mode);
}

QPswEdit::~QPswEdit() = default;

void QPswEdit::setDisplayMode(DisplayMode mode)
{
    d->mode = mode;
    switch (mode) {
    case DisplaySwitchable:
        if (d->toggle)
            d->toggle->show();
        onChange();
        break;
    case DisplayPassword:
        if (d->toggle)
            d->toggle->hide();
        setEchoMode(QLineEdit::Password);
        break;
    default:
        if (d->toggle)
            d->toggle->hide();
        setEchoMode(QLineEdit::Normal);
        break;
    }
}

QPswEdit::DisplayMode QPswEdit::displayMode() const
{
    return d->mode;
}

void QPswEdit::keyPressEvent(QKeyEvent *event)
{
    if (isToggleKey(event) && d->switchable()) {
        event->accept();
        if (!event->isAutoRepeat())
            d->toggle->click(); // same path, signals and state as a mouse click
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool QPswEdit::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && d->toggle)
        d->describe();
    if (event->type() == QEvent::ShortcutOverride && d->switchable()
        && isToggleKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void QPswEdit::onChange()
{
    const bool shown = d->toggled;
    if (d->toggle && d->toggle->isChecked() != shown)
        d->toggle->setChecked(shown); // applied through toggled()
    else
        d->apply(this, shown);
}
