// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef WIDGETDECKREGEXP_P_H
#define WIDGETDECKREGEXP_P_H

// Pattern validators and whole-text matches on both Qt majors: Qt 5 keeps QRegExp and
// QRegExpValidator; Qt 6 uses QRegularExpression anchored to the whole text, which accepts
// and refuses the same texts for the library's patterns.

#include <QtGlobal>
#include <QString>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QRegularExpression>
#include <QRegularExpressionValidator>
using WidgetDeckPatternValidator = QRegularExpressionValidator;
#else
#include <QRegExp>
#include <QRegExpValidator>
using WidgetDeckPatternValidator = QRegExpValidator;
#endif

namespace WidgetDeckRegExp {

/// A validator that accepts the texts @p pattern matches whole, and their prefixes as Intermediate.
inline WidgetDeckPatternValidator *validator(const QString &pattern, QObject *parent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return new QRegularExpressionValidator(QRegularExpression(pattern), parent);
#else
    return new QRegExpValidator(QRegExp(pattern), parent);
#endif
}

/// True when @p pattern matches the whole of @p text.
inline bool exactMatch(const QString &pattern, const QString &text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
#else
    return QRegExp(pattern).exactMatch(text);
#endif
}

} // namespace WidgetDeckRegExp

#endif
