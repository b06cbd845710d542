// Draws the Watermark page's section-button icons into resources/halvane/icons/
// in the framework's style (flat rounded tiles, dark grey glyphs on light
// grey, a "-selected" twin in white on the accent blue).
// Built and run by the "icons" target; the PNGs are committed.
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include "iconstyle.h"

namespace {
using namespace iconstyle;

const QRectF page(12, 8, 26, 34);

void sheet(QPainter &p, const QColor &ink, const QColor &paper)
{
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(paper);
    p.drawRoundedRect(page, 1.5, 1.5);
}

// A word written slanted across the sheet, in a lighter tone of the ink.
void slantedWord(QPainter &p, const QColor &ink, const QString &word, qreal pixelSize)
{
    QColor faint = ink;
    faint.setAlphaF(0.55);
    p.save();
    p.translate(page.center());
    p.rotate(-55);
    QFont font;
    font.setPixelSize(int(pixelSize));
    font.setBold(true);
    p.setFont(font);
    p.setPen(faint);
    p.drawText(QRectF(-22, -8, 44, 16), Qt::AlignCenter, word);
    p.restore();
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    // A watermark: a faint word across a printed sheet.
    buttonIcon(QStringLiteral("watermark"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, ink, paper);
        p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
        for (qreal y = page.top() + 6; y < page.bottom() - 3; y += 5)
            p.drawLine(QPointF(page.left() + 4, y), QPointF(page.right() - 4, y));
        slantedWord(p, ink, QStringLiteral("AB"), 13);
    });

    // The super watermark: a pattern woven over the whole sheet.
    buttonIcon(QStringLiteral("super-watermark"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, ink, paper);
        QColor faint = ink;
        faint.setAlphaF(0.55);
        p.save();
        p.setClipRect(page.adjusted(1, 1, -1, -1));
        p.setPen(QPen(faint, 1.1));
        for (qreal x = page.left() - page.height(); x < page.right(); x += 6)
            p.drawLine(QPointF(x, page.bottom()), QPointF(x + page.height(), page.top()));
        p.restore();
        QPainterPath seal;
        seal.addEllipse(page.center(), 7, 7);
        p.setPen(QPen(ink, 1.6));
        p.setBrush(paper);
        p.drawPath(seal);
        p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF c = page.center();
        p.drawPolyline(QPolygonF({c + QPointF(-3.5, 0), c + QPointF(-1, 3), c + QPointF(4, -3)}));
    });
    return 0;
}
