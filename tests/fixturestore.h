#pragma once

// For page tests that own the store they put in front of the pages: the
// store stays current while the test holds it, and the settings file the
// pages reload from is written by hand.

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "sessionstate.h"
#include "storedsettings.h"

#include <QStringList>
#include <QtTest>

namespace fixturestore {

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
