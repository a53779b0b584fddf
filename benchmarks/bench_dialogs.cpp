// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qexporttypedlg.h"
#include "qextendprogressdialog.h"
#include "qextendsliderdialog.h"
#include "qmycolordlg.h"
#include "qsearchprogress.h"
#include "qstyleinputdialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include <memory>

#ifdef BENCH_HOST_IMAGES
// Outside any namespace, as the resource macros require.
static void hostImages(bool registered)
{
    if (registered)
        Q_INIT_RESOURCE(benchhostimages);
    else
        Q_CLEANUP_RESOURCE(benchhostimages);
}
#endif

namespace {
// The progress dialog's look comes from style sheets; a stock dialog dressed the same way is
// the fair comparison, since style-sheet polishing dominates the cost of both.
const char *const ProgressDialogSheet = "background-color:rgb(255,255,255);";
const char *const ProgressBarSheet = "QProgressBar:horizontal {\nborder: 2px solid gray;\nborder-radius: 3px;\n"
                                     "background: white;\npadding: 1px;\n}\n\n";
const char *const CancelButtonSheet = "QPushButton{\n\tborder:1px solid gray;\n\tpadding:3px;\n"
                                      "\tbackground:rgb(230,230,230);\n}\n\nQPushButton:hover{\n"
                                      "\tbackground-color: rgb(218, 54, 16);\n\tpadding:4px 1px 1px 1px;\n}\n\n"
                                      "QPushButton:pressed{\n\tbackground-color: rgb(164, 27, 0);\n"
                                      "\tpadding:5px 1px 1px 1px;\n}";
QWidget *ourProgress()
{
    auto *w = new QExtendProgressDialog;
    w->slotSetRange(0, 100);
    w->slotUpdateProgress(40);
    return w;
}

QProgressDialog *stockProgress()
{
    auto *w = new QProgressDialog(QStringLiteral("Status feedback"), QStringLiteral("Cancel"), 0, 100);
    w->setStyleSheet(QLatin1String(ProgressDialogSheet));
    w->findChild<QProgressBar *>()->setStyleSheet(QLatin1String(ProgressBarSheet));
    w->findChild<QPushButton *>()->setStyleSheet(QLatin1String(CancelButtonSheet));
    w->setValue(40);
    return w;
}

QWidget *ourInput()
{
    auto *w = new QStyleInputDialog;
    w->setTitle(QStringLiteral("Rename axis"));
    return w;
}

QWidget *stockInput()
{
    auto *w = new QInputDialog;
    w->setWindowTitle(QStringLiteral("Rename axis"));
    return w;
}

const char *const SliderDialogSheet = "QDialog{\nborder: 3px solid rgb(121,156,177);\nborder-radius: 8px;\n"
                                      "background-color:rgb(255,255,255);}";
const char *const SliderButtonSheet = "QPushButton{\n\tborder:1px solid gray;\n\tpadding:3px;\n\tbackground:rgb(230,230,230);\n}\n\n"
                                      "QPushButton:hover{\n\tbackground-color:rgb(140, 181, 204);\n\tpadding:4px 1px 1px 1px;\n}\n\n"
                                      "QPushButton:pressed{\n\tbackground-color: rgb(121,156,177);\n\tpadding:5px 1px 1px 1px;\n}";

QWidget *stockSlider()
{
    auto *w = new QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    w->setStyleSheet(QLatin1String(SliderDialogSheet));
    auto *column = new QVBoxLayout(w);
    auto *slider = new QSlider(Qt::Horizontal, w);
    slider->setValue(40);
    column->addWidget(slider);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(w));
    auto *close = new QPushButton(QStringLiteral("STR_CLOSE"), w);
    close->setStyleSheet(QLatin1String(SliderButtonSheet));
    close->setMinimumSize(85, 35);
    row->addWidget(close);
    column->addLayout(row);
    return w;
}

