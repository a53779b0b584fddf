// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "catalogue.h"
#include "harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

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

// What hosts reach by name: the registered methods, and each own signal a row's trigger raises.
const QList<harness::NamedMethod> &namedMethods()
{
    static const QList<harness::NamedMethod> all = [] {
        QList<harness::NamedMethod> out = harness::namedMethods();
        for (const ClassRow &r : harness::rows())
            for (const harness::Trigger &t : r.triggers)
                if (!r.inheritedSignals.contains(t.signal))
                    out.append({r.className, r.className, QMetaMethod::Signal, t.signal.constData()});
        return out;
    }();
    return all;
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

// The window on screen against a fresh paint of all of it: a repaint that missed part of what
// a focus change altered leaves the two apart.
bool freshOnScreen(QWidget *window)
{
    QCoreApplication::processEvents();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    return shown.convertToFormat(QImage::Format_RGB32) == window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

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

QString controlName(const QWidget *w)
{
    if (!w)
        return QStringLiteral("<none>");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString focusName() { return controlName(QApplication::focusWidget()); }

// Signals the object emitted, with their arguments, in a form two runs can be compared by.
QStringList recorded(const std::vector<std::unique_ptr<QSignalSpy>> &spies)
{
    QStringList out;
    for (const auto &spy : spies)
        for (const QList<QVariant> &args : *spy)
            out << QString::fromLatin1(spy->signal()) + QVariant(args).toStringList().join(QLatin1Char(','));
    return out;
}

bool isClassName(const QObject *object, const QString &text)
{
    for (const QMetaObject *mo = object->metaObject(); mo; mo = mo->superClass())
        if (text == QLatin1String(mo->className()))
            return true;
    return false;
}

// The object and its shown descendants, without what stock Qt describes itself: inner parts of
// stock widgets ("qt_" names), the insides of a stock dialog, other windows (popups).
QList<QWidget *> shownParts(QObject *object)
{
    QList<QWidget *> out;
    if (auto *w = qobject_cast<QWidget *>(object))
        out << w;
    for (QWidget *w : object->findChildren<QWidget *>()) {
        bool inner = w->isWindow() || !w->isVisible();
        for (QWidget *p = w->parentWidget(); p && p != object && !inner; p = p->parentWidget())
            inner = qobject_cast<QDialog *>(p) && !isOwnClass(p->metaObject()->className());
        for (QWidget *p = w; p && p != object && !inner; p = p->parentWidget())
            inner = p->objectName().startsWith(QLatin1String("qt_"));
        if (!inner)
            out << w;
    }
    return out;
}

// Every control a user can operate (focusable, or offering an action) with what an assistive
// technology would miss on it: a role, a name that is neither an object or class name nor a key.
// With @p title, that of a group box around the object: a control with a caption of its own
// (button, radio, label) must not be read by the title instead.
QStringList unnamedControls(QObject *object, const QString &title = QString())
{
    QStringList faults;
    for (QWidget *w : shownParts(object)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QAccessibleActionInterface *actions = iface ? iface->actionInterface() : nullptr;
        const bool operable = (w->isEnabled() && w->focusPolicy() != Qt::NoFocus)
            || (actions && !actions->actionNames().isEmpty());
        if (!operable)
            continue;
        if (!iface) {
            faults << controlName(w) + QStringLiteral(": no interface");
            continue;
        }
        if (iface->role() == QAccessible::NoRole || iface->role() == QAccessible::Client)
            faults << controlName(w) + QStringLiteral(": no role");
        const QString name = iface->text(QAccessible::Name).trimmed();
        if (name.isEmpty() || name == w->objectName() || isClassName(w, name) || name.contains(QLatin1String("STR_")))
            faults << controlName(w) + QStringLiteral(": named \"%1\"").arg(name);
        const QAccessible::Role role = iface->role();
        if (!title.isEmpty() && name == title
            && (role == QAccessible::Button || role == QAccessible::RadioButton || role == QAccessible::CheckBox
                || role == QAccessible::StaticText))
            faults << controlName(w) + QStringLiteral(": named by the group box");
    }
    return faults;
}

QList<QPointer<QAbstractButton>> checkables(QObject *object)
{
    QList<QPointer<QAbstractButton>> out;
    for (QWidget *w : shownParts(object))
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable() && b->isEnabled())
            out << b;
    return out;
}

int checkedRadios(const QList<QPointer<QAbstractButton>> &buttons)
{
    return int(std::count_if(buttons.cbegin(), buttons.cend(), [](const QPointer<QAbstractButton> &b) {
        return b && qobject_cast<QRadioButton *>(b.data()) && b->isChecked();
    }));
}

// Sets @p w off through its accessibility actions as assistive technology would: the press (a
// click), or with @p toggleFirst the toggle where it has one. False when it offers neither.
bool actOn(QWidget *w, bool toggleFirst)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    QAccessibleActionInterface *actions = iface ? iface->actionInterface() : nullptr;
    const QStringList names = actions ? actions->actionNames() : QStringList();
    const QString &press = QAccessibleActionInterface::pressAction();
    const QString &toggle = QAccessibleActionInterface::toggleAction();
    const bool toggles = names.contains(toggle) && (toggleFirst || !names.contains(press));
    if (!toggles && !names.contains(press))
        return false;
    actions->doAction(toggles ? toggle : press);
    if (!toggles)
        QTest::qWait(150); // a stock press is an animated click
    return true;
}

enum Activation { ByClick, ByKey, ByAction };

// Sets the control off as a user would; false when it cannot be reached that way.
bool activate(QAbstractButton *button, Activation how)
{
    if (how == ByAction)
        return actOn(button, true);
    if (how == ByClick) {
        harness::click(button);
        return true;
    }
    button->setFocus(Qt::TabFocusReason);
    if (!button->hasFocus())
        return false;
    QTest::keyClick(button, Qt::Key_Space);
    return true;
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
        QApplication::setCursorFlashTime(0); // carets that never blink between two grabs
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
        Catalogue catalogue(variant ? QStringLiteral("zh_CN") : QStringLiteral("en"));
        const QFont previousFont = QApplication::font();
        QFont font(variant ? QStringLiteral("Noto Sans CJK SC") : QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(previousFont); });
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

    void namedMethodsStay_data()
    {
        QTest::addColumn<int>("entry");
        for (int i = 0; i < namedMethods().size(); ++i) {
            const harness::NamedMethod &m = namedMethods().at(i);
            QTest::addRow("%s::%s", m.className, m.signature) << i;
        }
        if (namedMethods().isEmpty())
            QTest::newRow("none in this build") << -1;
    }

    // Signals and slots hosts reach by name keep their signatures (as the class's own methods).
    void namedMethodsStay()
    {
        QFETCH(int, entry);
        if (entry < 0)
            QSKIP("no class of this kind in this build");
        const harness::NamedMethod &m = namedMethods().at(entry);
        const auto same = [&](const ClassRow &r) { return qstrcmp(r.className, m.owner) == 0; };
        const auto row = std::find_if(harness::rows().cbegin(), harness::rows().cend(), same);
        QVERIFY2(row != harness::rows().cend(), m.owner);
        QWidget parent;
        QObject *object = row->make(&parent);
        if (qstrcmp(object->metaObject()->className(), m.className) != 0) {
            const QList<QObject *> children = object->findChildren<QObject *>();
            const auto it = std::find_if(children.cbegin(), children.cend(), [&](const QObject *c) {
                return qstrcmp(c->metaObject()->className(), m.className) == 0;
            });
            QVERIFY2(it != children.cend(), m.className);
            object = *it;
        }
        const QMetaObject *mo = object->metaObject();
        const QByteArray signature = QMetaObject::normalizedSignature(m.signature);
        const char *normal = signature.constData();
        const int index = m.kind == QMetaMethod::Signal ? mo->indexOfSignal(normal) : mo->indexOfSlot(normal);
        QVERIFY2(index >= mo->methodOffset(), signature.constData());
        QCOMPARE(mo->method(index).methodType(), m.kind);
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
    // After each step the screen shows what a fresh paint would.
    void tabWalk()
    {
        FETCH_ROW();
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
                if (!freshOnScreen(window))
                    seen << QStringLiteral("<stale on screen at %1>").arg(name);
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
            for (int k = 0; k < r.keyPaths.size(); ++k) {
                for (int key : r.keyPaths.at(k).keys)
                    add(qPrintable(QString::fromLatin1(r.keyPaths.at(k).name) + QStringLiteral(", ")
                                   + QKeySequence(key).toString()),
                        k, key);
                add(qPrintable(QString::fromLatin1(r.keyPaths.at(k).name) + QStringLiteral(", action")), k, 0);
            }
        });
    }

    // What a click on the control emits, the key on the focused control emits too, and so does
    // its accessibility action (variant 0); neither a host shortcut on the key nor the host's
    // default button takes it, and the host may delete the object from what the key raised.
    void keyPathMatchesClick()
    {
        FETCH_ROW();
        const harness::KeyPath &kp = r.keyPaths.at(item);
        ModalCloser closer(300);
        auto record = [&](bool byKey, bool kill, QStringList *out) {
            Host host(r, true);
            QVERIFY(host.show());
            QPointer<QWidget> control = kp.control ? kp.control(host.object) : qobject_cast<QWidget *>(host.object.data());
            QVERIFY(control && control->isVisible());
            QList<QPair<QObject *, QMetaMethod>> sources;
            for (const QMetaMethod &m : signalsToCover(host.object, r))
                sources << qMakePair(host.object.data(), m);
            if (qobject_cast<QDialog *>(host.object.data()))
                sources << qMakePair(host.object.data(), QMetaMethod::fromSignal(&QDialog::finished));
            // An inner stock button whose click the class hands on as it is.
            if (control != host.object && qobject_cast<QAbstractButton *>(control))
                sources << qMakePair<QObject *>(control.data(), QMetaMethod::fromSignal(&QAbstractButton::clicked));
            std::vector<std::unique_ptr<QSignalSpy>> spies;
            Killer killer;
            killer.victim = host.object;
            for (const auto &source : sources) {
                spies.push_back(std::make_unique<QSignalSpy>(source.first, source.second));
                if (kill)
                    QObject::connect(source.first, source.second, &killer,
                                     killer.metaObject()->method(killer.metaObject()->indexOfSlot("kill()")));
            }
            QSignalSpy defaulted(host.dialog->findChild<QPushButton *>(QStringLiteral("hostOk")), &QPushButton::clicked);
            auto *shortcut = new QShortcut(QKeySequence(variant), host.dialog);
            shortcut->setContext(Qt::WindowShortcut);
            QSignalSpy stolen(shortcut, &QShortcut::activated);
            if (byKey && variant == 0) {
                QVERIFY2(actOn(control, false), "no press or toggle action");
            } else if (byKey) {
                control->setFocus(Qt::TabFocusReason);
                QVERIFY2(control->hasFocus(), "the control cannot take the focus");
                // No release to a control a slot has deleted on the press.
                QTest::keyPress(control, Qt::Key(variant));
                if (control)
                    QTest::keyRelease(control, Qt::Key(variant));
            } else {
                harness::click(control);
            }
            QTest::qWait(20);
            *out = recorded(spies);
            // What the action changed is repainted whole: the screen reads as a fresh paint.
            if (QWidget *window = host.window(); window && window->isVisible() && !freshOnScreen(window))
                out->prepend(QStringLiteral("<stale on screen>"));
            for (int i = 0; i < stolen.count(); ++i)
                out->prepend(QStringLiteral("host shortcut"));
            for (int i = 0; i < defaulted.count(); ++i)
                out->prepend(QStringLiteral("host default"));
            if (kill)
                QVERIFY2(host.object.isNull(), "the key raised nothing the host could delete it from");
        };
        QStringList byMouse, byKey, killed;
        record(false, false, &byMouse);
        record(true, false, &byKey);
        QVERIFY2(!byMouse.isEmpty(), "a click emits nothing");
        QCOMPARE(byKey, byMouse);
        QVERIFY2(!byMouse.contains(QStringLiteral("<stale on screen>")), "the screen differs from a fresh paint");
        if (variant != 0) {
            record(true, true, &killed);
            QCOMPARE(killed, byKey.mid(0, killed.size()));
        }
    }

    void accessibleNames_data()
    {
        table([](const ClassRow &, const AddRow &add) {
            add("en", 0, 0);
            add("zh_CN", 0, 1);
            add("en, in a group box", 0, 2);
        });
    }

    // Every control a user can operate, reached as assistive technology reaches it, has a role
    // and a name in the language of the installed catalogue.
    void accessibleNames()
    {
        FETCH_ROW();
        Catalogue catalogue(variant == 1 ? QStringLiteral("zh_CN") : QStringLiteral("en"));
        Placed placed;
        const QString title = variant == 2 ? QStringLiteral("Drive settings") : QString();
        if (!title.isEmpty()) {
            delete placed.container.data();
            placed.container = new QGroupBox(title);
        }
        QVERIFY(placed.show(r));
        auto *w = qobject_cast<QWidget *>(placed.object.data());
        if (w && w->isWindow()) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        } else if (w && title.isEmpty()) {
            // A host form names the object by a label whose buddy it is.
            auto *label = new QLabel(QStringLiteral("Drive value"), placed.container);
            label->setBuddy(w);
        }
        const QStringList faults = unnamedControls(placed.object, title);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void checkedStates_data()
    {
        table([](const ClassRow &, const AddRow &add) {
            add("click", 0, ByClick);
            add("key", 0, ByKey);
            add("action", 0, ByAction);
        });
    }

    // However a checkable control is set off, what assistive technology reads as checked is the
    // control's real state, and radio buttons stay exclusive. (Offscreen, Qt sends no accessibility
    // events, so their announcement is left to the AT-SPI stage.)
    void checkedStates()
    {
        FETCH_ROW();
        Placed placed;
        QVERIFY(placed.show(r));
        if (auto *w = qobject_cast<QWidget *>(placed.object.data()); w && w->isWindow()) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        const QList<QPointer<QAbstractButton>> buttons = checkables(placed.object);
        if (buttons.isEmpty())
            QSKIP("nothing checkable");
        QStringList faults;
        for (const QPointer<QAbstractButton> &button : buttons) {
            if (!button || !button->isVisible())
                continue;
            const int radiosBefore = checkedRadios(buttons);
            const QString acted = controlName(button);
            if (!activate(button, Activation(variant))) {
                if (variant == ByAction)
                    faults << acted + QStringLiteral(": no press or toggle action");
                continue;
            }
            for (QAbstractButton *b : buttons) {
                if (!b)
                    continue;
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(b);
                if (!iface || bool(iface->state().checked) != b->isChecked())
                    faults << QStringLiteral("after %1: %2 reads %3checked").arg(acted, controlName(b),
                                                                                 b->isChecked() ? "not " : "");
            }
            if (checkedRadios(buttons) > qMax(radiosBefore, 1))
                faults << QStringLiteral("after %1: %2 radio buttons checked").arg(acted).arg(checkedRadios(buttons));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(tst_EveryClass)
#include "tst_everyclass.moc"
