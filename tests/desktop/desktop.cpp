// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Drives the library on a real display server: `widgetdeck-desktop x11` under an X server with a
// window manager, pointer and keys sent through XTest by xdotool; `widgetdeck-desktop wayland`
// under a compositor, where no input can be injected; `widgetdeck-desktop none` makes the
// compositor's checks on the offscreen platform, where no display server answers at all. Each failed check prints one line
// "desktop: FAIL <class>: <what>"; the exit status is the number of failures.

#include "harness.h"

#include <qcursorframe.h>
#include <qhideableheaderview.h>
#include <qmenubutton.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

using Failures = QStringList;

QStringList warnings;
QStringList systemMoves; // "startSystemMove true|false", as the drag code logs it
QtMessageHandler previousHandler = nullptr;

void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qstrcmp(context.category, "widgetdeck.formcore") == 0 && message.startsWith(QLatin1String("startSystemMove")))
        systemMoves << message;
    // The offscreen platform (mode "none") notes what it cannot do; that says nothing about us.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
    if (type != QtDebugMsg)
        previousHandler(type, context, message);
}

bool waitFor(const std::function<bool()> &condition, int ms = 3000)
{
    return QTest::qWaitFor(condition, ms);
}

QString str(const QPoint &p)
{
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

// One xdotool command, run to its end; the X server queues what it sends for our event loop.
void xdo(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        qWarning("xdotool %s failed: %s", qPrintable(args.join(' ')), p.readAllStandardError().constData());
}

void pointerTo(const QPoint &global)
{
    xdo({"mousemove", QString::number(global.x()), QString::number(global.y())});
    waitFor([&] { return QCursor::pos() == global; }, 1000);
}

const harness::ClassRow *row(const char *name)
{
    for (const harness::ClassRow &r : harness::rows())
        if (qstrcmp(r.className, name) == 0)
            return &r;
    qFatal("no harness row for %s", name);
    return nullptr;
}

// A top-level host window away from the screen edges, shown and active.
struct Host {
    std::unique_ptr<QWidget> window{new QWidget};
    QVBoxLayout *layout = new QVBoxLayout(window.get());
    QObject *object = nullptr;
    QWidget *widget = nullptr;

    explicit Host(const char *className = nullptr)
    {
        window->setWindowTitle(QStringLiteral("host"));
        window->setGeometry(300, 150, 680, 500);
        if (className) {
            const harness::ClassRow *r = row(className);
            object = r->make(window.get());
            widget = qobject_cast<QWidget *>(object);
            if (r->prepare)
                r->prepare(object);
            if (widget && !widget->isWindow())
                layout->addWidget(widget->parentWidget() == window.get() ? widget : widget->parentWidget());
        }
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get(), 5000);
        // Wayland clients cannot take the focus themselves.
        if (QGuiApplication::platformName() != QLatin1String("wayland")) {
            window->activateWindow();
            (void)QTest::qWaitForWindowActive(window.get(), 3000);
        }
    }
};

// Where the X server has the window (root coordinates).
QPoint serverPos(QWidget *w)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", QString::number(w->winId())});
    p.waitForFinished(5000);
    QPoint pos;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        if (line.startsWith("X="))
            pos.setX(line.mid(2).toInt());
        else if (line.startsWith("Y="))
            pos.setY(line.mid(2).toInt());
    }
    return pos;
}

// Waits until a shown window has stopped moving (a window manager places it after mapping) and
// answers where the X server has it. Qt 5 may keep a frameless window's position at (0,0) under
// a reparenting manager, so the server is asked, not QWidget::pos().
QPoint settle(QWidget *w)
{
    (void)QTest::qWaitForWindowExposed(w, 3000);
    QPoint last(-1, -1);
    int still = 0;
    waitFor([&] {
        const QPoint now = serverPos(w);
        still = now == last ? still + 1 : 0;
        last = now;
        return still >= 2;
    });
    return last;
}

