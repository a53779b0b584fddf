// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QSTYLEINPUTDIALOG_H
#define QSTYLEINPUTDIALOG_H

#include "widgetdeck_export.h"

#include <qbasedlg.h>

#include <memory>

class QStyleInputDialogPrivate;

/// Framed one-line input dialog: a line edit above a centred OK / Cancel pair.
class WIDGETDECK_EXPORT QStyleInputDialog : public QBaseDlg
{
    Q_OBJECT
public:
    /// Builds the dialog without a caption; OK accepts, Cancel rejects.
    explicit QStyleInputDialog(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QStyleInputDialog() override;

    /// The entered text; still readable after the dialog closed.
    QString text() const;
    /// Sets the tool tip of the input field only.
    void setTooltip(const QString &tip);

protected:
    /// Focuses the field and selects its whole text on every show.
    void showEvent(QShowEvent *event) override;
    /// Paints the frame and a 36-pixel title band through QBaseDlg.
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<QStyleInputDialogPrivate> const d;
};

#endif // QSTYLEINPUTDIALOG_H
