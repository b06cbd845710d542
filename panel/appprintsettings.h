#pragma once

#include "settingsfile.h"

#include <QHash>
#include <QMultiHash>
#include <QString>
#include <QStringList>

// Adjusts the print settings other desktop programs keep, after the panel's
// own settings reached CUPS: gedit's page setup takes the chosen page size,
// the print settings of gedit, evince and eog are removed, LibreOffice's
// collation is turned off. Only the programs' own configuration places are
// looked at, never the rest of the home directory.
class AppPrintSettings
{
public:
    explicit AppPrintSettings(const SettingsSnapshot *chosenOptions);

    // Fills foundFiles from the configuration places that exist.
    void scanHome();
    // Acts on every found file. Failures are silent: the files stay as they were.
    void apply();

    // PPD page-size name to the whole text of a GTK page-setup file.
    static QHash<QString, QString> pageSetupTable();

    // "$XDG_CONFIG_HOME" when it is absolute, else "<home>/.config"; empty
    // when no home directory is known.
    QString configDir() const { return configHome; }

    // Settings name (one of settingsNames) to each path found for it.
    QMultiHash<QString, QString> foundFiles;
    const QStringList settingsNames;

private:
    static void buildPageSetupTable(QHash<QString, QString> &table);
    static QString resolveHome();
    static QString resolveConfigHome(const QString &home);
    void addIfFile(const QString &name, const QString &path);
    void removeFile(const QString &path);
    void disableCollate(const QString &path);
    void writePageSetup(const QString &path);

    const SettingsSnapshot *chosenOptions;
    QHash<QString, QString> pageSetups;
    QString homeDir;
    QString configHome;
};
