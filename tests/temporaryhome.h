#pragma once

// HOME in a temporary folder while this lives, with XDG_CONFIG_HOME unset so
// that the other programs' print settings are looked for under it too:
// lpoptions run as an ordinary user writes ~/.cups/lpoptions, and Apply
// changes those settings. Both variables are put back as they were.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TemporaryHome
{
public:
    TemporaryHome()
        : m_hadHome(qEnvironmentVariableIsSet("HOME")), m_savedHome(qgetenv("HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), m_savedConfig(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;
    ~TemporaryHome()
    {
        restore("HOME", m_hadHome, m_savedHome);
        restore("XDG_CONFIG_HOME", m_hadConfig, m_savedConfig);
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    static void restore(const char *name, bool had, const QByteArray &value)
    {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

    QTemporaryDir m_dir;
    bool m_hadHome;
    QByteArray m_savedHome;
    bool m_hadConfig;
    QByteArray m_savedConfig;
};
