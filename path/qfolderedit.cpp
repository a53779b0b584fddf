// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qfolderedit.h"

#include "qfoldervalidator.h"

#include <QKeyEvent>
#include <QPointer>

class QFolderEditPrivate
{
public:
    // Weak: a host may delete the validator it reaches through QLineEdit::validator().
    QPointer<QFolderValidator> validator;
};

QFolderEdit::QFolderEdit(QWidget *parent)
    : QLineEdit(parent)
    , d(new QFolderEditPrivate)
{
    d->validator = new QFolderValidator(this);
    d->validator->setObjectName(QStringLiteral("folderValidator"));
    setValidator(d->validator);
    setToolTip(tr("STR_FOLDER_INVALID_TIP"));
}

QFolderEdit::~QFolderEdit() = default;

void QFolderEdit::keyPressEvent(QKeyEvent *event)
{
    // QLineEdit stops reverting refused edits once the program has set a text the validator
    // refuses ("0x1F", "C:/data"); refuse such keystrokes here instead.
    const QString typed = event->text();
    if (!isReadOnly() && !typed.isEmpty() && typed.at(0).isPrint()) {
        for (const QChar c : typed) {
            if (QStringLiteral("\\/:*?\"<>|").contains(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}
