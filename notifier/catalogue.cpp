#include "catalogue.h"

QString catalogueForLocale(const QString &localeName)
{
    static const struct {
        const char *language;
        const char *resource;
    } catalogues[] = {
        {"en", ":/strings/english"},
        {"fr", ":/strings/french"},
        {"de", ":/strings/german"},
        {"it", ":/strings/italian"},
        {"pt", ":/strings/portuguese"},
        {"es", ":/strings/spanish"},
    };
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const auto &catalogue : catalogues) {
        if (language == QLatin1String(catalogue.language))
            return QLatin1String(catalogue.resource);
    }
    return QStringLiteral(":/strings/english");
}
