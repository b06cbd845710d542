#include "profilefiles.h"

#include "atomicfile.h"
#include "sessionstate.h"
#include "settingsreadscope.h"
#include "userdatadir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

QString ProfileFiles::modelPpdFolder = QStringLiteral("/usr/share/quorvan/ppd5/");
QString ProfileFiles::queuePpdFolder = QStringLiteral("/etc/cups/ppd");

namespace {
const QString profileMarker = QStringLiteral("[Profile]");
const QByteArray descriptionKey = QByteArrayLiteral("ProfileDescription");
const QString cfgSuffix = QStringLiteral(".cfg");

bool existsOrDangles(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QByteArray lineKey(const QByteArray &line)
{
    const int eq = line.indexOf('=');
    return eq < 0 ? line : line.left(eq);
}
}

QString ProfileFiles::profilePath(const QString &name)
{
    return userDataDir + name + cfgSuffix;
}

QStringList ProfileFiles::readLines(const QString &path)
{
    QStringList lines;
    // Only regular files: a FIFO would block the dialog, a directory has no text.
    QFile file;
    if (!openUserFileForReading(file, path))
        return lines;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line))
        lines << line;
    return lines;
}

QStringList ProfileFiles::readCfgKeys(const QString &path)
{
    QStringList keys;
    for (const QString &line : readLines(path)) {
        if (line.contains(profileMarker))
            keys << line;
        const QStringList parts = line.split(QLatin1Char('='));
        if (parts.size() == 2)
            keys << parts.first();
    }
    return keys;
}

bool ProfileFiles::isProfileFile(const QStringList &keys)
{
    return keys.contains(profileMarker);
}

bool ProfileFiles::isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool ProfileFiles::isProfile(const QString &name)
{
    return isPlainName(name) && isProfileFile(readCfgKeys(profilePath(name)));
}

bool ProfileFiles::isTakenByOtherFile(const QString &name)
{
    return existsOrDangles(profilePath(name)) && !isProfile(name);
}

QStringList ProfileFiles::listProfiles()
{
    QStringList names;
    if (!userDataDirUsable())
        return names;
    const QDir dir(userDataDir);
    const QStringList entries = dir.entryList({QStringLiteral("*.cfg")}, QDir::NoFilter, QDir::Name | QDir::IgnoreCase);
    for (const QString &entry : entries) {
        // The pattern ignores case, but every use of a profile appends ".cfg".
        if (!entry.endsWith(cfgSuffix))
            continue;
        if (isProfileFile(readCfgKeys(userDataDir + entry)))
            names << entry.chopped(cfgSuffix.size());
    }
    return names;
}

int ProfileFiles::profileCount()
{
    int count = 0;
    if (!userDataDirUsable())
        return count;
    const QStringList files = QDir(userDataDir).entryList(QDir::Files);
    for (const QString &entry : files) {
        QFile file;
        if (openUserFileForReading(file, userDataDir + entry) && file.readAll().contains(profileMarker.toLatin1()))
            ++count;
    }
    return count;
}

QStringList ProfileFiles::installedQueueNames()
{
    QStringList names;
    const QStringList entries = QDir(queuePpdFolder).entryList(QDir::NoFilter, QDir::Name | QDir::IgnoreCase);
    const QString ppdSuffix = QStringLiteral(".ppd");
    for (const QString &entry : entries) {
        const QString baseName = entry.left(entry.indexOf(QLatin1Char('.')));
        names << baseName;
        // A queue named "Office.2" has the settings file "Office.2.cfg": its
        // whole name is taken too, not only the part before the first ".".
        if (!entry.endsWith(ppdSuffix))
            continue;
        const QString wholeName = entry.chopped(ppdSuffix.size());
        if (wholeName != baseName)
            names << wholeName;
    }
    return names;
}

QString ProfileFiles::modelPpdPath(const QString &modelLine)
{
    QString name = modelLine;
    name.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    name.remove(QStringLiteral("_ZPDL"));
    name.replace(QStringLiteral("B/W"), QStringLiteral("Monochrome"));
    name.replace(QStringLiteral("RB-ZENT"), QStringLiteral("RB"));
    if (name.contains(QLatin1Char('/')) || name.contains(QStringLiteral("..")) || name.contains(QChar(0)))
        return QString();
    QString folder = modelPpdFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString path = folder + name + QStringLiteral(".ppd");
    return QFileInfo(path).isFile() ? path : QString();
}

bool ProfileFiles::removeProfile(const QString &name)
{
    SettingsReadScope::forgetRead();
    return userDataDirUsable() && isProfile(name) && QFile::remove(profilePath(name));
}

QByteArray ProfileFiles::withDescription(const QByteArray &text, const QString &description)
{
    QList<QByteArray> lines = text.split('\n');
    if (text.endsWith('\n'))
        lines.removeLast();
    const QByteArray descriptionLine = descriptionKey + '=' + description.toUtf8();
    bool replaced = false;
    for (QByteArray &line : lines) {
        if (lineKey(line) == descriptionKey) {
            line = descriptionLine;
            replaced = true;
        }
    }
    // A profile written without one gets it after "[Profile]" and the model line.
    if (!replaced)
        lines.insert(qMin(2, lines.size()), descriptionLine);
    QByteArray result;
    for (const QByteArray &line : qAsConst(lines))
        result += line + '\n';
    return result;
}

bool ProfileFiles::rewriteProfile(const QString &oldName, const QString &newName, const QString &description)
{
    if (!userDataDirUsable() || !isPlainName(newName) || !isProfile(oldName))
        return false;
    const QString oldPath = profilePath(oldName);
    QFile old;
    if (!openUserFileForReading(old, oldPath))
        return false;
    const QByteArray text = withDescription(old.readAll(), description);
    old.close();
    // A profile is a settings file: a reload must not answer from its old text.
    SettingsReadScope::forgetRead();

    if (newName == oldName)
        return writeFileAtomically(oldPath, text);

    const QString newPath = profilePath(newName);
    if (existsOrDangles(newPath))
        return false;
    const QString temporaryPath = userDataDir + newName + QStringLiteral(".tmp");
    if (!writeFileAtomically(temporaryPath, text))
        return false;
    // Never over anything that came to stand at the new name meanwhile.
    if (!renameWithoutReplacing(temporaryPath, newPath)) {
        QFile::remove(temporaryPath);
        return false;
    }
    if (!QFile::remove(oldPath)) {
        QFile::remove(newPath);
        return false;
    }
    return true;
}

QString ProfileFiles::storedDescription(const QString &name)
{
    QString description;
    if (!isPlainName(name))
        return description;
    for (const QString &line : readLines(profilePath(name))) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && line.leftRef(eq) == QLatin1String(descriptionKey))
            description = line.mid(eq + 1);
    }
    return description;
}
