#include "settingsreadscope.h"

namespace {

int openScopes = 0;

struct KeptRead
{
    bool held = false;
    QString path;
    SettingValues values;
};

KeptRead &keptRead()
{
    static KeptRead read;
    return read;
}

} // namespace

SettingsReadScope::SettingsReadScope()
{
    ++openScopes;
}

SettingsReadScope::~SettingsReadScope()
{
    if (--openScopes == 0)
        forgetRead();
}

const SettingValues *SettingsReadScope::kept(const QString &path)
{
    const KeptRead &read = keptRead();
    return openScopes > 0 && read.held && read.path == path ? &read.values : nullptr;
}

void SettingsReadScope::keep(const QString &path, const SettingValues &values)
{
    if (openScopes == 0)
        return;
    KeptRead &read = keptRead();
    read.held = true;
    read.path = path;
    read.values = values;
}

void SettingsReadScope::forgetRead()
{
    keptRead() = KeptRead();
}
