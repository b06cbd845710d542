#pragma once

// The panel's "KEY=VALUE" settings files as the tests write them by hand
// and read back what the panel wrote.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

namespace storedsettings {

// Replaces the file with these lines, each ended by a line feed.
inline bool write(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    return file.write(bytes) == bytes.size();
}

// Of repeated keys the first line, as the panel reads them. Empty when the
// file cannot be read.
inline QHash<QString, QString> read(const QString &path)
{
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0 && !values.contains(QString::fromUtf8(line.left(eq))))
            values.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return values;
}

// Every value of a key, sorted: for the keys a page writes once per entry.
inline QStringList values(const QString &path, const QString &key)
{
    QStringList found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(key.toUtf8() + '='))
            found << QString::fromUtf8(line.mid(key.toUtf8().size() + 1));
    }
    found.sort();
    return found;
}
}
