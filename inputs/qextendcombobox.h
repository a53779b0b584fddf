// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEXTENDCOMBOBOX_H
#define QEXTENDCOMBOBOX_H

#include "widgetdeck_export.h"

#include <QComboBox>
#include <QVariant>

#include <memory>

class QExtendComboBoxPrivate;

/// Combo box carrying one piece of host data; its change signals are repeated with the
/// data attached, so that one slot can serve many boxes. A slot may delete the box.
class WIDGETDECK_EXPORT QExtendComboBox : public QComboBox
{
    Q_OBJECT
    /// The host's updated mark.
    Q_PROPERTY(bool updated READ isUpdated WRITE setUpdated)
public:
    /// Creates the box owned by @p parent, without host data.
    explicit QExtendComboBox(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QExtendComboBox() override;

    /// Stores a copy of @p data as the host data.
    void bindUserData(const QVariant &data);
    /// A copy of the host data (invalid until bound).
    QVariant getUserData();
    /// Stores the host's updated mark.
    void setUpdated(bool updated);
    /// The host's updated mark (false until set).
    bool isUpdated();

Q_SIGNALS:
    /// The current index changed; carries the new index and the host data.
    void currentIndexChangedExtend(int index, const QVariant &data);
    /// The current index changed; carries the new current text and the host data.
    void currentIndexChangedExtend(const QString &text, const QVariant &data);
    /// The current text changed; carries it and the host data.
    void currentTextChangedExtend(const QString &text, const QVariant &data);
    /// A mouse button was pressed on the box, a key that opens the list (Space, F4,
    /// Alt+Down) was pressed on it, or the list opens otherwise (an accessibility action, a
    /// showPopup() call); emitted once, before any popup opens.
    void clicked();

public:
    /// Emits clicked() unless a press or key already did, then opens the list.
    void showPopup() override;

protected:
    /// Emits clicked(), then hands the press to QComboBox.
    void mousePressEvent(QMouseEvent *e) override;
    /// Emits clicked() for the keys that open the list, then hands the key to QComboBox.
    void keyPressEvent(QKeyEvent *e) override;
    /// Runs Qt's handling of @p e, then emits the repeats it raised, so a slot may delete the box.
    bool event(QEvent *e) override;

private Q_SLOTS:
    void OnCurrentIndexChanged();
    void OnCurrentIndexTextChanged();
    void OnCurrentTextChanged();

private:
    void flushIndexRepeats();

    std::unique_ptr<QExtendComboBoxPrivate> const d;
};

#endif // QEXTENDCOMBOBOX_H
