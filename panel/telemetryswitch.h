#pragma once

#include <QByteArray>
#include <QString>

// The one line the "Settings" file holds for a data-collection answer.
QByteArray telemetryLine(bool enabled);
// Creates the last component of dir (mode 0775 under the file-creation mask)
// when it is missing; failures are silent.
void createLastPathComponent(const QString &dir);

// Looks for "--telemetry" or "-t" among the arguments. Without it, returns
// and the panel starts normally; with it, records the value that follows
// ("True"/"true"/"False"/"false") in "Settings" and ends the process with
// status 0, before any application object exists.
void handleTelemetryOption(int argc, char **argv);
