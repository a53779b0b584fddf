#ifndef QINTLINEEDIT_H
#define QINTLINEEDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

class QIntValidator;

/// Line edit that accepts only decimal whole numbers within a range. Object name "RANGEEDIT".
class WIDGETDECK_EXPORT QIntLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    /// Builds the editor accepting @p min to @p max.
    explicit QIntLineEdit(QWidget *parent = nullptr, int min = 0, int max = 9999);
    /// Destroys the widget together with the children it created.
    ~QIntLineEdit() override;

    /// Changes the accepted range; the text already in the editor is not checked again.
    void setRange(int min, int max);

private:
    QIntValidator *m_validator;
};

#endif // QINTLINEEDIT_H
