#ifndef QAXISCOMBOXWIDGET_H
#define QAXISCOMBOXWIDGET_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

class QComboBox;

/// Fixed-size axis selector offering "X", or "X", "Y" and "Z" for devices with several axes.
class WIDGETDECK_EXPORT QAxisComBoxWidget : public QBaseStyleWidget
{
    Q_OBJECT
public:
    /// Builds the selector with an empty combo box ("AXIS_COMBOBOX").
    explicit QAxisComBoxWidget(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QAxisComBoxWidget() override;

    /// Offers "X" for fewer than two axes, otherwise "X", "Y", "Z"; "X" becomes current.
    void updateAxis(int axisCount);
    /// The current index (-1 while nothing is offered).
    int getAxisIndex();

private:
    QComboBox *m_comboBox;
};

#endif // QAXISCOMBOXWIDGET_H
