// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Benchmark runner: prints, per comparison, the median time of our class and of the nearest
// stock Qt equivalent, both measured in this run, and their ratio.
//   widgetdeck-bench [FILTER]                only rows whose names contain FILTER
//   widgetdeck-bench --grab DIR [FILTER]     writes the first frame of each of our classes
//   widgetdeck-bench --compare DIR [FILTER]  compares the first frames with those in DIR
#include "benchrunner.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPixmap>
#include <QTextStream>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

void showPaintAndDelete(QWidget *widget)
{
    widget->show();
    widget->repaint();
    delete widget;
}

Comparison interactionRow(const QString &ours, const QString &stock, std::function<void()> runOurs,
                          std::function<void()> runStock)
{
    Comparison row;
    row.ours = ours;
    row.stock = stock;
    row.runOurs = std::move(runOurs);
    row.runStock = std::move(runStock);
    row.limitMicros = 1000;
    row.runs = 201;
    return row;
}

Comparison keystrokeRow(const QString &ours, const QString &stock, std::function<QWidget *()> makeOurs,
                        std::function<QWidget *()> makeStock, std::function<QLineEdit *(QWidget *)> ourEdit,
                        std::function<QLineEdit *(QWidget *)> stockEdit, int key, const QString &text)
{
    struct Side {
        std::unique_ptr<QWidget> widget;
        QLineEdit *edit = nullptr;
        int step = 0;
    };
    struct Scene {
        Side ours, stock;
    };
    auto scene = std::make_shared<Scene>();
    const auto build = [scene, makeOurs, makeStock, ourEdit, stockEdit] {
        if (scene->ours.widget)
            return;
        scene->ours.widget.reset(makeOurs());
        showAndGrab(scene->ours.widget.get());
        scene->stock.widget.reset(makeStock());
        showAndGrab(scene->stock.widget.get(), scene->ours.widget->size());
        scene->ours.edit = ourEdit(scene->ours.widget.get());
        scene->stock.edit = stockEdit(scene->stock.widget.get());
        for (QLineEdit *edit : {scene->ours.edit, scene->stock.edit}) {
            edit->setFocus();
            edit->end(false);
        }
    };
    const auto step = [key, text](Side &side) {
        if (side.step++ % 2 == 0)
            keystroke(side.edit, key, text);
        else
            keystroke(side.edit, Qt::Key_Backspace);
    };
    return interactionRow(
        ours + QStringLiteral(" keystroke, with repaint"), stock,
        [scene, build, step] {
            build();
            step(scene->ours);
        },
        [scene, build, step] {
            build();
            step(scene->stock);
        });
}

