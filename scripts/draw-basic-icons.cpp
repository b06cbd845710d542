// Draws the button icons of the Basic, Layout and Finishing pages into
// resources/halvane/icons/ as PNG files, in the style of draw-icons.cpp:
// flat rounded tiles, dark grey glyphs on light grey; a button's "-selected"
// twin is the same glyph in white on the accent blue.
// Built and run by the "icons" target; the PNGs are committed.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "iconstyle.h"

namespace {
using namespace iconstyle;

QPen inkPen(const QColor &ink, qreal width = 1.4)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet with a few text lines.
void sheet(QPainter &p, const QRectF &r, const QColor &ink, const QColor &paper, bool lines = true)
{
    p.setPen(inkPen(ink));
    p.setBrush(paper);
    p.drawRoundedRect(r, 1.5, 1.5);
    if (!lines)
        return;
    p.setPen(inkPen(ink, 1.0));
    const qreal step = 4;
    for (qreal y = r.top() + 5; y < r.bottom() - 3; y += step)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void arrowHead(QPainter &p, const QPointF &tip, qreal angleDegrees, const QColor &ink)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-4.5, -2.8);
    head.lineTo(-4.5, 2.8);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
    p.restore();
}

void dashedLine(QPainter &p, const QPointF &a, const QPointF &b, const QColor &ink)
{
    QPen pen(ink, 1.2, Qt::DashLine, Qt::FlatCap);
    pen.setDashPattern({2.0, 1.6});
    p.setPen(pen);
    p.drawLine(a, b);
}

void letter(QPainter &p, const QRectF &r, const QColor &ink, const QString &text, qreal angle)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height()), Qt::AlignCenter, text);
    p.restore();
}

// Three sheets, the front one at x, each behind it a little up and right.
void stack(QPainter &p, const QColor &ink, const QColor &paper, qreal x, qreal y, qreal w, qreal h)
{
    for (int i = 2; i >= 0; --i)
        sheet(p, QRectF(x + i * 2.5, y - i * 3, w, h), ink, paper, i == 0);
}

