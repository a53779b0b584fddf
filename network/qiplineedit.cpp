// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qiplineedit.h"
#include "widgetdeckeventhook_p.h"
#include "widgetdeckpaintcache_p.h"

#include "ipv4text_p.h"
#include "widgetdeckaccessiblenames_p.h"
#include "widgetdeckregexp_p.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFrame>

#include <algorithm>
#include <iterator>

namespace {
const char OctetPattern[] = "(2[0-5]{2}|2[0-4][0-9]|1?[0-9]{1,2})";
} // namespace

class QIPLineEditPrivate
{
public:
    QLineEdit *octets[4] = {};
    /// The outer frame and the dots as last painted, for the repaints under an octet.
    WidgetDeckPrivate::PaintCache frameCache;
    /// Whether the frame was last painted focused.
    bool focusShown = false;

    bool octetHasFocus() const
    {
        return std::any_of(std::begin(octets), std::end(octets), [](const QLineEdit *edit) { return edit->hasFocus(); });
    }
};

QIPLineEdit::QIPLineEdit(QWidget *parent)
    : QLineEdit(parent)
    , d(std::make_unique<QIPLineEditPrivate>())
{
    const QString octet = QString::fromLatin1(OctetPattern);

    auto *layout = new QHBoxLayout;
    layout->setSpacing(4);
    layout->setContentsMargins(4, 4, 2, 4);

    for (int i = 0; i < 4; ++i) {
        QLineEdit *edit = new QLineEdit(this);
        d->octets[i] = edit;
        edit->setObjectName(QStringLiteral("ipOctet%1").arg(i));
        edit->setFrame(false);
        edit->setMaxLength(3);
        edit->setTextMargins(0, 0, 0, 0);
        edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        edit->installEventFilter(this);
        edit->setValidator(WidgetDeckRegExp::validator(octet, this));
        edit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        edit->setAttribute(Qt::WA_MacShowFocusRect, false);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        layout->addWidget(edit);
    }

    // One sheet for the four octets: a sheet per child is parsed and polished four times.
    WidgetDeckPrivate::keepStyleRule(
        this, QStringLiteral("QLineEdit#ipOctet0,QLineEdit#ipOctet1,QLineEdit#ipOctet2,QLineEdit#ipOctet3{border:none}"));
    setFixedSize(150, 20);
    setLayout(layout);
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The frame itself takes no input: focusing it focuses the first octet.
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(d->octets[0]);
    installEventFilter(this);

    // Queued, so the length check runs after the octet has taken the key.
    qRegisterMetaType<QLineEdit *>("QLineEdit*");
    connect(this, &QIPLineEdit::signalTextChanged, this, &QIPLineEdit::slotTextChanged, Qt::QueuedConnection);

    // A reader hears each octet as a part of the whole, the whole named by the host's label.
    auto *names = new WidgetDeckPrivate::AccessibleNames(this, [this](WidgetDeckPrivate::AccessibleNames &namer) {
        const QString whole = namer.ownerName(tr("STR_IP_ADDR"));
        WidgetDeckPrivate::AccessibleNames::nameParts(QList<QWidget *>(d->octets, d->octets + 4), tr("STR_PART_OF"), whole);
    });
    for (QLineEdit *octet : d->octets)
        names->watchFocus(octet);
}

QIPLineEdit::~QIPLineEdit() = default;

QString QIPLineEdit::getIP() const
{
    QString octets[4];
    for (int i = 0; i < 4; ++i) {
        octets[i] = d->octets[i]->text();
        if (octets[i].isEmpty())
            octets[i] = QStringLiteral("0");
    }
    return QStringLiteral("%1.%2.%3.%4").arg(octets[0], octets[1], octets[2], octets[3]);
}

void QIPLineEdit::setIP(const QString &ip)
{
    if (!isValidIP(ip)) {
        // On the heap and watched: the host may delete this editor, and the box with it,
        // while the box is open.
        QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Attention"),
                                                    QStringLiteral("Your IP Address is Invalid!"),
                                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("invalidAddressBox"));
        box->exec();
        delete box.data();
        return;
    }
    const QStringList parts = WidgetDeckNet::ipv4Groups(ip);
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        d->octets[i]->setText(parts.at(i));
    d->octets[0]->selectAll();
}

void QIPLineEdit::setIP(const int &ip)
{
    Q_UNUSED(ip)
}

void QIPLineEdit::slotTextChanged(QLineEdit *pEdit)
{
    const int index = getIndex(pEdit);
    if (index < 0 || index == 3 || pEdit->text().size() != 3)
        return;
    d->octets[index + 1]->setFocus(Qt::OtherFocusReason);
    d->octets[index + 1]->selectAll();
}

bool QIPLineEdit::isValidIP(const QString &ip)
{
    return !WidgetDeckNet::canonicalIPv4(ip).isEmpty();
}

int QIPLineEdit::getIndex(QLineEdit *edit)
{
    for (int i = 0; i < 4; ++i)
        if (d->octets[i] == edit)
            return i;
    return -1;
}

