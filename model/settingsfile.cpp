#include "settingsfile.h"

#include "atomicfile.h"
#include "optionstore.h"
#include "sessionstate.h"

#include <QFile>
#include <QTextStream>

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

// Calls visit(value) for every line whose key is key, until it answers false.
// Whole lines are read, however long: a long value written by the panel must
// come back whole, not with its tail read as a line of its own.
template<typename Visit>
bool forEachValueOf(const QString &key, Visit visit)
{
    if (activeSettingsPath.isEmpty())
        return false;
    QFile file(activeSettingsPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line)) {
        const SettingLine entry = splitSettingLine(line);
        if (entry.key == key && !visit(entry.value))
            break;
    }
    return true;
}

QByteArray settingsFileBytes(const SettingsSnapshot &snapshot, bool withoutHeader,
                             const QString *description)
{
    QString text;
    if (!withoutHeader) {
        text += QLatin1String("[Profile]\n");
        text += QLatin1Char('[') + currentOptionStore->modelName() + QLatin1String("]\n");
        if (description)
            text += QLatin1String("ProfileDescription=") + *description + QLatin1Char('\n');
    }
    for (auto it = snapshot.cbegin(); it != snapshot.cend(); ++it)
        text += it.key() + QLatin1Char('=') + it.value() + QLatin1Char('\n');
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
    return writeFileAtomically(path, settingsFileBytes(snapshot, withoutHeader, description));
}

} // namespace

QString readSettingValue(const QString &queueName, const QString &key)
{
    Q_UNUSED(queueName)
    QString found;
    forEachValueOf(key, [&found](const QString &value) {
        found = value;
        return false;
    });
    return found.isEmpty() ? QString() : found;
}

QStringList readSettingValues(const QString &queueName, const QString &key)
{
    Q_UNUSED(queueName)
    QStringList values;
    forEachValueOf(key, [&values](const QString &value) {
        values.append(value.isNull() ? QString(QLatin1String("")) : value);
        return true;
    });
    return values;
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
    const QByteArray path = userDataDir.toUtf8() + queueName.toUtf8() + ".cfg";
    struct stat info;
    return ::stat(path.constData(), &info) == 0;
}

void ensureUserDataDir()
{
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
