// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEDGEWIDGET_H
#define QEDGEWIDGET_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

#include <memory>

class QEdgeWidgetPrivate;

/// Narrow strip (at most 30 pixels wide) standing in for a collapsed side panel: one tall
/// button with a vertical caption. A click asks to show the panel, entering asks for a preview.
class WIDGETDECK_EXPORT QEdgeWidget : public QBaseStyleWidget
{
    Q_OBJECT
public:
    /// Builds the strip; the caption is set with setTitle(), @p title is not applied.
    explicit QEdgeWidget(QWidget *parent = nullptr, QString title = QString());
    /// Destroys the widget together with the children it created.
    ~QEdgeWidget() override;

    /// Sets the caption of the button.
    void setTitle(QString title);

Q_SIGNALS:
    /// The button was clicked: show the panel.
    void SigShow();
    /// The mouse entered the strip: show a preview of the panel.
    void SigShowPreview();
    /// Hide the panel (for hosts; the strip never emits it itself).
    void SigHide();
    /// End the preview (for hosts; the strip never emits it itself).
    void SigHidePreview();

protected:
    /// Emits SigShowPreview().
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    /// Does nothing.
    void leaveEvent(QEvent *event) override;

private:
    std::unique_ptr<QEdgeWidgetPrivate> const d;
};

#endif // QEDGEWIDGET_H
