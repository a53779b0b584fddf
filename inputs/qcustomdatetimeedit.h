// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QCUSTOMDATETIMEEDIT_H
#define QCUSTOMDATETIMEEDIT_H

#include "widgetdeck_export.h"

#include <QDateTime>
#include <QWidget>

#include <memory>

class QNoWheelDateTimeEdit;
class QPushButton;
class QCustomDateTimeEditPrivate;

/// A wheel-less date-time editor followed by a push button; hosts reach both through the
/// accessors and connect to the button themselves. If a host deletes one of them, its
/// accessor returns nullptr and the setters leave it alone.
class WIDGETDECK_EXPORT QCustomDateTimeEdit : public QWidget
{
    Q_OBJECT
    /// The editor's display format.
    Q_PROPERTY(QString displayFormat READ displayFormat WRITE setDisplayFormat)
    /// The caption of the push button.
    Q_PROPERTY(QString buttonText READ buttonText WRITE setButtonText)
public:
    /// Builds a parentless widget showing @p dateTime, with @p text as the button caption.
    QCustomDateTimeEdit(QDateTime dateTime, QString text);
    /// Builds the widget owned by @p parent, showing the current date-time and an empty caption.
    explicit QCustomDateTimeEdit(QWidget *parent = nullptr);
    /// Builds the widget owned by @p parent, showing @p dateTime, with @p text as the caption.
    QCustomDateTimeEdit(const QDateTime &dateTime, const QString &text, QWidget *parent);
    /// Destroys the widget together with the children it created.
    ~QCustomDateTimeEdit() override;

    /// The date-time editor.
    QNoWheelDateTimeEdit *getDateTimeEdit() const;
    /// The push button.
    QPushButton *getPushButton() const;
    /// Sets the display format of the editor.
    void setDisplayFormat(const QString &format);
    /// The display format of the editor (empty without one).
    QString displayFormat() const;
    /// Sets the caption of the push button.
    void setButtonText(const QString &text);
    /// The caption of the push button.
    QString buttonText() const;

private:
    void init(const QDateTime &dateTime, const QString &text);

    std::unique_ptr<QCustomDateTimeEditPrivate> const d;
};

#endif // QCUSTOMDATETIMEEDIT_H
