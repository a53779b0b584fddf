// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Draws the six message images of the resource tree. Glyphs are built from paths, not
// fonts, so the output does not depend on the fonts installed where it runs.
//   drawicons OUTDIR [SCALE]   SCALE 2 writes "name@2x" files at 64 x 64.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <functional>

namespace {

const QColor Blue(0x1e, 0x7b, 0xd6);
const QColor Red(0xd9, 0x36, 0x2b);
const QColor Amber(0xf2, 0xa3, 0x1b);
const QColor Green(0x2e, 0xa0, 0x4a);

void disc(QPainter &p, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(1, 1, 30, 30));
}

QPen glyphPen(qreal width)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void cross(QPainter &p)
{
    p.setPen(glyphPen(3.6));
    p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

void information(QPainter &p)
{
    disc(p, Blue);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 6.5, 4, 4));
    p.drawRoundedRect(QRectF(14.2, 13, 3.6, 13), 1.2, 1.2);
}

void critical(QPainter &p)
{
    disc(p, Red);
    cross(p);
}

void warning(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(16, 2.5);
    triangle.lineTo(30.5, 28.5);
    triangle.lineTo(1.5, 28.5);
    triangle.closeSubpath();
    p.setPen(QPen(Amber, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Amber);
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(14.3, 10, 3.4, 10.5), 1.2, 1.2);
    p.drawEllipse(QRectF(14.2, 22.3, 3.6, 3.6));
}

void question(QPainter &p)
{
    disc(p, Blue);
    QPainterPath hook;
    hook.moveTo(11.5, 12.5);
    hook.arcTo(QRectF(11.5, 7, 9, 9), 180, -250);
    hook.quadTo(16, 17, 16, 20);
    p.setPen(glyphPen(3.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14.2, 22.5, 3.6, 3.6));
}

void success(QPainter &p)
{
    disc(p, Green);
    p.setPen(glyphPen(3.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(9, 16.5);
    tick.lineTo(14, 21.5);
    tick.lineTo(23, 11);
    p.drawPath(tick);
}

void failure(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    cross(p);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: drawicons OUTDIR [SCALE]\n";
        return 2;
    }
    const QDir out(args.at(1));
    const int scale = args.size() > 2 ? qBound(1, args.at(2).toInt(), 4) : 1;
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);

    const QList<QPair<QString, std::function<void(QPainter &)>>> icons = {
        {QStringLiteral("information"), information}, {QStringLiteral("critical"), critical},
        {QStringLiteral("warning"), warning},         {QStringLiteral("question"), question},
        {QStringLiteral("success"), success},         {QStringLiteral("failure"), failure},
    };
    for (const auto &icon : icons) {
        QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        icon.second(painter);
        painter.end();
        const QString path = out.filePath(icon.first + suffix);
        if (!image.save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
