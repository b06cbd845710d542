// Draws the Job page's section icons into resources/halvane/icons/ in the
// framework's style: flat rounded tiles, dark grey glyphs on light grey, and
// a "-selected" twin in white on the accent blue.
// Built and run by the "icons" target; the PNGs are committed.
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "iconstyle.h"

namespace {
using namespace iconstyle;

QPen inkPen(const QColor &ink, qreal width = 1.6)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    // Job storage: a drive with a sheet going into it.
    buttonIcon(QStringLiteral("storage"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        p.setPen(inkPen(ink));
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(16, 8, 18, 20), 1.5, 1.5);
        for (qreal y = 13; y < 25; y += 4)
            p.drawLine(QPointF(20, y), QPointF(30, y));
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(9, 30, 32, 11), 2.5, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawEllipse(QPointF(35, 35.5), 1.8, 1.8);
        p.drawRect(QRectF(13, 34.5, 14, 2));
    });

    // Job accounting: an ID card with a number row.
    buttonIcon(QStringLiteral("accounting"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        p.setPen(inkPen(ink));
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(8, 13, 34, 24), 3, 3);
        p.setBrush(ink);
        p.drawEllipse(QPointF(17, 22), 3.5, 3.5);
        QPainterPath shoulders;
        shoulders.moveTo(11, 32);
        shoulders.quadTo(17, 25, 23, 32);
        shoulders.closeSubpath();
        p.drawPath(shoulders);
        p.setBrush(Qt::NoBrush);
        for (qreal y = 20; y <= 30; y += 5)
            p.drawLine(QPointF(27, y), QPointF(38, y));
    });

    // E-mail notice: an envelope.
    buttonIcon(QStringLiteral("email"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        p.setPen(inkPen(ink));
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(9, 14, 32, 22), 2, 2);
        QPainterPath flap;
        flap.moveTo(10, 15);
        flap.lineTo(25, 27);
        flap.lineTo(40, 15);
        p.setBrush(Qt::NoBrush);
        p.drawPath(flap);
    });

    // User login: a person with a key.
    buttonIcon(QStringLiteral("user"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(21, 17), 6, 6);
        QPainterPath body;
        body.moveTo(9, 40);
        body.quadTo(21, 20, 33, 40);
        body.closeSubpath();
        p.drawPath(body);
        p.setPen(inkPen(ink, 2));
        p.setBrush(paper);
        p.drawEllipse(QPointF(36, 28), 4, 4);
        p.drawLine(QPointF(36, 32), QPointF(36, 42));
        p.drawLine(QPointF(36, 38), QPointF(39, 38));
    });

    // Job name: a sheet with a title line and a pencil.
    buttonIcon(QStringLiteral("name"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        p.setPen(inkPen(ink));
        p.setBrush(paper);
        p.drawRoundedRect(QRectF(12, 8, 22, 32), 1.5, 1.5);
        p.setPen(inkPen(ink, 2.6));
        p.drawLine(QPointF(16, 14), QPointF(30, 14));
        p.setPen(inkPen(ink, 1.2));
        for (qreal y = 20; y < 36; y += 4)
            p.drawLine(QPointF(16, y), QPointF(26, y));
        QPainterPath pencil;
        pencil.moveTo(30, 40);
        pencil.lineTo(31, 35);
        pencil.lineTo(41, 25);
        pencil.lineTo(45, 29);
        pencil.lineTo(35, 39);
        pencil.closeSubpath();
        p.setPen(inkPen(ink, 1.2));
        p.setBrush(ink);
        p.drawPath(pencil);
    });
    return 0;
}
