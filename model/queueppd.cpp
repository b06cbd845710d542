#include "queueppd.h"

#include "cupsdestinations.h"

#include <cups/cups.h>
#include <unistd.h>

QueuePpd::QueuePpd(const QString &queue)
{
    const QByteArray name = queue.toUtf8();
    if (const char *path = cupsGetPPD(name.constData())) {
        file = QByteArray(path);
        ppd = ppdOpenFile(path);
    } else {
        unanswered = CupsDestinations::lastCallUnanswered();
    }
}

QueuePpd::~QueuePpd()
{
    if (ppd)
        ppdClose(ppd);
    if (!file.isEmpty())
        ::unlink(file.constData());
}
