// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QFOLDEREDIT_H
#define QFOLDEREDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

#include <memory>

class QFolderEditPrivate;

/// Line edit for a file or folder name: refuses the characters a file name cannot contain
/// and lists them in its tool tip. A host may replace or delete the validator
/// (setValidator()); the edit never uses a validator it no longer holds.
class WIDGETDECK_EXPORT QFolderEdit : public QLineEdit
{
    Q_OBJECT
public:
    /// Builds the edit with its validator and tool tip.
    explicit QFolderEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QFolderEdit() override;

protected:
    /// Drops a typed character the validator refuses, whatever text the program set before.
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<QFolderEditPrivate> const d;
};

#endif // QFOLDEREDIT_H
