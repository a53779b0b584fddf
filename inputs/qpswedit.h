#ifndef QPSWEDIT_H
#define QPSWEDIT_H

#include "widgetdeck_export.h"

#include <QLineEdit>

class QPushButton;

/// Password line edit that can carry, inside its right end, a flat button switching
/// between masked and readable text.
class WIDGETDECK_EXPORT QPswEdit : public QLineEdit
{
    Q_OBJECT
public:
    /// How the text is shown.
    enum DisplayMode {
        DisplayNormal = 0,     ///< readable, no toggle button
        DisplayPassword = 1,   ///< masked, no toggle button
        DisplaySwitchable = 2  ///< toggle button shown; each toggle flips masked and readable
    };

    /// Builds the edit in @p mode; a switchable edit starts masked.
    explicit QPswEdit(QWidget *parent = nullptr, DisplayMode mode = DisplaySwitchable);
    ~QPswEdit() override;

    /// Applies @p mode; for DisplaySwitchable this shows the button and toggles once.
    void setDisplayMode(DisplayMode mode);

private Q_SLOTS:
    void onChange();

private:
    QPushButton *m_toggle;
    bool m_toggled = false;
};

#endif // QPSWEDIT_H
