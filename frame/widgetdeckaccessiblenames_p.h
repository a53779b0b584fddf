// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKACCESSIBLENAMES_P_H
#define WIDGETDECKACCESSIBLENAMES_P_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace WidgetDeckPrivate {

/// Keeps the accessible names an owner gives its inner controls current. The rename function
/// runs at once, on the owner's language and title changes and when it is shown, when a watched
/// part takes the focus (before the reader is told), and when the label naming the owner repaints
/// (a label announces no text change, but repaints after one).
class AccessibleNames : public QObject
{
public:
    /// Function that sets the names; ownerName() of the namer it is given reads the whole's name.
    using Rename = std::function<void(AccessibleNames &names)>;
    /// A child of @p owner; runs @p rename at once, so the parts must exist.
    AccessibleNames(QWidget *owner, Rename rename);

    /// Renames whenever @p part takes the keyboard focus.
    void watchFocus(QWidget *part);
    /// What the owner is called: a name the host gave it, else the text of the label whose buddy
    /// it is (mnemonic and trailing colon dropped), else @p fallback.
    QString ownerName(const QString &fallback);
    /// Runs the rename function.
    void refresh();

    /// Names each of @p parts after @p pattern, %1 the whole's name, %2 its position from 1 and %3
    /// the count; a single part takes the whole's name. A pattern without them (no catalogue
    /// installed) is used unchanged, without QString::arg's warning.
    static void nameParts(const QList<QWidget *> &parts, const QString &pattern, const QString &whole);
    /// Sets @p name on @p widget; nothing (and no reader event) when it already has it.
    static void setName(QWidget *widget, const QString &name);
    /// The label in @p widget's window whose buddy @p widget is, or null.
    static QLabel *buddyLabel(const QWidget *widget);

protected:
    /// Renames on the events listed above; never consumes one.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_owner;
    Rename m_rename;
    QPointer<QLabel> m_label;
};

} // namespace WidgetDeckPrivate

#endif // WIDGETDECKACCESSIBLENAMES_P_H
