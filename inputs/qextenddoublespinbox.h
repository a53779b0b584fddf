#ifndef QEXTENDDOUBLESPINBOX_H
#define QEXTENDDOUBLESPINBOX_H

#include "widgetdeck_export.h"

#include <QDoubleSpinBox>
#include <QVariant>

/// Double spin box carrying one piece of host data; its change signals are repeated with
/// the data attached, so that one slot can serve many boxes.
class WIDGETDECK_EXPORT QExtendDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    /// Creates the box owned by @p parent, without host data.
    explicit QExtendDoubleSpinBox(QWidget *parent);
    /// Destroys the widget together with the children it created.
    ~QExtendDoubleSpinBox() override;

    /// Stores a copy of @p data as the host data.
    void bindUserData(const QVariant &data);
    /// A copy of the host data (invalid until bound).
    QVariant getUserData();
    /// Stores the host's updated mark.
    void setUpdated(bool updated);
    /// The host's updated mark (false until set).
    bool isUpdated();

Q_SIGNALS:
    /// The value changed; carries it and the host data.
    void valueChangedExtend(double d, const QVariant &v);
    /// The value changed; carries the whole text (prefix and suffix included) and the host data.
    void valueChangedExtend(const QString &text, const QVariant &v);
    /// Editing ended; carries the value and the host data.
    void editingFinishedExtend(double d, const QVariant &v);

private Q_SLOTS:
    void OnValueChanged();
    void OnTextValueChanged();
    void OnEditingFinished();

private:
    QVariant m_userData;
    bool m_updated = false;
};

#endif // QEXTENDDOUBLESPINBOX_H
