// Draws the Imaging page's own icons into resources/halvane/icons/ as PNG
// files (its colour-mode buttons use the Basic page's), in the style of
// draw-icons.cpp: flat rounded tiles, dark grey glyphs on light grey; a
// button's "-selected" twin is the same glyph in white on the accent blue.
// Built and run by the "icons" target; the PNGs are committed.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "iconstyle.h"

namespace {
using namespace iconstyle;
const QColor cyan(0x1f, 0xa8, 0xd8);
const QColor magenta(0xd6, 0x3a, 0x9a);
const QColor yellow(0xf0, 0xc4, 0x2a);

// A toner drop, full or drawn in outline with a saving arrow.
void drop(QPainter &p, const QColor &ink, const QColor &paper, bool saving)
{
    QPainterPath path;
    path.moveTo(22, 9);
    path.cubicTo(22, 9, 11, 23, 11, 30);
    path.cubicTo(11, 36, 16, 40, 22, 40);
    path.cubicTo(28, 40, 33, 36, 33, 30);
    path.cubicTo(33, 23, 22, 9, 22, 9);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(saving ? paper : ink);
    p.drawPath(path);
    if (saving) {
        p.setClipPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(8, 31, 28, 12));
        p.setClipping(false);
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(39, 13), QPointF(39, 27));
        p.drawLine(QPointF(34.5, 22.5), QPointF(39, 27));
        p.drawLine(QPointF(43.5, 22.5), QPointF(39, 27));
    }
}

// The print-quality picture beside the page's first captions: a magnifier
// over a dot screen.
void printQuality()
{
    QImage image = canvas(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1, 1, 46, 46), 8, 8);
    p.setBrush(glyph);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column)
            p.drawEllipse(QPointF(8 + column * 6, 8 + row * 6), 0.6 + 0.35 * (row + column) / 2.0,
                          0.6 + 0.35 * (row + column) / 2.0);
    }
    p.setPen(QPen(accent, 2.4));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(27, 26), 10, 10);
    p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34.5, 33.5), QPointF(42, 41));
    p.end();
    image.save(outDir + QLatin1String("/imaging-print-quality.png"));
}

// The colour adjustment dialog's picture: a colour wheel with slider marks.
void adjustment()
{
    QImage image = canvas(128, 128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    QConicalGradient wheel(QPointF(32, 28), 90);
    wheel.setColorAt(0.0, QColor(0xd6, 0x3a, 0x2f));
    wheel.setColorAt(1.0 / 6, yellow);
    wheel.setColorAt(2.0 / 6, QColor(0x3a, 0xb0, 0x4a));
    wheel.setColorAt(3.0 / 6, cyan);
    wheel.setColorAt(4.0 / 6, accent);
    wheel.setColorAt(5.0 / 6, magenta);
    wheel.setColorAt(1.0, QColor(0xd6, 0x3a, 0x2f));
    p.setPen(QPen(glyph, 1.4));
    p.setBrush(wheel);
    p.drawEllipse(QPointF(32, 28), 20, 20);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 28), 7, 7);
    for (int i = 0; i < 2; ++i) {
        const qreal y = 54 + i * 6;
        p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, y), QPointF(54, y));
        p.setPen(QPen(glyph, 1.2));
        p.setBrush(tile);
        p.drawEllipse(QPointF(i == 0 ? 40 : 22, y), 2.6, 2.6);
    }
    p.end();
    image.save(outDir + QLatin1String("/imaging-adjustment.png"));
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);
    namePrefix = QStringLiteral("imaging-");

    buttonIcon(QStringLiteral("thriftink-off"), [](QPainter &p, const QColor &ink, const QColor &paper, bool) {
        drop(p, ink, paper, false);
    });
    buttonIcon(QStringLiteral("thriftink-on"), [](QPainter &p, const QColor &ink, const QColor &paper, bool) {
        drop(p, ink, paper, true);
    });
    printQuality();
    adjustment();
    return 0;
}
