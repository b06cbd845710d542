#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A settings file as the readers parsed it: key to its values in file order,
// an empty value as an empty text.
using SettingValues = QHash<QString, QStringList>;

// Held around one reload of the pages, the span in which every page asks the
// settings readers (settingsfile.h) for its stored values. While one lives,
// the readers read the active file once and answer from that read; it is read
// again when activeSettingsPath names another file or after one of the
// settings writers wrote. When the outermost scope ends, what was read is dropped:
// every read after it opens the file anew, so a change made by anyone
// between two reloads is seen. Scopes may nest.
class SettingsReadScope
{
public:
    SettingsReadScope();
    ~SettingsReadScope();
    SettingsReadScope(const SettingsReadScope &) = delete;
    SettingsReadScope &operator=(const SettingsReadScope &) = delete;

    // For the readers: the values read from path in the open scope; null
    // outside every scope and when path was not the last file read in it.
    static const SettingValues *kept(const QString &path);
    // For the readers: keeps the values read from path, in place of any
    // kept before, until the outermost scope ends; nothing outside a scope.
    static void keep(const QString &path, const SettingValues &values);
    // For the settings writers: drops what was kept, so the next read in the scope
    // opens the file again.
    static void forgetRead();
};