// A point near the top of the dialog (its title band) that no control covers; labels and
// plain containers pass the press on.
QPoint bandPoint(QWidget *dialog)
{
    for (int y : {12, 6, 20, 3})
        for (int x = dialog->width() / 3; x < dialog->width() - 40; x += 4) {
            QWidget *c = dialog->childAt(x, y);
            if (!c || qobject_cast<QLabel *>(c) || c->metaObject() == &QWidget::staticMetaObject)
                return {x, y};
        }
    return {dialog->width() / 3, 12};
}

// Presses in the title band, moves the pointer by @p delta in steps and releases.
Failures dragBy(QWidget *dialog, const QPoint &delta)
{
    const QPoint start = settle(dialog);
    const QPoint grab = start + bandPoint(dialog);
    const QPoint expected = start + delta;
    systemMoves.clear();
    pointerTo(grab);
    xdo({"mousedown", "1"});
    QTest::qWait(50);
    for (int i = 1; i <= 6; ++i)
        pointerTo(grab + delta * i / 6);
    waitFor([&] { return serverPos(dialog) == expected; });
    xdo({"mouseup", "1"});
    Failures f;
    const QPoint dropped = settle(dialog);
    if (dropped != expected)
        f << QStringLiteral("drag moved it by %1, expected %2").arg(str(dropped - start), str(delta));
    // The drag must end with the button: plain motion afterwards leaves the dialog where it is.
    pointerTo(QCursor::pos() + QPoint(30, 20));
    QTest::qWait(150);
    if (const QPoint now = settle(dialog); now != dropped)
        f << QStringLiteral("moved by %1 after the button was released").arg(str(now - dropped));
    if (systemMoves.isEmpty())
        f << QStringLiteral("the drag did not try startSystemMove");
    else
        std::printf("desktop:      %s: %s\n", dialog->metaObject()->className(), qPrintable(systemMoves.first()));
    return f;
}

// Runs @p inspect on the first popup or modal window that opens after @p trigger (from inside
// its own event loop when it has one), then closes it with Escape or, for dialogs, reject().
Failures whenOpened(const std::function<void()> &trigger, const std::function<Failures(QWidget *)> &inspect,
                    bool escape = true)
{
    Failures f{QStringLiteral("nothing opened")};
    bool done = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activePopupWidget();
        if (!w)
            w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        poll.stop();
        QPointer<QWidget> open(w);
        f = inspect(w);
        if (escape && open) {
            xdo({"key", "Escape"});
            if (!waitFor([&] { return !open || !open->isVisible(); }))
                f << QStringLiteral("Escape left it open");
        }
        if (auto *dialog = qobject_cast<QDialog *>(open.data()); dialog && dialog->isVisible())
            dialog->reject();
        else if (open && open->isVisible())
            open->close();
        done = true;
    });
    poll.start();
    trigger();
    waitFor([&] { return done; }, 8000);
    return f;
}

void clickAt(const QPoint &global, int button = 1, int repeat = 1)
{
    pointerTo(global);
    xdo({"click", "--repeat", QString::number(repeat), "--delay", "60", QString::number(button)});
}

