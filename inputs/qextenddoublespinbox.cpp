#include "qextenddoublespinbox.h"

QExtendDoubleSpinBox::QExtendDoubleSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    connect(this, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &QExtendDoubleSpinBox::OnValueChanged);
    // textChanged goes out together with the deprecated text overload of valueChanged.
    connect(this, &QDoubleSpinBox::textChanged, this, &QExtendDoubleSpinBox::OnTextValueChanged);
    connect(this, &QDoubleSpinBox::editingFinished, this, &QExtendDoubleSpinBox::OnEditingFinished);
}

QExtendDoubleSpinBox::~QExtendDoubleSpinBox() = default;

void QExtendDoubleSpinBox::bindUserData(const QVariant &data)
{
    m_userData = data;
}

QVariant QExtendDoubleSpinBox::getUserData()
{
    return m_userData;
}

void QExtendDoubleSpinBox::setUpdated(bool updated)
{
    m_updated = updated;
}

bool QExtendDoubleSpinBox::isUpdated()
{
    return m_updated;
}

void QExtendDoubleSpinBox::OnValueChanged()
{
    Q_EMIT valueChangedExtend(value(), m_userData);
}

void QExtendDoubleSpinBox::OnTextValueChanged()
{
    Q_EMIT valueChangedExtend(text(), m_userData);
}

void QExtendDoubleSpinBox::OnEditingFinished()
{
    Q_EMIT editingFinishedExtend(value(), m_userData);
}