void settle()
{
    // Posted events may post more (polish, layout request, update request): run them out.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QPixmap showAndGrab(QWidget *widget, const QSize &size)
{
    if (size.isValid())
        widget->resize(size);
    widget->show();
    settle();
    for (int i = 0; i < 20 && widget->windowHandle() && !widget->windowHandle()->isExposed(); ++i)
        settle();
    return widget->grab();
}

Comparison firstFrame(const QString &ours, const QString &stock, std::function<QWidget *()> makeOurs,
                      std::function<QWidget *()> makeStock, double target)
{
    auto size = std::make_shared<QSize>();
    Comparison row;
    row.ours = ours + QStringLiteral(", first frame");
    row.stock = stock;
    row.target = target;
    row.makeOurs = makeOurs;
    // The first (warm-up) run finds our natural size; from then on both sides are resized to
    // it before they show, so neither pays for the size-hint pass a top-level show adds.
    row.runOurs = [size, makeOurs] {
        QWidget *w = makeOurs();
        showAndGrab(w, *size);
        *size = w->size();
        delete w;
    };
    row.runStock = [size, makeStock] {
        QWidget *w = makeStock();
        showAndGrab(w, *size);
        delete w;
    };
    return row;
}

void keystroke(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    settle();
}

void click(QWidget *target)
{
    const QPointF at(target->width() / 2, target->height() / 2);
    const QPointF global = target->mapToGlobal(at.toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    settle();
}

namespace {

// The timed runs go through these two, so a profiler can count them alone, e.g.
//   valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*measuredOurs*' widgetdeck-bench ROW
Q_NEVER_INLINE void measuredOurs(const Comparison &row)
{
    row.runOurs();
}

Q_NEVER_INLINE void measuredStock(const Comparison &row)
{
    row.runStock();
}

double medianMicros(std::vector<qint64> &samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1000.0;
}

QString fileNameOf(const QString &row)
{
    QString name;
    for (const QChar c : row)
        name += c.isLetterOrNumber() ? c : QLatin1Char('_');
    return name + QStringLiteral(".png");
}

// --grab and --compare: the first frame of each of our classes, built once to warm up.
int grabFrames(const QList<Comparison> &rows, const QString &filter, const QString &dir, bool compare)
{
    QTextStream out(stdout);
    QDir().mkpath(dir);
    int differing = 0, missing = 0, checked = 0;
    for (const Comparison &row : rows) {
        if (!row.makeOurs || (!filter.isEmpty() && !row.ours.contains(filter)))
            continue;
        delete row.makeOurs();
        QWidget *w = row.makeOurs();
        const QImage frame = showAndGrab(w).toImage().convertToFormat(QImage::Format_ARGB32);
        delete w;
        const QString path = QDir(dir).filePath(fileNameOf(row.ours));
        ++checked;
        if (!compare) {
            frame.save(path);
            out << QStringLiteral("%1  %2x%3  %4\n").arg(row.ours, -52).arg(frame.width()).arg(frame.height()).arg(path);
            continue;
        }
        const QImage before(path);
        if (before.isNull()) {
            ++missing;
            out << QStringLiteral("%1  no earlier frame\n").arg(row.ours, -52);
            continue;
        }
        const QImage old = before.convertToFormat(QImage::Format_ARGB32);
        int pixels = 0;
        if (old.size() == frame.size()) {
            for (int y = 0; y < frame.height(); ++y) {
                const auto *a = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
                const auto *b = reinterpret_cast<const QRgb *>(old.constScanLine(y));
                for (int x = 0; x < frame.width(); ++x)
                    pixels += a[x] != b[x];
            }
        }
        const bool same = old.size() == frame.size() && pixels == 0;
        if (!same)
            ++differing;
        out << QStringLiteral("%1  %2\n")
                   .arg(row.ours, -52)
                   .arg(same ? QStringLiteral("identical")
                             : old.size() != frame.size()
                                 ? QStringLiteral("DIFFERS: %1x%2, was %3x%4")
                                       .arg(frame.width()).arg(frame.height()).arg(old.width()).arg(old.height())
                                 : QStringLiteral("DIFFERS in %1 pixel(s)").arg(pixels));
    }
    if (compare)
        out << QStringLiteral("%1 frame(s) compared, %2 differing, %3 without an earlier frame.\n")
                   .arg(checked).arg(differing).arg(missing);
    return compare && (differing || missing) ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString grabDir, compareDir;
    if (args.size() >= 2 && args.first() == QLatin1String("--grab")) {
        grabDir = args.at(1);
        args = args.mid(2);
    } else if (args.size() >= 2 && args.first() == QLatin1String("--compare")) {
        compareDir = args.at(1);
        args = args.mid(2);
    }
    const QString filter = args.value(0);
    // Validators log every input on the debug stream; keep the table readable.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    // Texts as a host shows them: the English catalogue, not the bare keys.
    QTranslator english;
    if (english.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")))
        QCoreApplication::installTranslator(&english);

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
    if (!grabDir.isEmpty() || !compareDir.isEmpty())
        return grabFrames(rows, filter, grabDir.isEmpty() ? compareDir : grabDir, !compareDir.isEmpty());

    QTextStream out(stdout);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("ours"), -52)
               .arg(QStringLiteral("stock"), -48)
               .arg(QStringLiteral("ours us"), 10)
               .arg(QStringLiteral("stock us"), 10)
               .arg(QStringLiteral("ratio"), 7)
               .arg(QStringLiteral("target"), 7);
    int above = 0;
    for (const Comparison &row : qAsConst(rows)) {
        if (!row.runOurs || (!filter.isEmpty() && !row.ours.contains(filter) && !row.stock.contains(filter)))
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
            measuredOurs(row);
            ours.push_back(timer.nsecsElapsed());
            timer.start();
            measuredStock(row);
            stock.push_back(timer.nsecsElapsed());
        }
        const double o = medianMicros(ours);
        const double s = medianMicros(stock);
        const double ratio = s > 0 ? o / s : 0;
        const bool over = ratio > row.target || (row.limitMicros > 0 && o > row.limitMicros);
        if (over)
            ++above;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6%7\n")
                   .arg(row.ours, -52)
                   .arg(row.stock, -48)
                   .arg(o, 10, 'f', 1)
                   .arg(s, 10, 'f', 1)
                   .arg(ratio, 7, 'f', 2)
                   .arg(row.target, 7, 'f', 2)
                   .arg(!over ? QString()
                              : ratio > row.target ? QStringLiteral("  ABOVE TARGET")
                                                   : QStringLiteral("  ABOVE %1 us").arg(row.limitMicros));
        out.flush();
    }
    out << (above == 0 ? QStringLiteral("All rows within target.\n")
                       : QStringLiteral("%1 row(s) above target.\n").arg(above));
    return 0;
}
