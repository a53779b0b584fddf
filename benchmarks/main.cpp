// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Benchmark runner: prints, per comparison, the median time of our class and of the nearest
// stock Qt equivalent, both measured in this run, and their ratio.
//   widgetdeck-bench [FILTER]   only rows whose names contain FILTER
#include "benchrunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <vector>

void showPaintAndDelete(QWidget *widget)
{
    widget->show();
    widget->repaint();
    delete widget;
}

namespace {

double medianMicros(std::vector<qint64> &samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString filter = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    QList<Comparison> rows;
#ifdef BENCH_HAS_MESSAGES
    rows << messageBenchmarks();
#endif
#ifdef BENCH_HAS_NUMERIC
    rows << numericBenchmarks();
#endif
#ifdef BENCH_HAS_NETWORK
    rows << networkBenchmarks();
#endif
#ifdef BENCH_HAS_DIALOGS
    rows << dialogBenchmarks();
#endif
#ifdef BENCH_HAS_BUTTONS
    rows << buttonBenchmarks();
#endif

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("ours"), -44)
               .arg(QStringLiteral("stock"), -40)
               .arg(QStringLiteral("ours us"), 10)
               .arg(QStringLiteral("stock us"), 10)
               .arg(QStringLiteral("ratio"), 7)
               .arg(QStringLiteral("target"), 7);
    int above = 0;
    for (const Comparison &row : qAsConst(rows)) {
        if (!filter.isEmpty() && !row.ours.contains(filter) && !row.stock.contains(filter))
            continue;
        // Warm up both sides (fonts, styles, caches), then alternate so drift hits both.
        for (int i = 0; i < 3; ++i) {
            row.runOurs();
            row.runStock();
        }
        std::vector<qint64> ours, stock;
        QElapsedTimer timer;
        for (int i = 0; i < row.runs; ++i) {
            timer.start();
            row.runOurs();
            ours.push_back(timer.nsecsElapsed());
            timer.start();
            row.runStock();
            stock.push_back(timer.nsecsElapsed());
        }
        const double o = medianMicros(ours);
        const double s = medianMicros(stock);
        const double ratio = s > 0 ? o / s : 0;
        if (ratio > row.target)
            ++above;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6%7\n")
                   .arg(row.ours, -44)
                   .arg(row.stock, -40)
                   .arg(o, 10, 'f', 1)
                   .arg(s, 10, 'f', 1)
                   .arg(ratio, 7, 'f', 2)
                   .arg(row.target, 7, 'f', 2)
                   .arg(ratio > row.target ? QStringLiteral("  ABOVE TARGET") : QString());
        out.flush();
    }
    out << (above == 0 ? QStringLiteral("All ratios within target.\n")
                       : QStringLiteral("%1 ratio(s) above target.\n").arg(above));
    return 0;
}
