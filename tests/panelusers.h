#pragma once

// User folders under the shared root for the tests that start the panel: a
// name of its own per call, so no test finds another's files (the suites of
// several trees run on one machine as one test user), and every folder taken
// away when its owner goes.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

class PanelUsers
{
public:
    static QString sharedRoot() { return QStringLiteral("/usr/share/quorvan/"); }
    static const char *unwritable()
    {
        return "/usr/share/quorvan must exist and be writable for every user (scripts/prepare-test-user.sh)";
    }

    explicit PanelUsers(const QString &stem) : m_stem(stem) {}
    PanelUsers(const PanelUsers &) = delete;
    PanelUsers &operator=(const PanelUsers &) = delete;
    ~PanelUsers() { removeAll(); }

    // "<stem>-<pid>-<n>"; its folder, made by whoever uses the name, goes
    // with the others.
    QString freshName()
    {
        const QString name = QStringLiteral("%1-%2-%3").arg(m_stem).arg(QCoreApplication::applicationPid()).arg(++m_serial);
        m_made << sharedRoot() + name + QLatin1Char('/');
        return name;
    }

    // USER becomes a fresh name whose folder holds a Settings file, so the
    // main dialog asks nothing at start. The folder, or empty when it could
    // not be made.
    QString freshUser()
    {
        const QString name = freshName();
        qputenv("USER", name.toLatin1());
        const QString dir = m_made.last();
        if (!QDir().mkpath(dir))
            return QString();
        QFile settings(dir + QStringLiteral("Settings"));
        if (!settings.open(QIODevice::WriteOnly) || settings.write("Telemetry=False\n") < 0)
            return QString();
        return dir;
    }

    void removeAll()
    {
        for (const QString &dir : qAsConst(m_made))
            QDir(dir).removeRecursively();
        m_made.clear();
    }

private:
    QString m_stem;
    int m_serial = 0;
    QStringList m_made;
};
