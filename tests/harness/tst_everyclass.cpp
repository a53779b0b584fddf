// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QTextDocument>
#include <QTranslator>
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
    QVERIFY2(widget, "no control to click");
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

Find named(const char *name)
{
    return [name](QObject *object) { return name ? child(object, name) : static_cast<QWidget *>(object); };
}

Fire clickOn(const char *name)
{
    return [name](QObject *object) { click(named(name)(object)); };
}

Fire pressOn(const char *name)
{
    return [name](QObject *object) {
        QWidget *widget = named(name)(object);
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    };
}

Find buttonWithText(const char *text)
{
    return [text](QObject *object) -> QWidget * {
        for (QPushButton *b : object->findChildren<QPushButton *>())
            if (!b->isHidden() && b->text() == QLatin1String(text))
                return b;
        return nullptr;
    };
}

void doubleClick(QWidget *widget)
{
    const QPoint pos = widget->rect().center();
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void betweenHostEditors(QObject *object)
{
    auto *widget = static_cast<QWidget *>(object);
    QWidget *previous = widget->window()->findChild<QWidget *>(QStringLiteral("before"));
    QWidget *after = widget->window()->findChild<QWidget *>(QStringLiteral("after"));
    if (!previous || !after)
        return;
    QList<QWidget *> stops;
    if (widget->focusPolicy() & Qt::TabFocus)
        stops << widget;
    else
        for (QWidget *c : widget->findChildren<QWidget *>())
            if ((c->focusPolicy() & Qt::TabFocus) && !stops.contains(c->parentWidget()))
                stops << c;
    for (QWidget *stop : qAsConst(stops)) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
    QWidget::setTabOrder(previous, after);
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
    // A host sees nothing of the library's diagnostics until it enables them.
    if ((type != QtDebugMsg && type != QtInfoMsg) || qstrncmp(context.category, "widgetdeck.", 11) == 0)
        warnings << message;
    previousHandler(type, context, message);
}

using AddRow = std::function<void(const char *tag, int item, int variant)>;

// Every table has the same columns: the class's row, one of its triggers, runs or key paths,
// and a variant. A build without anything of the kind (a narrowed family list) gets one
// placeholder row the test skips: QTest aborts on a table without rows.
void table(const std::function<void(const ClassRow &, const AddRow &)> &rowsOf)
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("variant");
    int added = 0;
    for (int i = 0; i < harness::rows().size(); ++i) {
        const char *name = harness::rows().at(i).className;
        rowsOf(harness::rows().at(i), [&](const char *tag, int item, int variant) {
            QTest::addRow("%s%s%s", name, *tag ? ", " : "", tag) << i << item << variant;
            ++added;
        });
    }
    if (added == 0)
        QTest::newRow("none in this build") << -1 << 0 << 0;
}

#define FETCH_ROW()                                                                                                    \
    QFETCH(int, index);                                                                                                \
    QFETCH(int, item);                                                                                                 \
    QFETCH(int, variant);                                                                                              \
    Q_UNUSED(item)                                                                                                     \
    Q_UNUSED(variant)                                                                                                  \
    if (index < 0)                                                                                                     \
        QSKIP("no row of this kind in this build");                                                                    \
    const ClassRow &r = harness::rows().at(index)

// Classes whose signals a row must cover: the library's own, including the base classes.
bool isOwnClass(const char *name)
{
    static const QSet<QByteArray> extra{"QBaseDlg", "QBaseStyleWidget"};
    const QList<ClassRow> &all = harness::rows();
    const auto same = [name](const ClassRow &r) { return qstrcmp(r.className, name) == 0; };
    return extra.contains(name) || std::any_of(all.cbegin(), all.cend(), same);
}

QList<QMetaMethod> signalsToCover(const QObject *object, const ClassRow &r)
{
    QList<QMetaMethod> out;
    const QMetaObject *own = object->metaObject();
    for (const QMetaObject *mo = own; mo && isOwnClass(mo->className()); mo = mo->superClass()) {
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod method = mo->method(i);
            if (method.methodType() == QMetaMethod::Signal && !(method.attributes() & QMetaMethod::Cloned))
                out << method;
        }
    }
    for (const QByteArray &signature : r.inheritedSignals)
        if (own->indexOfSignal(signature.constData()) >= 0)
            out << own->method(own->indexOfSignal(signature.constData()));
    return out;
}

