// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEXTENDSLIDERDIALOG_H
#define QEXTENDSLIDERDIALOG_H

#include "widgetdeck_export.h"

#include <QDialog>
#include <QTime>

#include <memory>

class QExtendSliderDialogPrivate;

/// Frameless pop-up with one horizontal slider, its position as a percentage and a Close
/// button; dragged by its background. Also converts "h:m:s:ms" texts to and from milliseconds.
class WIDGETDECK_EXPORT QExtendSliderDialog : public QDialog
{
    Q_OBJECT
public:
    /// Builds the pop-up with the slider's default range 0 to 99 and an empty label.
    explicit QExtendSliderDialog(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QExtendSliderDialog() override;

    /// Sets the slider's range and refreshes the label.
    void setRange(int min, int max);
    /// Sets the slider's value and refreshes the label.
    void setValue(int value);
    /// The slider's value.
    int currentValue() const;
    /// The slider's minimum.
    int minimum() const;
    /// The slider's maximum.
    int maximum() const;
    /// maximum() - minimum(), at most INT_MAX (a full int range does not fit).
    int range() const;
    /// The value counted from the minimum, at most INT_MAX.
    int incrementValue() const;
    /// The position as a fraction 0.0 .. 1.0 of the range; 0.0 for an empty range.
    double getCurrentPercentage() const;
    /// Moves the slider to minimum() + @p fraction (clamped to 0.0 .. 1.0) * range(), truncated
    /// toward zero (-9..0 at 0.55 gives -4).
    void setCurrentPercentage(double fraction);

    /// Milliseconds of a "h:m:s:ms" text; 0 when it is not four fields or does not fit an int.
    int time2Milliseconds(const QString &text) const;
    /// The time of day @p ms after midnight; invalid outside one day.
    QTime milliseconds2Time(int ms) const;

Q_SIGNALS:
    /// The slider's value changed, by the user or by a setter.
    void sigSliderMoved(int value);

protected:
    /// Hands the press to QDialog; a left press on the background never arrives here, it
    /// starts dragging the dialog (see QWindowDragger).
    void mousePressEvent(QMouseEvent *event) override;
    /// Hands the move to QDialog; moves of a running drag are the dragger's.
    void mouseMoveEvent(QMouseEvent *event) override;
    /// Hands the release to QDialog.
    void mouseReleaseEvent(QMouseEvent *event) override;

private Q_SLOTS:
    void on_slider_valueChanged(int value);

private:
    void labelTextChanged();

    std::unique_ptr<QExtendSliderDialogPrivate> const d;
};

#endif // QEXTENDSLIDERDIALOG_H
