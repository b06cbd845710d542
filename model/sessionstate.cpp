#include "sessionstate.h"

QString userDataDir;
QString activeSettingsPath;
bool optionsConsistent = false;
QSet<QString> knownPrinterNames;
