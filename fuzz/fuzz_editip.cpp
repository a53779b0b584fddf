// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Segmented IPv4 editor: setText accepts dotted digit groups only, and segments stay in range.
#include "fuzzsupport.h"

#include "qeditip.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    const QString input = FuzzSupport::text(data, size);
    static QEditIP *edit = new QEditIP;
    edit->setText(QStringLiteral("1.2.3.4"));

    static const QRegularExpression dotted(QStringLiteral("\\A[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\.[0-9]{1,3}\\z"));
    const bool accepted = edit->setText(input);
    FUZZ_CHECK(accepted == dotted.match(input).hasMatch());
    const QString shown = edit->text();
    if (!accepted)
        FUZZ_CHECK(shown == QLatin1String("1.2.3.4"));

    const QStringList segments = shown.split(QLatin1Char('.'));
    FUZZ_CHECK(segments.size() == 4);
    for (const QString &segment : segments) {
        bool ok = false;
        const int value = segment.toInt(&ok, 10);
        FUZZ_CHECK(ok && segment.size() <= 3 && value >= 0 && value <= 255);
    }
    return 0;
}
