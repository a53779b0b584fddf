// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// IPv4 line edit: the whole-address check and the per-octet validator.
// setIP is only called with addresses the check accepts: a refused one would open a modal box.
#include "fuzzsupport.h"

#include "qiplineedit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace {
class OpenIPLineEdit : public QIPLineEdit
{
public:
    using QIPLineEdit::isValidIP;
};

// The oracle is written differently from the library's check on purpose.
bool isDottedQuad(const QString &text)
{
    static const QRegularExpression shape(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})")));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return false;
    for (int group = 1; group <= 4; ++group)
        if (match.captured(group).toInt() > 255)
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    const QString input = FuzzSupport::text(data, size);
    static OpenIPLineEdit *edit = new OpenIPLineEdit;

    const bool valid = edit->isValidIP(input);
    FUZZ_CHECK(valid == isDottedQuad(input));
    if (valid) {
        edit->setIP(input);
        FUZZ_CHECK(edit->getIP() == input);
    }

    QLineEdit *octet = edit->findChild<QLineEdit *>(QStringLiteral("ipOctet0"));
    FUZZ_CHECK(octet && octet->validator());
    QString text = input;
    int pos = input.size();
    if (octet->validator()->validate(text, pos) == QValidator::Acceptable) {
        FUZZ_CHECK(text == input);
        bool ok = false;
        FUZZ_CHECK(input.size() <= 3 && input.toInt(&ok, 10) <= 255 && ok);
    }
    return 0;
}
