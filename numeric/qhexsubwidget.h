// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QHEXSUBWIDGET_H
#define QHEXSUBWIDGET_H

#include <QList>
#include <QWidget>

class QHexLineEdit;
class QIntLineEdit;
class QLabel;
class QPushButton;

/// One value shown three ways: a row of bit buttons, a decimal and a hexadecimal editor.
/// Every change made through the panel stays within its range. Internal to QHexDlg.
class QHexSubWidget : public QWidget
{
    Q_OBJECT
public:
    /// An empty panel; setupBits() builds it.
    explicit QHexSubWidget(QWidget *parent = nullptr);
    ~QHexSubWidget() override;

    /// Builds the panel for @p bits bits (clamped to 1..32). Call once.
    void setupBits(int bits);
    /// Sets the value as given (not compared with the range) and refreshes the display.
    void setValue(int v);
    /// The current value.
    int value() const;
    /// Bounds the changes made through the panel; false (and no change) when @p min > @p max.
    bool setRange(int min, int max);
    /// Disables the bit buttons and makes both editors read-only.
    void setReadOnly();
    /// Shows the current value on the bit buttons and in both editors.
    void updateDisplay();

Q_SIGNALS:
    /// The decimal editor's text changed; @p value is that text read as a decimal number.
    void sigValueChanged(int value);

public Q_SLOTS:
    /// Moves the value towards the decimal editor's text, one in-range bit at a time.
    void onChangeCurValue();
    /// Moves the value towards the hexadecimal editor's text, one in-range bit at a time.
    void onChangeCurValueHex();
    /// Flips bit @p index if the result stays within the range.
    void onBtnGroup(int index);

private:
    void toggleBit(int bit);
    void walkTowards(int target);
    bool inRange(int v) const;
    void showBit(int bit);
    void writeEditors();
    void retranslate();

    QList<QPushButton *> m_buttons;
    QIntLineEdit *m_decimalEdit = nullptr;
    QHexLineEdit *m_hexEdit = nullptr;
    QLabel *m_decimalRange = nullptr;
    QLabel *m_hexRange = nullptr;
    QLabel *m_binaryLabel = nullptr;
    QLabel *m_decimalLabel = nullptr;
    QLabel *m_hexLabel = nullptr;
    int m_value = 0;
    int m_min = 0;
    int m_max = 0;
    int m_bits = 0;
};

#endif // QHEXSUBWIDGET_H
