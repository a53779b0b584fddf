// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Hexadecimal entry: the validator, alone and installed in its line edit, the spin box, and the
// row of four-digit fields set from comma-separated decimal texts.
#include "fuzzsupport.h"

#include "qhexlineedit.h"
#include "qhexspinbox.h"
#include "qhexvalidator.h"
#include "qmultihexspinbox.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>

namespace {
class OpenHexSpinBox : public QHexSpinBox
{
public:
    using QHexSpinBox::lineEdit;
    using QHexSpinBox::validate;
    using QHexSpinBox::valueFromText;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    FuzzSupport::Reader reader(data, size);
    const int a = reader.integer() % 70000;
    const int b = reader.integer() % 70000;
    // An inverted range accepts every text below its bottom; only ordered ones are meaningful.
    const int bottom = qMin(a, b), top = qMax(a, b);
    const int posChoice = reader.byte();
    const QString input = reader.rest();
    static const QRegularExpression hexDigits(QStringLiteral("\\A[0-9A-Fa-f]*\\z"));
    // Hexadecimal text is a 32-bit pattern: "FFFFFFFB" is -5, a signed text is no value.
    bool ok = false;
    const int parsed = int(input.toUInt(&ok, 16));

    QHexValidator validator;
    validator.setRange(bottom, top);
    QString text = input;
    int pos = posChoice % (input.size() + 2) - 1; // -1 .. size + 1
    const int posBefore = pos;
    const QValidator::State state = validator.validate(text, pos);
    FUZZ_CHECK(text == input && pos == posBefore);
    // The cursor position does not matter: a good text is Acceptable with the cursor at 0 too.
    if (input.isEmpty())
        FUZZ_CHECK(state == QValidator::Intermediate);
    else if (!hexDigits.match(input).hasMatch())
        FUZZ_CHECK(state == QValidator::Invalid);
    // Acceptable is exactly a value of the range, in whatever case and with leading zeros.
    const bool inRange = !input.isEmpty() && hexDigits.match(input).hasMatch() && ok && parsed >= bottom && parsed <= top;
    FUZZ_CHECK((state == QValidator::Acceptable) == inRange);

    // Typed or pasted text only ever leaves hexadecimal digits within the top in the editor.
    static QHexLineEdit *edit = new QHexLineEdit;
    edit->clear();
    edit->setRange(bottom, top);
    for (const QString &piece : input.split(QLatin1Char('\n'))) {
        edit->insert(piece);
        const QString shown = edit->text();
        FUZZ_CHECK(hexDigits.match(shown).hasMatch());
        // With a negative bottom a short text may be the start of a negative pattern ("FFF"),
        // so only ranges from 0 up bound what the editor shows.
        FUZZ_CHECK(bottom < 0 || shown.toLongLong(nullptr, 16) <= top);
    }

    static OpenHexSpinBox *spin = new OpenHexSpinBox;
    spin->setRange(bottom, top);
    spin->setValue(bottom);
    const QValidator::State boxState = spin->validate(text, pos);
    FUZZ_CHECK(spin->valueFromText(input) == (ok ? parsed : 0));
    // The box takes digits only, no blank, sign or 0x prefix that toUInt() would skip.
    if (!ok || !hexDigits.match(input).hasMatch())
        FUZZ_CHECK(boxState == QValidator::Invalid);
    FUZZ_CHECK((boxState == QValidator::Acceptable) == (inRange && input.size() <= 8));
    // Whatever reaches its editor, the value stays within the range.
    spin->lineEdit()->selectAll();
    spin->lineEdit()->insert(input);
    spin->interpretText();
    FUZZ_CHECK(spin->value() >= bottom && spin->value() <= top);

    static QMultiHexSpinBox *row = new QMultiHexSpinBox(4);
    const QStringList texts = input.split(QLatin1Char(','));
    for (QHexSpinBox *field : row->getHexSpinboxList())
        field->setValue(7);
    FUZZ_CHECK(row->setHexSpinboxValueList(texts));
    const QList<int> values = row->getHexSpinboxValueList();
    FUZZ_CHECK(values.size() == 4);
    for (int i = 0; i < values.size(); ++i) {
        // Fields without a text keep their value.
        const double d = i < texts.size() ? texts.at(i).toDouble() : 7.0;
        FUZZ_CHECK(values.at(i) == (std::isnan(d) || d < 0 ? 0 : d > 255 ? 255 : int(std::trunc(d))));
    }
    return 0;
}
