#ifndef QHEXVALIDATOR_H
#define QHEXVALIDATOR_H

#include "widgetdeck_export.h"

#include <QIntValidator>

/// Validator for hexadecimal text (digits 0-9, A-F, a-f, no prefix or sign) within the
/// inherited bottom and top of QIntValidator.
class WIDGETDECK_EXPORT QHexValidator : public QIntValidator
{
    Q_OBJECT
public:
    /// Builds the validator with the range of a default QIntValidator.
    explicit QHexValidator(QObject *parent = nullptr);
    /// Destroys the validator.
    ~QHexValidator() override;

    /// Intermediate when empty, with the cursor at 0 or below the bottom; Invalid for any
    /// non-hexadecimal character or a value above the top; Acceptable otherwise.
    QValidator::State validate(QString &input, int &pos) const override;

private:
    bool isStrValid(char c) const;
};

#endif // QHEXVALIDATOR_H
