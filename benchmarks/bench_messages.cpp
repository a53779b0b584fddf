// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qmymessagebox.h"
#include "qokcancel.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <memory>

namespace {
QMyMessageBox *questionBox()
{
    auto *w = new QMyMessageBox;
    w->setTitle(QStringLiteral("Drive 3"));
    w->setContent(QStringLiteral("Restore the factory defaults?"));
    w->setImg(QStringLiteral(":/img/commonImge/question"));
    return w;
}

QDialogButtonBox *fiveButtonBox()
{
    auto *w = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::RestoreDefaults | QDialogButtonBox::Ok
                                   | QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    for (auto hidden : {QDialogButtonBox::Open, QDialogButtonBox::RestoreDefaults, QDialogButtonBox::Close})
        w->button(hidden)->hide();
    return w;
}

// QMessageBox fixes its own size when it shows (smaller than ours), so the stock side of its
// first-frame row paints fewer pixels; these are its parts in a dialog that takes our size.
QWidget *stockBoxParts()
{
    auto *w = new QDialog;
    w->setWindowTitle(QStringLiteral("Drive 3"));
    auto *grid = new QGridLayout(w);
    auto *icon = new QLabel;
    icon->setPixmap(w->style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    grid->addWidget(icon, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Restore the factory defaults?")), 0, 1);
    grid->addWidget(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), 1, 0, 1, 2);
    return w;
}

// Both bars shown for the click rows; OK is clicked and repainted each time.
struct ClickScene {
    std::unique_ptr<QOkCancel> ours;
    std::unique_ptr<QDialogButtonBox> stock;
    void build()
    {
        if (ours)
            return;
        ours.reset(new QOkCancel);
        stock.reset(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
        showAndGrab(ours.get());
        showAndGrab(stock.get(), ours->size());
    }
};
} // namespace

QList<Comparison> messageBenchmarks()
{
    Comparison box;
    box.ours = QStringLiteral("QMyMessageBox (question)");
    box.stock = QStringLiteral("QMessageBox (question)");
    box.runOurs = [] { showPaintAndDelete(questionBox()); };
    box.runStock = [] {
        auto *w = new QMessageBox(QMessageBox::Question, QStringLiteral("Drive 3"),
                                  QStringLiteral("Restore the factory defaults?"),
                                  QMessageBox::Ok | QMessageBox::Cancel);
        showPaintAndDelete(w);
    };

    Comparison bar;
    bar.ours = QStringLiteral("QOkCancel (OK, Cancel)");
    bar.stock = QStringLiteral("QDialogButtonBox (Ok, Cancel)");
    bar.runOurs = [] { showPaintAndDelete(new QOkCancel); };
    bar.runStock = [] { showPaintAndDelete(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)); };

    // The bar always holds its five buttons and switches sets by hiding some; this row
    // compares it with a stock box holding the same five buttons, three of them hidden.
    Comparison five;
    five.ours = QStringLiteral("QOkCancel (five buttons, two shown)");
    five.stock = QStringLiteral("QDialogButtonBox (five, two shown)");
    five.runOurs = bar.runOurs;
    five.runStock = [] { showPaintAndDelete(fiveButtonBox()); };

    const auto makeBox = []() -> QWidget * { return questionBox(); };
    const Comparison boxFrame = firstFrame(QStringLiteral("QMyMessageBox (question)"), QStringLiteral("QMessageBox (question)"), makeBox, []() -> QWidget * {
        return new QMessageBox(QMessageBox::Question, QStringLiteral("Drive 3"),
                               QStringLiteral("Restore the factory defaults?"), QMessageBox::Ok | QMessageBox::Cancel);
    });
    Comparison boxPartsFrame = firstFrame(QStringLiteral("QMyMessageBox (question)"), QStringLiteral("QDialog with QMessageBox's parts, our size"),
                                          makeBox, [] { return stockBoxParts(); });
    boxPartsFrame.makeOurs = nullptr; // the same frame as the row above
    const auto makeBar = []() -> QWidget * { return new QOkCancel; };
    const Comparison barFrame = firstFrame(QStringLiteral("QOkCancel (OK, Cancel)"), QStringLiteral("QDialogButtonBox (Ok, Cancel)"), makeBar, []() -> QWidget * {
        return new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    });
    // Same form as the stock box: five buttons, two shown.
    Comparison fiveFrame = firstFrame(QStringLiteral("QOkCancel (five buttons, two shown)"), QStringLiteral("QDialogButtonBox (five, two shown)"), makeBar,
                                      []() -> QWidget * { return fiveButtonBox(); }, 1.1);
    fiveFrame.makeOurs = nullptr; // the same frame as the row above
    const auto defaultBar = []() -> QWidget * { return new QOkCancel(nullptr, CONFIRM_BTN_OK_CANCEL_DEFAULT); };
    const Comparison threeFrame = firstFrame(QStringLiteral("QOkCancel (Default, OK, Cancel)"), QStringLiteral("QDialogButtonBox (RestoreDefaults, Ok, Cancel)"), defaultBar, []() -> QWidget * {
        return new QDialogButtonBox(QDialogButtonBox::RestoreDefaults | QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    });
    const auto openBar = []() -> QWidget * { return new QOkCancel(nullptr, CONFIRM_BTN_OPEN_QUIT); };
    const Comparison openFrame = firstFrame(QStringLiteral("QOkCancel (Open, Quit)"), QStringLiteral("QDialogButtonBox (Open, Close)"), openBar, []() -> QWidget * {
        return new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close);
    });

    auto scene = std::make_shared<ClickScene>();
    const Comparison clickOk = interactionRow(
        QStringLiteral("QOkCancel click on OK, with repaint"), QStringLiteral("QDialogButtonBox click on Ok"),
        [scene] {
            scene->build();
            // OK is the first shown button of the bar.
            for (QPushButton *button : scene->ours->findChildren<QPushButton *>()) {
                if (button->isVisible()) {
                    click(button);
                    break;
                }
            }
        },
        [scene] {
            scene->build();
            click(scene->stock->button(QDialogButtonBox::Ok));
        });

    // Frame check only: a bar switched to another set after construction.
    Comparison switched;
    switched.ours = QStringLiteral("QOkCancel (OK, Cancel) switched to Open, Quit");
    switched.makeOurs = [] {
        auto *w = new QOkCancel;
        w->setConfirmBtnType(CONFIRM_BTN_OPEN_QUIT);
        return w;
    };
    Comparison success;
    success.ours = QStringLiteral("QMyMessageBox (success, Open, Quit)");
    success.makeOurs = [] {
        QMyMessageBox *w = questionBox();
        w->setBoxType(CONFIRM_BTN_OPEN_QUIT);
        return w;
    };

    return {box, bar, five, switched, success, boxFrame, boxPartsFrame, barFrame, fiveFrame, threeFrame, openFrame, clickOk};
}
