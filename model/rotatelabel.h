#pragma once

#include <QString>

// "Rotate 180°" in the system locale's language, without the translator.
QString rotate180Label();
// The same for a locale name such as "de_DE"; the language code is the part
// before the first "_", compared case-sensitively.
QString rotate180LabelFor(const QString &localeName);