// Closes whatever modal or popup window is left open, so a row that fails cannot hang the run.
struct ModalCloser : QTimer {
    explicit ModalCloser(int intervalMs)
    {
        connect(this, &QTimer::timeout, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            else if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        start(intervalMs);
    }
};

// Deletes its victim when any signal reaches kill().
class Killer : public QObject
{
    Q_OBJECT
public:
    QPointer<QObject> victim;
public Q_SLOTS:
    void kill() { delete victim.data(); }
};

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(30);
}

// The object in a shown top-level container, itself shown and prepared as a host would; the
// container goes when the scope ends, after deferred deletions have run.
struct Placed {
    QPointer<QWidget> container = new QWidget;
    QPointer<QObject> object;

    bool show(const ClassRow &r)
    {
        container->show();
        if (!QTest::qWaitForWindowExposed(container))
            return false;
        object = r.make(container);
        if (auto *widget = qobject_cast<QWidget *>(object.data()); widget && !widget->isWindow())
            widget->show();
        if (r.prepare)
            r.prepare(object);
        return true;
    }
    ~Placed()
    {
        settle();
        delete container.data();
        settle();
    }
};

// A host dialog: "before" line edit, the object, "after" line edit, and optionally a default button.
struct Host {
    QPointer<QDialog> dialog = new QDialog;
    QPointer<QObject> object;
    QLineEdit *before = new QLineEdit(dialog);

    Host(const ClassRow &r, bool hostDefault)
    {
        auto *layout = new QVBoxLayout(dialog);
        auto *container = new QWidget(dialog);
        auto *inner = new QVBoxLayout(container);
        inner->setContentsMargins(0, 0, 0, 0);
        // Built in focus-chain order: the object comes between the two line edits.
        object = r.make(container);
        if (auto *widget = qobject_cast<QWidget *>(object.data()); widget && !widget->isWindow())
            inner->addWidget(widget);
        QList<QWidget *> children{before, container, new QLineEdit(dialog)};
        if (hostDefault) {
            auto *ok = new QPushButton(QStringLiteral("Host OK"), dialog);
            ok->setDefault(true);
            children << ok;
        }
        const char *names[] = {"before", "container", "after", "hostOk"};
        for (int i = 0; i < children.size(); ++i) {
            children.at(i)->setObjectName(QLatin1String(names[i]));
            layout->addWidget(children.at(i));
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
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w);
    }
};

QString focusName()
{
    QWidget *w = QApplication::focusWidget();
    if (!w)
        return QStringLiteral("<none>");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Signals the object emitted, with their arguments, in a form two runs can be compared by.
QStringList recorded(const std::vector<std::unique_ptr<QSignalSpy>> &spies)
{
    QStringList out;
    for (const auto &spy : spies)
        for (const QList<QVariant> &args : *spy)
            out << QString::fromLatin1(spy->signal()) + QVariant(args).toStringList().join(QLatin1Char(','));
    return out;
}

// Every text the style draws for a widget, with the rectangle and font it is drawn in: labels,
// buttons and the library's painted captions all go through drawItemText.
struct DrawnText {
    QPointer<QWidget> widget;
    QString text;
    QRect rect;
    int flags;
    QFont font;
};

class TextRecorder : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    mutable QList<DrawnText> drawn;
    /// The widget grabbed: its own painting goes straight to the pixmap.
    QPointer<QWidget> root;

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole role) const override
    {
        auto *widget = dynamic_cast<QWidget *>(painter->device());
        if (QWidget *owner = widget ? widget : root.data())
            drawn << DrawnText{owner, text, rect, flags, painter->font()};
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
    }
};

TextRecorder *recorder = nullptr;

// The width the text takes, line by line as drawItemText lays it out.
int advance(const DrawnText &t)
{
    const QFontMetrics metrics(t.font);
    if (t.flags & Qt::TextWordWrap)
        return metrics.boundingRect(t.rect, t.flags, t.text).width();
    QString text = t.text;
    if (t.flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic))
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A label or button whose text the style must draw: plain text, not an icon-only tool button.
bool drawsItsText(const QWidget *w)
{
    if (!w->isVisible() || w->size().isEmpty())
        return false;
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty() && !(label->textInteractionFlags() & Qt::TextSelectableByMouse)
               && (label->textFormat() == Qt::PlainText
                   || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text())));
    auto *button = qobject_cast<const QAbstractButton *>(w);
    if (!button || button->text().isEmpty())
        return false;
    auto *tool = qobject_cast<const QToolButton *>(w);
    return !tool || tool->icon().isNull() || tool->toolButtonStyle() != Qt::ToolButtonIconOnly;
}

} // namespace

