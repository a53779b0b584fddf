// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Row of four-digit fields set from decimal texts.
#include "fuzzsupport.h"

#include "qhexspinbox.h"
#include "qmultihexspinbox.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    static QMultiHexSpinBox *row = new QMultiHexSpinBox(4);
    const QStringList texts = FuzzSupport::text(data, size).split(QLatin1Char(','));

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
