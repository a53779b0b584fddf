// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Every public class through the same mechanisms, one row per class (rows_<family>.cpp): a host
// deleting the sender from each of its signals, the owner destroyed during each modal run, the
// keyboard walk, key paths against mouse paths, and not one Qt warning on the way.
#include "harness.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace harness {

QList<ClassRow> &rows()
{
    static QList<ClassRow> all;
    return all;
}

QWidget *child(QObject *object, const char *name)
{
    return object->findChild<QWidget *>(QString::fromLatin1(name));
}

void click(QWidget *widget)
{
    if (!widget) {
        QTest::qFail("no control to click", __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

} // namespace harness

namespace {

using harness::ClassRow;

QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform's notices of what it cannot do say nothing about the library.
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
    previousHandler(type, context, message);
}

const ClassRow &row(int index)
{
    return harness::rows().at(index);
}

// Classes whose signals a row must cover: the library's own, including the base classes.
bool isOwnClass(const char *name)
{
    static const QSet<QByteArray> extra{"QBaseDlg", "QBaseStyleWidget"};
    if (extra.contains(name))
        return true;
    for (const ClassRow &r : harness::rows())
        if (qstrcmp(r.className, name) == 0)
            return true;
    return false;
}

QList<QMetaMethod> signalsToCover(const QObject *object, const ClassRow &r)
{
    QList<QMetaMethod> out;
    for (const QMetaObject *mo = object->metaObject(); mo && isOwnClass(mo->className()); mo = mo->superClass()) {
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod method = mo->method(i);
            if (method.methodType() == QMetaMethod::Signal && !(method.attributes() & QMetaMethod::Cloned))
                out << method;
        }
    }
    for (const QByteArray &signature : r.inheritedSignals) {
        const int index = object->metaObject()->indexOfSignal(signature.constData());
        if (index >= 0)
            out << object->metaObject()->method(index);
    }
    return out;
}

const harness::Trigger *triggerFor(const ClassRow &r, const QByteArray &signature)
{
    for (const harness::Trigger &t : r.triggers)
        if (t.signal == signature)
            return &t;
    return nullptr;
}

// Closes whatever modal or popup window is left open, so a row that fails cannot hang the run.
class ModalCloser : public QObject
{
public:
    explicit ModalCloser(int intervalMs)
    {
        connect(&timer, &QTimer::timeout, this, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            else if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        timer.start(intervalMs);
    }
    QTimer timer;
};

// Deletes its victim when any signal reaches kill().
class Killer : public QObject
{
    Q_OBJECT
public:
    QPointer<QObject> victim;
    int calls = 0;
public Q_SLOTS:
    void kill()
    {
        ++calls;
        delete victim.data();
    }
};

QMetaMethod killSlot()
{
    return Killer::staticMetaObject.method(Killer::staticMetaObject.indexOfSlot("kill()"));
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(30);
}

// A host dialog: "before" line edit, the object, "after" line edit, and optionally a default button.
struct Host {
    QPointer<QDialog> dialog;
    QPointer<QWidget> container;
    QPointer<QObject> object;
    QLineEdit *before = nullptr;
    QLineEdit *after = nullptr;
    QPushButton *hostOk = nullptr;

    Host(const ClassRow &r, bool hostDefault)
    {
        dialog = new QDialog;
        auto *layout = new QVBoxLayout(dialog);
        before = new QLineEdit(dialog);
        before->setObjectName(QStringLiteral("before"));
        container = new QWidget(dialog);
        container->setObjectName(QStringLiteral("container"));
        auto *inner = new QVBoxLayout(container);
        inner->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(before);
        layout->addWidget(container);
        // Built in focus-chain order: the object comes between the two line edits.
        object = r.make(container);
        if (auto *widget = qobject_cast<QWidget *>(object.data()); widget && !widget->isWindow())
            inner->addWidget(widget);
        after = new QLineEdit(dialog);
        after->setObjectName(QStringLiteral("after"));
        layout->addWidget(after);
        if (hostDefault) {
            hostOk = new QPushButton(QStringLiteral("Host OK"), dialog);
            hostOk->setObjectName(QStringLiteral("hostOk"));
            hostOk->setDefault(true);
            layout->addWidget(hostOk);
        }
        if (r.prepare)
            r.prepare(object);
    }
    ~Host() { delete dialog.data(); }

    // The window keyboard input goes to: the host, or the object itself when it is a window.
    QWidget *window() const
    {
        auto *widget = qobject_cast<QWidget *>(object.data());
        return widget && widget->isWindow() ? widget : dialog.data();
    }

    bool show()
    {
        dialog->show();
        QWidget *w = window();
        if (w != dialog)
            w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w);
    }
};

// The object under a shown container, itself shown and prepared as a host would.
QObject *makeShown(const ClassRow &r, QWidget *container)
{
    QObject *object = r.make(container);
    if (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->isWindow())
        widget->show();
    if (r.prepare)
        r.prepare(object);
    return object;
}

QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    if (!w)
        return QStringLiteral("<none>");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Signals the object emitted, with their arguments, in a form two runs can be compared by.
struct Recorder {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList names;

    void watch(QObject *object, const QList<QMetaMethod> &methods)
    {
        for (const QMetaMethod &m : methods) {
            spies.push_back(std::make_unique<QSignalSpy>(object, m));
            names << QString::fromLatin1(m.methodSignature());
        }
    }
    QStringList result() const
    {
        QStringList out;
        for (size_t i = 0; i < spies.size(); ++i) {
            for (const QList<QVariant> &args : *spies[i]) {
                QStringList values;
                for (const QVariant &v : args)
                    values << v.toString();
                out << names.at(int(i)) + QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
            }
        }
        return out;
    }
};

} // namespace

