// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QMYCOMBOBOX_H
#define QMYCOMBOBOX_H

#include "widgetdeck_export.h"

#include <QComboBox>

#include <memory>

class QMyComboboxPrivate;

/// Combo box that announces every hiding of its popup; a slot may delete the box.
class WIDGETDECK_EXPORT QMyCombobox : public QComboBox
{
    Q_OBJECT
public:
    /// Creates the box owned by @p parent.
    explicit QMyCombobox(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QMyCombobox() override;

    /// Emits sigHidePopup(), then hides the popup (unless a slot deleted the box). A hiding
    /// that a slot of sigHidePopup() causes (e.g. by deleting the window) is not announced again.
    void hidePopup() override;

Q_SIGNALS:
    /// The popup is about to be hidden.
    void sigHidePopup();

private:
    std::unique_ptr<QMyComboboxPrivate> const d;
};

#endif // QMYCOMBOBOX_H
