#ifndef QCUSTOMLINEEDIT_H
#define QCUSTOMLINEEDIT_H

#include "widgetdeck_export.h"

#include <QWidget>

class QLabel;
class QLineEdit;

/// A line edit ("FLOWDIAGRAM") followed by a fixed-width unit label: a value with its unit.
class WIDGETDECK_EXPORT QCustomLineEdit : public QWidget
{
    Q_OBJECT
public:
    /// Builds the edit and its unit label.
    explicit QCustomLineEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QCustomLineEdit() override;

    /// Sets the text of the line edit.
    void setValue(const QString &value);
    /// Sets the text of the unit label.
    void setUnit(const QString &unit);
    /// Enables or disables the line edit; the unit label keeps its state.
    void setEnable(bool enable);

private:
    void init();

    QLineEdit *m_lineEdit = nullptr;
    QLabel *m_unitLabel = nullptr;
};

#endif // QCUSTOMLINEEDIT_H
