#pragma once

// Driving the main dialog as a user does, for the test folders that need the
// real dialog: a user folder it starts in without the first-run question,
// picking a queue in the printer table, and reading what it stored.

#include "printertab.h"
#include "zeldialog.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTableWidget>

namespace paneldriver {

const QString sharedRoot = QStringLiteral("/usr/share/quorvan/");

// USER becomes user, and its folder under the shared root gets a Settings
// file, so the dialog asks nothing at start. The folder, or empty when it
// could not be made.
inline QString preparePanelUser(const QString &user)
{
    qputenv("USER", user.toLatin1());
    const QString dir = sharedRoot + user + QLatin1Char('/');
    if (!QDir().mkpath(dir))
        return QString();
    QFile settings(dir + QStringLiteral("Settings"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("Telemetry=False\n") < 0)
        return QString();
    return dir;
}

// Takes away a folder preparePanelUser made. Nothing for an empty path, which
// QDir would take for the working folder.
inline void removePanelUser(const QString &dir)
{
    if (!dir.isEmpty())
        QDir(dir).removeRecursively();
}

// The "KEY=VALUE" lines of a settings file; of repeated keys the first line,
// as the panel reads them. Empty when the file cannot be read.
inline QHash<QString, QString> readSettingsFile(const QString &path)
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

inline QTableWidget *printerTable(const ZelDialog &dialog)
{
    return dialog.printerTab->findChild<QTableWidget *>();
}

inline QStringList listedPrinters(const ZelDialog &dialog)
{
    QStringList names;
    QTableWidget *table = printerTable(dialog);
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->item(row, 0)->text();
    return names;
}

inline int printerRow(const ZelDialog &dialog, const QString &queue)
{
    return listedPrinters(dialog).indexOf(queue);
}

// As a click does: the row becomes current, the page and the dialog react.
// False when the queue is not listed.
inline bool choosePrinter(ZelDialog &dialog, const QString &queue)
{
    const int row = printerRow(dialog, queue);
    if (row < 0)
        return false;
    printerTable(dialog)->setCurrentCell(row, 0);
    return true;
}
}
