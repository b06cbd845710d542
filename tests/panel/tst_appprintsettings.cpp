// Other desktop programs' print settings after Apply: gedit's page setup,
// the removed print settings of gedit, evince and eog, LibreOffice's
// collation; only in those programs' own configuration places.
#include "appprintsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {
const QByteArray a4Record = QByteArrayLiteral(
    "[Page Setup]\nPPDName=A4\nDisplayName=A4\nWidth=210\nHeight=297\n"
    "MarginTop=3.5277777777777777\nMarginBottom=3.5277777777777777\n"
    "MarginLeft=4.2333333333333325\nMarginRight=4.2333333333333325\nOrientation=portrait\n");

const QByteArray oldPageSetup = QByteArrayLiteral("[Page Setup]\nPPDName=Letter\nDisplayName=US Letter\n");

// A registry with the setting on, once with CRLF line ends and a last line
// without an end, which must both stay as they are.
const QByteArray registryBefore = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print/Option/Writer\"><prop oor:name=\"Collate\" oor:op=\"fuse\"><value>true</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print\"><prop oor:name=\"PrintTrue\" oor:op=\"fuse\"><value>true</value></prop></item>\n"
    "<item oor:path=\"/x\"><prop oor:name=\"Collated\"><value>true</value></prop></item>\n"
    "<!-- \xc3\xa9t\xc3\xa9 --></oor:items>");
const QByteArray registryAfter = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print/Option/Writer\"><prop oor:name=\"Collate\" oor:op=\"fuse\"><value>false</value></prop></item>\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print\"><prop oor:name=\"PrintTrue\" oor:op=\"fuse\"><value>true</value></prop></item>\n"
    "<item oor:path=\"/x\"><prop oor:name=\"Collated\"><value>true</value></prop></item>\n"
    "<!-- \xc3\xa9t\xc3\xa9 --></oor:items>");

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
}

SettingsSnapshot snapshotWithPageSize(const QString &pageSize)
{
    SettingsSnapshot snapshot;
    snapshot.insert(QStringLiteral("Duplex"), QStringLiteral("None"));
    if (!pageSize.isNull())
        snapshot.insert(QStringLiteral("PageSize"), pageSize);
    return snapshot;
}
}

class AppPrintSettingsTest : public QObject
{
    Q_OBJECT

private:
    QByteArray savedHome;
    QByteArray savedConfig;
    bool hadHome = false;
    bool hadConfig = false;