QPoint centre(QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

QRect globalRect(QWidget *w)
{
    return {w->mapToGlobal(QPoint()), w->size()};
}

WId transientFor(WId window)
{
    QProcess p;
    p.start(QStringLiteral("xprop"), {"-id", QString::number(window), "WM_TRANSIENT_FOR"});
    p.waitForFinished(5000);
    const QString out = QString::fromLatin1(p.readAllStandardOutput());
    return out.section(QLatin1Char('#'), 1).trimmed().toULongLong(nullptr, 16);
}

// Runs the class's dialog modally over a host window and inspects it while it is open.
Failures modal(const char *name, const std::function<Failures(QWidget *host, QDialog *dialog)> &inspect)
{
    Host host;
    auto *dialog = qobject_cast<QDialog *>(row(name)->make(host.window.get()));
    return whenOpened([dialog] { QTimer::singleShot(0, dialog, [dialog] { dialog->exec(); }); },
                      [&](QWidget *w) {
                          if (w != dialog)
                              return Failures{QStringLiteral("a %1 opened instead").arg(w->metaObject()->className())};
                          return inspect(host.window.get(), dialog);
                      },
                      false);
}

// Active, transient for the host (in Qt and for the window manager), dragged by its band.
Failures modalDrag(QWidget *host, QDialog *dialog)
{
    Failures f;
    if (!waitFor([&] { return QApplication::activeWindow() == dialog; }))
        f << QStringLiteral("not the active window");
    if (!dialog->windowHandle() || dialog->windowHandle()->transientParent() != host->windowHandle())
        f << QStringLiteral("not transient for its host window");
    if (const WId owner = transientFor(dialog->winId()); owner != host->winId())
        f << QStringLiteral("WM_TRANSIENT_FOR is 0x%1, expected 0x%2").arg(owner, 0, 16).arg(host->winId(), 0, 16);
    return f + dragBy(dialog, {120, 80});
}

// A double click in the band is no drag: the pointer moving on afterwards leaves the dialog.
Failures bandDoubleClick(QWidget *, QDialog *dialog)
{
    const QPoint start = settle(dialog);
    clickAt(start + bandPoint(dialog), 1, 2);
    pointerTo(QCursor::pos() + QPoint(40, 30));
    QTest::qWait(150);
    if (const QPoint now = settle(dialog); now != start)
        return {QStringLiteral("a double click in the band, then motion, moved it by %1").arg(str(now - start))};
    return {};
}

enum Placement { Beside, UnderPointer };

// Opens a popup with a real click on @p target and checks where it appears.
Failures popup(QWidget *target, const QPoint &at, int button, Placement placement)
{
    return whenOpened([&] { clickAt(at, button); },
                      [&](QWidget *w) {
                          (void)QTest::qWaitForWindowExposed(w, 2000);
                          const QRect r = w->frameGeometry();
                          if (placement == UnderPointer && (r.topLeft() - QCursor::pos()).manhattanLength() > 4)
                              return Failures{QStringLiteral("menu at %1, the pointer at %2").arg(str(r.topLeft()), str(QCursor::pos()))};
                          if (placement == Beside && !globalRect(target).adjusted(-4, -4, 4, 4).intersects(r))
                              return Failures{QStringLiteral("popup at %1 %2x%3, away from its widget at %4")
                                                  .arg(str(r.topLeft()))
                                                  .arg(r.width())
                                                  .arg(r.height())
                                                  .arg(str(globalRect(target).topLeft()))};
                          return Failures{};
                      });
}

Failures popupOf(const char *name, const char *childName, int button, Placement placement)
{
    Host host(name);
    QWidget *target = childName ? harness::child(host.object, childName) : host.widget;
    if (auto *header = qobject_cast<QHeaderView *>(target))
        return popup(header, header->mapToGlobal(QPoint(header->sectionPosition(1) + 10, header->height() / 2)), button,
                     placement);
    return popup(target, centre(target), button, placement);
}

Failures menuButton()
{
    Host host("QMenuButton");
    QMenu menu;
    menu.addAction(QStringLiteral("Drive"));
    static_cast<QPushButton *>(host.widget)->setMenu(&menu);
    return popup(host.widget, centre(host.widget), 1, Beside);
}

Failures colourPicker()
{
    Host host("QColorButton");
    return whenOpened([&] { clickAt(centre(host.widget)); },
                      [&](QWidget *w) {
                          Failures f;
                          if (qstrcmp(w->metaObject()->className(), "QMyColorDlg") != 0)
                              f << QStringLiteral("a %1 opened, not the colour dialog").arg(w->metaObject()->className());
                          if (!waitFor([&] { return QApplication::activeWindow() == w; }))
                              f << QStringLiteral("the colour dialog is not the active window");
                          if (!w->windowHandle() || w->windowHandle()->transientParent() != host.window->windowHandle())
                              f << QStringLiteral("the colour dialog is not transient for the button's window");
                          return f;
                      });
}

// The editor ignores real wheel turns: they arrive, and its value stays.
Failures noWheel(const char *name)
{
    Host host(name);
    QWidget *w = host.widget;
    auto state = [w] {
        if (auto *box = qobject_cast<QComboBox *>(w))
            return box->currentText();
        return static_cast<QAbstractSpinBox *>(w)->text();
    };
    struct Counter : QObject {
        int wheels = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            wheels += e->type() == QEvent::Wheel;
            return false;
        }
    } counter;
    w->installEventFilter(&counter);
    const QString before = state();
    clickAt(centre(w), 4, 2);
    clickAt(centre(w), 5, 1);
    if (!waitFor([&] { return counter.wheels >= 3; }))
        return {QStringLiteral("%1 of 3 wheel events arrived").arg(counter.wheels)};
    QTest::qWait(50);
    if (state() != before)
        return {QStringLiteral("the wheel changed \"%1\" to \"%2\"").arg(before, state())};
    return {};
}

