// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEXTENDPROGRESSDIALOG_H
#define QEXTENDPROGRESSDIALOG_H

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"

#include <QDialog>

#include <memory>

class QExtendProgressDialogPrivate;

/// Frameless progress dialog fed by the host, with a timeout watching for progress.
/// Reaching the bar's maximum completes it; a timeout is reported but leaves it open.
/// Ending the dialog stops the timeout. A host may delete the dialog from either signal.
class WIDGETDECK_EXPORT QExtendProgressDialog : public QDialog
{
    Q_OBJECT
public:
    /// Builds the dialog; with @p closeOnFinish it accepts itself on completion.
    explicit QExtendProgressDialog(QWidget *parent = nullptr, bool closeOnFinish = true);
    /// Destroys the widget together with the children it created.
    ~QExtendProgressDialog() override;

    /// (Re)starts the single-shot timeout of @p msec milliseconds guarding what @p mode says.
    void startTimer(int msec, TimeoutMode mode);

    /// The bar's minimum.
    int progressMin() const;
    /// The bar's maximum.
    int progressMax() const;
    /// The bar's current value.
    int progressValue() const;

public Q_SLOTS:
    /// Sets the bar's range.
    void slotSetRange(int min, int max);
    /// Shows @p progress; the bar's maximum completes the dialog.
    void slotUpdateProgress(int progress);

Q_SIGNALS:
    /// The timeout elapsed before the guarded progress arrived.
    void sigProgressTimeOut();
    /// The progress reached the bar's maximum.
    void sigProgressFinished();

protected:
    /// Grey border and title band; the form paints over it.
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void slotBtnClicked();
    void slotTimeout();

private:
    std::unique_ptr<QExtendProgressDialogPrivate> const d;
};

#endif // QEXTENDPROGRESSDIALOG_H
