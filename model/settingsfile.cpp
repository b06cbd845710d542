#include "settingsfile.h"

#include "atomicfile.h"
#include "optionstore.h"
#include "sessionstate.h"
#include "settingsreadscope.h"
#include "userdatadir.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/types.h>

namespace {

struct SettingLine
{
    QString key;
    QString value;
};

SettingLine splitSettingLine(const QString &line)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {line, QString()};
    return {line.left(eq), line.mid(eq + 1)};
}

// Whole lines are read, however long: a long value written by the panel must
// come back whole, not with its tail read as a line of its own. Only "\r\n"
// ends a line besides "\n"; a carriage return inside a value stays.
SettingValues parseSettings(const QByteArray &text)
{
    SettingValues values;
    bool first = true;
    for (int start = 0; start < text.size();) {
        const int lineFeed = text.indexOf('\n', start);
        const int end = lineFeed < 0 ? text.size() : lineFeed + 1;
        QByteArray bytes = text.mid(start, end - start);
        start = end;
        if (bytes.endsWith('\n'))
            bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
        if (first && bytes.startsWith("\xef\xbb\xbf"))
            bytes.remove(0, 3);
        first = false;
        const SettingLine entry = splitSettingLine(QString::fromUtf8(bytes));
        values[entry.key].append(entry.value.isNull() ? QString(QLatin1String("")) : entry.value);
    }
    return values;
}

// The file at activeSettingsPath, opened anew unless a reload of the pages
// holds what it read of it (settingsreadscope.h). A file that cannot be
// read reads as one without lines.
SettingValues activeSettings()
{
    const QString path = activeSettingsPath;
    if (const SettingValues *kept = SettingsReadScope::kept(path))
        return *kept;
    QFile file;
    const SettingValues values = openUserFileForReading(file, path) ? parseSettings(file.readAll()) : SettingValues();
    file.close();
    SettingsReadScope::keep(path, values);
    return values;
}

// A text as it may stand in one line: a line break inside it would start a
// line of its own, which a reader takes for another setting.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QByteArray settingsFileBytes(const SettingsSnapshot &snapshot, bool withoutHeader,
                             const QString *description)
{
    QString text;
    if (!withoutHeader) {
        text += QLatin1String("[Profile]\n");
        text += QLatin1Char('[') + oneLine(currentOptionStore->modelName()) + QLatin1String("]\n");
        if (description)
            text += QLatin1String("ProfileDescription=") + oneLine(*description) + QLatin1Char('\n');
    }
    for (auto it = snapshot.cbegin(); it != snapshot.cend(); ++it)
        text += oneLine(it.key()) + QLatin1Char('=') + oneLine(it.value()) + QLatin1Char('\n');
    return text.toUtf8();
}

bool writeSettingsFile(const QString &path, const SettingsSnapshot &snapshot, bool withoutHeader,
                       const QString *description)
{
    // The header names the model of the selected printer; without one there
    // is nothing sound to write.
    if (!withoutHeader && !currentOptionStore)
        return false;
    ensureUserDataDir();
    // A reload that wrote must read what it wrote.
    SettingsReadScope::forgetRead();
    return writeFileAtomically(path, settingsFileBytes(snapshot, withoutHeader, description));
}

} // namespace

QString readSettingValue(const QString &queueName, const QString &key)
{
    Q_UNUSED(queueName)
    const QStringList found = activeSettings().value(key);
    return found.isEmpty() || found.first().isEmpty() ? QString() : found.first();
}

QStringList readSettingValues(const QString &queueName, const QString &key)
{
    Q_UNUSED(queueName)
    return activeSettings().value(key);
}

bool writeProfileFile(const QString &path, const SettingsSnapshot &snapshot, bool withoutHeader)
{
    return writeSettingsFile(path, snapshot, withoutHeader, nullptr);
}

bool writeProfileFileWithDescription(const QString &path, const SettingsSnapshot &snapshot,
                                     bool withoutHeader, const QString &description)
{
    return writeSettingsFile(path, snapshot, withoutHeader, &description);
}

bool cfgExists(const QString &queueName)
{
    // A folder the panel may not use holds nothing of the user's.
    if (!userDataDirUsable() || holdsNul(queueName))
        return false;
    const QByteArray path = userDataDir.toUtf8() + queueName.toUtf8() + ".cfg";
    struct stat info;
    return ::stat(path.constData(), &info) == 0;
}

void ensureUserDataDir()
{
    if (holdsNul(userDataDir))
        return;
    QByteArray path = userDataDir.toUtf8();
    if (path.endsWith('/'))
        path.chop(1);
    if (path.isEmpty())
        return;
    // Each level from the root outward, then the whole path; an existing
    // entry is left alone.
    for (int slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0775);
    ::mkdir(path.constData(), 0775);
}
