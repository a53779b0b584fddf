// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qitemcombobox.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPointer>
#include <QStandardItemModel>

namespace {
QStandardItem *makeItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setToolTip(text);
    return item;
}
} // namespace

QItemComboBox::QItemComboBox(QWidget *parent)
    : QNoWheelComboBox(parent)
{
    // QComboBox starts with an item model of its own, a child of the box: that one is ours.
    // Replacing it would build and wire a second one for nothing.
    auto *own = qobject_cast<QStandardItemModel *>(model());
    if (!own || own->parent() != this)
        setModel(new QStandardItemModel(this));
}

QItemComboBox::~QItemComboBox() = default;

void QItemComboBox::addOneItem(QString text)
{
    addMultiItem(QStringList{text}, 0);
}

void QItemComboBox::addMultiItem(QStringList list, int extraWidth)
{
    const QFontMetrics metrics(font());
    const bool widen = extraWidth > 0;
    int widest = 0;
    for (const QString &text : qAsConst(list)) {
        // The width only matters when the list is widened.
        if (widen)
            widest = qMax(widest, metrics.horizontalAdvance(text));
    }
    // The view's sheet goes on before the rows: its style change lays out the items the view
    // already shows, and the new rows are then laid out once, not twice.
    if (widen && view())
        view()->setStyleSheet(QStringLiteral("QAbstractItemView{min-width: %1px}").arg(widest + extraWidth));
    // The model is looked up now: a host may have replaced (and deleted) the one we made.
    // Inserting rows emits the box's signals, whose slots may delete the box.
    QPointer<QItemComboBox> guard(this);
    if (auto *standard = qobject_cast<QStandardItemModel *>(model())) {
        QList<QStandardItem *> items;
        items.reserve(list.size());
        for (const QString &text : qAsConst(list))
            items.append(makeItem(text));
        // One insertion for the whole list: the box and its view react once, not per row.
        if (!items.isEmpty())
            standard->invisibleRootItem()->appendRows(items);
    } else {
        for (const QString &text : qAsConst(list)) {
            if (!guard)
                return;
            const int row = count();
            addItem(text);
            if (guard && count() > row)
                setItemData(row, text, Qt::ToolTipRole);
        }
    }
}

QStringList QItemComboBox::itemTextList() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts.append(itemText(i));
    return texts;
}
