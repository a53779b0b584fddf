#ifndef QMENUBUTTON_H
#define QMENUBUTTON_H

#include "widgetdeck_export.h"

#include <QPushButton>

/// Flat, self-painted menu entry with an index, a hover shade and a sticky selected shade.
/// A left click selects it after clicked() has been delivered.
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
    void enterEvent(QEvent *event) override;
    /// Clears the hover mark and repaints the entry.
    void leaveEvent(QEvent *event) override;
    /// Normal release handling (clicked()), then selects on a left release inside.
    void mouseReleaseEvent(QMouseEvent *e) override;
    /// Paints the state fill and the centred caption.
    void paintEvent(QPaintEvent *event) override;

private:
    int m_index = -1;
    bool m_hover = false;
    bool m_selected = false;
};

#endif // QMENUBUTTON_H
