#ifndef QCUSTOMDATETIMEEDIT_H
#define QCUSTOMDATETIMEEDIT_H

#include "widgetdeck_export.h"

#include <QDateTime>
#include <QWidget>

class QNoWheelDateTimeEdit;
class QPushButton;

/// A wheel-less date-time editor followed by a push button; hosts reach both through the
/// accessors and connect to the button themselves.
class WIDGETDECK_EXPORT QCustomDateTimeEdit : public QWidget
{
    Q_OBJECT
public:
    /// Builds a parentless widget showing @p dateTime, with @p text as the button caption.
    QCustomDateTimeEdit(QDateTime dateTime, QString text);
    /// Destroys the widget together with the children it created.
    ~QCustomDateTimeEdit() override;

    /// The date-time editor.
    QNoWheelDateTimeEdit *getDateTimeEdit() const;
    /// The push button.
    QPushButton *getPushButton() const;
    /// Sets the display format of the editor.
    void setDisplayFormat(const QString &format);

private:
    QNoWheelDateTimeEdit *m_dateTimeEdit;
    QPushButton *m_button;
};

#endif // QCUSTOMDATETIMEEDIT_H
