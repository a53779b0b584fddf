// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QMULTIHEXSPINBOX_H
#define QMULTIHEXSPINBOX_H

#include "widgetdeck_export.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

class QHexSpinBox;
class QMultiHexSpinBoxPrivate;

/// A row of four-digit hexadecimal fields joined by "-" labels, set and read as a list.
class WIDGETDECK_EXPORT QMultiHexSpinBox : public QWidget
{
    Q_OBJECT
    /// The number of fields, fixed at construction.
    Q_PROPERTY(int spinboxNumber READ spinboxNumber CONSTANT)
public:
    /// Builds a parentless row of @p n fields (none when @p n is 0 or less).
    explicit QMultiHexSpinBox(int n);
    /// Builds a row of @p n fields under @p parent.
    QMultiHexSpinBox(int n, QWidget *parent);
    /// Builds a row of two fields under @p parent (the form of generated UI code).
    explicit QMultiHexSpinBox(QWidget *parent);
    /// Destroys the widget together with the children it created.
    ~QMultiHexSpinBox() override;

    /// The count given to the constructor.
    int spinboxNumber() const;
    /// The fields, left to right.
    QList<QHexSpinBox *> getHexSpinboxList() const;
    /// The current value of every field, left to right.
    QList<int> getHexSpinboxValueList();
    /// Sets the fields from decimal texts (fractions truncated, bounded by each field's range).
    /// False when @p values is empty or there are no fields.
    bool setHexSpinboxValueList(const QStringList &values);
    /// Sets the fields from @p values; @p scale only divides the values kept internally.
    /// False when @p values is empty or there are no fields.
    bool setHexSpinboxValueList(QList<int> values, const float &scale);

private:
    std::unique_ptr<QMultiHexSpinBoxPrivate> const d;
};

#endif // QMULTIHEXSPINBOX_H
