// Paints the main dialog's pictures (the pages' tab icons, the window icon,
// the dialog backgrounds) into resources/halvane/icons/. Built and run by the
// "icons" target; the PNGs are committed.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

#include "iconstyle.h"

namespace {
using namespace iconstyle;

const int iconSize = 56;

QPen linePen(qreal width = 3.5)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The red badge with "!" that marks a page with a conflict.
void paintConflictBadge(QPainter &p)
{
    const QRectF badge(iconSize - 26, iconSize - 26, 24, 24);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(badge.center().x(), badge.top() + 6), QPointF(badge.center().x(), badge.top() + 14));
    p.drawPoint(QPointF(badge.center().x(), badge.top() + 19));
}

void paintIconPair(const QString &name, const std::function<void(QPainter &)> &draw)
{
    for (bool conflict : {false, true}) {
        QImage image = canvas(iconSize);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(linePen());
        p.setBrush(Qt::NoBrush);
        draw(p);
        if (conflict)
            paintConflictBadge(p);
        p.end();
        save(image, conflict ? name + QStringLiteral("-constraint") : name);
    }
}

void drawPrinter(QPainter &p)
{
    p.drawRoundedRect(QRectF(6, 20, 44, 20), 4, 4);      // body
    p.drawRect(QRectF(16, 6, 24, 14));                   // paper in
    p.drawRect(QRectF(16, 34, 24, 16));                  // paper out
    p.drawLine(QPointF(21, 41), QPointF(35, 41));
    p.drawLine(QPointF(21, 45), QPointF(31, 45));
    p.drawPoint(QPointF(43, 27));
}

void drawPage(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 9, r.top());
    path.lineTo(r.right(), r.top() + 9);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

void drawLayout(QPainter &p)
{
    p.drawRect(QRectF(5, 12, 22, 32));
    p.drawRect(QRectF(29, 12, 22, 32));
    p.setPen(linePen(2.5));
    for (int y = 20; y <= 34; y += 7) {
        p.drawLine(QPointF(10, y), QPointF(22, y));
        p.drawLine(QPointF(34, y), QPointF(46, y));
    }
}

void drawFinishing(QPainter &p)
{
    drawPage(p, QRectF(10, 8, 32, 42));
    p.setPen(linePen(5));
    p.drawLine(QPointF(15, 15), QPointF(25, 15)); // staple across the corner
    p.setPen(linePen(2.5));
    p.drawLine(QPointF(38, 44), QPointF(50, 44));
    p.drawLine(QPointF(44, 38), QPointF(44, 50));
}

void drawImaging(QPainter &p)
{
    p.drawEllipse(QRectF(8, 6, 24, 24));
    p.drawEllipse(QRectF(24, 6, 24, 24));
    p.drawEllipse(QRectF(16, 22, 24, 24));
}

void drawPublishing(QPainter &p)
{
    p.drawRect(QRectF(16, 6, 30, 36));
    p.setBrush(QColor(80, 80, 80));
    p.drawRect(QRectF(11, 11, 30, 36));
    p.drawRect(QRectF(6, 16, 30, 36));
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(2.5));
    p.drawLine(QPointF(12, 28), QPointF(30, 28));
    p.drawLine(QPointF(12, 35), QPointF(30, 35));
}

void drawJob(QPainter &p)
{
    p.drawRoundedRect(QRectF(8, 10, 40, 40), 4, 4);
    p.drawRect(QRectF(20, 5, 16, 9));
    p.setPen(linePen(2.5));
    p.drawLine(QPointF(16, 26), QPointF(19, 29));
    p.drawLine(QPointF(19, 29), QPointF(25, 22));
    p.drawLine(QPointF(29, 26), QPointF(41, 26));
    p.drawLine(QPointF(16, 38), QPointF(19, 41));
    p.drawLine(QPointF(19, 41), QPointF(25, 34));
    p.drawLine(QPointF(29, 38), QPointF(41, 38));
}

void drawWatermark(QPainter &p)
{
    QPainterPath drop;
    drop.moveTo(28, 5);
    drop.cubicTo(28, 5, 10, 26, 10, 35);
    drop.cubicTo(10, 45, 18, 51, 28, 51);
    drop.cubicTo(38, 51, 46, 45, 46, 35);
    drop.cubicTo(46, 26, 28, 5, 28, 5);
    p.drawPath(drop);
    p.setPen(linePen(2.5));
    p.drawArc(QRectF(16, 30, 14, 14), 180 * 16, 90 * 16);
}