class tst_EveryClass : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!harness::rows().isEmpty());
        previousHandler = qInstallMessageHandler(collectWarnings);
        recorder = new TextRecorder(QApplication::style()->objectName());
        QApplication::setStyle(recorder);
    }

    void init() { warnings.clear(); }
    void cleanup()
    {
        QVERIFY2(!QApplication::activeModalWidget(), "a modal window is left open");
        const QStringList seen = warnings;
        warnings.clear();
        QVERIFY2(seen.isEmpty(), qPrintable(QStringLiteral("console lines: ") + seen.join(QStringLiteral(" | "))));
    }

    void textFits_data()
    {
        table([](const ClassRow &, const AddRow &add) {
            add("en, DejaVu Sans", 0, 0);
            add("zh_CN, Noto Sans CJK SC", 0, 1);
        });
    }

    // In a real desktop font of 14 px, translated, at the screen's scale: every text a label, a
    // button or a painted caption draws fits its rectangle, or is elided and its tool tip holds
    // the whole text.
    void textFits()
    {
        FETCH_ROW();
        QTranslator translator;
        QVERIFY(translator.load(variant ? QStringLiteral(":/qm/tr_libwidgetdeck_zh_CN")
                                        : QStringLiteral(":/qm/tr_libwidgetdeck_en")));
        QApplication::installTranslator(&translator);
        const QFont previousFont = QApplication::font();
        QFont font(variant ? QStringLiteral("Noto Sans CJK SC") : QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] {
            QApplication::removeTranslator(&translator);
            QApplication::setFont(previousFont);
        });
        QVERIFY2(QFontInfo(font).family() == font.family(), qPrintable(font.family() + QStringLiteral(" missing")));

        Placed placed;
        QVERIFY(placed.show(r));
        auto *widget = qobject_cast<QWidget *>(placed.object.data());
        if (!widget)
            QSKIP("not a widget");
        widget->show();
        QApplication::processEvents();
        recorder->drawn.clear();
        recorder->root = widget;
        widget->grab();
        recorder->root = nullptr;
        const QList<DrawnText> drawn = recorder->drawn;

        QStringList faults;
        QList<QWidget *> candidates = widget->findChildren<QWidget *>();
        candidates.prepend(widget);
        for (QWidget *w : qAsConst(candidates)) {
            const QString who = QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
            const bool textWidget = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w);
            bool seen = false;
            for (const DrawnText &t : drawn) {
                if (t.widget != w || t.text.isEmpty() || (!textWidget && w != widget))
                    continue;
                seen = true;
                if (advance(t) > t.rect.width())
                    faults << QStringLiteral("%1: \"%2\" needs %3 px of %4").arg(who, t.text).arg(advance(t)).arg(t.rect.width());
                if (t.text.contains(QChar(0x2026))) {
                    const QStringList parts = t.text.split(QChar(0x2026), Qt::SkipEmptyParts);
                    if (w->toolTip().isEmpty()
                        || std::any_of(parts.cbegin(), parts.cend(), [&](const QString &p) { return !w->toolTip().contains(p); }))
                        faults << QStringLiteral("%1: \"%2\" elided, tool tip \"%3\"").arg(who, t.text, w->toolTip());
                }
            }
            // A focusable label lays its text out in a text document, not through the style.
            auto *label = qobject_cast<QLabel *>(w);
            if (!seen && label && drawsItsText(w) && label->focusPolicy() != Qt::NoFocus && !label->wordWrap()) {
                const int needs = label->fontMetrics().horizontalAdvance(label->text());
                if (needs > label->contentsRect().width())
                    faults << QStringLiteral("%1: \"%2\" needs %3 px of %4").arg(who, label->text()).arg(needs).arg(label->contentsRect().width());
            } else if (!seen && drawsItsText(w)) {
                faults << QStringLiteral("%1: its text is not drawn through the style").arg(who);
            }
        }
        if (widget->isWindow())
            widget->close();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void signalsHaveTriggers_data()
    {
        table([](const ClassRow &, const AddRow &add) { add("", 0, 0); });
    }

    // Builds and shows the class (no warning), and names a trigger for each of its signals, so a
    // signal added later cannot be forgotten.
    void signalsHaveTriggers()
    {
        FETCH_ROW();
        Placed placed;
        QVERIFY(placed.show(r));
        QObject *object = placed.object;
        QVERIFY(object);
        QCOMPARE(QByteArray(object->metaObject()->className()), QByteArray(r.className));

        QStringList missing;
        for (const QMetaMethod &m : signalsToCover(object, r))
            if (std::none_of(r.triggers.cbegin(), r.triggers.cend(),
                             [&](const harness::Trigger &t) { return t.signal == m.methodSignature(); }))
                missing << QString::fromLatin1(m.methodSignature());
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no trigger for ") + missing.join(QStringLiteral(", "))));
    }

    void senderDeletedInSlot_data()
    {
        table([](const ClassRow &r, const AddRow &add) {
            for (int k = 0; k < r.triggers.size(); ++k) {
                add(QByteArray(r.triggers.at(k).signal + ", sender").constData(), k, 0);
                add(QByteArray(r.triggers.at(k).signal + ", parent").constData(), k, 1);
            }
        });
    }

    // The trigger raises the signal; a slot deleting the sender (or its parent) leaves no crash,
    // no sanitizer report and no warning behind, however the signal was raised.
    void senderDeletedInSlot()
    {
        FETCH_ROW();
        const harness::Trigger &trigger = r.triggers.at(item);
        ModalCloser closer(1500);
        // First without deleting: the trigger must really raise the signal. Then a slot deletes.
        for (bool kill : {false, true}) {
            Placed placed;
            QVERIFY(placed.show(r));
            QObject *object = placed.object;
            const QMetaMethod signal = object->metaObject()->method(
                object->metaObject()->indexOfSignal(trigger.signal.constData()));
            QVERIFY(signal.isValid());
            QSignalSpy spy(object, signal);
            Killer killer;
            killer.victim = variant ? static_cast<QObject *>(placed.container.data()) : object;
            if (kill)
                QObject::connect(object, signal, &killer,
                                 killer.metaObject()->method(killer.metaObject()->indexOfSlot("kill()")));
            trigger.fire(object);
            QTRY_VERIFY2_WITH_TIMEOUT(spy.count() > 0, "the trigger did not raise the signal", 3000);
            if (kill) {
                QVERIFY(placed.object.isNull());
                QCOMPARE(spy.count(), 1);
            }
        }
    }

    void ownerDestroyedDuringModalRun_data()
    {
        table([](const ClassRow &r, const AddRow &add) {
            for (int k = 0; k < r.modalRuns.size(); ++k) {
                add(QByteArray(r.modalRuns.at(k).name + QByteArray(", owner")).constData(), k, 1);
                add(QByteArray(r.modalRuns.at(k).name + QByteArray(", itself")).constData(), k, 0);
            }
        });
    }

    // While the run is open its owner (or the object itself) is destroyed; the run ends, the host's
    // loop goes on, and nothing touches the dead objects.
    void ownerDestroyedDuringModalRun()
    {
        FETCH_ROW();
        ModalCloser closer(2000);
        bool sawRun = false;
        {
            Placed placed;
            QVERIFY(placed.show(r));
            QTimer poll;
            connect(&poll, &QTimer::timeout, this, [&] {
                if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget())
                    return;
                sawRun = true;
                poll.stop();
                delete (variant ? static_cast<QObject *>(placed.container.data()) : placed.object.data());
            });
            poll.start(20);
            r.modalRuns.at(item).start(placed.object);
            poll.stop();
            QVERIFY2(sawRun, "no modal run was seen");
            QVERIFY(placed.object.isNull());
        }
        QTRY_VERIFY(!QApplication::activeModalWidget() && !QApplication::activePopupWidget());
        bool ticked = false;
        QTimer::singleShot(0, this, [&] { ticked = true; });
        QTRY_VERIFY(ticked);
    }

    void tabWalk_data()
    {
        table([](const ClassRow &, const AddRow &add) {
            add("host without default", 0, 0);
            add("host with default", 0, 1);
        });
    }

    // Tab walks the object's controls in the row's order and leaves it; Shift+Tab walks them back;
    // only a shown button of the object's may be the host's default, and only where the host has none.
    void tabWalk()
    {
        FETCH_ROW();
        if (r.openTabFault)
            QSKIP(r.openTabFault);
        Host host(r, variant);
        if (!qobject_cast<QWidget *>(host.object.data()))
            QSKIP("not a widget");
        QVERIFY(host.show());
        QWidget *window = host.window();
        const bool isDialog = window != host.dialog;

        QStringList defaults;
        for (QPushButton *b : window->findChildren<QPushButton *>())
            if (b->isDefault())
                defaults << (b->isVisible() ? QString() : QStringLiteral("hidden ")) + b->objectName();
        const QString expected = variant && !isDialog ? QStringLiteral("hostOk") : r.defaultButton;
        QCOMPARE(defaults, expected.isEmpty() ? QStringList() : QStringList{expected});

        // Ends at the widget @p stop, or with none, at the widget named @p stopName (several
        // buttons of a bar share one name).
        auto walk = [&](Qt::KeyboardModifiers modifiers, const QString &stopName, QWidget *stop = nullptr) {
            QStringList seen;
            QWidget *last = nullptr;
            for (int step = 0; step < r.tabChain.size() + 16 && QApplication::focusWidget(); ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
                QWidget *now = QApplication::focusWidget();
                const QString name = focusName();
                if (now && (!now->isVisible() || !now->isEnabled()))
                    seen << QStringLiteral("<hidden or disabled %1>").arg(name);
                if (stop ? now == stop : name == stopName)
                    return seen;
                // Tab through the sections of one editor (a date-time edit) is one stop.
                if (now != last)
                    seen << name;
                last = now;
            }
            return seen << QStringLiteral("<stuck>");
        };

        // Inside a dialog the walk cycles: from where the dialog put the focus, back to it.
        if (isDialog && r.tabChain.isEmpty())
            return;
        if (!isDialog) {
            host.before->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(host.before->hasFocus());
        }
        QWidget *start = isDialog ? QApplication::focusWidget() : nullptr;
        const QStringList lead = isDialog ? QStringList{focusName()} : QStringList();
        QStringList reversed = r.tabChain;
        std::reverse(reversed.begin() + (isDialog ? 1 : 0), reversed.end());
        QCOMPARE(lead + walk(Qt::NoModifier, QStringLiteral("after"), start), r.tabChain);
        QCOMPARE(lead + walk(Qt::ShiftModifier, QStringLiteral("before"), start), reversed);
    }

    void keyPathMatchesClick_data()
    {
        table([](const ClassRow &r, const AddRow &add) {
            for (int k = 0; k < r.keyPaths.size(); ++k)
                for (int key : r.keyPaths.at(k).keys)
                    add(qPrintable(QString::fromLatin1(r.keyPaths.at(k).name) + QStringLiteral(", ")
                                   + QKeySequence(key).toString()),
                        k, key);
        });
    }

    // What a click on the control emits, the key on the focused control emits too; a host
    // shortcut on the same key must not steal it from the focused control.
    void keyPathMatchesClick()
    {
        FETCH_ROW();
        const harness::KeyPath &kp = r.keyPaths.at(item);
        ModalCloser closer(300);
        auto record = [&](bool byKey, QStringList *out) {
            Host host(r, false);
            QVERIFY(host.show());
            QList<QMetaMethod> methods = signalsToCover(host.object, r);
            if (qobject_cast<QDialog *>(host.object.data()))
                methods << QMetaMethod::fromSignal(&QDialog::finished);
            std::vector<std::unique_ptr<QSignalSpy>> spies;
            for (const QMetaMethod &m : methods)
                spies.push_back(std::make_unique<QSignalSpy>(host.object.data(), m));
            auto *shortcut = new QShortcut(QKeySequence(variant), host.dialog);
            shortcut->setContext(Qt::WindowShortcut);
            QSignalSpy stolen(shortcut, &QShortcut::activated);
            QWidget *control = kp.control ? kp.control(host.object) : qobject_cast<QWidget *>(host.object.data());
            QVERIFY(control && control->isVisible());
            if (byKey) {
                control->setFocus(Qt::TabFocusReason);
                QVERIFY2(control->hasFocus(), "the control cannot take the focus");
                QTest::keyClick(control, Qt::Key(variant));
            } else {
                harness::click(control);
            }
            QTest::qWait(20);
            *out = recorded(spies);
            for (int i = 0; i < stolen.count(); ++i)
                out->prepend(QStringLiteral("host shortcut"));
        };
        QStringList byMouse, byKey;
        record(false, &byMouse);
        record(true, &byKey);
        QVERIFY2(!byMouse.isEmpty(), "a click emits nothing");
        QCOMPARE(byKey, byMouse);
    }
};

QTEST_MAIN(tst_EveryClass)
#include "tst_everyclass.moc"
