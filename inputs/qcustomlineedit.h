// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCUSTOMLINEEDIT_H
#define QCUSTOMLINEEDIT_H

#include "widgetdeck_export.h"

#include <QWidget>

#include <memory>

class QCustomLineEditPrivate;

/// A line edit ("FLOWDIAGRAM") followed by a fixed-width unit label: a value with its unit.
/// If a host deletes the edit or the label, the setters leave the missing part alone.
class WIDGETDECK_EXPORT QCustomLineEdit : public QWidget
{
    Q_OBJECT
    /// The text of the line edit.
    Q_PROPERTY(QString value READ value WRITE setValue)
    /// The text of the unit label.
    Q_PROPERTY(QString unit READ unit WRITE setUnit)
public:
    /// Builds the edit and its unit label.
    explicit QCustomLineEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QCustomLineEdit() override;

    /// Sets the text of the line edit.
    void setValue(const QString &value);
    /// The text of the line edit.
    QString value() const;
    /// Sets the text of the unit label.
    void setUnit(const QString &unit);
    /// The text of the unit label.
    QString unit() const;
    /// Enables or disables the line edit; the unit label keeps its state.
    void setEnable(bool enable);

private:
    std::unique_ptr<QCustomLineEditPrivate> const d;
};

#endif // QCUSTOMLINEEDIT_H
