// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QTOPWIZARD_H
#define QTOPWIZARD_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

#include <QList>

#include <memory>

class QTopWizardPrivate;

/// Horizontal step indicator of a wizard: one disabled, checkable tool button per step
/// (object name "STATEBTN"), joined by arrow images, with exactly one step checked.
class WIDGETDECK_EXPORT QTopWizard : public QBaseStyleWidget
{
    Q_OBJECT
public:
    /// Creates an empty bar; the steps come with setTextList().
    explicit QTopWizard(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QTopWizard() override;

    /// Builds one step per text and checks the first; an empty list changes nothing.
    /// A later call replaces the whole row.
    void setTextList(QList<QString> textList);
    /// Checks step @p index and unchecks the others; an index out of range changes nothing.
    void setBtnCheck(int index);
    /// Makes the first step current again.
    void reInit();

private:
    std::unique_ptr<QTopWizardPrivate> const d;
};

#endif // QTOPWIZARD_H
