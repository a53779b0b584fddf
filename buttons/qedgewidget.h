#ifndef QEDGEWIDGET_H
#define QEDGEWIDGET_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

namespace Ui {
class EdgeWidget;
}

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
    void enterEvent(QEvent *event) override;
    /// Does nothing.
    void leaveEvent(QEvent *event) override;

private:
    Ui::EdgeWidget *ui;
};

#endif // QEDGEWIDGET_H