// A frameless dialog with a close button in its corner, as our dialogs' base class builds it.
QDialog *stockFrameless(QVBoxLayout **column)
{
    auto *w = new QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    w->setWindowTitle(QStringLiteral("Search"));
    auto *close = new QToolButton(w);
    close->setAutoRaise(true);
    close->setText(QStringLiteral("\u2715"));
    *column = new QVBoxLayout(w);
    return w;
}

QWidget *stockSearch()
{
    QVBoxLayout *column = nullptr;
    QDialog *w = stockFrameless(&column);
    auto *bar = new QProgressBar(w);
    bar->setValue(40);
    column->addWidget(bar);
    return w;
}

QWidget *stockExport()
{
    QVBoxLayout *column = nullptr;
    QDialog *w = stockFrameless(&column);
    column->addWidget(new QLabel(QStringLiteral("STR_SELECT_EXPORT_FORMAT"), w));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QPushButton(QStringLiteral("STR_DB_FILE"), w));
    buttons->addWidget(new QPushButton(QStringLiteral("STR_CSV_FILE"), w));
    column->addLayout(buttons);
    auto *radios = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto *radio = new QRadioButton(QStringLiteral("RadioButton"), w);
        radio->hide();
        radios->addWidget(radio);
    }
    column->addLayout(radios);
    auto *check = new QCheckBox(QStringLiteral("CheckBox"), w);
    check->hide();
    column->addWidget(check);
    column->addWidget(new QLabel(QStringLiteral("STR_EXPORT_CAN_BE_IMPORT"), w));
    return w;
}

struct ProgressScene {
    std::unique_ptr<QExtendProgressDialog> ours;
    std::unique_ptr<QProgressDialog> stock;
    int step = 0;
    void build()
    {
        if (ours)
            return;
        ours.reset(static_cast<QExtendProgressDialog *>(ourProgress()));
        showAndGrab(ours.get());
        stock.reset(stockProgress());
        showAndGrab(stock.get(), ours->size());
    }
};

#ifdef BENCH_HOST_IMAGES
// Runs @p run with the close images registered, as in a host that supplies them. Once loaded
// they stay in Qt's pixmap cache, as they would in the host.
std::function<void()> withHostImages(std::function<void()> run)
{
    return [run] {
        hostImages(true);
        run();
        hostImages(false);
    };
}

QList<Comparison> hostImageRows(const Comparison &construct, const Comparison &frame)
{
    QList<Comparison> rows{construct, frame};
    for (Comparison &row : rows) {
        row.ours.replace(QLatin1String("QExtendProgressDialog"), QLatin1String("QExtendProgressDialog, the host's close images"));
        row.runOurs = withHostImages(row.runOurs);
        row.runStock = withHostImages(row.runStock);
        if (row.makeOurs) {
            row.makeOurs = [make = row.makeOurs]() -> QWidget * {
                hostImages(true);
                return make();
            };
        }
    }
    return rows;
}
#endif

} // namespace

