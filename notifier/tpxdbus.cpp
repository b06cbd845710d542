#include "tpxdbus.h"

#include <QDebug>

QString tpxdbus::showMessage(const QString &arg)
{
    qDebug() << arg;
    // The window has handled the notice by the time emit returns: both
    // objects live in the one thread.
    emit messageRecieved(arg);
    return QStringLiteral("ping(\"%1\") got called").arg(arg);
}
