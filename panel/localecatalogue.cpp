#include "localecatalogue.h"

QString localeLanguage(const QString &localeName)
{
    return localeName.section(QLatin1Char('_'), 0, 0);
}

QString catalogueForLocaleName(const QString &localeName)
{
    static const struct { const char *code; const char *catalogue; } catalogues[] = {
        {"en", ":/strings/english"}, {"fr", ":/strings/french"},
        {"de", ":/strings/german"},  {"it", ":/strings/italian"},
        {"pt", ":/strings/portuguese"}, {"es", ":/strings/spanish"},
    };
    const QString language = localeLanguage(localeName);
    for (const auto &entry : catalogues) {
        if (language == QLatin1String(entry.code))
            return QString::fromLatin1(entry.catalogue);
    }
    return QStringLiteral(":/strings/english");
}
