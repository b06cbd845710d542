// Draws the Publishing page's section-button icons into resources/halvane/icons/
// in the framework's style: flat rounded tiles, dark grey glyphs on light
// grey, and a "-selected" twin in white on the accent blue.
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

// One sheet seen from the front, offset i steps back into a stack.
QRectF sheetAt(int i)
{
    return QRectF(12 + i * 4, 14 - i * 4, 20, 26);
}

void sheet(QPainter &p, const QRectF &r, const QColor &ink, const QBrush &fill, Qt::PenStyle style = Qt::SolidLine)
{
    p.setPen(QPen(ink, 1.4, style, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void textLines(QPainter &p, const QRectF &r, const QColor &ink)
{
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = r.top() + 6; y < r.bottom() - 3; y += 4)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    // Covers: printed pages behind a solid front cover.
    buttonIcon(QStringLiteral("covermode"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        for (int i = 2; i >= 1; --i) {
            sheet(p, sheetAt(i), ink, paper);
            textLines(p, sheetAt(i), ink);
        }
        sheet(p, sheetAt(0), ink, ink);
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawRect(QRectF(sheetAt(0).left() + 4, sheetAt(0).top() + 5, 12, 3));
    });

    // Page insert: a sheet of another media pushed into the stack.
    buttonIcon(QStringLiteral("pageinsert"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, sheetAt(2), ink, paper);
        textLines(p, sheetAt(2), ink);
        sheet(p, sheetAt(1).translated(-6, 0), ink, ink);
        sheet(p, sheetAt(0), ink, paper);
        textLines(p, sheetAt(0), ink);
        QPainterPath arrow;
        arrow.moveTo(38, 40);
        arrow.lineTo(44, 40);
        arrow.moveTo(41, 37);
        arrow.lineTo(44, 40);
        arrow.lineTo(41, 43);
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
    });

    // Transparency interleaving: clear films (dashed) between backing sheets.
    buttonIcon(QStringLiteral("transparency"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, sheetAt(3), ink, paper);
        sheet(p, sheetAt(2), ink, Qt::NoBrush, Qt::DashLine);
        sheet(p, sheetAt(1), ink, paper);
        sheet(p, sheetAt(0), ink, Qt::NoBrush, Qt::DashLine);
    });
    return 0;
}
