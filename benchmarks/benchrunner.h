// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef BENCHRUNNER_H
#define BENCHRUNNER_H

#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QLineEdit;
class QPixmap;
class QWidget;

// One row of the benchmark table: the same operation done with our class and with the
// nearest stock Qt equivalent, timed alternately in the same run.
struct Comparison {
    QString ours;
    QString stock;
    std::function<void()> runOurs;  // one measured operation
    std::function<void()> runStock; // the same operation with stock Qt
    double target = 1.25;           // the ratio ours/stock should stay at or below this
    int runs = 41;                  // timed repetitions; the median is reported
    // First-frame rows only: builds our widget, for the pixel-identity check (--grab, --compare).
    std::function<QWidget *()> makeOurs;
    // Rows that report growth rather than a ratio to stock: the per-operation limit in
    // microseconds (0: none), printed instead of the target check when set.
    double limitMicros = 0;
};

// Shows a freshly built widget, paints it once and destroys it.
void showPaintAndDelete(QWidget *widget);

// What a user waits for before the first frame: shows the widget (at @p size when valid), lets
// the event loop polish, lay out and expose it, and grabs the window.
QPixmap showAndGrab(QWidget *widget, const QSize &size = QSize());

// A first-frame row: ours is built, shown, processed and grabbed; then stock the same way,
// resized to the size ours had.
Comparison firstFrame(const QString &ours, const QString &stock, std::function<QWidget *()> makeOurs,
                      std::function<QWidget *()> makeStock, double target = 1.25);

// A row of single interactions (a key, a click, a step) with their repaint: many runs, and each
// operation of ours must stay under 1 ms.
Comparison interactionRow(const QString &ours, const QString &stock, std::function<void()> runOurs,
                          std::function<void()> runStock);

// A keystroke row: our widget and the stock one are built and shown once (stock at our size);
// each operation types @p text into the line edit @p ourEdit or @p stockEdit finds, the next
// takes it back with Backspace, each with its repaint.
Comparison keystrokeRow(const QString &ours, const QString &stock, std::function<QWidget *()> makeOurs,
                        std::function<QWidget *()> makeStock, std::function<QLineEdit *(QWidget *)> ourEdit,
                        std::function<QLineEdit *(QWidget *)> stockEdit, int key, const QString &text);

// Sends one key press and release to @p target, then lets the event loop run the reaction and
// the repaint it asked for.
void keystroke(QWidget *target, int key, const QString &text = QString());
// The same for one left click in the middle of @p target.
void click(QWidget *target);
// Lets the event loop run everything pending, the repaint included.
void settle();

// One function per group of widget families; each lives in its own bench_*.cpp.
QList<Comparison> messageBenchmarks();
QList<Comparison> numericBenchmarks();
QList<Comparison> networkBenchmarks();
QList<Comparison> dialogBenchmarks();
QList<Comparison> buttonBenchmarks();

#endif // BENCHRUNNER_H
