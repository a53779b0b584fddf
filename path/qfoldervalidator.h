// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QFOLDERVALIDATOR_H
#define QFOLDERVALIDATOR_H

#include "widgetdeck_export.h"

#include <QValidator>

#include <memory>

class QFolderValidatorPrivate;

/// Refuses edits that insert any of the nine characters a file name cannot contain:
/// \ / : * ? " < > |
class WIDGETDECK_EXPORT QFolderValidator : public QValidator
{
    Q_OBJECT
public:
    /// Plain construction.
    explicit QFolderValidator(QObject *parent = nullptr);
    /// Destroys the validator.
    ~QFolderValidator() override;

    /// Invalid when the edit since the last text seen (typed or pasted) inserts a forbidden
    /// character; Intermediate when the text is empty or still holds one the program set;
    /// Acceptable otherwise. Changes neither argument.
    State validate(QString &input, int &pos) const override;

private:
    bool isStrValid(QChar c) const;

    std::unique_ptr<QFolderValidatorPrivate> const d;
};

#endif // QFOLDERVALIDATOR_H
