// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Explanation highlight of the multi-radix dialog: any host text shows as typed, never as markup.
#include "fuzzsupport.h"

#include "qhexdlg.h"

#include <QTextEdit>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    FuzzSupport::Reader reader(data, size);
    const int value = int(int8_t(reader.byte()));
    const QString input = reader.rest();

    static QHexDlg *dialog = new QHexDlg(nullptr, 16);
    static QTextEdit *edit = dialog->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    FUZZ_CHECK(edit);

    dialog->setExplain(input);
    const QString plain = edit->toPlainText();
    dialog->setInitialData(value);
    FUZZ_CHECK(edit->toPlainText() == plain);
    FUZZ_CHECK(dialog->getModifyData() == value);
    return 0;
}
