#include "optioncollector.h"

#include "tab.h"

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

QList<Tab *> OptionCollector::pages() const
{
    return pageList ? *pageList : QList<Tab *>();
}

SettingsSnapshot *OptionCollector::collect()
{
    if (!snapshot)
        snapshot = new SettingsSnapshot;
    snapshot->clear();
    if (!pageList)
        return snapshot;

    // The printer page's installable options go to the root writer only.
    const auto collected = [](const Tab *page) {
        return qstrcmp(page->metaObject()->className(), "PrinterTab") != 0;
    };

    for (Tab *page : qAsConst(*pageList)) {
        if (!collected(page))
            continue;
        const QHash<QString, QString> options = page->getOptions();
        for (auto it = options.constBegin(); it != options.constEnd(); ++it)
            snapshot->replace(it.key(), it.value());
    }
    // List-valued settings: every value is kept, the extra ones last.
    for (Tab *page : qAsConst(*pageList)) {
        if (!collected(page))
            continue;
        const QHash<QString, QString> extra = page->getExtraOptions();
        for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
            snapshot->insert(it.key(), it.value());
    }
    return snapshot;
}
