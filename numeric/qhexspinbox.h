#ifndef QHEXSPINBOX_H
#define QHEXSPINBOX_H

#include "widgetdeck_export.h"

#include <QSpinBox>

class QRegExpValidator;

/// Integer spin box that shows and reads its value as upper-case hexadecimal without prefix.
/// Range 0 to 255 unless the host changes it; the mouse wheel never changes the value.
class WIDGETDECK_EXPORT QHexSpinBox : public QSpinBox
{
public:
    /// Builds a parentless spin box with the range 0 to 255.
    QHexSpinBox();
    /// Destroys the widget together with the children it created.
    ~QHexSpinBox() override;

protected:
    /// Invalid for non-hexadecimal text and values above the maximum; Intermediate below the minimum.
    QValidator::State validate(QString &text, int &pos) const override;
    /// Drops a leading "0x" or "0X".
    void fixup(QString &text) const override;
    /// Upper-case hexadecimal, no prefix, no padding.
    QString textFromValue(int value) const override;
    /// Reads hexadecimal text; text that does not convert gives 0.
    int valueFromText(const QString &text) const override;
    /// Ignored, so scrolling a form never changes the value.
    void wheelEvent(QWheelEvent *event) override;

private:
    QRegExpValidator *m_validator;
};

#endif // QHEXSPINBOX_H
