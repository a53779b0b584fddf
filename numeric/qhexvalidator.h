// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QHEXVALIDATOR_H
#define QHEXVALIDATOR_H

#include "widgetdeck_export.h"

#include <QIntValidator>

#include <memory>

class QHexValidatorPrivate;

/// Validator for hexadecimal text (digits 0-9, A-F, a-f, no prefix or sign) within the
/// inherited bottom and top of QIntValidator. With a negative bottom the text is read as a
/// 32-bit two's-complement pattern ("FFFFFFFF" is -1).
class WIDGETDECK_EXPORT QHexValidator : public QIntValidator
{
    Q_OBJECT
public:
    /// Builds the validator with the range of a default QIntValidator.
    explicit QHexValidator(QObject *parent = nullptr);
    /// Destroys the validator.
    ~QHexValidator() override;

    /// Invalid when the edit since the last text seen inserts a non-hexadecimal character, or
    /// for a value above the top; Intermediate when empty, below the bottom or when characters
    /// set earlier by the program are not hexadecimal; Acceptable otherwise.
    QValidator::State validate(QString &input, int &pos) const override;

private:
    bool isStrValid(char c) const;

    std::unique_ptr<QHexValidatorPrivate> const d;
};

#endif // QHEXVALIDATOR_H
