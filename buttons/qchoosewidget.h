#ifndef QCHOOSEWIDGET_H
#define QCHOOSEWIDGET_H

#include "widgetdeck_export.h"

#include <QList>
#include <QPair>
#include <QWidget>

class QImgRadioButton;

/// Row of three image tiles (VFD, servo, remote I/O) with one exclusive selection.
/// A click selects a tile, a double click also emits SigOk().
class WIDGETDECK_EXPORT QChooseWidget : public QWidget
{
    Q_OBJECT
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

private Q_SLOTS:
    void onImgClicked();

private:
    void initLayout();

    int m_selectId = 0;
    QList<QPair<QString, QString>> m_descriptions;
    QList<QImgRadioButton *> m_tiles;
};

#endif // QCHOOSEWIDGET_H
