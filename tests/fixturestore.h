#pragma once

// For page tests that own the store they put in front of the pages: stores
// imported from our fixture PPDs, the store kept current while the test holds
// it, and the settings file the pages reload from written by hand.

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"
#include "sessionstate.h"
#include "storedsettings.h"

#include <QFile>
#include <QStringList>
#include <QtTest>

#include <cups/ppd.h>

namespace fixturestore {

// A fixture by name, or a PPD a test wrote itself by its absolute path.
inline QString fixturePath(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return QStringLiteral(HALVANE_FIXTURES "/") + name;
}

// A new store for the queue through the program's PPD import, as a printer
// change makes it; a PPD that cannot be read ends the test program.
// libcups 2.4 calls its PPD API deprecated; the import is built on it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
inline OptionStore *importFixture(const QString &path, const QString &queue)
{
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        qFatal("cannot open the PPD %s", qPrintable(path));
    auto *store = new OptionStore;
    store->setPrinterName(queue);
    importPpd(ppd, store);
    ppdClose(ppd);
    return store;
}
#pragma GCC diagnostic pop

// Owns the current store. The old one is taken out of currentOptionStore
// before it is deleted, so nothing sees a deleted store.
class CurrentStore
{
public:
    CurrentStore() = default;
    CurrentStore(const CurrentStore &) = delete;
    CurrentStore &operator=(const CurrentStore &) = delete;
    ~CurrentStore() { reset(); }

    void reset(OptionStore *store = nullptr)
    {
        currentOptionStore = nullptr;
        delete m_store;
        m_store = store;
        currentOptionStore = store;
    }
    OptionStore *get() const { return m_store; }
    OptionStore *operator->() const { return m_store; }

private:
    OptionStore *m_store = nullptr;
};

// Replaces the file at activeSettingsPath with these lines.
inline void writeSettings(const QStringList &lines)
{
    QVERIFY2(storedsettings::write(activeSettingsPath, lines), qPrintable(activeSettingsPath));
}

// The name of the option's marked choice in the current store.
inline QString markedName(const QString &keyword)
{
    kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
    if (!option)
        return QStringLiteral("<no option>");
    return option->markedChoice() ? option->markedChoice()->name() : QStringLiteral("<none>");
}
}
