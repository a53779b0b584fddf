#include "qhideableheaderview.h"

#include <QAction>
#include <QContextMenuEvent>

namespace {
// Sections before this one are never offered for hiding.
constexpr int kFirstHideableSection = 6;
} // namespace

QHideableHeaderView::QHideableHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setStretchLastSection(true);
    connect(&m_menu, &QMenu::triggered, this, &QHideableHeaderView::slotOnAction);
}

QHideableHeaderView::~QHideableHeaderView() = default;

void QHideableHeaderView::contextMenuEvent(QContextMenuEvent *event)
{
    Q_UNUSED(event)
    // The entries of an earlier opening are not used again; delete them so that
    // reopening the menu does not pile up actions on the header.
    const QList<QAction *> old = m_menu.actions();
    m_menu.clear();
    qDeleteAll(old);

    QAbstractItemModel *itemModel = model();
    if (!itemModel)
        return;

    for (int i = kFirstHideableSection; i < count(); ++i) {
        auto *action = new QAction(itemModel->headerData(i, orientation(), Qt::DisplayRole).toString(), this);
        action->setData(i);
        action->setCheckable(true);
        action->setChecked(!isSectionHidden(i));
        m_menu.addAction(action);
    }
    m_menu.exec(QCursor::pos());
}

void QHideableHeaderView::slotOnAction(QAction *action)
{
    const int section = action->data().toInt();
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
