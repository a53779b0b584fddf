// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qmultihexspinbox.h"

#include "qpvhexspinbox.h"
#include "widgetdeckaccessiblenames_p.h"

#include <QHBoxLayout>
#include <QLabel>

#include <climits>
#include <cmath>

namespace {
// Truncates toward zero without the undefined behaviour of casting NaN, infinities or
// values beyond the int range ("1e30", a zero scale).
int truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(std::trunc(value));
}
} // namespace

class QMultiHexSpinBoxPrivate
{
public:
    int count = 0;
    QList<QHexSpinBox *> spinBoxes;
    QList<int> values;
};

QMultiHexSpinBox::QMultiHexSpinBox(int n)
    : QMultiHexSpinBox(n, nullptr)
{
}

QMultiHexSpinBox::QMultiHexSpinBox(QWidget *parent)
    : QMultiHexSpinBox(2, parent)
{
}

QMultiHexSpinBox::QMultiHexSpinBox(int n, QWidget *parent)
    : QWidget(parent)
    , d(new QMultiHexSpinBoxPrivate)
{
    d->count = n;
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < n; ++i) {
        auto *spinBox = new QPVHexSpinBox;
        spinBox->setObjectName(QStringLiteral("hexField_%1").arg(i));
        layout->addWidget(spinBox);
        if (n >= 2 && i % 2 == 0) {
            auto *separator = new QLabel(QStringLiteral("-"));
            separator->setObjectName(QStringLiteral("hexSeparator"));
            layout->addWidget(separator);
        }
        d->spinBoxes.append(spinBox);
    }
    setLayout(layout);

    // Each field reads as a part of the whole, the whole named by the host's label.
    auto *names = new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &namer) {
        const QString whole = namer.ownerName(tr("STR_HEX_VALUE"));
        const QList<QWidget *> parts(d->spinBoxes.cbegin(), d->spinBoxes.cend());
        WidgetDeckPrivate::AccessibleNames::nameParts(parts, tr("STR_PART_OF"), whole);
    });
    for (QHexSpinBox *spinBox : qAsConst(d->spinBoxes))
        names->watchFocus(spinBox);
}

QMultiHexSpinBox::~QMultiHexSpinBox() = default;

int QMultiHexSpinBox::spinboxNumber() const
{
    return d->count;
}

QList<QHexSpinBox *> QMultiHexSpinBox::getHexSpinboxList() const
{
    return d->spinBoxes;
}

QList<int> QMultiHexSpinBox::getHexSpinboxValueList()
{
    d->values.clear();
    for (QHexSpinBox *spinBox : qAsConst(d->spinBoxes))
        d->values.append(spinBox->value());
    return d->values;
}

bool QMultiHexSpinBox::setHexSpinboxValueList(const QStringList &values)
{
    if (values.isEmpty() || d->spinBoxes.isEmpty())
        return false;
    for (int i = 0; i < d->spinBoxes.size() && i < values.size(); ++i) {
        if (!d->spinBoxes.at(i))
            continue;
        const int v = truncateToInt(values.at(i).toDouble());
        d->spinBoxes.at(i)->setValue(v);
        d->values.append(v);
    }
    return true;
}

bool QMultiHexSpinBox::setHexSpinboxValueList(QList<int> values, const float &scale)
{
    if (values.isEmpty() || d->spinBoxes.isEmpty())
        return false;
    for (int i = 0; i < d->spinBoxes.size() && i < values.size(); ++i) {
        if (!d->spinBoxes.at(i))
            continue;
        d->spinBoxes.at(i)->setValue(values.at(i));
        d->values.append(truncateToInt(double(float(values.at(i)) / scale)));
    }
    return true;
}
