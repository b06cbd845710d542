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

bool isEnglishLocale(const QString &localeName)
{
    // "C.UTF-8" is the C locale too.
    const QString language = localeLanguage(localeName).section(QLatin1Char('.'), 0, 0);
    return language == QLatin1String("en") || language == QLatin1String("C") || language == QLatin1String("POSIX");
}
