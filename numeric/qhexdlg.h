// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QHEXDLG_H
#define QHEXDLG_H

#include "widgetdeck_export.h"

#include <qbasedlg.h>

#include <memory>

class QHexDlgPrivate;

/// Dialog that edits one integer bit by bit while showing it in binary, decimal and
/// hexadecimal, beside an explanation whose line for the current value is shown in red.
class WIDGETDECK_EXPORT QHexDlg : public QBaseDlg
{
    Q_OBJECT
public:
    /// Builds the dialog with @p bits bit buttons per panel (clamped to 1..32).
    explicit QHexDlg(QWidget *parent = nullptr, int bits = 16);
    /// Destroys the widget together with the children it created.
    ~QHexDlg() override;

    /// Shows @p value in both panels and highlights its line of the explanation.
    void setInitialData(const int &value);
    /// Bounds the changes the user can make to the modified value; ignored when @p min > @p max.
    void setRange(const int &min, const int &max);
    /// Sets the explanation, one line per value ("3: meaning"); shown as typed.
    void setExplain(const QString &text);
    /// The modified value.
    int getModifyData() const;
    /// True when the dialog was confirmed, false after cancel.
    bool getResult() const;

public Q_SLOTS:
    /// Confirms: result true, the dialog is accepted.
    void OnOK();
    /// Cancels: result false, the dialog closes.
    void OnCancel();

    /// Ends the run like QDialog::done(); a host may delete the dialog from accepted(),
    /// rejected() or finished().
    void done(int r) override;

protected:
    /// Makes the initial panel read-only.
    void init();
    /// Return and Enter confirm, except on a focused push button, which they click (Cancel
    /// cancels, a bit button flips its bit); every other key, Escape included, is swallowed.
    void keyPressEvent(QKeyEvent *event) override;
    /// Paints the frame and a 36-pixel title band through QBaseDlg.
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void slotHighlightExplain(int index);

private:
    std::unique_ptr<QHexDlgPrivate> const d;
};

#endif // QHEXDLG_H
