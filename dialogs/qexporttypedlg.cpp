#include "qexporttypedlg.h"
#include "ui_qexporttypedlg.h"

QExportTypeDlg::QExportTypeDlg(QWidget *parent)
    : QBaseDlg(parent)
    , ui(new Ui::exportDlg)
{
    ui->setupUi(this);
    ui->checkBox->hide();
    ui->radioButton_0->hide();
    ui->radioButton_1->hide();
    setTitle(tr("STR_EXPORT_FUNCODE"));
}

QExportTypeDlg::~QExportTypeDlg()
{
    delete ui;
}

enFileType QExportTypeDlg::getFileType() const
{
    return m_fileType;
}

void QExportTypeDlg::enableRadioButton()
{
    ui->radioButton_0->show();
    ui->radioButton_1->show();
}

void QExportTypeDlg::enableCheckBox()
{
    ui->checkBox->show();
}

void QExportTypeDlg::setRadioButtonText(const QString &first, const QString &second)
{
    if (!first.isEmpty())
        ui->radioButton_0->setText(first);
    if (!second.isEmpty())
        ui->radioButton_1->setText(second);
}

void QExportTypeDlg::setRadioButtonChecked(enRadioButton button)
{
    if (button == RADIO_BUTTON_1) {
        ui->radioButton_1->setChecked(true);
        ui->radioButton_0->setChecked(false);
    } else {
        ui->radioButton_0->setChecked(true);
        ui->radioButton_1->setChecked(false);
    }
}

enRadioButton QExportTypeDlg::currentCheckedRadioButton() const
{
    return ui->radioButton_1->isChecked() ? RADIO_BUTTON_1 : RADIO_BUTTON_0;
}

void QExportTypeDlg::setCheckBoxText(const QString &text)
{
    ui->checkBox->setText(text);
}

void QExportTypeDlg::setChecked(bool checked)
{
    ui->checkBox->setChecked(checked);
}

bool QExportTypeDlg::isChecked() const
{
    return ui->checkBox->isChecked();
}

void QExportTypeDlg::on_btn_db_clicked()
{
    m_fileType = FILE_TYPE_DB;
    QBaseDlg::close();
}

void QExportTypeDlg::on_btn_csv_clicked()
{
    m_fileType = FILE_TYPE_CSV;
    QBaseDlg::close();
}

void QExportTypeDlg::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}