    void useHome(const QString &home)
    {
        qputenv("HOME", home.toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }

private slots:
    void initTestCase()
    {
        hadHome = qEnvironmentVariableIsSet("HOME");
        hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        savedHome = qgetenv("HOME");
        savedConfig = qgetenv("XDG_CONFIG_HOME");
    }

    void cleanup()
    {
        if (hadHome) qputenv("HOME", savedHome); else qunsetenv("HOME");
        if (hadConfig) qputenv("XDG_CONFIG_HOME", savedConfig); else qunsetenv("XDG_CONFIG_HOME");
    }

    void pageSetupTableHoldsTheRecordsDigitForDigit_data()
    {
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("A4") << "A4" << a4Record;
        QTest::newRow("long digits and another display name") << "Statement"
            << QByteArray("[Page Setup]\nPPDName=Statement\nDisplayName=Invoice\nWidth=139.69999694824219\n"
                          "Height=215.89999389648438\nMarginTop=4.2333333333333325\nMarginBottom=4.2333333333333325\n"
                          "MarginLeft=4.2333333333333325\nMarginRight=4.2333333333333325\nOrientation=portrait\n");
        QTest::newRow("unequal margins") << "P8K"
            << QByteArray("[Page Setup]\nPPDName=P8K\nDisplayName=8K\nWidth=273.04999999999995\n"
                          "Height=393.69999999999999\nMarginTop=3.8805555555555551\nMarginBottom=4.2333333333333325\n"
                          "MarginLeft=4.2333333333333325\nMarginRight=3.8805555555555551\nOrientation=portrait\n");
        QTest::newRow("last record") << "OficioI"
            << QByteArray("[Page Setup]\nPPDName=OficioI\nDisplayName=8.5x13.5\nWidth=215.89999999999998\n"
                          "Height=342.89999999999998\nMarginTop=4.2333333333333325\nMarginBottom=4.2333333333333325\n"
                          "MarginLeft=4.2333333333333325\nMarginRight=4.2333333333333325\nOrientation=portrait\n");
    }

    void pageSetupTableHoldsTheRecordsDigitForDigit()
    {
        QFETCH(QString, pageSize);
        QFETCH(QByteArray, record);
        const QHash<QString, QString> table = AppPrintSettings::pageSetupTable();
        QCOMPARE(table.size(), 28);
        QCOMPARE(table.value(pageSize).toUtf8(), record);
    }

    // The five files, two LibreOffice profiles, and documents of the user's
    // own whose paths hold the same names; the home path has a blank in it.
    void applyChangesOnlyTheProgramsOwnFiles()
    {
        QTemporaryDir top;
        QVERIFY(top.isValid());
        const QString home = top.filePath(QStringLiteral("my home"));
        const QString config = home + QStringLiteral("/.config/");
        const QStringList removed = {
            config + QStringLiteral("gedit/gedit-print-settings"),
            config + QStringLiteral("evince/print-settings"),
            config + QStringLiteral("eog/eog-print-settings.ini"),
        };
        const QString pageSetup = config + QStringLiteral("gedit/gedit-page-setup");
        const QStringList registries = {
            config + QStringLiteral("libreoffice/4/user/registrymodifications.xcu"),
            config + QStringLiteral("libreoffice/3 old/user/registrymodifications.xcu"),
        };
        const QStringList decoys = {
            home + QStringLiteral("/Documents/gedit-print-settings"),
            home + QStringLiteral("/Documents/notes on evince/print-settings"),
            home + QStringLiteral("/eog-print-settings.ini"),
            home + QStringLiteral("/backup/gedit/gedit-page-setup"),
            home + QStringLiteral("/work/user/registrymodifications.xcu"),
            config + QStringLiteral("gedit-print-settings"),
            config + QStringLiteral("gedit/gedit-print-settings.keep"),
        };
        for (const QString &path : removed)
            QVERIFY(writeBytes(path, "[Print Settings]\nn-copies=2\n"));
        QVERIFY(writeBytes(pageSetup, oldPageSetup));
        for (const QString &path : registries)
            QVERIFY(writeBytes(path, registryBefore));
        for (const QString &path : decoys)
            QVERIFY(writeBytes(path, registryBefore));

        useHome(home);
        const SettingsSnapshot snapshot = snapshotWithPageSize(QStringLiteral("A4"));
        AppPrintSettings settings(&snapshot);
        settings.scanHome();
        QCOMPARE(settings.foundFiles.size(), 6);
        settings.apply();

        for (const QString &path : removed)
            QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(readBytes(pageSetup), a4Record);
        for (const QString &path : registries) {
            QCOMPARE(readBytes(path), registryAfter);
            // The new content replaced the file whole: nothing beside it.
            QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QStringLiteral("registrymodifications.xcu")});
        }
        for (const QString &path : decoys)
            QVERIFY2(readBytes(path) == registryBefore, qPrintable(path));
    }

    // gedit keeps its page setup when the panel has no record for the size.
    void pageSetupWithoutARecordStays_data()
    {
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("no PageSize") << QString();
        QTest::newRow("size without a record") << QStringLiteral("Custom.200x300mm");
        QTest::newRow("empty") << QStringLiteral("");
    }

    void pageSetupWithoutARecordStays()
    {
        QFETCH(QString, pageSize);
        QTemporaryDir home;
        const QString pageSetup = home.filePath(QStringLiteral(".config/gedit/gedit-page-setup"));
        QVERIFY(writeBytes(pageSetup, oldPageSetup));
        useHome(home.path());
        const SettingsSnapshot snapshot = snapshotWithPageSize(pageSize);
        AppPrintSettings settings(&snapshot);
        settings.scanHome();
        settings.apply();
        QCOMPARE(readBytes(pageSetup), oldPageSetup);
    }

    // A list-valued key: the value added last counts.
    void lastPageSizeCounts()
    {
        QTemporaryDir home;
        const QString pageSetup = home.filePath(QStringLiteral(".config/gedit/gedit-page-setup"));
        QVERIFY(writeBytes(pageSetup, oldPageSetup));
        useHome(home.path());
        SettingsSnapshot snapshot;
        snapshot.insert(QStringLiteral("PageSize"), QStringLiteral("Letter"));
        snapshot.insert(QStringLiteral("PageSize"), QStringLiteral("A4"));
        AppPrintSettings settings(&snapshot);
        settings.scanHome();
        settings.apply();
        QCOMPARE(readBytes(pageSetup), a4Record);
    }

    void registryWithoutTheSettingOnStaysUntouched()
    {
        QTemporaryDir home;
        const QString registry = home.filePath(QStringLiteral(".config/libreoffice/4/user/registrymodifications.xcu"));
        QVERIFY(writeBytes(registry, registryAfter));
        const QDateTime before = QFileInfo(registry).lastModified();
        QTest::qWait(20);
        useHome(home.path());
        const SettingsSnapshot snapshot;
        AppPrintSettings settings(&snapshot);
        settings.scanHome();
        settings.apply();
        QCOMPARE(readBytes(registry), registryAfter);
        QCOMPARE(QFileInfo(registry).lastModified(), before);
    }

    void configurationPlace_data()
    {
        QTest::addColumn<QString>("xdgConfig");  // "<tmp>" stands for a temp folder
        QTest::addColumn<bool>("useXdg");
        QTest::newRow("absolute XDG_CONFIG_HOME") << "<tmp>" << true;
        QTest::newRow("relative XDG_CONFIG_HOME is ignored") << "relative/config" << false;
        QTest::newRow("empty XDG_CONFIG_HOME") << "" << false;
    }

    void configurationPlace()
    {
        QFETCH(QString, xdgConfig);
        QFETCH(bool, useXdg);
        QTemporaryDir home;
        QTemporaryDir xdg;
        const QString xdgPath = xdgConfig == QLatin1String("<tmp>") ? xdg.path() : xdgConfig;
        const QString inHome = home.filePath(QStringLiteral(".config/eog/eog-print-settings.ini"));
        const QString inXdg = xdg.filePath(QStringLiteral("eog/eog-print-settings.ini"));
        QVERIFY(writeBytes(inHome, "x"));
        QVERIFY(writeBytes(inXdg, "x"));
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", xdgPath.toUtf8());
        const SettingsSnapshot snapshot;
        AppPrintSettings settings(&snapshot);
        settings.scanHome();
        settings.apply();
        QCOMPARE(QFileInfo::exists(inXdg), !useXdg);
        QCOMPARE(QFileInfo::exists(inHome), useXdg);
    }

    void homeFromThePasswordDatabaseWhenUnset()
    {
        const passwd *entry = getpwuid(getuid());
        QVERIFY2(entry && entry->pw_dir[0] == '/', "the user running the test needs a home directory entry");
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        const SettingsSnapshot snapshot;
        AppPrintSettings settings(&snapshot);
        QCOMPARE(settings.configDir(), QDir::cleanPath(QString::fromUtf8(entry->pw_dir) + QStringLiteral("/.config")));
    }

    // No usable home: nothing is looked at, and the program goes on.
    void relativeHomeIsSkipped()
    {
        QTemporaryDir cwd;
        const QString inRelative = cwd.filePath(QStringLiteral("rel/.config/eog/eog-print-settings.ini"));
        QVERIFY(writeBytes(inRelative, "x"));
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(cwd.path()));
        useHome(QStringLiteral("rel"));
        const SettingsSnapshot snapshot;
        AppPrintSettings settings(&snapshot);
        settings.scanHome();
        settings.apply();
        QDir::setCurrent(oldCwd);
        QVERIFY(settings.configDir().isEmpty());
        QVERIFY(settings.foundFiles.isEmpty());
        QVERIFY(QFileInfo::exists(inRelative));
    }
};

QTEST_GUILESS_MAIN(AppPrintSettingsTest)
#include "tst_appprintsettings.moc"
