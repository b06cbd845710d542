#pragma once

// What every test program of the real main dialog sets up once: an ordinary
// user (the panel refuses root), the private cupsd when the tests need it, a
// HOME of its own and fresh user folders, all taken away at the end; and the
// process-wide state put back between test functions.

#include "optionstore.h"
#include "panelusers.h"
#include "sessionstate.h"
#include "storedsettings.h"
#include "temporaryhome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <memory>
#include <unistd.h>

class DialogSession
{
public:
    enum Cups { WithoutCups, PrivateCups };

    DialogSession(const QString &stem, Cups cups) : m_users(stem), m_cups(cups) {}

    // In initTestCase: false when the tests cannot run here; whyNot() says
    // what is missing.
    bool start()
    {
        if (geteuid() == 0) {
            return fail(m_cups == PrivateCups ? "the panel refuses root, and lpoptions run by root would write the "
                                                "system-wide file: run this as an ordinary user (CTest does)"
                                              : "the panel refuses root: run this as an ordinary user (CTest does)");
        }
        if (m_cups == PrivateCups && qEnvironmentVariableIsEmpty("CUPS_SERVER"))
            return fail("needs the private cupsd (CTest's cups fixture)");
        m_home.reset(new TemporaryHome);
        if (!m_home->isValid())
            return fail("no temporary folder for HOME");
        return true;
    }

    // USER becomes a user of its own whose folder holds a Settings file, and
    // with stored lines the queue's settings file too. False when the folder
    // could not be made; whyNot() says so.
    bool freshUser(const QString &queue = QString(), const QStringList &stored = QStringList())
    {
        m_userDir = m_users.freshUser();
        if (m_userDir.isEmpty())
            return fail(PanelUsers::unwritable());
        if (!stored.isEmpty() && !storedsettings::write(settingsPath(queue), stored))
            return fail("cannot write the queue's settings file");
        return true;
    }

    const char *whyNot() const { return m_whyNot.constData(); }

    // The folder of the last fresh user, and a queue's settings file in it.
    QString userDir() const { return m_userDir; }
    QString settingsPath(const QString &queue) const { return m_userDir + queue + QStringLiteral(".cfg"); }

    PanelUsers &users() { return m_users; }

    // In cleanup, once the dialog is gone: no store, no known printers and no
    // settings file left for the next test, and the stores the printer page
    // let go freed.
    static void forgetState()
    {
        delete currentOptionStore;
        currentOptionStore = nullptr;
        knownPrinterNames.clear();
        activeSettingsPath.clear();
        QTest::qWait(0);
    }

private:
    bool fail(const char *why)
    {
        m_whyNot = why;
        return false;
    }

    PanelUsers m_users;
    Cups m_cups;
    std::unique_ptr<TemporaryHome> m_home;
    QString m_userDir;
    QByteArray m_whyNot;
};
