// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QBASEDLG_H
#define QBASEDLG_H

#include "formcore_export.h"

#include <QDialog>

#include <memory>

class QBaseDlgPrivate;

/// Frameless dialog that draws its own border, title band and caption, closes through a
/// control in the band and moves when the band is dragged. Base of the library's dialogs.
class FORMCORE_EXPORT QBaseDlg : public QDialog
{
    Q_OBJECT
public:
    /// Creates a hidden frameless dialog owned by @p parent.
    explicit QBaseDlg(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QBaseDlg() override;

    /// Sets the caption painted in the title band.
    void setTitle(const QString &title);
    /// The caption painted in the title band.
    QString title() const;

    /// Runs the dialog modally; returns 1 after accept() and 0 after reject() or close().
    int exec() override;

protected:
    /// Paints the border, the background and a title band @p titleHeight pixels high.
    void paintEvent(QPaintEvent *event, int titleHeight);
    /// Paints the frame with the default title band height.
    void paintEvent(QPaintEvent *event) override;
    /// Keeps the close control at the right end of the title band.
    void resizeEvent(QResizeEvent *event) override;
    /// Hands the press to QDialog; a left press in the title band never arrives here, it
    /// starts dragging the dialog (see QWindowDragger).
    void mousePressEvent(QMouseEvent *event) override;
    /// Hands the move to QDialog; moves of a running drag are the dragger's.
    void mouseMoveEvent(QMouseEvent *event) override;
    /// Hands the release to QDialog.
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// Hands the double click to QDialog.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

protected Q_SLOTS:
    /// Reaction to the close control of the title band: closes the dialog (result 0).
    virtual void onCloseBtnClicked();

private:
    std::unique_ptr<QBaseDlgPrivate> const d;
};

#endif // QBASEDLG_H
