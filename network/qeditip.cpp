// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qeditip.h"
#include "widgetdeckeventhook_p.h"
#include "qeditip_p.h"

#include "ipv4text_p.h"
#include "widgetdeckaccessiblenames_p.h"
#include "widgetdeckregexp_p.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <cmath>

QEditIP::QEditIP(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<QEditIPPrivate>())
{
    // The range is not the validator's business: slotEditTextChanged clamps full segments.
    d->validator = WidgetDeckRegExp::validator(QStringLiteral("[0-9]{3}"), this);
    auto *layout = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("ipSegment%1").arg(i));
        edit->setValidator(d->validator);
        edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        edit->setFrame(false);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &QEditIP::slotEditTextChanged);
        layout->addWidget(edit);
        d->edits.append(edit);
    }
    // One sheet for the four segments: a sheet per child is parsed and polished four times.
    WidgetDeckPrivate::keepStyleRule(this, QStringLiteral("QLineEdit#ipSegment0,QLineEdit#ipSegment1,QLineEdit#ipSegment2,"
                                                          "QLineEdit#ipSegment3{border:0px groove gray}"));
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    setLayout(layout);

    // A reader hears each segment as a part of the whole, the whole named by the host's label.
    auto *names = new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &namer) {
        const QString whole = namer.ownerName(tr("STR_IP_ADDR"));
        const QList<QWidget *> parts(d->edits.cbegin(), d->edits.cend());
        WidgetDeckPrivate::AccessibleNames::nameParts(parts, tr("STR_PART_OF"), whole);
    });
    for (QLineEdit *edit : qAsConst(d->edits))
        names->watchFocus(edit);
}

QEditIP::~QEditIP() = default;

bool QEditIPPrivate::setTextKeepingFocus(QEditIP *edit, const QString &ip)
{
    edit->d->focusFollowsText = false;
    const bool shown = edit->setIP(ip);
    edit->d->focusFollowsText = true;
    return shown;
}

bool QEditIP::setText(const QString &ip)
{
    return setIP(ip);
}

QString QEditIP::text()
{
    return getIP();
}

void QEditIP::clear()
{
    for (QLineEdit *edit : qAsConst(d->edits))
        edit->clear();
}

void QEditIP::setReadOnly(bool readOnly)
{
    d->readOnly = readOnly;
    for (QLineEdit *edit : qAsConst(d->edits))
        edit->setReadOnly(readOnly);
    update();
}

QSize QEditIP::sizeHint() const
{
    return QSize(75, 24);
}

void QEditIP::slotEditTextChanged(QString str)
{
    if (str.size() != 3)
        return;
    auto *edit = qobject_cast<QLineEdit *>(sender());
    const int index = d->edits.indexOf(edit);
    QLineEdit *following = (index >= 0 && index < 3) ? d->edits.at(index + 1) : nullptr;
    if (edit && str.toInt(nullptr, 10) > 255)
        edit->setText(QStringLiteral("255"));
    // Only typing moves on; text set by the host leaves the focus where it is.
    if (following && edit && edit->hasFocus() && d->focusFollowsText) {
        following->setFocus(Qt::OtherFocusReason);
        following->selectAll();
    }
}

bool QEditIP::setIP(QString ip)
{
    const QStringList parts = WidgetDeckNet::ipv4Groups(ip);
    if (parts.isEmpty())
        return false;
    QWidget *focusBefore = focusWidget();
    for (int k = 0; k < parts.size() && k < d->edits.size(); ++k)
        d->edits.at(k)->setText(parts.at(k));
    // A full part hands the focus on and selects the next segment, but that segment's own
    // setText then drops the selection; select it again so it is replaced when typed over.
    auto *focused = qobject_cast<QLineEdit *>(focusWidget());
    if (focused && focused != focusBefore && d->edits.contains(focused))
        focused->selectAll();
    return true;
}

QString QEditIP::getIP()
{
    QStringList parts;
    for (QLineEdit *edit : qAsConst(d->edits))
        parts << edit->text();
    return parts.join(QLatin1Char('.'));
}

QLineEdit *QEditIP::getAdjacentEdit(QLineEdit *edit, bool next)
{
    const int index = d->edits.indexOf(edit);
    if (index < 0)
        return nullptr;
    const int adjacent = next ? index + 1 : index - 1;
    return (adjacent >= 0 && adjacent < d->edits.size()) ? d->edits.at(adjacent) : nullptr;
}

bool QEditIP::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && d->edits.size() == 4 && watched == d->edits.at(3)) {
        // Switching windows or opening a popup is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // Qt has already chosen the widget that gets the focus. When it is one of our own
            // segments, a host deleting the editor from the slot would pull it out from under
            // Qt's focus handling, so the signal waits for the event loop then.
            if (d->edits.contains(qobject_cast<QLineEdit *>(QApplication::focusWidget()))) {
                QMetaObject::invokeMethod(this, [this] { emit editingFinished(); }, Qt::QueuedConnection);
            } else {
                QPointer<QEditIP> guard(this);
                emit editingFinished();
                if (!guard)
                    return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);

    const int index = d->edits.indexOf(qobject_cast<QLineEdit *>(watched));
    if (index < 0)
        return false;
    QLineEdit *edit = d->edits.at(index);
    const int key = static_cast<QKeyEvent *>(event)->key();

    if ((key == Qt::Key_Left || key == Qt::Key_Backspace) && edit->cursorPosition() == 0) {
        if (index > 0) {
            QLineEdit *previous = d->edits.at(index - 1);
            previous->setFocus(Qt::OtherFocusReason);
            previous->setCursorPosition(previous->text().size());
        }
        return false;
    }

    const bool atEnd = key == Qt::Key_Right && edit->cursorPosition() == edit->text().size();
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    const bool full = edit->cursorPosition() == 3;

    if ((atEnd || (digit && full)) && !edit->hasSelectedText()) {
        if (index < 3) {
            QLineEdit *following = d->edits.at(index + 1);
            following->setFocus(Qt::OtherFocusReason);
            if (atEnd) {
                following->setCursorPosition(0);
            } else {
                following->setCursorPosition(following->text().size());
                following->selectAll();
            }
        }
        return false;
    }
    if (digit && edit->isReadOnly())
        return true;
    if (digit && edit->hasSelectedText()) {
        // A digit typed over any selection replaces the whole segment.
        edit->setText(QString());
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void QEditIP::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const bool readOnly = d->readOnly;
    const auto paint = [readOnly](QPainter &p, const QRect &frame) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(QBrush(readOnly ? QColor(200, 200, 200, 255) : QColor(255, 255, 255, 255)));
        p.drawRoundedRect(frame, 4.0, 4.0, Qt::AbsoluteSize);

        const float quarterWidth = float(frame.width() / 4.0);
        const float halfHeight = float(frame.height() / 2.0);
        p.setPen(QPen(QBrush(QColor(0, 0, 0, 255)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        const int y = int(halfHeight + 1.0);
        for (int k = 1; k <= 3; ++k) {
            const int x = int(std::round(k * quarterWidth + 1.0));
            p.drawPoint(x, y);
        }
    };
    // A keystroke repaints a segment, and the frame beneath it: copied, not drawn again.
    if (event->rect() != rect()) {
        d->frameCache.ensure({readOnly}, size(), devicePixelRatioF(), [&](QPainter &p) { paint(p, rect()); });
        if (d->frameCache.copy(painter, event->region()))
            return;
    }
    paint(painter, rect());
}
