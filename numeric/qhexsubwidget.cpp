// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhexsubwidget.h"

#include "qhexlineedit.h"
#include "qintlineedit.h"
#include "numericlogging_p.h"
#include "widgetdeckaccessiblenames_p.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {
constexpr int MaxBits = 32;

// Bit arithmetic on the unsigned pattern: flipping bit 31 of an int must not overflow.
int flipped(int value, int bit)
{
    return int(quint32(value) ^ (quint32(1) << bit));
}

bool bitSet(int value, int bit)
{
    return (quint32(value) >> bit) & 1u;
}

QString hexText(int value)
{
    return WidgetDeckHex::text(value);
}

QSpacerItem *expandingSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Expanding);
}
} // namespace

QHexSubWidget::QHexSubWidget(QWidget *parent)
    : QWidget(parent)
{
}

QHexSubWidget::~QHexSubWidget() = default;

void QHexSubWidget::setupBits(int bits)
{
    if (!m_buttons.isEmpty())
        return;
    // Outside 1..32 a shift would reach bit 32 or more, which int arithmetic cannot hold.
    m_bits = qBound(1, bits, MaxBits);


    QHBoxLayout *rows[4];
    for (int r = 0; r < 4; ++r) {
        rows[r] = new QHBoxLayout;
        rows[r]->setSpacing(1);
    }
    for (int k = m_bits - 1; k >= 0; --k) {
        auto *button = new QPushButton(QStringLiteral("0"), this);
        button->setObjectName(QStringLiteral("bitButton_%1").arg(k));
        button->setFixedSize(25, 20);
        button->setCheckable(true);
        // Each a switch of its own, checked while its bit is set. Not in a button group: Qt
        // makes checkable buttons of a group one tab stop.
        connect(button, &QPushButton::clicked, this, [this, k] { onBtnGroup(k); });
        auto *label = new QLabel(QString::number(k), this);
        label->setObjectName(QStringLiteral("bitLabel_%1").arg(k));
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(25, 20);
        const int upper = k >= 16 ? 0 : 2;
        rows[upper]->addWidget(label);
        rows[upper + 1]->addWidget(button);
        m_buttons.prepend(button);
    }

    auto *binaryLabel = m_binaryLabel = new QLabel(this);
    binaryLabel->setObjectName(QStringLiteral("binaryLabel"));
    auto *bitGrid = new QGridLayout;
    bitGrid->addItem(expandingSpacer(), 0, 0);
    bitGrid->addWidget(binaryLabel, 1, 1, 2, 1);
    bitGrid->addItem(expandingSpacer(), 0, 2);
    for (int r = 0; r < 4; ++r)
        bitGrid->addLayout(rows[r], r, 3);
    bitGrid->addItem(expandingSpacer(), 0, 4);

    auto *decimalLabel = m_decimalLabel = new QLabel(this);
    decimalLabel->setObjectName(QStringLiteral("decimalLabel"));
    auto *hexLabel = m_hexLabel = new QLabel(this);
    hexLabel->setObjectName(QStringLiteral("hexLabel"));

    m_decimalEdit = new QIntLineEdit(this, 0, 9999);
    m_hexEdit = new QHexLineEdit(this, 0, 65536);
    // Each editor is named by its label, as a stock form names its fields.
    decimalLabel->setBuddy(m_decimalEdit);
    hexLabel->setBuddy(m_hexEdit);
    connect(m_decimalEdit, &QLineEdit::textEdited, this, &QHexSubWidget::onChangeCurValue);
    connect(m_hexEdit, &QLineEdit::textEdited, this, &QHexSubWidget::onChangeCurValueHex);
    // Read the editor, not the signal's argument: when a bit walk rewrites the text from
    // within textEdited, QLineEdit still emits textChanged with the text as typed afterwards.
    connect(m_decimalEdit, &QLineEdit::textChanged, this,
            [this] { emit sigValueChanged(m_decimalEdit->text().toInt(nullptr, 10)); });

    m_decimalRange = new QLabel(this);
    m_decimalRange->setObjectName(QStringLiteral("decimalRangeLabel"));
    m_decimalRange->hide();
    m_hexRange = new QLabel(this);
    m_hexRange->setObjectName(QStringLiteral("hexRangeLabel"));
    m_hexRange->hide();

    auto *valueGrid = new QGridLayout;
    valueGrid->addItem(expandingSpacer(), 0, 0);
    valueGrid->addWidget(decimalLabel, 0, 1);
    valueGrid->addWidget(m_decimalEdit, 0, 2);
    valueGrid->addItem(expandingSpacer(), 0, 3);
    valueGrid->addWidget(hexLabel, 0, 4);
    valueGrid->addWidget(m_hexEdit, 0, 5);
    valueGrid->addItem(expandingSpacer(), 0, 6);
    valueGrid->addWidget(m_decimalRange, 1, 2);
    valueGrid->addWidget(m_hexRange, 1, 5);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addLayout(bitGrid);
    box->addSpacing(10);
    box->addLayout(valueGrid);

    new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &) { retranslate(); });
    updateDisplay();
}

