#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Stand-ins for outside programs, put first on PATH by the tests: shell
// scripts that record their arguments (each ended by a NUL byte) in a file.

inline bool writeStandIn(const QString &dir, const QString &name, const QByteArray &body)
{
    QFile file(QDir(dir).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n" + body);
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                               | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

// "$RECORD": every argument of the call, in order.
inline QByteArray recordingBody(const QString &recordPath, const QByteArray &then = "exit 0\n")
{
    QString quoted = recordPath;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return "for a in \"$@\"; do printf '%s\\0' \"$a\"; done >'" + quoted.toUtf8() + "'\n" + then;
}

// The recorded arguments; a lone "<missing>" when the stand-in never ran.
inline QStringList readRecord(const QString &recordPath, int skipLines = 0)
{
    QFile file(recordPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing>")};
    QByteArray data = file.readAll();
    for (int i = 0; i < skipLines; ++i)
        data = data.mid(data.indexOf('\n') + 1);
    QStringList arguments;
    for (const QByteArray &argument : data.split('\0'))
        arguments << QString::fromUtf8(argument);
    arguments.removeLast();  // after the last NUL
    return arguments;
}

