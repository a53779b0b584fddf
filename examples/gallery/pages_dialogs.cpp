// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "gallerypages.h"

#include "qcolorbutton.h"
#include "qexporttypedlg.h"
#include "qextendprogressdialog.h"
#include "qextendsliderdialog.h"
#include "qfolderedit.h"
#include "qmycolordlg.h"
#include "qpathlineedit.h"
#include "qsearchprogress.h"
#include "qstyleinputdialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *resultLabel(QWidget *page)
{
    auto *label = new QLabel(QCoreApplication::translate("Gallery", "Result: -"), page);
    label->setObjectName(QStringLiteral("resultLabel"));
    return label;
}

// Feeds @p dialog one step every @p intervalMs until @p steps, from a timer the dialog owns.
template<typename Dialog, typename Feed>
void feedSteps(Dialog *dialog, int steps, int intervalMs, Feed feed)
{
    auto *timer = new QTimer(dialog);
    auto *step = new int(0);
    QObject::connect(timer, &QTimer::timeout, dialog, [=] {
        if (*step >= steps) {
            timer->stop();
            return;
        }
        feed(++*step);
    });
    QObject::connect(dialog, &QObject::destroyed, [step] { delete step; });
    timer->start(intervalMs);
}

QWidget *progressPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *result = resultLabel(page);
    auto *buttons = new QGridLayout;

    auto *run = new QPushButton(QCoreApplication::translate("Gallery", "Progress fed by a timer"), page);
    QObject::connect(run, &QPushButton::clicked, page, [page, result] {
        QExtendProgressDialog dialog(page);
        dialog.slotSetRange(0, 50);
        QObject::connect(&dialog, &QExtendProgressDialog::sigProgressFinished, result,
                         [result] { result->setText(QStringLiteral("sigProgressFinished")); });
        dialog.startTimer(3000, TIMEOUT_FIRST_PROGRESS);
        feedSteps(&dialog, 50, 60, [&dialog](int step) { dialog.slotUpdateProgress(step); });
        const int code = dialog.exec();
        result->setText(result->text() + QStringLiteral(", exec() = %1").arg(code));
    });
    buttons->addWidget(run, 0, 0);

    auto *stall = new QPushButton(QCoreApplication::translate("Gallery", "Progress that times out"), page);
    QObject::connect(stall, &QPushButton::clicked, page, [page, result] {
        QExtendProgressDialog dialog(page, false);
        dialog.slotSetRange(0, 100);
        QObject::connect(&dialog, &QExtendProgressDialog::sigProgressTimeOut, result,
                         [result] { result->setText(QStringLiteral("sigProgressTimeOut")); });
        dialog.startTimer(1500, TIMEOUT_WHOLE_PROGRESS);
        feedSteps(&dialog, 30, 40, [&dialog](int step) { dialog.slotUpdateProgress(step); });
        const int code = dialog.exec();
        result->setText(result->text() + QStringLiteral(", exec() = %1").arg(code));
    });
    buttons->addWidget(stall, 0, 1);

    auto *search = new QPushButton(QCoreApplication::translate("Gallery", "Search progress"), page);
    QObject::connect(search, &QPushButton::clicked, page, [page, result] {
        QSearchProgress dialog(QCoreApplication::translate("Gallery", "Searching stations 1 to 32"), page);
        dialog.setMax(32);
        QObject::connect(&dialog, &QSearchProgress::SigCloseProgress, result,
                         [result] { result->setText(QCoreApplication::translate("Gallery", "SigCloseProgress: search stopped")); });
        feedSteps(&dialog, 32, 80, [&dialog](int step) { dialog.OnSetValue(step); });
        const int code = dialog.exec();
        result->setText(result->text() + QStringLiteral(", exec() = %1").arg(code));
    });
    buttons->addWidget(search, 1, 0);
    layout->addLayout(buttons);
    layout->addWidget(result);

    // Embedded previews so the page (and its screenshot) shows the looks.
    auto *preview = new QExtendProgressDialog(page, false);
    preview->setWindowFlags(Qt::Widget);
    preview->slotSetRange(0, 100);
    preview->slotUpdateProgress(40);
    layout->addWidget(preview, 0, Qt::AlignHCenter);

    auto *searchPreview = new QSearchProgress(QCoreApplication::translate("Gallery", "Searching stations 1 to 32"), page);
    searchPreview->setWindowFlags(Qt::Widget);
    searchPreview->setMax(32);
    searchPreview->OnSetValue(12);
    searchPreview->setFixedSize(496, 123);
    layout->addWidget(searchPreview, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

QWidget *valueDialogsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *result = resultLabel(page);
    auto *buttons = new QGridLayout;

    auto *slider = new QPushButton(QCoreApplication::translate("Gallery", "Slider dialog"), page);
    QObject::connect(slider, &QPushButton::clicked, page, [page, result] {
        QExtendSliderDialog dialog(page);
        dialog.setRange(0, dialog.time2Milliseconds(QStringLiteral("0:01:30:0")));
        dialog.setValue(dialog.time2Milliseconds(QStringLiteral("0:00:45:0")));
        QObject::connect(&dialog, &QExtendSliderDialog::sigSliderMoved, result, [result, &dialog](int value) {
            result->setText(QStringLiteral("sigSliderMoved: %1 (%2)")
                                .arg(dialog.milliseconds2Time(value).toString(QStringLiteral("mm:ss.zzz")))
                                .arg(dialog.getCurrentPercentage(), 0, 'f', 3));
        });
        dialog.exec();
    });
    buttons->addWidget(slider, 0, 0);

    auto *input = new QPushButton(QCoreApplication::translate("Gallery", "Input dialog"), page);
    QObject::connect(input, &QPushButton::clicked, page, [page, result] {
        QStyleInputDialog dialog(page);
        dialog.setTitle(QCoreApplication::translate("Gallery", "Rename axis"));
        dialog.setTooltip(QStringLiteral("A short name shown in the axis list"));
        const int code = dialog.exec();
        result->setText(QStringLiteral("exec() = %1, text() = \"%2\"").arg(code).arg(dialog.text()));
    });
    buttons->addWidget(input, 0, 1);

    auto *exportButton = new QPushButton(QCoreApplication::translate("Gallery", "Export dialog"), page);
    QObject::connect(exportButton, &QPushButton::clicked, page, [page, result] {
        QExportTypeDlg dialog(page);
        dialog.enableRadioButton();
        dialog.setRadioButtonText(QCoreApplication::translate("Gallery", "All groups"), QCoreApplication::translate("Gallery", "Modified only"));
        dialog.setRadioButtonChecked(RADIO_BUTTON_0);
        dialog.enableCheckBox();
        dialog.setCheckBoxText(QCoreApplication::translate("Gallery", "Include descriptions"));
        dialog.exec();
        result->setText(QStringLiteral("getFileType() = %1, radio %2, check box %3")
                            .arg(dialog.getFileType())
                            .arg(dialog.currentCheckedRadioButton())
                            .arg(dialog.isChecked()));
    });
    buttons->addWidget(exportButton, 1, 0);

    auto *color = new QPushButton(QCoreApplication::translate("Gallery", "Colour dialog"), page);
    QObject::connect(color, &QPushButton::clicked, page, [page, result] {
        QMyColorDlg dialog(QColor(0x79, 0x9c, 0xb1), page);
        const int code = dialog.exec();
        result->setText(QStringLiteral("exec() = %1, currentColor() = %2").arg(code).arg(dialog.currentColor().name()));
    });
    buttons->addWidget(color, 1, 1);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(QCoreApplication::translate("Gallery", "Curve colour (press to change):"), page));
    auto *colorButton = new QColorButton(page);
    colorButton->setColor(QColor(218, 54, 16));
    QObject::connect(colorButton, &QColorButton::SigColorChanged, result,
                     [result](const QColor &c) { result->setText(QCoreApplication::translate("Gallery", "SigColorChanged: %1").arg(c.name())); });
    colorRow->addWidget(colorButton);
    colorRow->addStretch();
    layout->addLayout(buttons);
    layout->addLayout(colorRow);
    layout->addWidget(result);

    auto *previews = new QHBoxLayout;
    auto *inputPreview = new QStyleInputDialog(page);
    inputPreview->setWindowFlags(Qt::Widget);
    inputPreview->setTitle(QCoreApplication::translate("Gallery", "Rename axis"));
    inputPreview->setFixedSize(270, 123);
    previews->addWidget(inputPreview);
    auto *sliderPreview = new QExtendSliderDialog(page);
    sliderPreview->setWindowFlags(Qt::Widget);
    sliderPreview->setRange(0, 200);
    sliderPreview->setValue(75);
    previews->addWidget(sliderPreview);
    previews->addStretch();
    layout->addLayout(previews);

    auto *exportPreview = new QExportTypeDlg(page);
    exportPreview->setWindowFlags(Qt::Widget);
    exportPreview->enableRadioButton();
    exportPreview->setRadioButtonText(QCoreApplication::translate("Gallery", "All groups"), QCoreApplication::translate("Gallery", "Modified only"));
    exportPreview->setRadioButtonChecked(RADIO_BUTTON_1);
    exportPreview->setFixedSize(400, 225);
    layout->addWidget(exportPreview);
    layout->addStretch();
    return page;
}