QList<Comparison> dialogBenchmarks()
{
#ifdef BENCH_HOST_IMAGES
    // Registered only by the rows that name them; the rest show the dialog as a host without them.
    hostImages(false);
#endif
    Comparison progress;
    progress.ours = QStringLiteral("QExtendProgressDialog");
    progress.stock = QStringLiteral("QProgressDialog (same style sheets)");
    progress.runOurs = [] {
        auto *w = new QExtendProgressDialog;
        w->slotSetRange(0, 100);
        w->slotUpdateProgress(40);
        showPaintAndDelete(w);
    };
    progress.runStock = [] {
        auto *w = new QProgressDialog(QStringLiteral("Status feedback"), QStringLiteral("Cancel"), 0, 100);
        w->setStyleSheet(QLatin1String(ProgressDialogSheet));
        w->findChild<QProgressBar *>()->setStyleSheet(QLatin1String(ProgressBarSheet));
        w->findChild<QPushButton *>()->setStyleSheet(QLatin1String(CancelButtonSheet));
        w->setValue(40);
        showPaintAndDelete(w);
    };

    Comparison input;
    input.ours = QStringLiteral("QStyleInputDialog");
    input.stock = QStringLiteral("QInputDialog");
    input.runOurs = [] {
        auto *w = new QStyleInputDialog;
        w->setTitle(QStringLiteral("Rename axis"));
        showPaintAndDelete(w);
    };
    input.runStock = [] {
        auto *w = new QInputDialog;
        w->setWindowTitle(QStringLiteral("Rename axis"));
        showPaintAndDelete(w);
    };

    Comparison color;
    color.ours = QStringLiteral("QMyColorDlg");
    color.stock = QStringLiteral("QColorDialog");
    color.runOurs = [] { showPaintAndDelete(new QMyColorDlg(QColor(0x79, 0x9c, 0xb1))); };
    color.runStock = [] {
        auto *w = new QColorDialog(QColor(0x79, 0x9c, 0xb1));
        w->setOption(QColorDialog::DontUseNativeDialog);
        showPaintAndDelete(w);
    };

    auto progressScene = std::make_shared<ProgressScene>();
    const Comparison progressStep = interactionRow(
        QStringLiteral("QExtendProgressDialog step, with repaint"), QStringLiteral("QProgressDialog::setValue"),
        [progressScene] {
            progressScene->build();
            progressScene->ours->slotUpdateProgress(1 + progressScene->step++ % 98);
            settle();
        },
        [progressScene] {
            progressScene->build();
            progressScene->stock->setValue(1 + progressScene->step % 98);
            settle();
        });

    const auto lineEdit = [](QWidget *w) { return w->findChild<QLineEdit *>(); };
    const Comparison inputKey = keystrokeRow(QStringLiteral("QStyleInputDialog"), QStringLiteral("QInputDialog keystroke"),
                                             ourInput, stockInput, lineEdit, lineEdit, Qt::Key_A, QStringLiteral("a"));

    const Comparison progressFrame = firstFrame(QStringLiteral("QExtendProgressDialog"), QStringLiteral("QProgressDialog (same style sheets)"),
                                                ourProgress, []() -> QWidget * { return stockProgress(); });
    QList<Comparison> rows{progress,
                           input,
                           color,
                           progressFrame,
                           firstFrame(QStringLiteral("QStyleInputDialog"), QStringLiteral("QInputDialog"), ourInput, stockInput),
                           firstFrame(QStringLiteral("QExtendSliderDialog"), QStringLiteral("QDialog with the same stock widgets and sheets"),
                                      [] {
                                          auto *w = new QExtendSliderDialog;
                                          w->setValue(40);
                                          return w;
                                      },
                                      stockSlider),
                           firstFrame(QStringLiteral("QSearchProgress"), QStringLiteral("frameless QDialog, close button, QProgressBar"),
                                      [] { return new QSearchProgress(QStringLiteral("Search")); }, stockSearch),
                           firstFrame(QStringLiteral("QExportTypeDlg"), QStringLiteral("frameless QDialog with the same stock widgets"),
                                      [] { return new QExportTypeDlg; }, stockExport),
                           firstFrame(QStringLiteral("QMyColorDlg"), QStringLiteral("QColorDialog"),
                                      [] { return new QMyColorDlg(QColor(0x79, 0x9c, 0xb1)); },
                                      [] {
                                          auto *w = new QColorDialog(QColor(0x79, 0x9c, 0xb1));
                                          w->setOption(QColorDialog::DontUseNativeDialog);
                                          return w;
                                      }),
                           progressStep,
                           inputKey};
#ifdef BENCH_HOST_IMAGES
    // Last: once loaded, the images stay cached for every later row that shows the dialog.
    rows += hostImageRows(progress, progressFrame);
#endif
    return rows;
}
