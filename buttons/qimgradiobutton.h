// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QIMGRADIOBUTTON_H
#define QIMGRADIOBUTTON_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

#include <memory>

class QImgRadioButtonPrivate;

/// One choice tile: an image above a radio button caption. Idle tiles show a thin frame,
/// the selected tile a light cyan fill and a tile under the mouse a light blue fill.
/// Space on the focused radio button emits SigImgClicked(), as a left press does.
class WIDGETDECK_EXPORT QImgRadioButton : public QBaseStyleWidget
{
    Q_OBJECT
public:
    /// Builds the tile with caption @p text and the image loaded from @p imgPath
    /// (a missing image leaves the image area empty).
    explicit QImgRadioButton(QWidget *parent = nullptr, QString text = QString(), QString imgPath = QString());
    /// Destroys the widget together with the children it created.
    ~QImgRadioButton() override;

    /// Checks or unchecks the tile's radio button.
    void setChecked(bool checked);

Q_SIGNALS:
    /// The image or the radio button got a left press, or Space on the radio button.
    void SigImgClicked();
    /// The image or the radio button was double-clicked.
    void SigOk();

protected:
    /// Marks the tile as hovered and repaints it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEnterEvent *event) override;
#else
    void enterEvent(QEvent *event) override;
#endif
    /// Clears the hover mark and repaints the tile.
    void leaveEvent(QEvent *event) override;
    /// Paints the frame or the fill of the current state.
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<QImgRadioButtonPrivate> const d;
};

#endif // QIMGRADIOBUTTON_H
