// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the path family: folder-name editors and their validator.
#include "harness.h"

#include "qfolderedit.h"
#include "qfoldervalidator.h"
#include "qpathlineedit.h"


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

const harness::Rows registered{
    {"QFolderEdit",
     [](QWidget *parent) -> QObject * { return new QFolderEdit(parent); },
     {},
     {},
     {},
     {QStringLiteral("QFolderEdit")},
     {},
     {},
     betweenHostEditors},
    {"QPathLineEdit",
     [](QWidget *parent) -> QObject * { return new QPathLineEdit(parent); },
     {},
     {},
     {},
     {QStringLiteral("QPathLineEdit")},
     {},
     {},
     betweenHostEditors},
    {"QFolderValidator",
     [](QWidget *parent) -> QObject * { return new QFolderValidator(parent); },
     {},
     {},
     {},
     {},
     {},
     {},
     {}},
};
} // namespace
