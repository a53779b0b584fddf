#include "qextendcombobox.h"

QExtendComboBox::QExtendComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // The text overload of currentIndexChanged is deprecated; the index signal is emitted
    // at the same moment, so both repeats hang on it, index first.
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this, &QExtendComboBox::OnCurrentIndexChanged);
    connect(this, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &QExtendComboBox::OnCurrentIndexTextChanged);
    connect(this, &QComboBox::currentTextChanged, this, &QExtendComboBox::OnCurrentTextChanged);
}

QExtendComboBox::~QExtendComboBox() = default;

void QExtendComboBox::bindUserData(const QVariant &data)
{
    m_userData = data;
}

QVariant QExtendComboBox::getUserData()
{
    return m_userData;
}

void QExtendComboBox::setUpdated(bool updated)
{
    m_updated = updated;
}

bool QExtendComboBox::isUpdated()
{
    return m_updated;
}

void QExtendComboBox::mousePressEvent(QMouseEvent *e)
{
    Q_EMIT clicked();
    QComboBox::mousePressEvent(e);
}

void QExtendComboBox::OnCurrentIndexChanged()
{
    Q_EMIT currentIndexChangedExtend(currentIndex(), m_userData);
}

void QExtendComboBox::OnCurrentIndexTextChanged()
{
    Q_EMIT currentIndexChangedExtend(currentText(), m_userData);
}

void QExtendComboBox::OnCurrentTextChanged()
{
    Q_EMIT currentTextChangedExtend(currentText(), m_userData);
}
