// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef TST_DIALOGDRIVER_H
#define TST_DIALOGDRIVER_H

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "catalogue.h"

#include <functional>

// Runs @p action once a modal dialog of type T is up and active; a failed check inside
// rejects the dialog so the modal run cannot hang.
template<typename T>
void whenModal(std::function<void(T *)> action)
{
    QTimer::singleShot(0, [action] {
        T *dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<T *>(QApplication::activeModalWidget())) != nullptr);
        // The offscreen platform does not reactivate a window shown a second time.
        QApplication::setActiveWindow(dialog);
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        action(dialog);
        if (QTest::currentTestFailed())
            dialog->reject();
    });
}

// The shown push button of @p parent whose text is @p text (many share one object name).
inline QPushButton *visibleButton(QWidget *parent, const QString &text)
{
    for (QPushButton *b : parent->findChildren<QPushButton *>())
        if (b->isVisibleTo(parent->window()) && b->text() == text)
            return b;
    return nullptr;
}

inline QStringList visibleButtons(QWidget *parent)
{
    QStringList texts;
    for (QPushButton *b : parent->findChildren<QPushButton *>())
        if (b->isVisibleTo(parent->window()))
            texts << b->text();
    return texts;
}

#endif // TST_DIALOGDRIVER_H
