// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QITEMCOMBOBOX_H
#define QITEMCOMBOBOX_H

#include "widgetdeck_export.h"
#include "qnowheelcombobox.h"

#include <QStringList>

/// Wheel-less combo box on its own item model: every entry shows its text as tool tip,
/// and the drop-down list can be widened to fit the longest entry. If a host replaces the
/// model or the view, the adders keep working on whatever model and view the box has.
class WIDGETDECK_EXPORT QItemComboBox : public QNoWheelComboBox
{
    Q_OBJECT
public:
    /// Creates the box owned by @p parent with an empty model of its own.
    explicit QItemComboBox(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QItemComboBox() override;

    /// Appends one entry whose text and tool tip are @p text.
    void addOneItem(QString text);
    /// Appends every string of @p list; if @p extraWidth > 0, the drop-down list gets a
    /// minimum width of the widest of these strings plus @p extraWidth pixels.
    void addMultiItem(QStringList list, int extraWidth);
    /// The texts of all entries, in order.
    QStringList itemTextList() const;
};

#endif // QITEMCOMBOBOX_H
