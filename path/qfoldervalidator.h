#ifndef QFOLDERVALIDATOR_H
#define QFOLDERVALIDATOR_H

#include "widgetdeck_export.h"

#include <QValidator>

/// Refuses text holding any of the nine characters a file name cannot contain:
/// \ / : * ? " < > |
class WIDGETDECK_EXPORT QFolderValidator : public QValidator
{
    Q_OBJECT
public:
    /// Plain construction.
    explicit QFolderValidator(QObject *parent = nullptr);
    /// Destroys the validator.
    ~QFolderValidator() override;

    /// Invalid when @p input holds a forbidden character anywhere; Intermediate when it is
    /// empty or the cursor is at its start; Acceptable otherwise. Changes neither argument.
    State validate(QString &input, int &pos) const override;

private:
    bool isStrValid(QChar c) const;
};

#endif // QFOLDERVALIDATOR_H
