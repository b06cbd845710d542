#pragma once

#include <QObject>
#include <QString>

// The object tpxui exports at "/" on the system bus. The class info below is
// not the key the bus binding reads, so the method is published under the
// binding's default interface name for this class.
class tpxdbus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("TPX Messanger D-Bus Interface", "com.quorvan.tpxdbus")

public:
    tpxdbus() = default;
    ~tpxdbus() override = default;

signals:
    void messageRecieved(const QString &message);

public slots:
    Q_SCRIPTABLE QString showMessage(const QString &arg);
};
