// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qcolorbutton.h"

#include "qmycolordlg.h"
#include "widgetdeckbuttonkeys_p.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

class QColorButtonPrivate
{
public:
    QColor m_color;
};

QColorButton::QColorButton(QWidget *parent)
    : QPushButton(parent)
    , d(new QColorButtonPrivate)
{
    // The button shows only its colour.
    setAccessibleName(tr("STR_COLOR"));
    // Never the host dialog's default; Return and Enter on the focused button still open it.
    setAutoDefault(false);
    // Space (and Return where the button is auto-default) open the dialog as a press does.
    connect(this, &QAbstractButton::clicked, this, [this] { chooseColor(); });
}

QColorButton::~QColorButton() = default;

QColor QColorButton::getColor() const
{
    return d->m_color;
}

void QColorButton::setColor(QColor color)
{
    d->m_color = color;
    setStyleSheet(QStringLiteral("QPushButton{ \tbackground:rgb(%1,%2,%3); \tborder:1px solid gray; "
                                 "\tmin-width:30px; \tmin-height:30px; \t}")
                      .arg(color.red())
                      .arg(color.green())
                      .arg(color.blue()));
    setAccessibleDescription(color.name());
}

void QColorButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    chooseColor();
}

void QColorButton::keyPressEvent(QKeyEvent *event)
{
    QPushButton::keyPressEvent(event);
}

bool QColorButton::event(QEvent *event)
{
    // Return, Enter and Space open the dialog while the button has the focus, whatever
    // shortcuts the host put on them.
    if (WidgetDeckPrivate::handleButtonKeys(this, event))
        return true;
    return QPushButton::event(event);
}

void QColorButton::chooseColor()
{
    // The dialog's event loop may outlive the button or the dialog (their parent can be
    // deleted meanwhile), so both are watched instead of living on the stack.
    QPointer<QColorButton> self(this);
    QPointer<QMyColorDlg> dialog = new QMyColorDlg(d->m_color, parentWidget());
    const int result = dialog->exec();
    if (!dialog)
        return;
    const QColor chosen = dialog->currentColor();
    delete dialog;
    if (!self || result != QDialog::Accepted || !chosen.isValid())
        return;
    setColor(chosen);
    emit SigColorChanged(chosen);
}
