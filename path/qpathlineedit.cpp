// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qpathlineedit.h"

#include "widgetdeckregexp_p.h"

namespace {
// Device names that cannot be used as a file name. The vertical bar inside the bracket
// classes is kept as it always was: hosts have relied on this exact pattern.
const QString ReservedNamePattern = QStringLiteral(
    R"((^[l|L][p|P][t|T]\d+$)|(^\d+[l|L][p|P][t|T]$)|(^[c|C][o|O][m|M]\d+$)|(^\d+[c|C][o|O][m|M]$)|)"
    R"((^[c|C][o|O][n|N]$)|(^[p|P][r|R][n|N]$)|(^[a|A][u|U][x|X]$)|(^[n|N][u|U][l|L]$))");

const QString ForbiddenChars = QStringLiteral("\\/:*?\"<>|");

bool hasForbiddenChar(const QString &text)
{
    for (const QChar c : text) {
        if (ForbiddenChars.contains(c))
            return true;
    }
    return false;
}
} // namespace

QPathLineEdit::QPathLineEdit(QWidget *parent)
    : QFolderEdit(parent)
{
}

QPathLineEdit::~QPathLineEdit() = default;

bool QPathLineEdit::isValid()
{
    const QString name = text().trimmed();
    // Text set by the program bypasses the validator, so forbidden characters are checked too.
    if (!name.isEmpty() && !hasForbiddenChar(name) && !WidgetDeckRegExp::exactMatch(ReservedNamePattern, name))
        return true;
    setFocus(Qt::OtherFocusReason);
    return false;
}
