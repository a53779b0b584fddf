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
    FUZZ_CHECK(!input.contains(forbidden) || state == QValidator::Invalid);

    static QPathLineEdit *edit = new QPathLineEdit;
    edit->setText(input);
    const bool valid = edit->isValid();
    FUZZ_CHECK(!valid || (!edit->text().contains(forbidden) && !edit->text().trimmed().isEmpty()));
    return 0;
}
