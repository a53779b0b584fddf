// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Hexadecimal spin box: validation, parsing, fixup and the value typed text leaves behind.
#include "fuzzsupport.h"

#include "qhexspinbox.h"

#include <QLineEdit>

namespace {
class OpenHexSpinBox : public QHexSpinBox
{
public:
    using QHexSpinBox::fixup;
    using QHexSpinBox::lineEdit;
    using QHexSpinBox::validate;
    using QHexSpinBox::valueFromText;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    FuzzSupport::Reader reader(data, size);
    const int a = reader.integer() % 100000;
    const int b = reader.integer() % 100000;
    const QString input = reader.rest();

    static OpenHexSpinBox *spin = new OpenHexSpinBox;
    spin->setRange(qMin(a, b), qMax(a, b));
    spin->setValue(spin->minimum());

    QString text = input;
    int pos = input.size();
    const QValidator::State state = spin->validate(text, pos);
    FUZZ_CHECK(text == input && pos == input.size());
    // Hexadecimal text is a 32-bit pattern: "FFFFFFFB" is -5, a signed text is no value.
    bool ok = false;
    const int parsed = int(input.toUInt(&ok, 16));
    FUZZ_CHECK(spin->valueFromText(input) == (ok ? parsed : 0));
    if (!ok)
        FUZZ_CHECK(state == QValidator::Invalid);
    if (state == QValidator::Acceptable)
        FUZZ_CHECK(parsed >= spin->minimum() && parsed <= spin->maximum());

    QString fixed = input;
    spin->fixup(fixed);
    FUZZ_CHECK(fixed == input || fixed == input.mid(2));

    // Whatever reaches the editor, the value stays within the range.
    spin->lineEdit()->selectAll();
    spin->lineEdit()->insert(input);
    spin->interpretText();
    FUZZ_CHECK(spin->value() >= spin->minimum() && spin->value() <= spin->maximum());
    return 0;
}
