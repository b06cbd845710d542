// Draws the print-accounting page's Off/On button icons into
// resources/halvane/icons/ in the framework's style: flat rounded tiles,
// dark grey glyphs on light grey, and a "-selected" twin in white on the
// accent blue. Off: the accounting server struck through; On: the server
// with a check mark.
// Built and run by the "icons" target; the PNGs are committed.
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "iconstyle.h"

namespace {
using namespace iconstyle;

// Two rack units of a server, each with a status light.
void server(QPainter &p, const QColor &ink, const QColor &paper)
{
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(paper);
    for (qreal top : {12.0, 24.0}) {
        const QRectF unit(12, top, 26, 10);
        p.drawRoundedRect(unit, 2, 2);
        p.drawLine(QPointF(unit.left() + 4, unit.center().y()), QPointF(unit.left() + 14, unit.center().y()));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(unit.right() - 4.5, unit.center().y()), 1.6, 1.6);
        p.restore();
    }
    p.drawLine(QPointF(25, 34), QPointF(25, 39));
    p.drawLine(QPointF(17, 39), QPointF(33, 39));
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    buttonIcon(QStringLiteral("tpx-off"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        server(p, ink, paper);
        // The stroke has a gap of the tile's colour around it.
        p.setPen(QPen(paper, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 40), QPointF(40, 10));
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 40), QPointF(40, 10));
    });

    buttonIcon(QStringLiteral("tpx-on"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        server(p, ink, paper);
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawEllipse(QPointF(37, 37), 8, 8);
        p.setPen(QPen(ink, 1.6));
        p.setBrush(paper);
        p.drawEllipse(QPointF(37, 37), 6.5, 6.5);
        QPainterPath tick;
        tick.moveTo(33.8, 37.2);
        tick.lineTo(36.2, 39.6);
        tick.lineTo(40.4, 34.6);
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    });
    return 0;
}
