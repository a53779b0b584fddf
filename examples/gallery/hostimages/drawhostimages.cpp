// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Draws the images a host application is expected to register for the library's widgets
// (tile pictures, arrows, close and password icons). The gallery plays that host: it
// compiles these into its own resources at build time.
//   drawhostimages OUTDIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <functional>

namespace {

const QColor Ink(0x33, 0x4a, 0x66);
const QColor Accent(0x1e, 0x7b, 0xd6);

QPen pen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void arrow(QPainter &p, const QSize &size, qreal angle)
{
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.rotate(angle);
    p.setPen(pen(Ink, 2));
    p.drawLine(QPointF(2, -4), QPointF(-3, 0));
    p.drawLine(QPointF(-3, 0), QPointF(2, 4));
}

void cross(QPainter &p, const QColor &color)
{
    p.setPen(pen(color, 2));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void eye(QPainter &p, bool struck)
{
    QPainterPath lid;
    lid.moveTo(2, 10);
    lid.quadTo(10, 2, 18, 10);
    lid.quadTo(10, 18, 2, 10);
    p.setPen(pen(Ink, 1.6));
    p.drawPath(lid);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(10, 10), 2.5, 2.5);
    if (struck)
        p.drawLine(QPointF(4, 17), QPointF(16, 3));
}

// A drive front: a cabinet with a display and a row of terminals.
void device(QPainter &p, const QColor &body, int terminals)
{
    p.setPen(pen(Ink, 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(22, 6, 52, 62), 5, 5);
    p.setBrush(QColor(0x1d, 0x2b, 0x3a));
    p.drawRect(QRectF(30, 14, 36, 14));
    p.setPen(pen(QColor(0x6e, 0xe0, 0x8c), 1.5));
    p.drawLine(QPointF(34, 21), QPointF(48, 21));
    p.setPen(pen(Ink, 1.5));
    p.setBrush(Qt::white);
    for (int i = 0; i < terminals; ++i)
        p.drawEllipse(QPointF(32 + i * (32.0 / qMax(1, terminals - 1)), 56), 3, 3);
}

struct Image {
    QString path;
    QSize size;
    std::function<void(QPainter &, const QSize &)> draw;
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        QTextStream(stderr) << "usage: drawhostimages OUTDIR\n";
        return 2;
    }
    const QDir out(app.arguments().at(1));
    const QList<Image> images = {
        {"img/commonImge/inverter", {96, 72}, [](QPainter &p, const QSize &) { device(p, QColor(0xdc, 0xe8, 0xf5), 3); }},
        {"img/commonImge/servo", {96, 72}, [](QPainter &p, const QSize &) { device(p, QColor(0xf5, 0xe6, 0xcf), 5); }},
        {"img/commonImge/remote", {96, 72}, [](QPainter &p, const QSize &) { device(p, QColor(0xdd, 0xf0, 0xdd), 7); }},
        {"img/commonImge/arrow_left", {16, 16}, [](QPainter &p, const QSize &s) { arrow(p, s, 0); }},
        {"img/commonImge/arrow_top", {16, 16}, [](QPainter &p, const QSize &s) { arrow(p, s, 90); }},
        {"img/commonImge/arrow_right", {16, 16}, [](QPainter &p, const QSize &s) { arrow(p, s, 180); }},
        {"img/commonImge/arrow_down", {16, 16}, [](QPainter &p, const QSize &s) { arrow(p, s, 270); }},
        {"img/commonImge/connectui_arrow", {24, 16}, [](QPainter &p, const QSize &) {
             p.setPen(pen(Accent, 2));
             p.drawLine(QPointF(3, 8), QPointF(20, 8));
             p.drawLine(QPointF(15, 3), QPointF(20, 8));
             p.drawLine(QPointF(15, 13), QPointF(20, 8));
         }},
        {"img/commonImge/showpsw", {20, 20}, [](QPainter &p, const QSize &) { eye(p, false); }},
        {"img/commonImge/hidepsw", {20, 20}, [](QPainter &p, const QSize &) { eye(p, true); }},
        {"img/toolWidget/close", {16, 16}, [](QPainter &p, const QSize &) { cross(p, Ink); }},
        {"img/topWidgetImge/close_normal", {16, 16}, [](QPainter &p, const QSize &) { cross(p, Qt::white); }},
        {"img/topWidgetImge/close_hover", {16, 16}, [](QPainter &p, const QSize &) { cross(p, QColor(0xff, 0xd0, 0x60)); }},
        {"img/topWidgetImge/close_pressed", {16, 16}, [](QPainter &p, const QSize &) { cross(p, QColor(0xff, 0x80, 0x60)); }},
        {"img/noImg.png", {24, 24}, [](QPainter &p, const QSize &) {
             p.setPen(QPen(Ink, 1.5, Qt::DashLine));
             p.drawRoundedRect(QRectF(3, 3, 18, 18), 3, 3);
         }},
    };
    for (const Image &image : images) {
        QImage canvas(image.size, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        image.draw(painter, image.size);
        painter.end();
        const QString file = out.filePath(image.path);
        out.mkpath(QFileInfo(file).path());
        if (!canvas.save(file, "PNG")) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
