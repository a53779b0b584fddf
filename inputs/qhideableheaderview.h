// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QHIDEABLEHEADERVIEW_H
#define QHIDEABLEHEADERVIEW_H

#include "widgetdeck_export.h"

#include <QHeaderView>

#include <memory>

class QAction;
class QHideableHeaderViewPrivate;

/// Table header whose context menu lists the columns from the seventh on with check marks,
/// so that the user can hide and show them. The first six sections are always shown.
/// The model is looked up at each opening, so a host may swap or delete it at any time;
/// the header (or its view) may be deleted while the menu is open.
class WIDGETDECK_EXPORT QHideableHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    /// Creates the header in @p orientation; the last section stretches.
    explicit QHideableHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QHideableHeaderView() override;

protected:
    /// Rebuilds the column menu and runs it at the event's position; nothing without a
    /// model or without a hideable column. Column titles show as written ("&" included).
    void contextMenuEvent(QContextMenuEvent *event) override;

private Q_SLOTS:
    void slotOnAction(QAction *action);

private:
    std::unique_ptr<QHideableHeaderViewPrivate> const d;
};

#endif // QHIDEABLEHEADERVIEW_H
