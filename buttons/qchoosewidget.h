// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCHOOSEWIDGET_H
#define QCHOOSEWIDGET_H

#include "widgetdeck_export.h"

#include <QWidget>

#include <memory>

class QChooseWidgetPrivate;

/// Row of three image tiles (VFD, servo, remote I/O) with one exclusive selection.
/// A click selects a tile, a double click also emits SigOk(). From the keyboard, Space on a
/// tile's radio button selects that tile and the arrow keys move the selection, as in a
/// radio group (also where the host has shortcuts on them); exactly one tile stays selected.
class WIDGETDECK_EXPORT QChooseWidget : public QWidget
{
    Q_OBJECT
    /// Index of the selected tile.
    Q_PROPERTY(int selectID READ getSelectID WRITE setSelectID)
public:
    /// Builds the three tiles, centred, with tile 0 selected.
    explicit QChooseWidget(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QChooseWidget() override;

    /// Stores @p id and checks exactly the tile at that index (none if out of range).
    void setSelectID(int id);
    /// The stored index, as stored (also when out of range).
    int getSelectID();

Q_SIGNALS:
    /// A tile was double-clicked; the choice is confirmed.
    void SigOk();

public Q_SLOTS:
    /// Selects the tile that sent the signal; a sender that is none of the tiles selects none.
    void onImgClicked();

protected:
    /// Left/Up and Right/Down move the selection and the focus to the neighbouring tile.
    void keyPressEvent(QKeyEvent *event) override;
    /// Claims the arrow keys from host shortcuts while a tile has the focus and can move.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<QChooseWidgetPrivate> const d;
};

#endif // QCHOOSEWIDGET_H
