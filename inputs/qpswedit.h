// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QPSWEDIT_H
#define QPSWEDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

#include <memory>

class QPswEditPrivate;

/// Password line edit that can carry, inside its right end, a flat button switching
/// between masked and readable text. The button never takes the focus and is never a
/// dialog's default: Return in the edit reaches the host dialog. Keyboard users switch
/// with Alt+F8 while the edit has the focus, or through the button's accessible press action.
class WIDGETDECK_EXPORT QPswEdit : public QLineEdit
{
    Q_OBJECT
    /// How the text is shown.
    Q_PROPERTY(DisplayMode displayMode READ displayMode WRITE setDisplayMode)
public:
    /// How the text is shown.
    enum DisplayMode {
        DisplayNormal = 0,     ///< readable, no toggle button
        DisplayPassword = 1,   ///< masked, no toggle button
        DisplaySwitchable = 2  ///< toggle button shown; each toggle flips masked and readable
    };
    Q_ENUM(DisplayMode)

    /// Builds the edit in @p mode; a switchable edit starts masked.
    explicit QPswEdit(QWidget *parent = nullptr, DisplayMode mode = DisplaySwitchable);
    /// Destroys the widget together with the children it created.
    ~QPswEdit() override;

    /// Applies @p mode; for DisplaySwitchable this shows the button and toggles once.
    void setDisplayMode(DisplayMode mode);
    /// The mode last applied.
    DisplayMode displayMode() const;

protected:
    /// Alt+F8 switches a switchable edit between masked and readable text.
    void keyPressEvent(QKeyEvent *event) override;
    /// Claims Alt+F8 from host shortcuts while the edit has the focus and is switchable.
    bool event(QEvent *event) override;

private Q_SLOTS:
    void onChange();

private:
    std::unique_ptr<QPswEditPrivate> const d;
};

#endif // QPSWEDIT_H
