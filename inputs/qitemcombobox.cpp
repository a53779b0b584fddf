#include "qitemcombobox.h"

#include <QAbstractItemView>
#include <QFontMetrics>
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
    , m_model(new QStandardItemModel(this))
{
    setModel(m_model);
}

QItemComboBox::~QItemComboBox() = default;

void QItemComboBox::addOneItem(QString text)
{
    m_model->appendRow(makeItem(text));
}

void QItemComboBox::addMultiItem(QStringList list, int extraWidth)
{
    const QFontMetrics metrics(font());
    const bool widen = extraWidth > 0;
    int widest = 0;
    QList<QStandardItem *> items;
    items.reserve(list.size());
    for (const QString &text : qAsConst(list)) {
        items.append(makeItem(text));
        // The width only matters when the list is widened.
        if (widen)
            widest = qMax(widest, metrics.horizontalAdvance(text));
    }
    // One insertion for the whole list: the box and its view react once, not per row.
    if (!items.isEmpty())
        m_model->invisibleRootItem()->appendRows(items);
    if (widen)
        view()->setStyleSheet(QStringLiteral("QAbstractItemView{min-width: %1px}; ").arg(widest + extraWidth));
}

QStringList QItemComboBox::itemTextList() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts.append(itemText(i));
    return texts;
}
