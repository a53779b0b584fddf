// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qeditip.h"
#include "qiplineedit.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>

namespace {

// The same thing built from stock parts: four validated line edits in a row.
QWidget *fourOctetEdits()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    auto *validator = new QIntValidator(0, 255, row);
    for (const char *octet : {"192", "168", "1", "10"}) {
        auto *edit = new QLineEdit(QString::fromLatin1(octet), row);
        edit->setValidator(validator);
        edit->setFrame(false);
        layout->addWidget(edit);
    }
    return row;
}

} // namespace

QList<Comparison> networkBenchmarks()
{
    Comparison segmented;
    segmented.ours = QStringLiteral("QEditIP (setText)");
    segmented.stock = QStringLiteral("four QLineEdits in a row");
    segmented.runOurs = [] {
        auto *w = new QEditIP;
        w->setText(QStringLiteral("192.168.1.10"));
        showPaintAndDelete(w);
    };
    segmented.runStock = [] { showPaintAndDelete(fourOctetEdits()); };
    // Each segment carries its own style sheet, and polishing those dominates the cost.
    segmented.target = 2.5;


    Comparison octets;
    octets.ours = QStringLiteral("QIPLineEdit (setIP)");
    octets.stock = QStringLiteral("four QLineEdits in a row");
    octets.runOurs = [] {
        auto *w = new QIPLineEdit;
        w->setIP(QStringLiteral("192.168.1.10"));
        showPaintAndDelete(w);
    };
    octets.runStock = [] { showPaintAndDelete(fourOctetEdits()); };
    // As above, plus the outer line edit and the painted dots.
    octets.target = 3.2;

    return {segmented, octets};
}
