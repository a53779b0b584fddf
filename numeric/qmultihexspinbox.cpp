#include "qmultihexspinbox.h"

#include "qpvhexspinbox.h"

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

QMultiHexSpinBox::QMultiHexSpinBox(int n)
    : QWidget(nullptr)
    , m_count(n)
{
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
        m_spinBoxes.append(spinBox);
    }
    setLayout(layout);
}

QMultiHexSpinBox::~QMultiHexSpinBox() = default;

int QMultiHexSpinBox::spinboxNumber() const
{
    return m_count;
}

QList<QHexSpinBox *> QMultiHexSpinBox::getHexSpinboxList() const
{
    return m_spinBoxes;
}

QList<int> QMultiHexSpinBox::getHexSpinboxValueList()
{
    m_values.clear();
    for (QHexSpinBox *spinBox : qAsConst(m_spinBoxes))
        m_values.append(spinBox->value());
    return m_values;
}

bool QMultiHexSpinBox::setHexSpinboxValueList(const QStringList &values)
{
    if (values.isEmpty() || m_spinBoxes.isEmpty())
        return false;
    for (int i = 0; i < m_spinBoxes.size() && i < values.size(); ++i) {
        if (!m_spinBoxes.at(i))
            continue;
        const int v = truncateToInt(values.at(i).toDouble());
        m_spinBoxes.at(i)->setValue(v);
        m_values.append(v);
    }
    return true;
}

bool QMultiHexSpinBox::setHexSpinboxValueList(QList<int> values, const float &scale)
{
    if (values.isEmpty() || m_spinBoxes.isEmpty())
        return false;
    for (int i = 0; i < m_spinBoxes.size() && i < values.size(); ++i) {
        if (!m_spinBoxes.at(i))
            continue;
        m_spinBoxes.at(i)->setValue(values.at(i));
        m_values.append(truncateToInt(double(float(values.at(i)) / scale)));
    }
    return true;
}
