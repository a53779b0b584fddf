#include "qcolorbutton.h"

#include "qmycolordlg.h"

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
