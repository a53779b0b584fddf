// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QMENUBUTTON_H
#define QMENUBUTTON_H

#include "widgetdeck_export.h"

#include <QPushButton>

#include <memory>

class QMenuButtonPrivate;

/// Flat, self-painted menu entry with an index, a hover shade and a sticky selected shade.
/// Not auto-default. A click (mouse, Space, Return or Enter) selects it after
/// clicked() has been delivered, unless a slot of clicked() destroyed the entry. A menu set
/// with setMenu() stays the host's: Qt holds it weakly, so deleting it never dangles.
class WIDGETDECK_EXPORT QMenuButton : public QPushButton
{
    Q_OBJECT
public:
    /// Creates an unselected entry with index -1.
    explicit QMenuButton(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QMenuButton() override;

    /// Stores a host-defined index.
    void setIndex(int index);
    /// The stored index.
    int getIndex();
    /// Selects or deselects the entry and repaints it.
    void setselected(bool selected);

protected:
    /// Marks the entry as hovered and repaints it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    /// Clears the hover mark and repaints the entry.
    void leaveEvent(QEvent *event) override;
    /// Normal release handling (clicked()), then selects on a left release inside.
    void mouseReleaseEvent(QMouseEvent *e) override;
    /// Normal key handling (clicked()), then selects when the key clicked the entry.
    void keyPressEvent(QKeyEvent *e) override;
    /// Normal key handling (clicked()), then selects when the key clicked the entry.
    void keyReleaseEvent(QKeyEvent *e) override;
    /// Paints the state fill and the centred caption.
    void paintEvent(QPaintEvent *event) override;

public:
    /// Room for the caption in the font it is painted in.
    QSize sizeHint() const override;
    /// The same as sizeHint(): a narrower entry would cut its caption.
    QSize minimumSizeHint() const override;

private:
    std::unique_ptr<QMenuButtonPrivate> const d;
};

#endif // QMENUBUTTON_H
