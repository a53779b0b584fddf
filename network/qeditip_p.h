// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEDITIP_P_H
#define QEDITIP_P_H

// Internal state of QEditIP; the adapter panel uses setTextKeepingFocus().

#include "widgetdeckpaintcache_p.h"

#include <QVector>

class QEditIP;
class QLineEdit;
class QValidator;

class QEditIPPrivate
{
public:
    QVector<QLineEdit *> edits; ///< segments 0 to 3, children of the editor
    bool readOnly = false;
    QValidator *validator = nullptr;
    /// False while a text is proposed: a full segment then leaves the focus where it is.
    bool focusFollowsText = true;
    /// The frame and dots as last painted, for the repaints under a segment.
    WidgetDeckPrivate::PaintCache frameCache;

    /// Shows @p ip like QEditIP::setText(), but never moves the keyboard focus: the panel
    /// proposes a mask while the user tabs into it.
    static bool setTextKeepingFocus(QEditIP *edit, const QString &ip);
};

#endif // QEDITIP_P_H
