// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qtranslatedtextedit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>

class QTranslatedTextEditPrivate
{
public:
    // Children of the edit; held weakly as a host can reach and delete them.
    QPointer<QMenu> menu;
    QPointer<QAction> selectAllAction;
    QPointer<QAction> copyAction;
};

QTranslatedTextEdit::QTranslatedTextEdit(QWidget *parent)
    : QTextEdit(parent)
    , d(new QTranslatedTextEditPrivate)
{
    auto *selectAll = new QAction(tr("STR_SELECT_ALL"), this);
    selectAll->setObjectName(QStringLiteral("selectAllAction"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    connect(selectAll, &QAction::triggered, this, &QTextEdit::selectAll);

    auto *copy = new QAction(tr("STR_COPY"), this);
    copy->setObjectName(QStringLiteral("copyAction"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(false);
    connect(copy, &QAction::triggered, this, &QTextEdit::copy);

    // The actions live in the menu only; the edit's own key handling covers the shortcuts.
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->addAction(copy);
    menu->addAction(selectAll);
    d->menu = menu;
    d->selectAllAction = selectAll;
    d->copyAction = copy;

    // Tab walks on to the next control instead of trapping keyboard users in the edit.
    setTabChangesFocus(true);

    connect(this, &QTextEdit::copyAvailable, this, &QTranslatedTextEdit::OnSelected);
}

QTranslatedTextEdit::~QTranslatedTextEdit() = default;

void QTranslatedTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    if (!d->menu)
        return;
    event->accept();
    // The menu is our child: it dies with the edit, even while it runs; nothing of ours
    // is touched after exec().
    d->menu->exec(event->globalPos());
}

void QTranslatedTextEdit::OnSelected(bool f)
{
    if (d->copyAction)
        d->copyAction->setEnabled(f);
}
