#pragma once

#include "settingsfile.h"

#include <QList>

class Tab;

// Merges the settings of every page but the printer page into one snapshot.
class OptionCollector
{
public:
    OptionCollector() = default;
    ~OptionCollector();
    OptionCollector(const OptionCollector &) = delete;
    OptionCollector &operator=(const OptionCollector &) = delete;

    // The dialog's own page list: the collector sees later changes to it.
    void setTabs(QList<Tab *> *pages);
    // The page list in the dialog's order; empty before setTabs.
    QList<Tab *> pages() const;
    // The refilled snapshot; valid as long as the collector lives.
    SettingsSnapshot *collect();

private:
    QList<Tab *> *pageList = nullptr;
    SettingsSnapshot *snapshot = nullptr;
};
