// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhexspinbox.h"

#include "numericlogging_p.h"
#include "widgetdeckregexp_p.h"

#include <QLineEdit>

namespace {
const QString HexDigits = QStringLiteral("[0-9A-Fa-f]{1,8}");
}

QHexSpinBox::QHexSpinBox()
    : QHexSpinBox(nullptr)
{
}

QHexSpinBox::QHexSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setRange(0, 255);
    // A wheel event must not give the focus to a box that ignores the wheel.
    setFocusPolicy(Qt::StrongFocus);
    // The spin box writes its editor only once shown; hosts may read text() before that.
    lineEdit()->setText(textFromValue(value()));
}

QHexSpinBox::~QHexSpinBox() = default;

QValidator::State QHexSpinBox::validate(QString &text, int &pos) const
{
    Q_UNUSED(pos)
    if (!WidgetDeckRegExp::exactMatch(HexDigits, text))
        return QValidator::Invalid;
    const quint32 raw = text.toUInt(nullptr, 16);
    // With a negative minimum the text is a signed pattern; otherwise longer text only grows.
    const qint64 value = minimum() < 0 ? qint64(qint32(raw)) : qint64(raw);
    if (value < minimum())
        return QValidator::Intermediate;
    if (value > maximum())
        return minimum() < 0 && text.size() < 8 ? QValidator::Intermediate : QValidator::Invalid;
    return QValidator::Acceptable;
}

void QHexSpinBox::fixup(QString &text) const
{
    if (text.size() >= 2 && (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        text.remove(0, 2);
}

QString QHexSpinBox::textFromValue(int value) const
{
    return WidgetDeckHex::text(value);
}

int QHexSpinBox::valueFromText(const QString &text) const
{
    return int(text.toUInt(nullptr, 16));
}

void QHexSpinBox::wheelEvent(QWheelEvent *)
{
}
