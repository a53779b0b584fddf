// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEXPORTTYPEDLG_H
#define QEXPORTTYPEDLG_H

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"

#include <qbasedlg.h>

#include <memory>

class QExportTypeDlgPrivate;

/// Asks for the export format (database or CSV file); either format button chooses and closes.
/// Optional radio buttons and a check box carry extra options whose texts the host supplies.
class WIDGETDECK_EXPORT QExportTypeDlg : public QBaseDlg
{
    Q_OBJECT
public:
    /// Builds the dialog with the options hidden and no format chosen.
    explicit QExportTypeDlg(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QExportTypeDlg() override;

    /// The chosen format; FILE_TYPE_NONE when the dialog was closed otherwise.
    enFileType getFileType() const;
    /// Shows the two radio buttons.
    void enableRadioButton();
    /// Shows the check box.
    void enableCheckBox();
    /// Sets the radio button texts; an empty text leaves that button's text as it is.
    void setRadioButtonText(const QString &first, const QString &second);
    /// Checks the second radio button for RADIO_BUTTON_1, the first for any other value.
    void setRadioButtonChecked(enRadioButton button);
    /// RADIO_BUTTON_1 when the second radio button is checked, otherwise RADIO_BUTTON_0.
    enRadioButton currentCheckedRadioButton() const;
    /// Sets the check box text.
    void setCheckBoxText(const QString &text);
    /// Checks or unchecks the check box.
    void setChecked(bool checked);
    /// Whether the check box is checked.
    bool isChecked() const;

public Q_SLOTS:
    /// Chooses the database format and closes.
    void on_btn_db_clicked();
    /// Chooses the CSV format and closes.
    void on_btn_csv_clicked();

protected:
    /// Paints the frame and a 36-pixel title band through QBaseDlg.
    void paintEvent(QPaintEvent *event) override;
    /// Every run starts with no format chosen.
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<QExportTypeDlgPrivate> const d;
};

#endif // QEXPORTTYPEDLG_H
