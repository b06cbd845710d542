#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>

// The object tpxui exports at "/" on the system bus. The class info below is
// not the key the bus binding reads, so the method is published under the
// binding's default interface name for this class.
class tpxdbus : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("TPX Messanger D-Bus Interface", "com.quorvan.tpxdbus")

public:
    // Longer notices (in UTF-8 bytes) are refused with an error reply: any
    // client may call, and echoing and logging huge texts kept the notifier
    // from answering anyone else.
    static constexpr int maxNoticeBytes = 64 * 1024;

    tpxdbus() = default;
    ~tpxdbus() override = default;

signals:
    void messageRecieved(const QString &message);

public slots:
    Q_SCRIPTABLE QString showMessage(const QString &arg);
};