Failures doubleClick(const char *name)
{
    Host host(name);
    host.widget->setMinimumSize(120, 40);
    QSignalSpy ok(host.object, SIGNAL(SigOk()));
    clickAt(centre(host.widget), 1, 2);
    if (!waitFor([&] { return ok.count() > 0; }))
        return {QStringLiteral("a real double click did not emit SigOk()")};
    return {};
}

Failures cursorDrag()
{
    Host host;
    host.window->setMinimumSize(680, 500);
    auto *frame = new QCursorFrame(host.window.get(), QCursorFrame::VerticalCursor);
    frame->setMeasureArea(QPoint(40, 40), QSize(600, 300));
    frame->showVerticalCursor(true);
    frame->setNormalizedVPos1(0.25);
    frame->setNormalizedVPos2(0.75);
    frame->show();
    QSignalSpy moved(frame, &QCursorFrame::sigVCursor1PosChanged);
    const QPoint grab = frame->mapToGlobal(QPoint(frame->getVPos1(), frame->height() / 2));
    pointerTo(grab);
    xdo({"mousedown", "1"});
    for (int i = 1; i <= 5; ++i)
        pointerTo(grab + QPoint(30 * i, 0));
    xdo({"mouseup", "1"});
    if (!waitFor([&] { return !moved.isEmpty() && qAbs(moved.last().at(0).toDouble() - 0.5) < 0.004; }))
        return {QStringLiteral("dragging cursor 1 by 150 of 600 px reported %1, expected 0.5")
                    .arg(moved.isEmpty() ? QStringLiteral("nothing") : moved.last().at(0).toString())};
    return {};
}

// Every public class shown on its own host: not a single Qt warning.
Failures showQuietly(const char *name)
{
    warnings.clear();
    {
        Host host(name);
        if (auto *dialog = qobject_cast<QDialog *>(host.object)) {
            dialog->show();
            (void)QTest::qWaitForWindowExposed(dialog, 3000);
            QTest::qWait(50);
            dialog->close();
        }
    }
    QTest::qWait(20);
    if (!warnings.isEmpty())
        return {QStringLiteral("%1 Qt warning(s), first: %2").arg(warnings.size()).arg(warnings.first())};
    return {};
}

// No input can be injected here: a synthetic press and motion in the band must reach the
// compositor through startSystemMove, and nothing may block or warn when it refuses.
Failures systemMove(const char *name)
{
    Host host;
    auto *dialog = qobject_cast<QDialog *>(row(name)->make(host.window.get()));
    dialog->show();
    (void)QTest::qWaitForWindowExposed(dialog, 3000);
    systemMoves.clear();
    warnings.clear();
    const QPoint band = bandPoint(dialog);
    // Through the window, as the platform delivers them: the widget overloads would set the cursor.
    QWindow *window = dialog->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, band);
    QTest::mouseMove(window, band + QPoint(40, 30));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, band + QPoint(40, 30));
    if (!waitFor([] { return !systemMoves.isEmpty(); }, 1000))
        return {QStringLiteral("a drag did not go through startSystemMove")};
    std::printf("desktop:      %s: %s\n", name, qPrintable(systemMoves.first()));
    if (!warnings.isEmpty())
        return {QStringLiteral("the drag printed a Qt warning: %1").arg(warnings.first())};
    return {};
}

