// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCOLORBUTTON_H
#define QCOLORBUTTON_H

#include "widgetdeck_export.h"

#include <QColor>
#include <QPushButton>

#include <memory>

class QColorButtonPrivate;

/// Push button that shows its colour as background; any mouse press opens the colour
/// dialog and a confirmed valid colour is adopted and reported; Space on the focused button
/// opens it too. The button or its parent may be destroyed while the dialog runs.
class WIDGETDECK_EXPORT QColorButton : public QPushButton
{
    Q_OBJECT
    /// The stored colour; setting it emits nothing, a colour the user confirms notifies.
    Q_PROPERTY(QColor color READ getColor WRITE setColor NOTIFY SigColorChanged)
public:
    /// Builds the button with an invalid colour and no style sheet.
    explicit QColorButton(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QColorButton() override;

    /// The stored colour.
    QColor getColor() const;
    /// Stores @p color and paints the button with it; emits nothing.
    void setColor(QColor color);

Q_SIGNALS:
    /// The user confirmed the valid colour @p color in the dialog.
    void SigColorChanged(QColor color);

protected:
    /// Runs the colour dialog modally; the press never reaches QPushButton.
    void mousePressEvent(QMouseEvent *event) override;
    /// Return and Enter open the dialog like Space; the button is never a dialog's default.
    void keyPressEvent(QKeyEvent *event) override;
    /// Claims Return, Enter and Space from host shortcuts while the button has the focus.
    bool event(QEvent *event) override;

private:
    void chooseColor();

    std::unique_ptr<QColorButtonPrivate> const d;
};

#endif // QCOLORBUTTON_H
