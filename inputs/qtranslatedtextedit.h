// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QTRANSLATEDTEXTEDIT_H
#define QTRANSLATEDTEXTEDIT_H

#include "widgetdeck_export.h"

#include <QTextEdit>

#include <memory>

class QTranslatedTextEditPrivate;

/// Text edit whose context menu is a short translated one: Copy and Select all.
/// Tab and Shift+Tab move the focus on, as in a form. The edit may be deleted while its menu is open.
class WIDGETDECK_EXPORT QTranslatedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    /// Builds the edit and its menu; Copy stays disabled while nothing is selected.
    explicit QTranslatedTextEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QTranslatedTextEdit() override;

protected:
    /// Runs the translated menu at the event's position instead of the standard one.
    void contextMenuEvent(QContextMenuEvent *event) override;

private Q_SLOTS:
    void OnSelected(bool f);

private:
    std::unique_ptr<QTranslatedTextEditPrivate> const d;
};

#endif // QTRANSLATEDTEXTEDIT_H
