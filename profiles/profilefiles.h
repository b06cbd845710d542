#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every file operation of the profile dialogs on userDataDir and on the two
// folders of PPDs they read, in one place. A profile is userDataDir + name +
// ".cfg" holding a "[Profile]" line; names never reach a shell.
class ProfileFiles
{
public:
    // The maker's model PPDs that a profile's model line names.
    static QString modelPpdFolder;
    // The installed queues' PPDs; neither their base names nor the queues'
    // whole names can be profile names.
    static QString queuePpdFolder;

    static QString profilePath(const QString &name);

    // The lines of a regular file, without line ends; none when it cannot be read.
    static QStringList readLines(const QString &path);
    // Per line: the whole line when it holds "[Profile]", and the key of a
    // line with exactly one "=".
    static QStringList readCfgKeys(const QString &path);
    static bool isProfileFile(const QStringList &keys);
    // True when name's file is a profile as the list shows them.
    static bool isProfile(const QString &name);
    // True when something that is not a profile stands where name's profile
    // would be written (a queue's settings file, a directory).
    static bool isTakenByOtherFile(const QString &name);

    // The profile names, sorted ignoring case: "*.cfg" files with a
    // "[Profile]" line, without the ".cfg".
    static QStringList listProfiles();
    // Every file of userDataDir whose text holds "[Profile]", whatever its
    // name, towards the limit of 25.
    static int profileCount();
    // The base names of the entries of queuePpdFolder (the text before the
    // first "."), and for each "NAME.ppd" whose NAME holds a "." NAME itself.
    static QStringList installedQueueNames();
    // The model PPD a profile's model line names ("[RB-ZENT Model 5 B/W ZPDL]"
    // -> modelPpdFolder + "RB_Model_5_Monochrome.ppd"); empty when the derived
    // name would leave the folder or no regular file is there.
    static QString modelPpdPath(const QString &modelLine);

    // Removes name's file when it is a profile lying directly in userDataDir.
    static bool removeProfile(const QString &name);
    // Writes oldName's profile with the new description under newName. The
    // new file is complete before the old one goes; on any failure the old
    // file stays as it was and no temporary file is left.
    static bool rewriteProfile(const QString &oldName, const QString &newName, const QString &description);
    // The value of the last "ProfileDescription" line as stored; empty when none.
    static QString storedDescription(const QString &name);

private:
    // A name whose file lies directly in userDataDir.
    static bool isPlainName(const QString &name);
    static QByteArray withDescription(const QByteArray &text, const QString &description);
};