class tst_EveryClass : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void signalsHaveTriggers_data();
    void signalsHaveTriggers();
    void senderDeletedInSlot_data();
    void senderDeletedInSlot();
    void ownerDestroyedDuringModalRun_data();
    void ownerDestroyedDuringModalRun();
    void tabWalk_data();
    void tabWalk();
    void keyPathMatchesClick_data();
    void keyPathMatchesClick();
};

void tst_EveryClass::initTestCase()
{
    QVERIFY(!harness::rows().isEmpty());
    previousHandler = qInstallMessageHandler(collectWarnings);
}

void tst_EveryClass::init()
{
    warnings.clear();
}

void tst_EveryClass::cleanup()
{
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window is left open");
    const QStringList seen = warnings;
    warnings.clear();
    QVERIFY2(seen.isEmpty(), qPrintable(QStringLiteral("Qt warnings: ") + seen.join(QStringLiteral(" | "))));
}

void tst_EveryClass::signalsHaveTriggers_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < harness::rows().size(); ++i)
        QTest::newRow(row(i).className) << i;
}

// Builds and shows the class (no warning), and names a trigger for each of its signals, so a
// signal added later cannot be forgotten.
void tst_EveryClass::signalsHaveTriggers()
{
    QFETCH(int, index);
    const ClassRow &r = row(index);
    QWidget container;
    QObject *object = r.make(&container);
    QVERIFY(object);
    QCOMPARE(QByteArray(object->metaObject()->className()), QByteArray(r.className));
    container.show();
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->isWindow())
        widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));

    QStringList missing;
    for (const QMetaMethod &m : signalsToCover(object, r))
        if (!triggerFor(r, m.methodSignature()))
            missing << QString::fromLatin1(m.methodSignature());
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no trigger for ") + missing.join(QStringLiteral(", "))));
    for (const harness::Trigger &t : r.triggers)
        QVERIFY2(object->metaObject()->indexOfSignal(t.signal.constData()) >= 0, t.signal.constData());
}

void tst_EveryClass::senderDeletedInSlot_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<bool>("viaParent");
    for (int i = 0; i < harness::rows().size(); ++i) {
        for (const harness::Trigger &t : row(i).triggers) {
            QTest::addRow("%s::%s, sender", row(i).className, t.signal.constData()) << i << t.signal << false;
            QTest::addRow("%s::%s, parent", row(i).className, t.signal.constData()) << i << t.signal << true;
        }
    }
}

