// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QPATHLINEEDIT_H
#define QPATHLINEEDIT_H

#include "widgetdeck_export.h"
#include "qfolderedit.h"

/// Folder-name edit that can also judge its whole text as a usable name.
class WIDGETDECK_EXPORT QPathLineEdit : public QFolderEdit
{
    Q_OBJECT
public:
    /// Plain construction.
    explicit QPathLineEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QPathLineEdit() override;

    /// True when the trimmed text is not empty, holds no forbidden character and is not a
    /// reserved device name (CON, PRN, AUX, NUL, COMn, LPTn, nCOM, nLPT); otherwise focuses
    /// the edit and returns false.
    bool isValid();
};

#endif // QPATHLINEEDIT_H
