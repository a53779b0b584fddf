// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECK_TESTS_HARNESS_H
#define WIDGETDECK_TESTS_HARNESS_H

// One row per public class, shared by the every-class harness (tst_everyclass): how a host
// builds the class, how a user or host makes each of its signals fire, which modal runs it
// starts, and how it is walked from the keyboard. Each family's rows live in rows_<family>.cpp
// and register themselves with a static harness::Rows object.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace harness {

/// Builds the object under @p parent (a plain container widget the harness owns).
using Make = std::function<QObject *(QWidget *parent)>;
/// Does what a user or host does to raise one signal. The object may be destroyed by the
/// signal's slot, so the function must not touch it after the event or call that emits.
using Fire = std::function<void(QObject *object)>;
/// Finds a child control of the object (nullptr: the object itself).
using Find = std::function<QWidget *(QObject *object)>;

struct Trigger {
    QByteArray signal; ///< normalised signature, as QMetaMethod::methodSignature() gives it
    Fire fire;
};

/// A modal run (dialog, box or menu) that the object starts; the harness destroys the owner
/// (the container the object lives in) or the modal widget itself while it is open.
struct ModalRun {
    const char *name;
    Fire start; ///< returns when the run has ended
};

/// A clickable control: a mouse click and each of @c keys with the focus on it must emit the
/// same signals of the object, in the same order with the same arguments.
struct KeyPath {
    const char *name;
    Find control;
    QList<int> keys; ///< for example {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}
};

// Fields left out of a row's initializer stay empty.
struct ClassRow {
    const char *className;
    Make make = {};
    /// One trigger for every signal the class declares (the harness lists them through the
    /// meta-object and fails on a missing one), plus any inherited stock signal listed here.
    QList<Trigger> triggers = {};
    /// Stock Qt signals hosts commonly delete the object from, e.g. "clicked(bool)".
    QList<QByteArray> inheritedSignals = {};
    QList<ModalRun> modalRuns = {};
    /// Object names (className when a child has none) the focus visits, in order, when Tab
    /// walks through the object placed between two host line edits. Empty: it takes no focus.
    /// For a dialog the walk stays inside the dialog and must cycle back to its first entry.
    QStringList tabChain = {};
    /// Object name of the push button that is the host dialog's default when the host has no
    /// default button of its own; empty: none of the object's buttons becomes the default.
    QString defaultButton = {};
    QList<KeyPath> keyPaths = {};
    /// Set up the object before a walk or key path (fill a list, set a range...); may be empty.
    Fire prepare = {};
    /// A known keyboard fault still open: the tab walk is skipped with this reason.
    const char *openTabFault = nullptr;
};

/// The rows of every family built; each rows_<family>.cpp adds its own.
QList<ClassRow> &rows();

struct Rows {
    Rows(std::initializer_list<ClassRow> list) { rows().append(QList<ClassRow>(list)); }
};

/// The child of @p object called @p name (a QWidget), or nullptr.
QWidget *child(QObject *object, const char *name);
/// A mouse click in the middle of @p widget.
void click(QWidget *widget);

// Row-building helpers for the shapes most rows share.

/// Builds a T under the parent; @p args follow the parent in T's constructor.
template<class T, class... Args>
Make make(Args... args)
{
    return [=](QWidget *parent) -> QObject * { return new T(parent, args...); };
}
/// Builds a T under the parent, then hands it to @p setup.
template<class T>
Make makeWith(std::function<void(T *)> setup)
{
    return [setup](QWidget *parent) -> QObject * {
        auto *object = new T(parent);
        setup(object);
        return object;
    };
}
/// Calls a member function of the object with @p args (a host's setter call).
template<class T, class R, class... P, class... A>
Fire call(R (T::*method)(P...), A... args)
{
    return [=](QObject *object) { (static_cast<T *>(object)->*method)(args...); };
}
/// The child called @p name (nullptr: the object itself).
Find named(const char *name);
/// A click on the child called @p name (nullptr: the object itself).
Fire clickOn(const char *name = nullptr);
/// A press only, on the child called @p name (nullptr: the object itself): the signal goes out
/// on the press, and a release would reach a widget a slot has deleted.
Fire pressOn(const char *name = nullptr);
/// The shown push button of the object's showing @p text.
Find buttonWithText(const char *text);
/// The double-click event alone, as the last thing sent to @p widget.
void doubleClick(QWidget *widget);
/// The keys a focused push button answers with its click: Space, Return and Enter.
const QList<int> &pressKeys();
/// prepare for editors: puts the object (or its outermost focusable children) between the host's
/// two line edits in the tab order, as a generated form's tab order would.
void betweenHostEditors(QObject *object);

} // namespace harness

#endif