// A sheet seen from above with its panels folded: the profile line above it.
void foldProfile(QPainter &p, const QColor &ink, const QList<QPointF> &points)
{
    p.setPen(inkPen(ink, 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(points.first());
    for (int i = 1; i < points.size(); ++i)
        path.lineTo(points.at(i));
    p.drawPath(path);
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    // Duplex: one side, both sides turned on the long edge, on the short edge.
    buttonIcon(QStringLiteral("duplex-off"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(15, 9, 20, 30), ink, paper);
    });
    buttonIcon(QStringLiteral("duplex-long"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(7, 14, 17, 26), ink, paper);
        sheet(p, QRectF(26, 14, 17, 26), ink, paper);
        p.setPen(inkPen(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(14, 5, 22, 14), 160 * 16, -140 * 16);
        arrowHead(p, QPointF(35.4, 10.2), 70, ink);
    });
    buttonIcon(QStringLiteral("duplex-short"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(10, 6, 24, 17), ink, paper);
        sheet(p, QRectF(10, 27, 24, 17), ink, paper);
        p.setPen(inkPen(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(32, 13, 12, 24), 110 * 16, -220 * 16);
        arrowHead(p, QPointF(36, 36), 160, ink);
    });

    // Colour mode.
    buttonIcon(QStringLiteral("color"), [](QPainter &p, const QColor &ink, const QColor &) {
        const QList<QPair<QPointF, QColor>> inks = {
            {QPointF(20, 20), QColor(0x00, 0xa8, 0xd8, 210)},
            {QPointF(30, 20), QColor(0xd8, 0x1e, 0x8c, 210)},
            {QPointF(25, 29), QColor(0xf2, 0xd0, 0x1c, 210)}};
        for (const auto &drop : inks) {
            p.setPen(inkPen(ink, 1.2));
            p.setBrush(drop.second);
            p.drawEllipse(drop.first, 9, 9);
        }
    });
    buttonIcon(QStringLiteral("monochrome"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        const QRectF disc(12, 12, 26, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawEllipse(disc);
        p.setBrush(ink);
        p.drawPie(disc, 90 * 16, 180 * 16);
        p.setPen(inkPen(ink, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc);
    });

    // Booklet: none, bound on the left edge, bound on the right edge.
    buttonIcon(QStringLiteral("booklet-off"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(15, 9, 20, 30), ink, paper);
    });
    for (bool leftEdge : {true, false}) {
        buttonIcon(leftEdge ? QStringLiteral("booklet-left") : QStringLiteral("booklet-right"),
                   [leftEdge](QPainter &p, const QColor &ink, const QColor &paper) {
            const qreal spine = leftEdge ? 13 : 37;
            const qreal dir = leftEdge ? 1 : -1;
            // Pages fanned from the spine, each nearer one narrower, so the
            // edges of those behind stay in view.
            for (int i = 0; i < 3; ++i) {
                QPainterPath page;
                const qreal far = spine + dir * (24 - i * 4);
                page.moveTo(spine, 11);
                page.lineTo(far, 11 + i * 2.5);
                page.lineTo(far, 39 - i * 2.5);
                page.lineTo(spine, 39);
                page.closeSubpath();
                p.setPen(inkPen(ink, 1.3));
                p.setBrush(paper);
                p.drawPath(page);
            }
            p.setPen(inkPen(ink, 3));
            p.drawLine(QPointF(spine, 10), QPointF(spine, 40));
        });
    }

    // Folding: in three panels and in two; the profile shows the fold.
    buttonIcon(QStringLiteral("trifold"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(8, 18, 34, 24), ink, paper, false);
        dashedLine(p, QPointF(19.3, 19), QPointF(19.3, 41), ink);
        dashedLine(p, QPointF(30.7, 19), QPointF(30.7, 41), ink);
        foldProfile(p, ink, {QPointF(12, 13), QPointF(38, 8), QPointF(12, 8), QPointF(38, 13)});
    });
    buttonIcon(QStringLiteral("bifold"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(8, 18, 34, 24), ink, paper, false);
        dashedLine(p, QPointF(25, 19), QPointF(25, 41), ink);
        foldProfile(p, ink, {QPointF(13, 8), QPointF(25, 13), QPointF(37, 8)});
    });

    // Punching and stapling.
    buttonIcon(QStringLiteral("punch"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(13, 8, 24, 34), ink, paper, false);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (qreal y : {17.0, 33.0})
            p.drawEllipse(QPointF(18, y), 2.6, 2.6);
        p.setPen(inkPen(ink, 1.0));
        for (qreal y = 14; y < 39; y += 4)
            p.drawLine(QPointF(24, y), QPointF(34, y));
    });
    buttonIcon(QStringLiteral("staple"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        sheet(p, QRectF(16, 12, 22, 30), ink, paper);
        sheet(p, QRectF(12, 8, 22, 30), ink, paper);
        p.setPen(inkPen(ink, 2.6));
        p.drawLine(QPointF(14.5, 15), QPointF(20, 9.5));
    });

    // Separation: stacks as they leave the printer.
    buttonIcon(QStringLiteral("separation-off"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        stack(p, ink, paper, 14, 30, 18, 13);
        stack(p, ink, paper, 14, 16, 18, 13);
    });
    buttonIcon(QStringLiteral("separation-offset"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        stack(p, ink, paper, 20, 30, 18, 13);
        stack(p, ink, paper, 8, 16, 18, 13);
    });
    buttonIcon(QStringLiteral("separation-rotate"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        stack(p, ink, paper, 9, 33, 22, 11);
        stack(p, ink, paper, 14, 20, 11, 16);
    });

    // Rotation by 180 degrees.
    buttonIcon(QStringLiteral("Rotate-180-off"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        const QRectF page(15, 9, 20, 30);
        sheet(p, page, ink, paper, false);
        letter(p, page, ink, QStringLiteral("A"), 0);
    });
    buttonIcon(QStringLiteral("Rotate-180-on"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        const QRectF page(12, 12, 20, 30);
        sheet(p, page, ink, paper, false);
        letter(p, page, ink, QStringLiteral("A"), 180);
        p.setPen(inkPen(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(27, 5, 16, 16), 180 * 16, -230 * 16);
        arrowHead(p, QPointF(37.5, 20.3), 120, ink);
    });
    return 0;
}
