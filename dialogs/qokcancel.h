// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QOKCANCEL_H
#define QOKCANCEL_H

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"

#include <qbasestylewidget.h>

#include <memory>

class QOkCancelPrivate;

/// Row of confirmation buttons (Open, Default, OK, Cancel, Quit); a button set decides
/// which are visible. Each button only emits a signal, the embedding dialog decides its meaning.
/// Shown buttons are auto-default, hidden ones never default; on show a visible OK becomes the
/// enclosing QDialog's default button unless another shown button already is.
class WIDGETDECK_EXPORT QOkCancel : public QBaseStyleWidget
{
    Q_OBJECT
    /// Text of the OK button.
    Q_PROPERTY(QString okBtnText READ okBtnText WRITE setOkBtnText)
    /// Text of the Cancel button.
    Q_PROPERTY(QString cancelBtnText READ cancelBtnText WRITE setCancelBtnText)
    /// Whether the OK button is enabled.
    Q_PROPERTY(bool okBtnEnabled READ isOkBtnEnabled WRITE setOkBtnEnabled)
public:
    /// Builds the bar showing the buttons of @p type.
    explicit QOkCancel(QWidget *parent = nullptr, ConfirmBtnType_E type = CONFIRM_BTN_OK_CANCEL);
    /// Destroys the widget together with the children it created.
    ~QOkCancel() override;

    /// Shows exactly the buttons of @p type; a value outside the enumeration changes nothing.
    void setConfirmBtnType(ConfirmBtnType_E type);
    /// Replaces the text of the OK button.
    void setOkBtnText(const QString &text);
    /// Replaces the text of the Cancel button.
    void setCancelBtnText(const QString &text);
    /// Enables or disables the OK button; its visibility is not affected.
    void setOkBtnEnabled(bool enabled);
    /// The text of the OK button.
    QString okBtnText() const;
    /// The text of the Cancel button.
    QString cancelBtnText() const;
    /// Whether the OK button is enabled.
    bool isOkBtnEnabled() const;

Q_SIGNALS:
    /// The Open button was clicked.
    void SigOpen();
    /// The OK button was clicked.
    void SigOk();
    /// The Cancel or the Quit button was clicked.
    void SigCancel();
    /// The Default button was clicked.
    void SigDefault();

protected:
    /// Makes a shown OK the default button of the enclosing dialog when it has none.
    void showEvent(QShowEvent *event) override;
    /// Claims Space, Return and Enter from host shortcuts while one of the buttons has the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<QOkCancelPrivate> const d;
};

#endif // QOKCANCEL_H
