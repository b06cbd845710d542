// The per-user folder as another local user can leave it: made by them
// before its owner first ran the panel (writable by all, or theirs alone),
// or holding links and FIFOs. Through the main dialog, as the unprivileged
// user, against the private cupsd; the folders of another user come from the
// root fixture foreign_folders (tests/harness/foreign-folders.sh).
#include "boxrecorder.h"
#include "dialogsession.h"
#include "fixturestore.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "profilefiles.h"
#include "profilesavedialog.h"
#include "sessionstate.h"
#include "storedsettings.h"
#include "temporaryhome.h"
#include "zeldialog.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString applied = QStringLiteral("Success|Settings applied.");
const QString notWritten = QStringLiteral("Error|Error: The settings file could not be written.");

QString folderNotice(const QString &dir)
{
    return QStringLiteral("Error|The folder %1 belongs to another user, or other users can change it. No settings "
                          "or profiles are read from it or stored in it; ask your administrator to remove it.")
        .arg(dir);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(data);
}
}

using fixturestore::markedName;

class UserFolderTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-userfolder"), DialogSession::PrivateCups};
    QScopedPointer<TemporaryHome> home;
    QScopedPointer<QTemporaryDir> victims;

    // A file of the victim outside the folder, and a link to it planted there.
    QString plantLink(const QString &dir, const QString &name, const QByteArray &content)
    {
        const QString victim = victims->filePath(QFileInfo(dir).fileName() + QLatin1Char('-') + name);
        put(victim, content);
        QFile::remove(dir + name);
        if (!QFile::link(victim, dir + name))
            return QString();
        return victim;
    }

    static bool plantFifo(const QString &path)
    {
        QFile::remove(path);
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(session.start(), session.whyNot());
        for (const char *name : {"HALVANE_FOREIGN_OPEN", "HALVANE_FOREIGN_CLOSED"}) {
            const QString dir = QString::fromLocal8Bit(qgetenv(name));
            struct stat info;
            QVERIFY2(!dir.isEmpty() && ::lstat(QFile::encodeName(dir).constData(), &info) == 0 && S_ISDIR(info.st_mode)
                         && info.st_uid != geteuid(),
                     qPrintable(QStringLiteral("%1 (%2) must be a folder of another user: CTest's fixture "
                                               "foreign_folders makes it when CTest runs as root")
                                    .arg(QLatin1String(name), dir)));
        }
    }

    void init()
    {
        // Apply also writes lpoptions and other programs' files in HOME.
        home.reset(new TemporaryHome);
        victims.reset(new QTemporaryDir);
        QVERIFY(home->isValid() && victims->isValid());
        // A read that blocks on a FIFO ends the test here instead of hanging it.
        ::alarm(60);
    }

    void cleanup()
    {
        ::alarm(0);
        DialogSession::forgetState();
        home.reset();
    }

    // Nothing of the folder is read, nothing is written there or through its
    // links, and the user is told so once at start; Apply fails with its box.
    void anotherUsersFolder_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("plant");
        QTest::newRow("made by another user, writable by all") << "HALVANE_FOREIGN_OPEN" << true;
        QTest::newRow("another user's, holding settings") << "HALVANE_FOREIGN_CLOSED" << false;
    }

    void anotherUsersFolder()
    {
        QFETCH(QString, variable);
        QFETCH(bool, plant);
        const QString dir = QString::fromLocal8Bit(qgetenv(variable.toLatin1())) + QLatin1Char('/');
        qputenv("USER", QFile::encodeName(QFileInfo(dir.chopped(1)).fileName()));

        QStringList victimFiles;
        const QByteArray stored = "PageSize=Letter\nDuplex=DuplexNoTumble\n";
        if (plant) {
            victimFiles << plantLink(dir, QStringLiteral("Settings"), "Telemetry=True\nmy own notes\n")
                        << plantLink(dir, QStringLiteral("Quorvan_Office.cfg"), stored);
            QVERIFY(!victimFiles.contains(QString()));
            QVERIFY(plantFifo(dir + QStringLiteral("Cost$Center.cfg")));
        }
        const QByteArray closedSettings = contents(dir + QStringLiteral("Settings"));

        BoxRecorder recorder;
        ZelDialog dialog;
        QCOMPARE(userDataDir, dir);
        QTRY_COMPARE(recorder.boxes, QStringList{folderNotice(dir.chopped(1))});

        QVERIFY(paneldriver::choosePrinter(dialog, QStringLiteral("Quorvan_Office")));
        // What lies there is not the user's: the PPD's defaults.
        QCOMPARE(markedName(QStringLiteral("PageSize")), QStringLiteral("A4"));
        QCOMPARE(markedName(QStringLiteral("Duplex")), QStringLiteral("None"));
        QVERIFY(recorder.boxes.contains(notWritten));
        if (plant) {
            QVERIFY(paneldriver::choosePrinter(dialog, QStringLiteral("Cost$Center")));
            QCOMPARE(markedName(QStringLiteral("PageSize")), QStringLiteral("A4"));
        }
        recorder.boxes.clear();
        dialog.slotButtonApply();
        QVERIFY2(recorder.boxes.contains(notWritten), qPrintable(recorder.boxes.join('\n')));
        QVERIFY(!recorder.boxes.contains(applied));

        // Profiles: none listed from there, and a save fails with its box.
        if (plant)
            put(dir + QStringLiteral("Planted.cfg"), "[Profile]\n[Quorvan Office]\nProfileDescription=\n");
        QCOMPARE(ProfileFiles::listProfiles(), QStringList());
        QCOMPARE(ProfileFiles::profileCount(), 0);
        if (plant) {
            QVERIFY(!ProfileFiles::rewriteProfile(QStringLiteral("Planted"), QStringLiteral("Moved"), QStringLiteral("d")));
            QVERIFY(!ProfileFiles::removeProfile(QStringLiteral("Planted")));
            QVERIFY(QFileInfo::exists(dir + QStringLiteral("Planted.cfg")));
        }
        QLineEdit *profileName = dialog.profileSaveDialog->findChild<QLineEdit *>();
        QVERIFY(profileName);
        profileName->setText(QStringLiteral("Mine"));
        recorder.boxes.clear();
        dialog.profileSaveDialog->saveProfile();
        QCOMPARE(recorder.boxes, QStringList{QStringLiteral("Save Profile|The profile could not be saved.")});
        QVERIFY(!QFileInfo::exists(dir + QStringLiteral("Mine.cfg")));

        if (plant) {
            QCOMPARE(contents(victimFiles.at(0)), QByteArray("Telemetry=True\nmy own notes\n"));
            QCOMPARE(contents(victimFiles.at(1)), stored);
            QVERIFY(QFileInfo(dir + QStringLiteral("Settings")).isSymLink());
            QVERIFY(QFileInfo(dir + QStringLiteral("Quorvan_Office.cfg")).isSymLink());
        } else {
            QCOMPARE(contents(dir + QStringLiteral("Settings")), closedSettings);
            QCOMPARE(contents(dir + QStringLiteral("Quorvan_Office.cfg")), stored);
        }
        const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(entries.size(), plant ? 4 : 2);
    }

    // In the user's own folder a link or a FIFO can still stand where a
    // queue's settings file should be: the FIFO is not read (the panel would
    // freeze), the link is not read through, and Apply replaces both.
    void plantedEntriesInTheOwnFolder()
    {
        QVERIFY2(session.freshUser(), session.whyNot());
        const QString ownDir = session.userDir();
        QVERIFY(plantFifo(ownDir + QStringLiteral("Quorvan_Office.cfg")));
        const QString victim = plantLink(ownDir, QStringLiteral("Cost$Center.cfg"), "PageSize=Letter\n");
        QVERIFY(!victim.isEmpty());

        BoxRecorder recorder;
        ZelDialog dialog;
        QVERIFY(paneldriver::choosePrinter(dialog, QStringLiteral("Quorvan_Office")));
        QCOMPARE(markedName(QStringLiteral("PageSize")), QStringLiteral("A4"));
        dialog.slotButtonApply();
        QVERIFY(paneldriver::choosePrinter(dialog, QStringLiteral("Cost$Center")));
        QCOMPARE(markedName(QStringLiteral("PageSize")), QStringLiteral("A4"));
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, (QStringList{applied, applied}));

        for (const QString &queue : {QStringLiteral("Quorvan_Office"), QStringLiteral("Cost$Center")}) {
            const QString path = ownDir + queue + QStringLiteral(".cfg");
            struct stat info;
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
            QVERIFY2(S_ISREG(info.st_mode), qPrintable(path));
            QCOMPARE(storedsettings::read(path).value(QStringLiteral("PageSize")), QStringLiteral("A4"));
        }
        QCOMPARE(contents(victim), QByteArray("PageSize=Letter\n"));
    }
};

QTEST_MAIN(UserFolderTest)
#include "tst_userfolder.moc"
