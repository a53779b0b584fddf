// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhideableheaderview.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>

namespace {
// Sections before this one are never offered for hiding.
constexpr int kFirstHideableSection = 6;

// A host's title is shown as written: a single "&" would become a mnemonic.
QString menuText(QString title)
{
    return title.replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

class QHideableHeaderViewPrivate
{
public:
    // The entries of the last opening; children of the header.
    QList<QPointer<QAction>> actions;
};

QHideableHeaderView::QHideableHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
    , d(new QHideableHeaderViewPrivate)
{
    setStretchLastSection(true);
}

QHideableHeaderView::~QHideableHeaderView() = default;

void QHideableHeaderView::contextMenuEvent(QContextMenuEvent *event)
{
    // The entries of an earlier opening are not used again; delete them so that
    // reopening the menu does not pile up actions on the header.
    for (const QPointer<QAction> &action : qAsConst(d->actions))
        delete action.data();
    d->actions.clear();

    QAbstractItemModel *itemModel = model();
    if (!itemModel || count() <= kFirstHideableSection)
        return;

    // A child of the header: it dies with the header, also while it runs.
    QPointer<QMenu> menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("columnMenu"));
    connect(menu.data(), &QMenu::triggered, this, &QHideableHeaderView::slotOnAction);
    for (int i = kFirstHideableSection; i < count(); ++i) {
        auto *action = new QAction(menuText(itemModel->headerData(i, orientation(), Qt::DisplayRole).toString()), this);
        action->setData(i);
        action->setCheckable(true);
        action->setChecked(!isSectionHidden(i));
        menu->addAction(action);
        d->actions.append(action);
    }
    event->accept();
    // The header, its view or the menu may be deleted while the menu runs: only the
    // guarded menu is touched after exec().
    menu->exec(event->globalPos());
    delete menu.data();
}

void QHideableHeaderView::slotOnAction(QAction *action)
{
    const int section = action->data().toInt();
    if (section < 0 || section >= count())
        return; // the model changed while the menu was open
    if (isSectionHidden(section)) {
        showSection(section);
        action->setChecked(true);
    } else {
        hideSection(section);
        action->setChecked(false);
    }
    resizeSections(QHeaderView::ResizeToContents);
    resizeSections(QHeaderView::Interactive);
    // Hiding and showing makes the attached view lay out its columns anew.
    hide();
    show();
}
