#include "tpxdbus.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDebug>

QString tpxdbus::showMessage(const QString &arg)
{
    // Cheap test first: a UTF-8 character takes at most three bytes per
    // UTF-16 unit.
    if (arg.size() > maxNoticeBytes / 3) {
        const int bytes = arg.toUtf8().size();
        if (bytes > maxNoticeBytes) {
            qDebug().nospace() << "refused a notice of " << bytes << " bytes (at most " << maxNoticeBytes << ")";
            if (calledFromDBus())
                sendErrorReply(QDBusError::LimitsExceeded,
                               QStringLiteral("The notice is longer than %1 bytes.").arg(maxNoticeBytes));
            return QString();
        }
    }
    qDebug() << arg;
    // The window has handled the notice by the time emit returns: both
    // objects live in the one thread.
    emit messageRecieved(arg);
    return QStringLiteral("ping(\"%1\") got called").arg(arg);
}
