// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Multi-radix dialog: any host text shows as typed, never as markup, and whatever is pasted
// into the editors of the modified value, the bit walk keeps that value within the range.
#include "fuzzsupport.h"

#include "qhexdlg.h"

#include <QLineEdit>
#include <QTextEdit>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    FuzzSupport::Reader reader(data, size);
    const int value = int(int8_t(reader.byte()));
    const QString input = reader.rest();

    static QHexDlg *dialog = new QHexDlg(nullptr, 16);
    static QTextEdit *explain = dialog->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    static QWidget *modify = dialog->findChild<QWidget *>(QStringLiteral("widgetModify"));
    FUZZ_CHECK(explain && modify);
    dialog->setRange(-128, 1000);

    dialog->setExplain(input);
    const QString plain = explain->toPlainText();
    dialog->setInitialData(value);
    FUZZ_CHECK(explain->toPlainText() == plain);
    FUZZ_CHECK(dialog->getModifyData() == value);
    for (QLineEdit *edit : modify->findChildren<QLineEdit *>()) {
        edit->selectAll();
        edit->insert(input);
        FUZZ_CHECK(dialog->getModifyData() >= -128 && dialog->getModifyData() <= 1000);
        FUZZ_CHECK(explain->toPlainText() == plain);
    }
    return 0;
}
