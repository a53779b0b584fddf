// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QIPLINEEDIT_H
#define QIPLINEEDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

#include <memory>

class QIPLineEditPrivate;

/// Fixed-size IPv4 entry: a read-only line edit hosting four frameless octet editors with
/// painted dots between them. Return cycles through the octets; Tab and Shift+Tab walk them and
/// then leave the editor; a full octet hands on.
class WIDGETDECK_EXPORT QIPLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    /// Builds the 150 x 20 editor with four empty octets.
    explicit QIPLineEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QIPLineEdit() override;

    /// The dotted address; an empty octet reads as "0", leading zeros stay as typed.
    QString getIP() const;
    /// Shows @p ip when it is a dotted IPv4 address; otherwise warns and changes nothing.
    void setIP(const QString &ip);
    /// Has no effect; kept for hosts that call it with a numeric address.
    void setIP(const int &ip);

Q_SIGNALS:
    /// A key other than the navigation keys was pressed in octet editor @p pEdit.
    void signalTextChanged(QLineEdit *pEdit);

public Q_SLOTS:
    /// Moves to the next octet once @p pEdit holds three characters.
    void slotTextChanged(QLineEdit *pEdit);

protected:
    /// True when @p ip is four dot-separated octets of 0 to 255 and nothing else.
    bool isValidIP(const QString &ip);
    /// Index 0 to 3 of @p edit among the octet editors, or -1.
    int getIndex(QLineEdit *edit);
    /// Focuses the first octet when shown; Tab, Shift+Tab, Return and the cursor keys move between octets.
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Paints the line edit and the dots between the octets.
    void paintEvent(QPaintEvent *event) override;

private:
    static QString getIPItemStr(unsigned char value);
    void focusOctet(int index, bool cursorAtEnd);

    std::unique_ptr<QIPLineEditPrivate> const d;
};

#endif // QIPLINEEDIT_H
