// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qmymessagebox.h"
#include "qokcancel.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

QList<Comparison> messageBenchmarks()
{
    Comparison box;
    box.ours = QStringLiteral("QMyMessageBox (question)");
    box.stock = QStringLiteral("QMessageBox (question)");
    box.runOurs = [] {
        auto *w = new QMyMessageBox;
        w->setTitle(QStringLiteral("Drive 3"));
        w->setContent(QStringLiteral("Restore the factory defaults?"));
        w->setImg(QStringLiteral(":/img/commonImge/question"));
        showPaintAndDelete(w);
    };
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
    five.runStock = [] {
        auto *w = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::RestoreDefaults
                                       | QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                       | QDialogButtonBox::Close);
        for (auto hidden : {QDialogButtonBox::Open, QDialogButtonBox::RestoreDefaults, QDialogButtonBox::Close})
            w->button(hidden)->hide();
        showPaintAndDelete(w);
    };

    return {box, bar, five};
}
