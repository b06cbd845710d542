#pragma once

#include <QString>

// The language of a locale name: the part before the first "_", or the
// whole name ("de_DE" -> "de", "C" -> "C").
QString localeLanguage(const QString &localeName);
// The compiled-in translation catalogue for a locale name; English for any
// language the panel has no catalogue of.
QString catalogueForLocaleName(const QString &localeName);
// True where texts are shown in English: an English locale, or "C" and
// "POSIX", in which libcups keeps a PPD's own texts. Any other language may
// show a PPD's translations even without a catalogue of the panel's own.
bool isEnglishLocale(const QString &localeName);
