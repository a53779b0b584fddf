// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qeditip.h"
#include "qiplineedit.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>

#include <memory>

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

// The parts our editors are built of, from stock widgets under the same sheet: four
// frameless line edits in a row, inside a plain widget or inside a framed line edit.
QWidget *sameParts(bool framed, const char *name, const char *rule)
{
    QWidget *row = framed ? new QLineEdit : new QWidget;
    row->setStyleSheet(QString::fromLatin1(rule));
    auto *layout = new QHBoxLayout(row);
    for (int i = 0; i < 4; ++i) {
        auto *edit = new QLineEdit(QString::number(10 + i), row);
        edit->setObjectName(QString::fromLatin1(name) + QString::number(i));
        edit->setValidator(new QIntValidator(0, 255, edit));
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        layout->addWidget(edit);
    }
    if (framed)
        static_cast<QLineEdit *>(row)->setReadOnly(true);
    return row;
}

QWidget *editIP()
{
    auto *w = new QEditIP;
    w->setText(QStringLiteral("192.168.1.10"));
    return w;
}

QWidget *ipLineEdit()
{
    auto *w = new QIPLineEdit;
    w->setIP(QStringLiteral("192.168.1.10"));
    return w;
}

// Typing in the last octet: a digit after "10", then Backspace.
Comparison octetTyping(const QString &name, std::function<QWidget *()> make, const QString &octetName)
{
    return keystrokeRow(
        name, QStringLiteral("QLineEdit keystroke"), std::move(make), fourOctetEdits,
        [octetName](QWidget *w) { return w->findChild<QLineEdit *>(octetName); },
        [](QWidget *w) { return w->findChildren<QLineEdit *>().last(); }, Qt::Key_5, QStringLiteral("5"));
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
    // Polishing the segments under the editor's style sheet dominates the cost.
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

    const auto stockRow = []() -> QWidget * { return fourOctetEdits(); };
    return {segmented,
            octets,
            firstFrame(QStringLiteral("QEditIP (setText)"), QStringLiteral("four QLineEdits in a row"), editIP, stockRow),
            firstFrame(QStringLiteral("QIPLineEdit (setIP)"), QStringLiteral("four QLineEdits in a row"), ipLineEdit, stockRow),
            firstFrame(QStringLiteral("QEditIP (setText)"), QStringLiteral("the same parts from stock widgets"), editIP,
                       [] {
                           return sameParts(false, "ipSegment",
                                            "QLineEdit#ipSegment0,QLineEdit#ipSegment1,QLineEdit#ipSegment2,"
                                            "QLineEdit#ipSegment3{border:0px groove gray}");
                       }),
            firstFrame(QStringLiteral("QIPLineEdit (setIP)"), QStringLiteral("the same parts from stock widgets"), ipLineEdit,
                       [] {
                           return sameParts(true, "ipOctet",
                                            "QLineEdit#ipOctet0,QLineEdit#ipOctet1,QLineEdit#ipOctet2,"
                                            "QLineEdit#ipOctet3{border:none}");
                       }),
            octetTyping(QStringLiteral("QEditIP"), editIP, QStringLiteral("ipSegment3")),
            octetTyping(QStringLiteral("QIPLineEdit"), ipLineEdit, QStringLiteral("ipOctet3"))};
}
