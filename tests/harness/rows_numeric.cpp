// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the numeric family: hexadecimal spin boxes, range editors, the bit dialog.
#include "harness.h"

#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexspinbox.h"
#include "qhexvalidator.h"
#include "qintlineedit.h"
#include "qmultihexspinbox.h"


namespace {
// The host's form puts the object between its two editors, as a generated form's tab order would.
void betweenHostEditors(QObject *object)
{
    auto *widget = static_cast<QWidget *>(object);
    QWidget *before = widget->window()->findChild<QWidget *>(QStringLiteral("before"));
    QWidget *after = widget->window()->findChild<QWidget *>(QStringLiteral("after"));
    if (!before || !after)
        return;
    // The object, or its outermost children that take the focus from Tab.
    QList<QWidget *> stops;
    if (widget->focusPolicy() & Qt::TabFocus) {
        stops << widget;
    } else {
        for (QWidget *c : widget->findChildren<QWidget *>()) {
            if ((c->focusPolicy() & Qt::TabFocus) && !stops.contains(c->parentWidget()))
                stops << c;
        }
    }
    QWidget *previous = before;
    for (QWidget *stop : qAsConst(stops)) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
    QWidget::setTabOrder(previous, after);
}

// The first shown button of the dialog's button bar: OK.
QWidget *okButton(QObject *dialog)
{
    for (QWidget *button : dialog->findChildren<QWidget *>(QStringLiteral("OKCANCEL"))) {
        if (button->isVisibleTo(static_cast<QWidget *>(dialog)))
            return button;
    }
    return nullptr;
}

const harness::Rows registered{
    {"QHexSpinBox",
     [](QWidget *parent) -> QObject * { return new QHexSpinBox(parent); },
     {{"valueChanged(int)", [](QObject *o) { static_cast<QHexSpinBox *>(o)->setValue(5); }}},
     {"valueChanged(int)"},
     {},
     {QStringLiteral("QHexSpinBox")},
     {},
     {},
     betweenHostEditors},
    {"QMultiHexSpinBox",
     [](QWidget *parent) -> QObject * { return new QMultiHexSpinBox(parent); },
     {},
     {},
     {},
     {QStringLiteral("hexField_0"), QStringLiteral("hexField_1")},
     {},
     {},
     betweenHostEditors},
    {"QHexLineEdit",
     [](QWidget *parent) -> QObject * { return new QHexLineEdit(parent); },
     {},
     {},
     {},
     {QStringLiteral("RANGEEDIT")},
     {},
     {},
     betweenHostEditors},
    {"QIntLineEdit",
     [](QWidget *parent) -> QObject * { return new QIntLineEdit(parent); },
     {},
     {},
     {},
     {QStringLiteral("RANGEEDIT")},
     {},
     {},
     betweenHostEditors},
    {"QHexValidator",
     [](QWidget *parent) -> QObject * { return new QHexValidator(parent); },
     {{"changed()", [](QObject *o) { static_cast<QHexValidator *>(o)->setRange(1, 9); }}},
     {"changed()"},
     {},
     {},
     {},
     {},
     {}},
    {"QHexDlg",
     [](QWidget *parent) -> QObject * { return new QHexDlg(parent); },
     {{"accepted()", [](QObject *o) { static_cast<QHexDlg *>(o)->OnOK(); }}},
     {"accepted()"},
     {{"exec", [](QObject *o) { static_cast<QHexDlg *>(o)->exec(); }}},
     {},
     QStringLiteral("OKCANCEL"),
     {{"OK", okButton,
       {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}}},
     {}},
};
} // namespace
