#pragma once

#include <QSet>
#include <QString>

// Process-wide state of the panel, alive for the whole run.

// "/usr/share/quorvan/<USER>/", set once by the main dialog.
extern QString userDataDir;
// The settings file the pages read stored values from: a queue's ".cfg",
// a profile, or userDataDir alone for "Factory Default".
extern QString activeSettingsPath;
// Result of the last constraint pass: true when no page had a conflict.
extern bool optionsConsistent;
// CUPS destination names at the last build of the printer table.
extern QSet<QString> knownPrinterNames;
