// The one look of the panel's icons, shared by the drawing programs in this
// folder: flat rounded tiles, dark grey glyphs on light grey; a button's
// "-selected" twin is the same glyph in white on the accent blue.
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <type_traits>

namespace iconstyle {

const QColor accent(0x2a, 0x82, 0xda);
const QColor tile(0xe4, 0xe6, 0xe9);
const QColor glyph(0x4a, 0x50, 0x58);
// The red of the error mark.
const QColor alert(0xd6, 0x3a, 0x2f);

// Where the PNGs go, and what each file name starts with.
inline QString outDir;
inline QString namePrefix;

// The output folder from the command line, created when missing.
inline void setOutDir(int argc, char **argv)
{
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/halvane/icons");
    QDir().mkpath(outDir);
}

inline QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

inline QImage canvas(int size)
{
    return canvas(size, size);
}

inline void save(const QImage &image, const QString &name)
{
    image.save(outDir + QLatin1Char('/') + namePrefix + name + QLatin1String(".png"));
}

// A 50x50 button tile and its selected twin, drawn at twice the size. draw
// paints the glyph: draw(painter, ink, paper) or draw(painter, ink, paper, selected).
template <typename Draw>
void buttonIcon(const QString &name, const Draw &draw)
{
    for (bool selected : {false, true}) {
        QImage image = canvas(100);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(selected ? accent : tile);
        p.drawRoundedRect(QRectF(1, 1, 48, 48), 8, 8);
        const QColor ink = selected ? QColor(Qt::white) : glyph;
        const QColor paper = selected ? accent : tile;
        if constexpr (std::is_invocable_v<const Draw &, QPainter &, const QColor &, const QColor &, bool>)
            draw(p, ink, paper, selected);
        else
            draw(p, ink, paper);
        p.end();
        save(image, selected ? name + QLatin1String("-selected") : name);
    }
}

} // namespace iconstyle
