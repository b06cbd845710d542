#pragma once

#include <QMultiHash>
#include <QString>
#include <QStringList>

// A settings snapshot: settings key (PPD keyword or a key of the program's
// own) to value; list-valued keys hold several values.
using SettingsSnapshot = QMultiHash<QString, QString>;

// Readers of the file named by activeSettingsPath. queueName is not consulted:
// the active path alone decides which file is read. Every call opens the
// file anew, except within one reload of the pages, which may answer from
// one read of it (settingsreadscope.h). Only a regular file is read, never
// through a link, and nothing in a userDataDir the panel may not use
// (userdatadir.h).
//
// The value after the first "=" of the first line whose key equals key
// exactly; null when that value is empty, when no line matches or when the
// file cannot be read.
QString readSettingValue(const QString &queueName, const QString &key);
// The values of every line with that key, in file order, empty ones included.
QStringList readSettingValues(const QString &queueName, const QString &key);

// Write snapshot as a settings file at path, replacing the old file
// atomically (a failed write leaves it as it was). A line break inside a
// value, key, model name or description is written as a blank, so no text
// can add a line of its own. Unless withoutHeader is
// set the file starts with "[Profile]" and "[<model name of
// currentOptionStore>]"; a header without a current store is refused.
// True when the file was written.
bool writeProfileFile(const QString &path, const SettingsSnapshot &snapshot, bool withoutHeader);
// The same; the header also carries "ProfileDescription=<description>"
// (line breaks already encoded by the caller as backslash and "n").
bool writeProfileFileWithDescription(const QString &path, const SettingsSnapshot &snapshot,
                                     bool withoutHeader, const QString &description);

// True when anything (a file or a directory) is named
// userDataDir + queueName + ".cfg" in a userDataDir the panel may use.
bool cfgExists(const QString &queueName);
// Creates userDataDir and its missing parents (mode 0775 under the umask).
// Failures are silent; a later write then fails.
void ensureUserDataDir();
