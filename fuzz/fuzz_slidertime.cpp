// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// "h:m:s:ms" texts to milliseconds and back.
#include "fuzzsupport.h"

#include "qextendsliderdialog.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    const QString input = FuzzSupport::text(data, size);
    static QExtendSliderDialog *dialog = new QExtendSliderDialog;

    const int ms = dialog->time2Milliseconds(input);
    const QStringList parts = input.split(QLatin1Char(':'));
    qint64 expected = 0;
    if (parts.size() == 4) {
        const qint64 total = ((qint64(parts.at(0).toInt()) * 60 + parts.at(1).toInt()) * 60 + parts.at(2).toInt()) * 1000
            + parts.at(3).toInt();
        if (total >= std::numeric_limits<int>::min() && total <= std::numeric_limits<int>::max())
            expected = total;
    }
    FUZZ_CHECK(ms == expected);

    const QTime time = dialog->milliseconds2Time(ms);
    FUZZ_CHECK(time.isValid() == (ms >= 0 && ms < 86400000));
    if (time.isValid())
        FUZZ_CHECK(time.msecsSinceStartOfDay() == ms);
    return 0;
}
