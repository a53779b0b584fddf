#ifndef QHIDEABLEHEADERVIEW_H
#define QHIDEABLEHEADERVIEW_H

#include "widgetdeck_export.h"

#include <QHeaderView>
#include <QMenu>

/// Table header whose context menu lists the columns from the seventh on with check marks,
/// so that the user can hide and show them. The first six sections are always shown.
class WIDGETDECK_EXPORT QHideableHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    /// Creates the header in @p orientation; the last section stretches.
    QHideableHeaderView(Qt::Orientation orientation, QWidget *parent);
    /// Destroys the widget together with the children it created.
    ~QHideableHeaderView() override;

protected:
    /// Rebuilds the column menu and runs it at the mouse cursor; nothing without a model.
    void contextMenuEvent(QContextMenuEvent *event) override;

private Q_SLOTS:
    void slotOnAction(QAction *action);

private:
    QMenu m_menu;
};

#endif // QHIDEABLEHEADERVIEW_H
