// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QMYCOLORDLG_H
#define QMYCOLORDLG_H

#include "widgetdeck_export.h"

#include <qbasedlg.h>

#include <QColor>

#include <memory>

class QMyColorDlgPrivate;

/// The stock colour picker embedded without its own frame and buttons in a library dialog,
/// above the library's OK/Cancel bar.
class WIDGETDECK_EXPORT QMyColorDlg : public QBaseDlg
{
    Q_OBJECT
public:
    /// Builds the dialog with the picker set to @p initial.
    explicit QMyColorDlg(QColor initial = QColor(), QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QMyColorDlg() override;

    /// The picker's current colour; still readable after exec() returned.
    QColor currentColor() const;

protected:
    /// Paints the frame and a 36-pixel title band through QBaseDlg.
    void paintEvent(QPaintEvent *event) override;
    /// Escape inside the embedded picker rejects this dialog; the picker stays for later runs.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void init();

    std::unique_ptr<QMyColorDlgPrivate> const d;
};

#endif // QMYCOLORDLG_H