QWidget *colorPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *preview = new QMyColorDlg(QColor(0x79, 0x9c, 0xb1), page);
    preview->setWindowFlags(Qt::Widget);
    preview->setFixedSize(preview->sizeHint().expandedTo(QSize(605, 371)));
    layout->addWidget(preview, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

QWidget *pathPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *form = new QFormLayout;
    auto *folder = new QFolderEdit(page);
    folder->setPlaceholderText(QCoreApplication::translate("Gallery", "Type / : * ? and others: they are refused"));
    form->addRow(QCoreApplication::translate("Gallery", "Folder name"), folder);

    auto *path = new QPathLineEdit(page);
    path->setText(QStringLiteral("COM3"));
    auto *check = new QPushButton(QCoreApplication::translate("Gallery", "Check name"), page);
    auto *verdict = new QLabel(page);
    verdict->setObjectName(QStringLiteral("resultLabel"));
    const auto judge = [path, verdict] {
        verdict->setText(path->isValid() ? QCoreApplication::translate("Gallery", "usable name")
                                         : QCoreApplication::translate("Gallery", "empty, forbidden character or reserved device name"));
    };
    QObject::connect(check, &QPushButton::clicked, verdict, judge);
    auto *row = new QHBoxLayout;
    row->addWidget(path);
    row->addWidget(check);
    // The label names the edit, not the row around it.
    auto *pathLabel = new QLabel(QCoreApplication::translate("Gallery", "Port or file name"), page);
    pathLabel->setBuddy(path);
    form->addRow(pathLabel, row);
    form->addRow(QString(), verdict);

    auto *tip = new QLabel(folder->toolTip(), page);
    tip->setObjectName(QStringLiteral("tooltipLabel"));
    form->addRow(QCoreApplication::translate("Gallery", "Tool tip"), tip);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

} // namespace

QList<GalleryPage> dialogPages()
{
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Progress dialogs")), progressPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Value and input dialogs")), valueDialogsPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Colour dialog")), colorPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Path edits")), pathPage},
    };
}