void QHexSubWidget::retranslate()
{
    m_binaryLabel->setText(QStringLiteral("%1:").arg(tr("STR_BINARY")));
    m_decimalLabel->setText(QStringLiteral("%1:").arg(tr("STR_DECIMAL")));
    m_hexLabel->setText(QStringLiteral("%1:0x").arg(tr("STR_HEX")));
    for (int k = 0; k < m_buttons.size(); ++k)
        WidgetDeckPrivate::AccessibleNames::setName(m_buttons.at(k), tr("STR_BIT_N").replace(QLatin1String("%1"), QString::number(k)));
}

void QHexSubWidget::setValue(int v)
{
    m_value = v;
    updateDisplay();
}

int QHexSubWidget::value() const
{
    return m_value;
}

bool QHexSubWidget::setRange(int min, int max)
{
    if (min > max)
        return false;
    m_min = min;
    m_max = max;
    if (m_buttons.isEmpty())
        return true;

    m_decimalRange->show();
    m_hexRange->show();
    m_decimalEdit->setRange(min, max);
    m_hexEdit->setRange(min, max);
    m_decimalRange->setText(QStringLiteral("(%1~%2)").arg(min).arg(max));
    m_hexRange->setText(QStringLiteral("(0x%1~0x%2)").arg(hexText(min), hexText(max)));

    // Bits above the highest set bit of the maximum can never be set within the range.
    bool reached = false;
    for (int k = m_bits - 1; k >= 0; --k) {
        reached = reached || bitSet(max, k);
        m_buttons.at(k)->setEnabled(reached);
    }
    return true;
}

void QHexSubWidget::setReadOnly()
{
    for (QPushButton *button : qAsConst(m_buttons))
        button->setEnabled(false);
    if (m_decimalEdit)
        m_decimalEdit->setReadOnly(true);
    if (m_hexEdit)
        m_hexEdit->setReadOnly(true);
}

void QHexSubWidget::updateDisplay()
{
    if (m_buttons.isEmpty())
        return;
    for (int k = 0; k < m_bits; ++k)
        showBit(k);
    writeEditors();
}

void QHexSubWidget::onChangeCurValue()
{
    walkTowards(m_decimalEdit->text().toInt(nullptr, 10));
}

void QHexSubWidget::onChangeCurValueHex()
{
    walkTowards(int(m_hexEdit->text().toUInt(nullptr, 16)));
}

void QHexSubWidget::onBtnGroup(int index)
{
    toggleBit(index);
}

void QHexSubWidget::toggleBit(int bit)
{
    if (bit < 0 || bit >= m_bits)
        return;
    const int candidate = flipped(m_value, bit);
    if (!inRange(candidate)) {
        // The click has already checked or unchecked the button: show the bit as it stays.
        showBit(bit);
        return;
    }
    m_value = candidate;
    showBit(bit);
    writeEditors();
}

void QHexSubWidget::walkTowards(int target)
{
    // Lowest bit first; a step that would leave the range is skipped, so the value only ever
    // takes in-range states. The editors are rewritten once, after the walk, with the value
    // reached; a walk that takes no step leaves the typed text alone.
    bool moved = false;
    for (int k = 0; k < m_bits; ++k) {
        if (bitSet(m_value, k) == bitSet(target, k))
            continue;
        const int candidate = flipped(m_value, k);
        if (!inRange(candidate))
            continue;
        m_value = candidate;
        showBit(k);
        moved = true;
    }
    if (moved)
        writeEditors();
}

bool QHexSubWidget::inRange(int v) const
{
    return v >= m_min && v <= m_max;
}

void QHexSubWidget::showBit(int bit)
{
    QPushButton *button = m_buttons.at(bit);
    const bool set = bitSet(m_value, bit);
    button->setText(set ? QStringLiteral("1") : QStringLiteral("0"));
    button->setChecked(set);
}

void QHexSubWidget::writeEditors()
{
    m_decimalEdit->setText(QString::number(m_value, 10));
    m_hexEdit->setText(hexText(m_value));
}
