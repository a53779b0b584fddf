// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// IPv4 editors: the segmented editor's setText, and the line edit's whole-address check and
// per-octet validator. setIP is only called with addresses the check accepts: a refused one
// would open a modal box.
#include "fuzzsupport.h"

#include "qeditip.h"
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    const QString input = FuzzSupport::text(data, size);
    // The oracles are written differently from the library's checks on purpose.
    static const QString part = QStringLiteral("(?:[01]?[0-9]{1,2}|2[0-4][0-9]|25[0-5])");
    static const QRegularExpression quad(QStringLiteral("\\A%1\\.%1\\.%1\\.%1\\z").arg(part));
    static const QRegularExpression dotted(QStringLiteral("\\A[0-9]{1,3}(?:\\.[0-9]{1,3}){3}\\z"));

    // The segmented editor takes dotted digit groups only and clamps full segments to 255.
    static QEditIP *segmented = new QEditIP;
    segmented->setText(QStringLiteral("1.2.3.4"));
    const bool accepted = segmented->setText(input);
    FUZZ_CHECK(accepted == dotted.match(input).hasMatch());
    FUZZ_CHECK(accepted || segmented->text() == QLatin1String("1.2.3.4"));
    FUZZ_CHECK(quad.match(segmented->text()).hasMatch());

    static OpenIPLineEdit *edit = new OpenIPLineEdit;
    const bool valid = edit->isValidIP(input);
    FUZZ_CHECK(valid == quad.match(input).hasMatch());
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
