// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEXTENDDOUBLESPINBOX_H
#define QEXTENDDOUBLESPINBOX_H

#include "widgetdeck_export.h"

#include <QDoubleSpinBox>
#include <QVariant>

#include <memory>

class QExtendDoubleSpinBoxPrivate;

/// Double spin box carrying one piece of host data; its change signals are repeated with
/// the data attached, so that one slot can serve many boxes. A slot may delete the box:
/// changes made by a key, click or timer are repeated once Qt's handling of that event is done.
class WIDGETDECK_EXPORT QExtendDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
    /// The host's updated mark.
    Q_PROPERTY(bool updated READ isUpdated WRITE setUpdated)
public:
    /// Creates the box owned by @p parent, without host data.
    explicit QExtendDoubleSpinBox(QWidget *parent = nullptr);
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

protected:
    /// Runs Qt's handling of @p e, then emits the repeats it raised (see the class docs).
    bool event(QEvent *e) override;

private Q_SLOTS:
    void OnValueChanged();
    void OnTextValueChanged();
    void OnEditingFinished();

private:
    void emitFinished();

    std::unique_ptr<QExtendDoubleSpinBoxPrivate> const d;
};

#endif // QEXTENDDOUBLESPINBOX_H
