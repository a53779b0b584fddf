// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The cursor frame as assistive technology sees it: a slider whose value is the position of
// the selected cursor (or the first one shown), described by every shown cursor's position.
#include "cursoraccessible_p.h"
#include "qcursorframe.h"
#include "widgetdeckaccessible_p.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLocale>

namespace {

struct Cursor {
    bool vertical;
    int index;
};

QList<Cursor> shownCursors(const QCursorFrame *frame)
{
    QList<Cursor> out;
    if (frame->isVerticalCursorShown())
        out << Cursor{true, 0} << Cursor{true, 1};
    if (frame->isHorizontalCursorShown())
        out << Cursor{false, 0} << Cursor{false, 1};
    return out;
}

double position(const QCursorFrame *frame, const Cursor &c)
{
    if (c.vertical)
        return c.index == 0 ? frame->getNormalizedVPos1() : frame->getNormalizedVPos2();
    return c.index == 0 ? frame->getNormalizedHPos1() : frame->getNormalizedHPos2();
}

// The cursor the value stands for: the selected one, else the first shown; false: none shown.
bool activeCursor(const QCursorFrame *frame, Cursor *out)
{
    if (WidgetDeckAccessible::selectedCursor(frame, &out->vertical, &out->index))
        return true;
    const QList<Cursor> shown = shownCursors(frame);
    if (shown.isEmpty())
        return false;
    *out = shown.first();
    return true;
}

QString describe(const QCursorFrame *frame, const Cursor &c)
{
    static const char *const names[2][2] = {
        {QT_TRANSLATE_NOOP("QCursorFrame", "STR_HORIZONTAL_CURSOR_1"),
         QT_TRANSLATE_NOOP("QCursorFrame", "STR_HORIZONTAL_CURSOR_2")},
        {QT_TRANSLATE_NOOP("QCursorFrame", "STR_VERTICAL_CURSOR_1"),
         QT_TRANSLATE_NOOP("QCursorFrame", "STR_VERTICAL_CURSOR_2")}};
    const QString percent = QLocale().toString(position(frame, c) * 100.0, 'f', 1) + QLatin1Char('%');
    return QStringLiteral("%1: %2").arg(QCoreApplication::translate("QCursorFrame", names[c.vertical][c.index]), percent);
}

class CursorFrameAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CursorFrameAccessible(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (!own.isEmpty())
            return own;
        Cursor c;
        switch (t) {
        case QAccessible::Name:
            return QCoreApplication::translate("QCursorFrame", "STR_MEASURE_CURSORS");
        case QAccessible::Value:
            return activeCursor(frame(), &c) ? describe(frame(), c) : QString();
        case QAccessible::Description: {
            QStringList parts;
            for (const Cursor &shown : shownCursors(frame()))
                parts << describe(frame(), shown);
            return parts.isEmpty() ? QCoreApplication::translate("QCursorFrame", "STR_NO_CURSOR_SHOWN")
                                   : parts.join(QStringLiteral("; "));
        }
        default:
            return own;
        }
    }

    // Positions in percent of the measure area.
    QVariant currentValue() const override
    {
        Cursor c;
        return activeCursor(frame(), &c) ? QVariant(position(frame(), c) * 100.0) : QVariant();
    }
    void setCurrentValue(const QVariant &value) override
    {
        Cursor c;
        if (!activeCursor(frame(), &c))
            return;
        const double pos = qBound(0.0, value.toDouble() / 100.0, 1.0);
        if (c.vertical)
            c.index == 0 ? frame()->setNormalizedVPos1(pos) : frame()->setNormalizedVPos2(pos);
        else
            c.index == 0 ? frame()->setNormalizedHPos1(pos) : frame()->setNormalizedHPos2(pos);
    }
    QVariant maximumValue() const override { return 100.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override
    {
        Cursor c;
        const QRect area = frame()->getMeasureArea();
        const int range = activeCursor(frame(), &c) && !c.vertical ? area.height() : area.width();
        return range > 0 ? 100.0 / range : 0.0;
    }

private:
    QCursorFrame *frame() const { return static_cast<QCursorFrame *>(widget()); }
};

} // namespace

void WidgetDeckAccessible::cursorsChanged(QCursorFrame *frame)
{
    if (!QAccessible::isActive())
        return;
    Cursor c;
    QAccessibleValueChangeEvent value(frame, activeCursor(frame, &c) ? QVariant(position(frame, c) * 100.0) : QVariant());
    QAccessible::updateAccessibility(&value);
    QAccessibleEvent description(frame, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

QAccessibleInterface *WidgetDeckAccessible::cursorInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QCursorFrame"))
        return new CursorFrameAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
