#include "rotatelabel.h"

#include <QList>
#include <QLocale>
#include <QPair>

QString rotate180Label()
{
    return rotate180LabelFor(QLocale::system().name());
}

QString rotate180LabelFor(const QString &localeName)
{
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    static const QList<QPair<QString, QString>> captions = {
        {"en", QString::fromUtf8("Rotate 180\xc2\xb0")}, {"fr", QString::fromUtf8("Tourner 180\xc2\xb0")},
        {"de", QString::fromUtf8("Rotiert 180\xc2\xb0")}, {"it", QString::fromUtf8("Ruotato 180\xc2\xb0")},
        {"pt", QString::fromUtf8("Girar 180\xc2\xb0")},   {"es", QString::fromUtf8("Girado 180\xc2\xb0")},
    };
    for (const auto &caption : captions) {
        if (caption.first == language)
            return caption.second;
    }
    return captions.first().second;
}