struct Check {
    const char *className;
    const char *what;
    std::function<Failures()> run;
};

const char *const frameless[] = {"QMyMessageBox",  "QHexDlg",           "QExportTypeDlg",     "QMyColorDlg",
                                 "QSearchProgress", "QStyleInputDialog", "QExtendSliderDialog", "QExtendProgressDialog"};

QList<Check> x11Checks()
{
    QList<Check> checks;
    for (const char *name : frameless)
        checks.append({name, "modal run and title drag", [name] { return modal(name, modalDrag); }});
    for (const char *name : {"QStyleInputDialog", "QExtendProgressDialog"})
        checks.append({name, "double click in the band", [name] { return modal(name, bandDoubleClick); }});
    for (const char *name : {"QExtendComboBox", "QNoWheelComboBox", "QMyCombobox", "QItemComboBox"})
        checks.append({name, "list popup", [name] { return popupOf(name, nullptr, 1, Beside); }});
    checks.append({"QAxisComBoxWidget", "list popup", [] { return popupOf("QAxisComBoxWidget", "AXIS_COMBOBOX", 1, Beside); }});
    checks.append({"QHideableHeaderView", "column menu", [] { return popupOf("QHideableHeaderView", nullptr, 3, UnderPointer); }});
    checks.append({"QTranslatedTextEdit", "context menu", [] { return popupOf("QTranslatedTextEdit", nullptr, 3, UnderPointer); }});
    checks.append({"QCustomLineEdit", "context menu", [] { return popupOf("QCustomLineEdit", "FLOWDIAGRAM", 3, UnderPointer); }});
    checks.append({"QMenuButton", "its menu", menuButton});
    checks.append({"QColorButton", "colour picker", colourPicker});
    checks.append({"QCursorFrame", "cursor drag", cursorDrag});
    for (const char *name : {"QHexSpinBox", "QNoWheelComboBox", "QNoWheelDateTimeEdit", "QNoWheelDouSpinBox", "QItemComboBox"})
        checks.append({name, "wheel", [name] { return noWheel(name); }});
    for (const char *name : {"QClickImgLabel", "QClickRadioButton", "QImgRadioButton"})
        checks.append({name, "double click", [name] { return doubleClick(name); }});
    return checks;
}

QList<Check> waylandChecks()
{
    QList<Check> checks;
    for (const harness::ClassRow &r : harness::rows()) {
        const char *name = r.className;
        checks.append({name, "shown", [name] { return showQuietly(name); }});
    }
    for (const char *name : {"QStyleInputDialog", "QExtendProgressDialog"})
        checks.append({name, "system move", [name] { return systemMove(name); }});
    return checks;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode != QLatin1String("x11") && mode != QLatin1String("wayland") && mode != QLatin1String("none")) {
        std::fprintf(stderr, "usage: widgetdeck-desktop x11|wayland|none\n");
        return 2;
    }
    previousHandler = qInstallMessageHandler(handler);
    QLoggingCategory::setFilterRules(QStringLiteral("widgetdeck.formcore.debug=true"));
    QTranslator english;
    if (english.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")))
        QCoreApplication::installTranslator(&english);

    int failed = 0;
    const QList<Check> checks = mode == QLatin1String("x11") ? x11Checks() : waylandChecks();
    for (const Check &check : checks) {
        const Failures f = check.run();
        for (const QString &line : f)
            std::fprintf(stderr, "desktop: FAIL %s: %s\n", check.className, qPrintable(line));
        if (f.isEmpty())
            std::printf("desktop: ok   %s: %s\n", check.className, check.what);
        failed += f.isEmpty() ? 0 : 1;
        std::fflush(stdout);
    }
    std::printf("desktop: %s: %d checks, %d failed\n", qPrintable(mode), int(checks.size()), failed);
    return failed ? 1 : 0;
}