// The trigger raises the signal; a slot deleting the sender (or its parent) leaves no crash,
// no sanitizer report and no warning behind, however the signal was raised.
void tst_EveryClass::senderDeletedInSlot()
{
    QFETCH(int, index);
    QFETCH(QByteArray, signal);
    QFETCH(bool, viaParent);
    const ClassRow &r = row(index);
    const harness::Trigger *trigger = triggerFor(r, signal);
    ModalCloser closer(1500);

    // First without deleting: the trigger must really raise the signal.
    {
        QPointer<QWidget> container = new QWidget;
        container->show();
        QPointer<QObject> object = makeShown(r, container);
        const int signalIndex = object->metaObject()->indexOfSignal(signal.constData());
        QVERIFY(signalIndex >= 0);
        QSignalSpy spy(object.data(), object->metaObject()->method(signalIndex));
        trigger->fire(object);
        QTRY_VERIFY2_WITH_TIMEOUT(spy.count() > 0, "the trigger did not raise the signal", 3000);
        delete container.data();
        settle();
    }

    QPointer<QWidget> container = new QWidget;
    container->show();
    QVERIFY(QTest::qWaitForWindowExposed(container));
    QPointer<QObject> object = makeShown(r, container);
    Killer killer;
    killer.victim = viaParent ? static_cast<QObject *>(container.data()) : object.data();
    const int signalIndex = object->metaObject()->indexOfSignal(signal.constData());
    QObject::connect(object, object->metaObject()->method(signalIndex), &killer, killSlot());
    trigger->fire(object);
    QTRY_VERIFY_WITH_TIMEOUT(object.isNull(), 3000);
    QCOMPARE(killer.calls, 1);
    settle();
    delete container.data();
    settle();
}

void tst_EveryClass::ownerDestroyedDuringModalRun_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("run");
    QTest::addColumn<bool>("owner");
    for (int i = 0; i < harness::rows().size(); ++i) {
        for (int k = 0; k < row(i).modalRuns.size(); ++k) {
            QTest::addRow("%s, %s, owner", row(i).className, row(i).modalRuns.at(k).name) << i << k << true;
            QTest::addRow("%s, %s, itself", row(i).className, row(i).modalRuns.at(k).name) << i << k << false;
        }
    }
}

// While the run is open its owner (or the object itself) is destroyed; the run ends, the host's
// loop goes on, and nothing touches the dead objects.
void tst_EveryClass::ownerDestroyedDuringModalRun()
{
    QFETCH(int, index);
    QFETCH(int, run);
    QFETCH(bool, owner);
    const ClassRow &r = row(index);
    ModalCloser closer(2000);

    QPointer<QWidget> container = new QWidget;
    container->show();
    QVERIFY(QTest::qWaitForWindowExposed(container));
    QPointer<QObject> object = makeShown(r, container);
    bool sawRun = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget())
            return;
        sawRun = true;
        poll.stop();
        if (owner)
            delete container.data();
        else
            delete object.data();
    });
    poll.start(20);
    r.modalRuns.at(run).start(object);
    poll.stop();
    QVERIFY2(sawRun, "no modal run was seen");
    QVERIFY(object.isNull());
    settle();
    delete container.data();
    settle();
    QTRY_VERIFY(!QApplication::activeModalWidget() && !QApplication::activePopupWidget());

    // The host's loop still runs.
    bool ticked = false;
    QTimer::singleShot(0, this, [&] { ticked = true; });
    QTRY_VERIFY(ticked);
}

void tst_EveryClass::tabWalk_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("hostDefault");
    for (int i = 0; i < harness::rows().size(); ++i) {
        QTest::addRow("%s, host without default", row(i).className) << i << false;
        QTest::addRow("%s, host with default", row(i).className) << i << true;
    }
}

