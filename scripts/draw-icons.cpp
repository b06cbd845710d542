// Draws the captions' error mark and the collate buttons into
// resources/halvane/icons/ as PNG files. One style: flat rounded tiles, dark
// grey glyphs on light grey; a button's "-selected" twin is the same glyph in
// white on the accent blue.
// Built and run by the "icons" target; the PNGs are committed.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <functional>

#include "iconstyle.h"

namespace {
using namespace iconstyle;

// One sheet with its number in the top-right corner, which stays in view
// when sheets are stacked down and to the left.
void sheet(QPainter &p, const QRectF &r, const QColor &ink, const QColor &paper, const QString &label)
{
    p.setPen(QPen(ink, 1.4));
    p.setBrush(paper);
    p.drawRoundedRect(r, 1.5, 1.5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(r.right() - 8, r.top() + 1, 7, 8), Qt::AlignCenter, label);
}

// A stack of sheets, labels listed front first, drawn back to front.
void stack(QPainter &p, const QColor &ink, const QColor &paper, const QStringList &labels, qreal x)
{
    for (int i = labels.size() - 1; i >= 0; --i)
        sheet(p, QRectF(x + i * 4, 21 - i * 5, 12, 17), ink, paper, labels.at(i));
}

// The error mark beside captions: shown at its own size in rich text.
void errorIcon()
{
    QImage image = canvas(14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(alert);
    p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 3.5), QPointF(7, 7.8));
    p.drawPoint(QPointF(7, 10.6));
    p.end();
    save(image, QStringLiteral("error"));
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    errorIcon();

    buttonIcon(QStringLiteral("collate-on"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        stack(p, ink, paper, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, 4);
        stack(p, ink, paper, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, 26);
    });
    buttonIcon(QStringLiteral("collate-off"), [](QPainter &p, const QColor &ink, const QColor &paper) {
        stack(p, ink, paper, {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}, 4);
        stack(p, ink, paper, {QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")}, 26);
    });
    return 0;
}
