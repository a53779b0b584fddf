// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qhexdlg.h"
#include "ui_qhexdlg.h"

#include "widgetdeckaccessiblenames_p.h"
#include "widgetdeckregexp_p.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QVector>

namespace {
// A line that documents a value: one or two digits, optional blanks, then a full-width
// colon, a vertical bar or an ASCII colon.
const QString ExplainLinePattern = QStringLiteral("^[0-9]{1,2}[\\s]*[\uFF1A|:]");
} // namespace

class QHexDlgPrivate
{
public:
    Ui::Dialog form;
    Ui::Dialog *const ui = &form;
    bool result = false;
    // The explanation as the document holds it, and where each of its lines starts.
    QString plain;
    QVector<int> lineStarts = {0};
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
    QTextEdit *edit = d->ui->textEdit;
    edit->setExtraSelections({});
    edit->setPlainText(text);
    // Read back: the document folds "\r\n" and the like, and its positions are what counts.
    d->plain = edit->toPlainText();
    d->lineStarts = {0};
    for (int at = d->plain.indexOf(QLatin1Char('\n')); at >= 0; at = d->plain.indexOf(QLatin1Char('\n'), at + 1))
        d->lineStarts << at + 1;
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
    QTextEdit *edit = d->ui->textEdit;
    const QString &text = d->plain;
    int matchedAt = -1;
    int matchedLength = 0;
    if (index >= 0 && index < d->lineStarts.size()) {
        const int start = d->lineStarts.at(index);
        const int end = index + 1 < d->lineStarts.size() ? d->lineStarts.at(index + 1) - 1 : text.size();
        // The pattern is anchored at the start; whatever follows the separator is free text.
        if (WidgetDeckRegExp::exactMatch(ExplainLinePattern + QStringLiteral(".*"), text.mid(start, end - start))) {
            matchedAt = start;
            matchedLength = end - start;
        }
    }

    // The copies of the line are painted red over the document, which stays as it is: a
    // change to the document would have Qt walk every one of its lines again.
    QList<QTextEdit::ExtraSelection> marks;
    if (matchedLength > 0) {
        const QStringView matched = QStringView(text).mid(matchedAt, matchedLength);
        QTextEdit::ExtraSelection mark;
        mark.format.setForeground(QColor(Qt::red));
        for (int at = text.indexOf(matched); at >= 0; at = text.indexOf(matched, at + matchedLength)) {
            mark.cursor = QTextCursor(edit->document());
            mark.cursor.setPosition(at);
            mark.cursor.setPosition(at + matchedLength, QTextCursor::KeepAnchor);
            marks << mark;
        }
    }
    QTextCursor caret = edit->textCursor();
    caret.setPosition(marks.isEmpty() ? 0 : marks.first().cursor.selectionStart());
    edit->setExtraSelections(marks);

    // The caret goes to the first red copy (the start without one), shown as if the text had
    // just been set: from the top, scrolled only as far as needed.
    edit->horizontalScrollBar()->setValue(0);
    edit->verticalScrollBar()->setValue(0);
    edit->setTextCursor(caret);
}
