#include "telemetryswitch.h"

#include "atomicfile.h"
#include "sessionstate.h"
#include "userdatadir.h"

#include <QFile>

#include <cstdlib>
#include <sys/stat.h>

QByteArray telemetryLine(bool enabled)
{
    return enabled ? QByteArrayLiteral("Telemetry=True\n") : QByteArrayLiteral("Telemetry=False\n");
}

void createLastPathComponent(const QString &dir)
{
    // One level only: the shared root must already be there. 0775 as the
    // settings writers make it: under an open file-creation mask the folder
    // would else be writable by all, and the panel refuses such a folder.
    if (!dir.isEmpty() && !holdsNul(dir))
        ::mkdir(QFile::encodeName(dir).constData(), 0775);
}

void handleTelemetryOption(int argc, char **argv)
{
    if (argc <= 1)
        return;
    int switchIndex = -1;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLatin1(argv[i]);
        if (argument == QLatin1String("--telemetry") || argument == QLatin1String("-t")) {
            switchIndex = i;
            break;
        }
    }
    if (switchIndex < 0)
        return;
    if (switchIndex == argc - 1)
        std::exit(0);

    // The main dialog is never built on this road; the writer checks the
    // folder it names before it writes there.
    userDataDir = currentUserDataDir();
    const QString dir = userDataDir;
    createLastPathComponent(dir);

    const QString value = QString::fromLatin1(argv[switchIndex + 1]);
    if (value == QLatin1String("True") || value == QLatin1String("true"))
        writeFileAtomically(dir + QStringLiteral("Settings"), telemetryLine(true));
    else if (value == QLatin1String("False") || value == QLatin1String("false"))
        writeFileAtomically(dir + QStringLiteral("Settings"), telemetryLine(false));
    std::exit(0);
}