// Tab walks the object's controls in the row's order and leaves it; Shift+Tab walks them back;
// only a shown button of the object's may be the host's default, and only where the host has none.
void tst_EveryClass::tabWalk()
{
    QFETCH(int, index);
    QFETCH(bool, hostDefault);
    const ClassRow &r = row(index);
    if (r.openTabFault)
        QSKIP(r.openTabFault);
    Host host(r, hostDefault);
    if (!qobject_cast<QWidget *>(host.object.data()))
        QSKIP("not a widget");
    QVERIFY(host.show());
    QWidget *window = host.window();
    const bool isDialog = window != host.dialog;

    QList<QPushButton *> defaults;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->isDefault())
            defaults << b;
    for (QPushButton *b : defaults)
        QVERIFY2(b->isVisible(), qPrintable(b->objectName() + QStringLiteral(" is hidden but the default")));
    if (hostDefault && !isDialog) {
        QCOMPARE(defaults.size(), 1);
        QCOMPARE(defaults.first(), host.hostOk);
    } else if (r.defaultButton.isEmpty()) {
        QVERIFY2(defaults.isEmpty(), qPrintable(defaults.value(0) ? defaults.first()->objectName() : QString()));
    } else {
        QCOMPARE(defaults.size(), 1);
        QCOMPARE(defaults.first()->objectName(), r.defaultButton);
    }

    const int limit = r.tabChain.size() + 16;
    auto walk = [&](Qt::KeyboardModifiers modifiers, const QString &stop) {
        QStringList seen;
        QWidget *last = nullptr;
        for (int step = 0; step < limit; ++step) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus)
                break;
            QTest::keyClick(focus, Qt::Key_Tab, modifiers);
            const QString name = focusName();
            if (QWidget *now = QApplication::focusWidget())
                if (!now->isVisible() || !now->isEnabled())
                    seen << QStringLiteral("<hidden or disabled %1>").arg(name);
            if (name == stop)
                return seen;
            // Tab through the sections of one editor (a date-time edit) is one stop.
            if (QApplication::focusWidget() != last)
                seen << name;
            last = QApplication::focusWidget();
        }
        seen << QStringLiteral("<stuck>");
        return seen;
    };

    if (isDialog) {
        // Inside a dialog the walk cycles: from where the dialog put the focus, back to it.
        if (r.tabChain.isEmpty())
            return;
        const QString first = focusName();
        QCOMPARE(first, r.tabChain.first());
        QCOMPARE(QStringList{first} + walk(Qt::NoModifier, first), r.tabChain);
        QStringList reversed{first};
        for (int i = r.tabChain.size() - 1; i > 0; --i)
            reversed << r.tabChain.at(i);
        QCOMPARE(QStringList{first} + walk(Qt::ShiftModifier, first), reversed);
        return;
    }

    host.before->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(host.before->hasFocus());
    QCOMPARE(walk(Qt::NoModifier, QStringLiteral("after")), r.tabChain);
    QStringList reversed = r.tabChain;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(walk(Qt::ShiftModifier, QStringLiteral("before")), reversed);
}

void tst_EveryClass::keyPathMatchesClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("path");
    QTest::addColumn<int>("key");
    for (int i = 0; i < harness::rows().size(); ++i) {
        for (int k = 0; k < row(i).keyPaths.size(); ++k) {
            for (int key : row(i).keyPaths.at(k).keys) {
                QTest::addRow("%s, %s, %s", row(i).className, row(i).keyPaths.at(k).name,
                              qPrintable(QKeySequence(key).toString()))
                    << i << k << key;
            }
        }
    }
}

// What a click on the control emits, the key on the focused control emits too.
void tst_EveryClass::keyPathMatchesClick()
{
    QFETCH(int, index);
    QFETCH(int, path);
    QFETCH(int, key);
    const ClassRow &r = row(index);
    const harness::KeyPath &kp = r.keyPaths.at(path);
    ModalCloser closer(300);

    auto record = [&](bool byKey, QStringList *out) {
        Host host(r, false);
        QVERIFY(host.show());
        QList<QMetaMethod> methods = signalsToCover(host.object, r);
        if (qobject_cast<QDialog *>(host.object.data()))
            methods << QMetaMethod::fromSignal(&QDialog::finished);
        Recorder recorder;
        recorder.watch(host.object, methods);
        QWidget *control = kp.control ? kp.control(host.object) : qobject_cast<QWidget *>(host.object.data());
        QVERIFY(control);
        QVERIFY(control->isVisible());
        if (byKey) {
            control->setFocus(Qt::TabFocusReason);
            QVERIFY2(control->hasFocus(), "the control cannot take the focus");
            QTest::keyClick(control, Qt::Key(key));
        } else {
            harness::click(control);
        }
        QTest::qWait(20);
        *out = recorder.result();
    };
    QStringList byMouse, byKey;
    record(false, &byMouse);
    record(true, &byKey);
    QVERIFY2(!byMouse.isEmpty(), "a click emits nothing");
    QCOMPARE(byKey, byMouse);
}

QTEST_MAIN(tst_EveryClass)
#include "tst_everyclass.moc"
