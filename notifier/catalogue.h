#pragma once

#include <QString>

// The compiled-in catalogue for a locale name such as "pt_BR": chosen by the
// part before the first "_", compared exactly; English for anything else.
QString catalogueForLocale(const QString &localeName);
