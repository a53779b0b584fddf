// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qexporttypedlg.h"
#include "ui_qexporttypedlg.h"

class QExportTypeDlgPrivate
{
public:
    Ui::exportDlg ui;
    enFileType m_fileType = FILE_TYPE_NONE;
};

QExportTypeDlg::QExportTypeDlg(QWidget *parent)
    : QBaseDlg(parent)
    , d(new QExportTypeDlgPrivate)
{
    d->ui.setupUi(this);
    d->ui.checkBox->hide();
    d->ui.radioButton_0->hide();
    d->ui.radioButton_1->hide();
    setTitle(tr("STR_EXPORT_FUNCODE"));
}

QExportTypeDlg::~QExportTypeDlg() = default;

enFileType QExportTypeDlg::getFileType() const
{
    return d->m_fileType;
}

void QExportTypeDlg::enableRadioButton()
{
    d->ui.radioButton_0->show();
    d->ui.radioButton_1->show();
}

void QExportTypeDlg::enableCheckBox()
{
    d->ui.checkBox->show();
}

void QExportTypeDlg::setRadioButtonText(const QString &first, const QString &second)
{
    if (!first.isEmpty())
        d->ui.radioButton_0->setText(first);
    if (!second.isEmpty())
        d->ui.radioButton_1->setText(second);
}

void QExportTypeDlg::setRadioButtonChecked(enRadioButton button)
{
    if (button == RADIO_BUTTON_1) {
        d->ui.radioButton_1->setChecked(true);
        d->ui.radioButton_0->setChecked(false);
    } else {
        d->ui.radioButton_0->setChecked(true);
        d->ui.radioButton_1->setChecked(false);
    }
}

enRadioButton QExportTypeDlg::currentCheckedRadioButton() const
{
    return d->ui.radioButton_1->isChecked() ? RADIO_BUTTON_1 : RADIO_BUTTON_0;
}

void QExportTypeDlg::setCheckBoxText(const QString &text)
{
    d->ui.checkBox->setText(text);
}

void QExportTypeDlg::setChecked(bool checked)
{
    d->ui.checkBox->setChecked(checked);
}

bool QExportTypeDlg::isChecked() const
{
    return d->ui.checkBox->isChecked();
}

void QExportTypeDlg::on_btn_db_clicked()
{
    d->m_fileType = FILE_TYPE_DB;
    QBaseDlg::close();
}

void QExportTypeDlg::on_btn_csv_clicked()
{
    d->m_fileType = FILE_TYPE_CSV;
    QBaseDlg::close();
}

void QExportTypeDlg::showEvent(QShowEvent *event)
{
    // A run closed without a choice must not report the previous run's format.
    d->m_fileType = FILE_TYPE_NONE;
    QBaseDlg::showEvent(event);
}

void QExportTypeDlg::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