void QIPLineEdit::focusOctet(int index, bool cursorAtEnd)
{
    QLineEdit *edit = d->octets[index];
    edit->setFocus();
    edit->setCursorPosition(cursorAtEnd ? edit->text().size() : 0);
    edit->selectAll();
}

bool QIPLineEdit::eventFilter(QObject *watched, QEvent *event)
{
    const bool answer = QLineEdit::eventFilter(watched, event);
    // A style sheet changes the frame without a trace in the cache's key.
    if (watched == this && event->type() == QEvent::StyleChange)
        d->frameCache.clear();
    // An octet's key release climbs to this frame, whose caret is never shown; QLineEdit would
    // still repaint where it stands. It goes on up to the host as if ignored here.
    if (watched == this && event->type() == QEvent::KeyRelease
        && getIndex(qobject_cast<QLineEdit *>(focusWidget())) >= 0) {
        event->ignore();
        return true;
    }

    // The frame looks focused while any octet has the focus, not only the first (its proxy).
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && watched != this
        && d->octetHasFocus() != d->focusShown)
        update();

    if (event->type() == QEvent::Show && watched == this) {
        d->octets[0]->setFocus(Qt::OtherFocusReason);
        d->octets[0]->setCursorPosition(d->octets[0]->text().size());
        d->octets[0]->selectAll();
        return answer;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return answer;
    auto *edit = qobject_cast<QLineEdit *>(watched);
    const int index = getIndex(edit);
    if (index < 0)
        return answer;
    if (event->type() == QEvent::ShortcutOverride) {
        // Return moves between the octets even where the host has a shortcut on it.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return) {
            event->accept();
            return true;
        }
        return answer;
    }

    const int next = (index + 1) % 4;
    const int previous = (index + 3) % 4;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    int key = keyEvent->key();
    if (key == Qt::Key_Tab && keyEvent->modifiers().testFlag(Qt::ShiftModifier))
        key = Qt::Key_Backtab;
    switch (key) {
    case Qt::Key_Tab:
        // Tab walks the octets and then leaves the editor, Shift+Tab walks them back.
        if (index == 3)
            return answer;
        focusOctet(next, false);
        return true;
    case Qt::Key_Backtab:
        if (index == 0)
            return answer;
        focusOctet(previous, false);
        return true;
    case Qt::Key_Return:
        focusOctet(next, false);
        return true;
    case Qt::Key_Right:
        if (edit->text().isEmpty() || edit->cursorPosition() == edit->text().size())
            focusOctet(next, false);
        return answer;
    case Qt::Key_Left:
        if (edit->cursorPosition() == 0)
            focusOctet(previous, true);
        return answer;
    case Qt::Key_Backspace:
        if (edit->text().isEmpty() || edit->cursorPosition() == 0) {
            if (index > 0) {
                d->octets[index - 1]->setFocus();
                d->octets[index - 1]->setCursorPosition(d->octets[index - 1]->text().size());
            }
            return QLineEdit::eventFilter(watched, event);
        }
        return answer;
    default: {
        // The host may delete the editor, and with it the octet, from the slot.
        QPointer<QIPLineEdit> guard(this);
        emit signalTextChanged(edit);
        return guard ? answer : true;
    }
    }
}

void QIPLineEdit::paintEvent(QPaintEvent *event)
{
    const auto paintDots = [this](QPainter &painter) {
        painter.setBrush(QBrush(Qt::black, Qt::SolidPattern));
        const int y = height() / 2 + 2;
        int x = 0;
        for (int i = 0; i < 3; ++i) {
            x += d->octets[i]->width() + (i == 0 ? 4 : 5);
            painter.drawEllipse(x, y, 1, 1);
        }
    };
    // The outer edit's own text, placeholder or caret (a host's doing) is QLineEdit's to paint.
    if (!isReadOnly() || !text().isEmpty() || !placeholderText().isEmpty()) {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        paintDots(painter);
        return;
    }
    // Without them QLineEdit paints the panel alone; here it shows the focus of any octet.
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    d->focusShown = d->octetHasFocus();
    if (d->focusShown)
        panel.state |= QStyle::State_HasFocus;
    const auto paintFrame = [&](QPainter &painter) {
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        paintDots(painter);
    };
    QPainter painter(this);
    // Typing repaints an octet and this frame beneath it: copied where that is exact.
    if (event->rect() != rect()) {
        const QVector<qint64> key = {qint64(quintptr(style())), qint64(panel.state), panel.palette.cacheKey(),
                                     panel.lineWidth, panel.midLineWidth, qint64(panel.features), panel.direction,
                                     d->octets[0]->width(), d->octets[1]->width(), d->octets[2]->width()};
        d->frameCache.ensure(key, size(), devicePixelRatioF(), paintFrame);
        if (d->frameCache.copy(painter, event->region()))
            return;
    }
    paintFrame(painter);
}

QString QIPLineEdit::getIPItemStr(unsigned char value)
{
    return QStringLiteral("%1\n").arg(value, 0, 10, QLatin1Char(' '));
}