void drawAccounting(QPainter &p)
{
    p.drawEllipse(QRectF(8, 8, 40, 40));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(8, 8, 40, 40), Qt::AlignCenter, QStringLiteral("\u00a4"));
}

// The Basic page's tab, 28x28 drawn at twice the size: a sheet with lines,
// its conflict mark in the captions' red.
void tabIcon(const QString &name, bool withMark)
{
    QImage image = canvas(56);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    QPainterPath page;
    page.moveTo(6, 3);
    page.lineTo(17, 3);
    page.lineTo(22, 8);
    page.lineTo(22, 25);
    page.lineTo(6, 25);
    page.closeSubpath();
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(page);
    p.drawLine(QPointF(17, 3), QPointF(17, 8));
    p.drawLine(QPointF(17, 8), QPointF(22, 8));
    for (int y : {12, 16, 20})
        p.drawLine(QPointF(9, y), QPointF(19, y));
    if (withMark) {
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(alert);
        p.drawEllipse(QPointF(20, 20), 6.5, 6.5);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 16.5), QPointF(20, 20.5));
        p.drawPoint(QPointF(20, 23.5));
    }
    p.end();
    save(image, name);
}

QImage appIcon(int size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, QColor(255, 90, 80));
    fill.setColorAt(1, QColor(200, 30, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2, 2, size - 4, size - 4), size / 6.0, size / 6.0);
    p.scale(size / 64.0, size / 64.0);
    p.translate(4, 4);
    p.setPen(linePen(4));
    p.setBrush(Qt::NoBrush);
    drawPrinter(p);
    p.end();
    return image;
}

// Behind the translucent pages: a calm light gradient with a soft accent.
void paintDialogBackground()
{
    QImage image(800, 735, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, 800, 735);
    base.setColorAt(0, QColor(236, 238, 242));
    base.setColorAt(1, QColor(214, 218, 226));
    p.fillRect(image.rect(), base);
    QRadialGradient glow(QPointF(720, 80), 420);
    glow.setColorAt(0, QColor(255, 255, 255, 170));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 45, 28));
    QPainterPath wave;
    wave.moveTo(0, 640);
    wave.cubicTo(260, 560, 520, 720, 800, 600);
    wave.lineTo(800, 735);
    wave.lineTo(0, 735);
    wave.closeSubpath();
    p.drawPath(wave);
    p.end();
    save(image, QStringLiteral("background"));
}

// The About picture: the program's name above, a free line at y = 175 for
// the version, a dark band holding the white notice line at y = 240.
void paintAboutBackground()
{
    QImage image(483, 310, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, 0, 310);
    base.setColorAt(0, QColor(250, 250, 252));
    base.setColorAt(1, QColor(228, 231, 236));
    p.fillRect(image.rect(), base);

    QLinearGradient band(0, 205, 483, 310);
    band.setColorAt(0, QColor(170, 20, 30));
    band.setColorAt(1, QColor(225, 55, 55));
    p.fillRect(QRect(0, 205, 483, 105), band);

    // Window icon at the left of the name.
    p.drawImage(QRect(30, 70, 80, 80), appIcon(80));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(50, 52, 58));
    p.drawText(QPoint(125, 128), QStringLiteral("Halvane"));
    p.setPen(QPen(QColor(210, 40, 45), 2));
    p.drawLine(QPoint(125, 185), QPoint(453, 185));
    p.end();
    save(image, QStringLiteral("about-background-oem"));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    setOutDir(argc, argv);

    tabIcon(QStringLiteral("tab-basic"), false);
    tabIcon(QStringLiteral("tab-basic-constraint"), true);
    paintIconPair(QStringLiteral("tab-printer"), drawPrinter);
    paintIconPair(QStringLiteral("tab-layout"), drawLayout);
    paintIconPair(QStringLiteral("tab-finishing"), drawFinishing);
    paintIconPair(QStringLiteral("tab-imaging"), drawImaging);
    paintIconPair(QStringLiteral("tab-publishing"), drawPublishing);
    paintIconPair(QStringLiteral("tab-job"), drawJob);
    paintIconPair(QStringLiteral("tab-watermark"), drawWatermark);
    paintIconPair(QStringLiteral("tab-tpx"), drawAccounting);
    save(appIcon(64), QStringLiteral("appicon_rb"));
    paintDialogBackground();
    paintAboutBackground();
    return 0;
}
