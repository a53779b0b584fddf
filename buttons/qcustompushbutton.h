// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCUSTOMPUSHBUTTON_H
#define QCUSTOMPUSHBUTTON_H

#include "widgetdeck_export.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QCustomPushButtonPrivate;

/// A fixed-size push button followed by a 32 x 32 status image and a status text, showing
/// the outcome of a setting operation.
class WIDGETDECK_EXPORT QCustomPushButton : public QWidget
{
    Q_OBJECT
public:
    /// Builds the row; @p text is the caption and the tool tip of the push button.
    explicit QCustomPushButton(QWidget *parent = nullptr, QString text = QString());
    /// Destroys the widget together with the children it created.
    ~QCustomPushButton() override;

    /// The push button.
    QPushButton *getPushButton();
    /// The status image label.
    QLabel *getLabelImg();
    /// The status text label.
    QLabel *getLabelText();

    /// Sets the caption of the push button.
    void setBtnText(const QString &text);
    /// Sets the status image.
    void setPixmap(const QPixmap &pixmap);
    /// Sets the status text.
    void setLabelText(const QString &text);
    /// Gives the status text a minimum width of 100 pixels; the argument is not used.
    void setLabelMinimumWidth(int width);
    /// false: shows the placeholder image ":/img/noImg.png" and no text; true: no effect.
    void setLabelVisible(bool visible);
    /// Shows the success image and text, or the failure image with "failed(reason)".
    void setButtonStatus(const bool &ok, const QString &reason);

private:
    std::unique_ptr<QCustomPushButtonPrivate> const d;
};

#endif // QCUSTOMPUSHBUTTON_H
