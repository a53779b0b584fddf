// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QSEARCHPROGRESS_H
#define QSEARCHPROGRESS_H

#include "widgetdeck_export.h"

#include <qbasedlg.h>

#include <memory>

class QSearchProgressPrivate;

/// Framed dialog with one progress bar over a known number of steps; it accepts itself when
/// the count reaches the total and reports an early close so the host can stop its work.
class WIDGETDECK_EXPORT QSearchProgress : public QBaseDlg
{
    Q_OBJECT
public:
    /// Builds the dialog with @p title as its caption.
    explicit QSearchProgress(const QString &title, QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QSearchProgress() override;

    /// Sets the range to 0 .. @p max and the value to 0.
    void setMax(int max);
    /// The bar's current value.
    int value() const;
    /// The bar's maximum.
    int maxValue() const;

Q_SIGNALS:
    /// The count reached the total; connected to accept().
    void SigClose();
    /// A close request reached the window (the user gave up early).
    void SigCloseProgress();

public Q_SLOTS:
    /// Shows @p val and emits SigClose() once the bar's value reaches its maximum.
    void OnSetValue(int val);
    /// Same as setMax().
    void OnSetTotal(int num);
    /// Emits SigClose() when the bar's value has reached its maximum.
    void onCheckClose();

protected:
    /// Emits SigCloseProgress(), then closes as a plain widget does.
    void closeEvent(QCloseEvent *event) override;
    /// Paints the frame and a 36-pixel title band through QBaseDlg.
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<QSearchProgressPrivate> const d;
};

#endif // QSEARCHPROGRESS_H
