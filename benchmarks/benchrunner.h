// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef BENCHRUNNER_H
#define BENCHRUNNER_H

#include <QList>
#include <QString>

#include <functional>

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
};

// Shows a freshly built widget, paints it once and destroys it.
void showPaintAndDelete(QWidget *widget);

// One function per group of widget families; each lives in its own bench_*.cpp.
QList<Comparison> messageBenchmarks();
QList<Comparison> numericBenchmarks();
QList<Comparison> networkBenchmarks();
QList<Comparison> dialogBenchmarks();
QList<Comparison> buttonBenchmarks();

#endif // BENCHRUNNER_H
