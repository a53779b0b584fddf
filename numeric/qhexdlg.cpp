// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhexdlg.h"
#include "ui_qhexdlg.h"

#include "widgetdeckaccessiblenames_p.h"
#include "widgetdeckregexp_p.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

namespace {
// A line that documents a value: one or two digits, optional blanks, then a full-width
// colon, a vertical bar or an ASCII colon.
const QString ExplainLinePattern = QStringLiteral("^[0-9]{1,2}[\\s]*[\uFF1A|:]");

QString escapedLines(const QString &text)
{
    return text.toHtmlEscaped();
}
} // namespace

class QHexDlgPrivate
{
public:
    Ui::Dialog form;
    Ui::Dialog *const ui = &form;
    bool result = false;
};

QHexDlg::QHexDlg(QWidget *parent, int bits)
    : QBaseDlg(parent)
    , d(new QHexDlgPrivate)
{
    Ui::Dialog *const ui = d->ui;
    ui->setupUi(this);
    setTitle(tr("STR_MULTI_SCALE"));
    d->ui->widgetInit->setupBits(bits);
    d->ui->widgetModify->setupBits(bits);
    init();

    // Return and Enter must reach keyPressEvent, not click whichever button has focus.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    connect(d->ui->okCancel, &QOkCancel::SigOk, this, &QHexDlg::OnOK);
    connect(d->ui->okCancel, &QOkCancel::SigCancel, this, &QHexDlg::OnCancel);
    setFocusPolicy(Qt::NoFocus);
    // The explanation pane is no document: Tab moves on instead of inserting a tab stop.
    d->ui->textEdit->setTabChangesFocus(true);
    // It explains the values; it is read (caret and selection by keyboard too), never edited.
    d->ui->textEdit->setReadOnly(true);
    d->ui->textEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &) {
        WidgetDeckPrivate::AccessibleNames::setName(d->ui->textEdit, tr("STR_EXPLANATION"));
    });
    connect(d->ui->widgetModify, &QHexSubWidget::sigValueChanged, this, &QHexDlg::slotHighlightExplain);
}

QHexDlg::~QHexDlg() = default;

void QHexDlg::setInitialData(const int &value)
{
    d->ui->widgetInit->setValue(value);
    {
        // The panel would report the new text and highlight once more; once is enough.
        const QSignalBlocker blocker(d->ui->widgetModify);
        d->ui->widgetModify->setValue(value);
    }
    slotHighlightExplain(value);
}

void QHexDlg::setRange(const int &min, const int &max)
{
    d->ui->widgetModify->setRange(min, max);
}

void QHexDlg::setExplain(const QString &text)
{
    d->ui->textEdit->setPlainText(text);
}

int QHexDlg::getModifyData() const
{
    return d->ui->widgetModify->value();
}

bool QHexDlg::getResult() const
{
    return d->result;
}

void QHexDlg::OnOK()
{
    d->result = true;
    accept();
}

void QHexDlg::OnCancel()
{
    d->result = false;
    QBaseDlg::close();
}

void QHexDlg::done(int r)
{
    // QDialog::done() emits finished() after accepted() on an object a slot may have
    // deleted; end the run quietly and emit the same signals under a guard.
    {
        const QSignalBlocker blocker(this);
        QBaseDlg::done(r);
    }
    QPointer<QHexDlg> guard(this);
    if (r == Accepted)
        emit accepted();
    else if (r == Rejected)
        emit rejected();
    if (guard)
        emit finished(r);
}

void QHexDlg::init()
{
    d->ui->widgetInit->setReadOnly();
}

void QHexDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    // A push button the user moved the focus to answers with its own action, whatever its
    // autoDefault says; anywhere else Return confirms.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && isAncestorOf(button) && button->isVisible()) {
        if (button->isEnabled())
            button->click();
        return;
    }
    d->result = true;
    accept();
}

void QHexDlg::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 36);
}

void QHexDlg::slotHighlightExplain(int index)
{
    const QString text = d->ui->textEdit->toPlainText();
    const QStringList lines = text.split(QLatin1Char('\n'));

    QString matched;
    if (index >= 0 && index < lines.size()) {
        // The pattern is anchored at the start; whatever follows the separator is free text.
        if (WidgetDeckRegExp::exactMatch(ExplainLinePattern + QStringLiteral(".*"), lines.at(index)))
            matched = lines.at(index);
    }

    // The explanation is the host's plain text: escape it piece by piece so that "<" and "&"
    // show as typed and cannot form markup, and colour every copy of the matched line.
    QString html;
    if (matched.isEmpty()) {
        html = escapedLines(text);
    } else {
        const QString marked = QStringLiteral("<font color=red>%1</font>").arg(escapedLines(matched));
        html.reserve(text.size() + text.size() / 8);
        int from = 0;
        for (int at = text.indexOf(matched); at >= 0; at = text.indexOf(matched, from)) {
            html += escapedLines(text.mid(from, at - from));
            html += marked;
            from = at + matched.size();
        }
        html += escapedLines(text.mid(from));
    }
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    // pre-wrap keeps runs of blanks and tabs as typed, as the plain text showed them.
    d->ui->textEdit->setHtml(QLatin1String("<div style=\"white-space:pre-wrap\">") + html + QLatin1String("</div>"));

    const QString needle = matched.isEmpty() ? lines.value(0) : matched;
    const int position = d->ui->textEdit->toPlainText().indexOf(needle);
    if (position >= 0) {
        QTextCursor cursor = d->ui->textEdit->textCursor();
        cursor.setPosition(position);
        d->ui->textEdit->setTextCursor(cursor);
    }
}
