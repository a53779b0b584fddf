// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Folder names: the validator and the whole-text check of the path edit.
#include "fuzzsupport.h"

#include "qfoldervalidator.h"
#include "qpathlineedit.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::ensureApplication();
    const QString input = FuzzSupport::text(data, size);
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|]"));

    QFolderValidator validator;
    QString text = input;
    int pos = size > 0 ? data[0] % (input.size() + 1) : 0;
    const int posBefore = pos;
    const QValidator::State state = validator.validate(text, pos);
    FUZZ_CHECK(text == input && pos == posBefore);
    // A first text is judged whole, wherever the cursor is.
    const QValidator::State expected = input.contains(forbidden) ? QValidator::Invalid
        : input.isEmpty()                                       ? QValidator::Intermediate
                                                                : QValidator::Acceptable;
    FUZZ_CHECK(state == expected);

    static QPathLineEdit *edit = new QPathLineEdit;
    edit->setText(input);
    const bool valid = edit->isValid();
    FUZZ_CHECK(!valid || (!edit->text().contains(forbidden) && !edit->text().trimmed().isEmpty()));
    return 0;
}
