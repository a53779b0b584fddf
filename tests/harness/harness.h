// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECK_TESTS_HARNESS_H
#define WIDGETDECK_TESTS_HARNESS_H

// One row per public class for tst_everyclass: how a host builds it, fires each signal, opens its
// modal runs and walks it by keyboard. rows_<family>.cpp register theirs with a static Rows.

#include <QMetaMethod>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace harness {

using Make = std::function<QObject *(QWidget *parent)>;
/// Raises one signal as a user or host does; a slot may destroy the object, so the function
/// must not touch it after the event or call that emits.
using Fire = std::function<void(QObject *object)>;
using Find = std::function<QWidget *(QObject *object)>;

struct Trigger {
    QByteArray signal; ///< normalised signature, as QMetaMethod::methodSignature() gives it
    Fire fire;
};

/// A modal run (dialog, box or menu) the object starts; the harness destroys the owner or the
/// object itself while it is open. @c start returns when the run has ended.
struct ModalRun {
    const char *name;
    Fire start;
};

/// A click on the control and each of @c keys with the focus on it emit the same signals.
struct KeyPath {
    const char *name;
    Find control;
    QList<int> keys;
};

struct ClassRow {
    const char *className;
    Make make = {};
    /// One per signal the class declares (the harness fails on a missing one), plus any
    /// inherited stock signal listed in @c inheritedSignals (ones hosts delete the object from).
    QList<Trigger> triggers = {};
    QList<QByteArray> inheritedSignals = {};
    QList<ModalRun> modalRuns = {};
    /// Object names (className when a child has none) Tab visits through the object placed
    /// between two host line edits; empty: no focus. A dialog's walk cycles back to its first.
    QStringList tabChain = {};
    /// The push button that becomes the host's default when the host has none; empty: none.
    QString defaultButton = {};
    QList<KeyPath> keyPaths = {};
    /// Sets the object up before a walk or key path (fill a list, set a range...).
    Fire prepare = {};
};

QList<ClassRow> &rows();

struct Rows {
    Rows(std::initializer_list<ClassRow> list) { rows().append(QList<ClassRow>(list)); }
};

/// A signal or slot hosts reach by its name (string connect, a form's connection): it stays in
/// the meta-object of @c className with this signature. @c owner is the row whose object is, or
/// holds as a child, an object of that class. Own signals a row has triggers for are checked so
/// without an entry.
struct NamedMethod {
    const char *owner;
    const char *className;
    QMetaMethod::MethodType kind;
    const char *signature;
};

QList<NamedMethod> &namedMethods();

/// Registers the signals and slots of @p className, held by (or being) the row @p owner.
struct NamedMethods {
    NamedMethods(const char *owner, const char *className, std::initializer_list<const char *> signalList,
                 std::initializer_list<const char *> slotList);
    NamedMethods(const char *className, std::initializer_list<const char *> signalList,
                 std::initializer_list<const char *> slotList)
        : NamedMethods(className, className, signalList, slotList)
    {
    }
};

QWidget *child(QObject *object, const char *name);
void click(QWidget *widget);

/// Builds a T under the parent; @p args follow the parent in T's constructor.
template<class T, class... Args>
Make make(Args... args)
{
    return [=](QWidget *parent) -> QObject * { return new T(parent, args...); };
}
template<class T>
Make makeWith(std::function<void(T *)> setup)
{
    return [setup](QWidget *parent) -> QObject * {
        auto *object = new T(parent);
        setup(object);
        return object;
    };
}
template<class T, class R, class... P, class... A>
Fire call(R (T::*method)(P...), A... args)
{
    return [=](QObject *object) { (static_cast<T *>(object)->*method)(args...); };
}
/// Runs @p fires one after the other on the object (the last may be the one that emits).
template<class... F>
Fire steps(F... fires)
{
    return [=](QObject *object) { (Fire(fires)(object), ...); };
}
// Names are children of the object; nullptr names the object itself. pressOn() sends the press
// alone: the signal goes out on it, and a release would reach a widget a slot has deleted.
Find named(const char *name);
Fire clickOn(const char *name = nullptr);
Fire pressOn(const char *name = nullptr);
Find buttonWithText(const char *text);
/// The double-click event alone, as the last thing sent to @p widget.
void doubleClick(QWidget *widget);
/// The keys a focused push button answers with its click: Space, Return and Enter.
inline QList<int> pressKeys()
{
    return {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
}
/// Puts the object (or its outermost focusable children) between the host's two line edits in
/// the tab order, as a generated form's tab order would.
void betweenHostEditors(QObject *object);

} // namespace harness

#endif
