#include "optioncollector.h"

OptionCollector::~OptionCollector()
{
    delete snapshot;
}

void OptionCollector::setTabs(QList<Tab *> *pages)
{
    pageList = pages;
    delete snapshot;
    snapshot = new SettingsSnapshot;
}

SettingsSnapshot *OptionCollector::collect()
{
    // Merging the pages' options comes with the constraint pass.
    if (!snapshot)
        snapshot = new SettingsSnapshot;
    snapshot->clear();
    return snapshot;
}
