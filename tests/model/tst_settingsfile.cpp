#include <QtTest>

#include "atomicfile.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "settingsreads.h"
#include "settingsreadscope.h"
#include "userdatadir.h"

#include <cups/ppd.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Settings and profile files, read and written for real in a temp directory.
class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    OptionStore m_store;

    QString path(const QString &name) const { return userDataDir + name; }

    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<unreadable>");
        return f.readAll();
    }

    static void put(const QString &file, const QByteArray &data)
    {
        QFile f(file);
        QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file));
        QCOMPARE(f.write(data), qint64(data.size()));
    }

    static QStringList sortedLines(const QByteArray &data)
    {
        QStringList lines = QString::fromUtf8(data).split(QLatin1Char('\n'));
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    // One way the active settings file changes between two reads, by the
    // panel or by anyone else; sets what the readers must give after it
    // (null: nothing). Every new content has the old one's size. False when
    // the change could not be made.
    static bool changeActiveFile(const QString &change, QString *expected)
    {
        const QString file = activeSettingsPath;
        const QByteArray target = QFile::encodeName(file);
        const QByteArray same = "Duplex=New\nMediaType=Plain\n";
        *expected = QString();
        if (change == "rewritten in place") {
            *expected = "New";
            return writeTo(file, same);
        }
        if (change == "rewritten in place by another process, its times set back") {
            *expected = "Ext";
            return settingsreads::rewriteKeepingTimes(file, "Duplex=Ext\nMediaType=Plain\n");
        }
        if (change == "replaced by a rename") {
            *expected = "New";
            return writeTo(file + ".new", same) && ::rename(QFile::encodeName(file + ".new").constData(), target.constData()) == 0;
        }
        if (change == "rewritten by the settings writer") {
            SettingsSnapshot snapshot;
            snapshot.insert("Duplex", "New");
            snapshot.insert("MediaType", "Plain");
            *expected = "New";
            return writeProfileFile(file, snapshot, true);
        }
        if (change == "rewritten by the atomic writer") {
            *expected = "New";
            return writeFileAtomically(file, same);
        }
        if (change == "folder opened to all")
            return ::chmod(QFile::encodeName(userDataDir).constData(), 0777) == 0;
        if (change == "active path to another file") {
            activeSettingsPath = userDataDir + "Other.cfg";
            *expected = "Oth";
            return true;
        }
        if (change == "active path to the folder") {
            activeSettingsPath = userDataDir;
            return true;
        }
        if (!QFile::remove(file))
            return false;
        if (change == "a FIFO in its place")
            return ::mkfifo(target.constData(), 0644) == 0;
        if (change == "a link in its place")
            return writeTo(file + ".target", same) && QFile::link(file + ".target", file);
        if (change == "a directory in its place")
            return QDir().mkpath(file);
        return change == "removed";
    }

    static bool writeTo(const QString &file, const QByteArray &data)
    {
        QFile f(file);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_store.setPrinterName("Office");
        m_store.setModelName("Quorvan CX 4020 Série");
    }

    void init()
    {
        // A fresh, not yet existing user directory for every test.
        static int n = 0;
        userDataDir = m_root.path() + QString("/u%1/halvane/").arg(++n);
        activeSettingsPath = userDataDir + "Office.cfg";
        currentOptionStore = &m_store;
    }

    void cleanup()
    {
        currentOptionStore = nullptr;
    }

    void reader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("all");

        const QString null;
        QTest::newRow("value keeps later '='") << QByteArray("Wtxt=a=b\n") << "Wtxt" << "a=b" << QStringList{"a=b"};
        QTest::newRow("empty value is null, later line not consulted")
            << QByteArray("Duplex=\nDuplex=None\n") << "Duplex" << null << QStringList{"", "None"};
        QTest::newRow("first of several") << QByteArray("Duplex=A\nDuplex=B\n") << "Duplex" << "A" << QStringList{"A", "B"};
        QTest::newRow("case-sensitive key") << QByteArray("duplex=A\n") << "Duplex" << null << QStringList{};
        QTest::newRow("no trimming before key") << QByteArray(" Duplex=A\n") << "Duplex" << null << QStringList{};
        QTest::newRow("no trimming after key") << QByteArray("Duplex =A\n") << "Duplex" << null << QStringList{};
        QTest::newRow("no trimming of value") << QByteArray("Name= a b \n") << "Name" << " a b " << QStringList{" a b "};
        QTest::newRow("line without '=' is key with empty value")
            << QByteArray("Duplex\nDuplex=B\n") << "Duplex" << null << QStringList{"", "B"};
        QTest::newRow("key is not a prefix match") << QByteArray("DuplexMode=A\n") << "Duplex" << null << QStringList{};
        QTest::newRow("other keys skipped") << QByteArray("A=1\nB=2\nDuplex=A\n") << "Duplex" << "A" << QStringList{"A"};
        QTest::newRow("last line without line feed") << QByteArray("A=1\nB=2") << "B" << "2" << QStringList{"2"};
        QTest::newRow("UTF-8 value") << QByteArray("Name=Z\xc3\xbcrich \xe2\x82\xac\n") << "Name"
                                     << QString::fromUtf8("Z\xc3\xbcrich \xe2\x82\xac")
                                     << QStringList{QString::fromUtf8("Z\xc3\xbcrich \xe2\x82\xac")};
        QTest::newRow("profile header lines are plain lines")
            << QByteArray("[Profile]\n[Model]\nProfileDescription=one\\ntwo\nDuplex=A\n")
            << "ProfileDescription" << "one\\ntwo" << QStringList{"one\\ntwo"};
        QTest::newRow("absent key in empty file") << QByteArray() << "Duplex" << null << QStringList{};

        // A line of exactly 1024 characters reads whole.
        const QByteArray v1019(1024 - 5, 'x');
        QTest::newRow("1024-character line") << QByteArray("Wtx=" + v1019 + "\n") << "Wtx"
                                             << QString(v1019) << QStringList{QString(v1019)};
        // Longer lines read whole too: no value is cut, and no tail of a long
        // value is taken for a line of its own.
        const QByteArray v1500(1500, 'y');
        QTest::newRow("1500-character line") << QByteArray("K=" + v1500 + "\n") << "K"
                                             << QString(v1500) << QStringList{QString(v1500)};
        const QByteArray head = "CustomWatermarkStore=";
        const QByteArray filler(1024 - head.size(), 'w');
        QTest::newRow("tail of long line is no key")
            << QByteArray(head + filler + "Duplex=Evil\nOther=1\n") << "Duplex" << null << QStringList{};

        // Only "\r\n" ends a line besides "\n"; any other carriage return
        // belongs to the value.
        QTest::newRow("carriage return inside a value") << QByteArray("K=a\rb\n") << "K" << "a\rb" << QStringList{"a\rb"};
        QTest::newRow("CRLF line ends") << QByteArray("K=1\r\nK=2\r\n") << "K" << "1" << QStringList{"1", "2"};
        QTest::newRow("carriage return before a CRLF end") << QByteArray("K=ab\r\r\n") << "K" << "ab\r" << QStringList{"ab\r"};
        QTest::newRow("carriage return at the very end") << QByteArray("K=ab\r") << "K" << "ab\r" << QStringList{"ab\r"};
        QTest::newRow("carriage return in a key") << QByteArray("K\r=a\n") << "K" << null << QStringList{};

        // A byte-order mark at the start of a line is no part of its key.
        QTest::newRow("byte-order marks before keys")
            << QByteArray("\xef\xbb\xbfK=1\n\xef\xbb\xbfK=2\n") << "K" << "1" << QStringList{"1", "2"};
        // A NUL ends the line's text, as it always has; the next line stays a line.
        static const char nulInside[] = "K=a\0b\nK=c\n";
        QTest::newRow("NUL inside a value") << QByteArray(nulInside, sizeof nulInside - 1) << "K" << "a"
                                            << QStringList{"a", "c"};
    }

    void reader()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, first);
        QFETCH(QStringList, all);

        QVERIFY(QDir().mkpath(userDataDir));
        put(activeSettingsPath, file);
        // A reload answers from one read of the file: the same answers.
        for (const bool inReload : {false, true}) {
            std::unique_ptr<SettingsReadScope> reload(inReload ? new SettingsReadScope : nullptr);
            const QString value = readSettingValue("Office", key);
            QCOMPARE(value, first);
            QCOMPARE(value.isNull(), first.isNull());
            QCOMPARE(readSettingValues("Office", key), all);
            QCOMPARE(readSettingValue("Office", key), first);
        }
    }

    void readerFollowsActivePathOnly()
    {
        QVERIFY(QDir().mkpath(userDataDir));
        put(path("Office.cfg"), "Duplex=Office\n");
        put(path("Other.cfg"), "Duplex=Other\n");
        activeSettingsPath = path("Other.cfg");
        // The queue name argument is not what picks the file.
        QCOMPARE(readSettingValue("Office", "Duplex"), QString("Other"));
        // A later write is seen at once.
        put(path("Other.cfg"), "Duplex=Changed\n");
        QCOMPARE(readSettingValue("Office", "Duplex"), QString("Changed"));
    }

    // Whatever happens to the active file between two reads, by the panel or
    // by anyone else, the next read answers from what stands there now,
    // without waiting: outside a reload of the pages every read opens the
    // file, and nothing a reload read outlives it. Within the reload, a
    // change the panel makes itself (a write, another active path) is seen
    // at once too.
    void readersSeeEveryChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("inReload");
        const QStringList changes = {"rewritten in place", "rewritten in place by another process, its times set back",
                                     "replaced by a rename", "rewritten by the settings writer",
                                     "rewritten by the atomic writer", "removed", "a FIFO in its place",
                                     "a link in its place", "a directory in its place", "folder opened to all",
                                     "active path to another file", "active path to the folder"};
        for (const QString &change : changes) {
            QTest::newRow(qPrintable(change)) << change << false;
            QTest::newRow(qPrintable(change + ", first read in a reload")) << change << true;
        }
    }

    void readersSeeEveryChange()
    {
        QFETCH(QString, change);
        QFETCH(bool, inReload);
        QVERIFY(QDir().mkpath(userDataDir));
        QVERIFY(writeTo(path("Office.cfg"), "Duplex=Old\nMediaType=Plain\n"));
        QVERIFY(writeTo(path("Other.cfg"), "Duplex=Oth\nMediaType=Plain\n"));
        // The settings writers' own changes; the atomic writer alone writes
        // any file and is seen from the next reload on.
        const bool ownChange = change == "rewritten by the settings writer" || change.startsWith("active path");

        auto checkReads = [](const QString &expected, const char *when) {
            // A read that blocks ends the test here instead of hanging it.
            ::alarm(20);
            const QString value = readSettingValue("Office", "Duplex");
            const QStringList values = readSettingValues("Office", "Duplex");
            const QString mediaType = readSettingValue("Office", "MediaType");
            ::alarm(0);
            QVERIFY2(value == expected && value.isNull() == expected.isNull(),
                     qPrintable(QString(when) + ": " + (value.isNull() ? "null" : value)));
            QCOMPARE(values, expected.isNull() ? QStringList() : QStringList{expected});
            QCOMPARE(mediaType.isNull(), expected.isNull());
        };

        QString expected;
        {
            std::unique_ptr<SettingsReadScope> reload(inReload ? new SettingsReadScope : nullptr);
            QCOMPARE(readSettingValue("Office", "Duplex"), QString("Old"));
            QCOMPARE(readSettingValues("Office", "MediaType"), QStringList{"Plain"});
            QVERIFY2(changeActiveFile(change, &expected), qPrintable(change));
            if (inReload && ownChange)
                checkReads(expected, "later in the same reload");
        }
        checkReads(expected, "right after the change");
        {
            const SettingsReadScope reload;
            checkReads(expected, "in the next reload");
        }
    }

    // Outside a reload every read opens the file. A reload opens it once for
    // all its reads, nested reloads within it too, and again only once the
    // active path named another file.
    void opensPerRead()
    {
        QVERIFY(QDir().mkpath(userDataDir));
        put(path("Office.cfg"), "Duplex=Old\nMediaType=Plain\n");
        put(path("Other.cfg"), "Duplex=Oth\n");
        auto readTwice = [] {
            QCOMPARE(readSettingValue("Office", "Duplex"), QString("Old"));
            QCOMPARE(readSettingValues("Office", "MediaType"), QStringList{"Plain"});
        };
        const QString file = activeSettingsPath;
        auto opens = [&](auto work) { return settingsreads::opensOf(file, work); };

        QCOMPARE(opens([&] { readTwice(); }), 2);
        QCOMPARE(opens([&] {
                     const SettingsReadScope reload;
                     for (int n = 0; n < 20; ++n)
                         readTwice();
                 }),
                 1);
        QCOMPARE(opens([&] {
                     const SettingsReadScope reload;
                     readTwice();
                     {
                         const SettingsReadScope inner;
                         readTwice();
                     }
                     readTwice();
                 }),
                 1);
        // What the reload read is gone with it.
        QCOMPARE(opens([&] {
                     readTwice();
                     readTwice();
                 }),
                 4);
        // Files that are no settings file, written in a reload, leave its
        // read alone; a settings writer makes it read again.
        QCOMPARE(opens([&] {
                     const SettingsReadScope reload;
                     readTwice();
                     QVERIFY(writeFileAtomically(path("Settings"), "Telemetry=False\n"));
                     QVERIFY(writeFileAtomically(m_root.path() + "/elsewhere.ini", "x=1\n"));
                     readTwice();
                 }),
                 1);
        QCOMPARE(opens([&] {
                     const SettingsReadScope reload;
                     readTwice();
                     SettingsSnapshot snapshot;
                     snapshot.insert("Duplex", "Oth");
                     QVERIFY(writeProfileFile(path("Other.cfg"), snapshot, true));
                     readTwice();
                 }),
                 2);
        QCOMPARE(opens([&] {
                     const SettingsReadScope reload;
                     readTwice();
                     activeSettingsPath = path("Other.cfg");
                     QCOMPARE(readSettingValue("Office", "Duplex"), QString("Oth"));
                     activeSettingsPath = file;
                     readTwice();
                     readTwice();
                 }),
                 2);
    }

    void readerWithoutFile_data()
    {
        QTest::addColumn<QString>("active");
        QTest::newRow("factory default: the directory") << "DIR";
        QTest::newRow("absent file") << "DIR/Gone.cfg";
        QTest::newRow("empty path") << "";
    }

    void readerWithoutFile()
    {
        QFETCH(QString, active);
        QVERIFY(QDir().mkpath(userDataDir));
        put(path("Office.cfg"), "Duplex=A\n");
        activeSettingsPath = active.replace("DIR/", userDataDir);
        if (activeSettingsPath == "DIR")
            activeSettingsPath = userDataDir;
        QVERIFY(readSettingValue("Office", "Duplex").isNull());
        QVERIFY(readSettingValues("Office", "Duplex").isEmpty());
    }

    void writerHeaders_data()
    {
        QTest::addColumn<bool>("withDescription");
        QTest::addColumn<bool>("withoutHeader");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray model = "[Quorvan CX 4020 S\xc3\xa9rie]\n";
        QTest::newRow("settings file: entries only") << false << true << QString() << QByteArray("Duplex=None\n");
        QTest::newRow("profile without description")
            << false << false << QString() << QByteArray("[Profile]\n" + model + "Duplex=None\n");
        QTest::newRow("profile with description")
            << true << false << QString("Front desk\\nsecond line")
            << QByteArray("[Profile]\n" + model + "ProfileDescription=Front desk\\nsecond line\nDuplex=None\n");
        QTest::newRow("profile with empty description")
            << true << false << QString() << QByteArray("[Profile]\n" + model + "ProfileDescription=\nDuplex=None\n");
        QTest::newRow("description ignored without header")
            << true << true << QString("unused") << QByteArray("Duplex=None\n");
    }

    void writerHeaders()
    {
        QFETCH(bool, withDescription);
        QFETCH(bool, withoutHeader);
        QFETCH(QString, description);
        QFETCH(QByteArray, expected);

        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        const QString file = path("Office.cfg");
        const bool ok = withDescription
            ? writeProfileFileWithDescription(file, snapshot, withoutHeader, description)
            : writeProfileFile(file, snapshot, withoutHeader);
        QVERIFY(ok);
        // UTF-8, LF only, no byte-order mark, nothing added.
        QCOMPARE(contents(file), expected);
    }

    void writerRepeatsListKeys()
    {
        SettingsSnapshot snapshot;
        snapshot.insert("CustomAccountIDStore", "1001=Sales");
        snapshot.insert("CustomAccountIDStore", "1002=Eng=Ops");
        snapshot.insert("Duplex", "None");
        snapshot.insert("Empty", "");
        QVERIFY(writeProfileFile(path("Office.cfg"), snapshot, true));

        const QByteArray data = contents(path("Office.cfg"));
        QCOMPARE(sortedLines(data),
                 (QStringList{"", "CustomAccountIDStore=1001=Sales", "CustomAccountIDStore=1002=Eng=Ops",
                              "Duplex=None", "Empty="}));
        // The two values of one key stand side by side.
        QVERIFY(data.contains("CustomAccountIDStore=1002=Eng=Ops\nCustomAccountIDStore=1001=Sales\n")
                || data.contains("CustomAccountIDStore=1001=Sales\nCustomAccountIDStore=1002=Eng=Ops\n"));

        QStringList ids = readSettingValues("Office", "CustomAccountIDStore");
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QStringList{"1001=Sales", "1002=Eng=Ops"}));
        QVERIFY(readSettingValue("Office", "Empty").isNull());
    }

    void longValuesRoundTrip()
    {
        // What the panel writes must read back whole, however long.
        const QString description = QString("Floor 3, ").repeated(400) + QString::fromUtf8("\xc3\xa9nd");
        const QString secret = QString("0123456789abcdef").repeated(130);
        SettingsSnapshot snapshot;
        snapshot.insert("UserLoginPass", secret);
        snapshot.insert("Duplex", "None");
        activeSettingsPath = path("Long profile.cfg");
        QVERIFY(writeProfileFileWithDescription(activeSettingsPath, snapshot, false, description));
        QCOMPARE(readSettingValue("Office", "ProfileDescription"), description);
        QCOMPARE(readSettingValue("Office", "UserLoginPass"), secret);
        QCOMPARE(readSettingValue("Office", "Duplex"), QString("None"));
        QCOMPARE(readSettingValues("Office", "UserLoginPass"), QStringList{secret});
    }

    void rewriteReplacesWholeFile()
    {
        SettingsSnapshot first;
        first.insert("Duplex", "None");
        first.insert("Stale", "1");
        QVERIFY(writeProfileFile(path("Office.cfg"), first, true));
        SettingsSnapshot second;
        second.insert("Duplex", "DuplexNoTumble");
        QVERIFY(writeProfileFile(path("Office.cfg"), second, true));
        QCOMPARE(contents(path("Office.cfg")), QByteArray("Duplex=DuplexNoTumble\n"));
    }

    void headerNeedsCurrentStore()
    {
        QVERIFY(QDir().mkpath(userDataDir));
        put(path("Saved.cfg"), "[Profile]\n[Old]\nDuplex=None\n");
        currentOptionStore = nullptr;
        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "DuplexNoTumble");
        QVERIFY(!writeProfileFile(path("Saved.cfg"), snapshot, false));
        QVERIFY(!writeProfileFileWithDescription(path("Saved.cfg"), snapshot, false, "d"));
        QCOMPARE(contents(path("Saved.cfg")), QByteArray("[Profile]\n[Old]\nDuplex=None\n"));
        // A queue's settings file has no header and needs no store.
        QVERIFY(writeProfileFile(path("Office.cfg"), snapshot, true));
    }

    void failedWriteKeepsOldFile()
    {
        QVERIFY(QDir().mkpath(userDataDir));
        const QByteArray old = "Duplex=None\nMediaType=Plain\n";
        put(path("Office.cfg"), old);

        // A file-size limit makes the write fail part way, also for root
        // (which ignores mode bits).
        SettingsSnapshot big;
        big.insert("Watermark", QString(64 * 1024, QLatin1Char('w')));
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool ok = writeProfileFile(path("Office.cfg"), big, true);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!ok);
        QCOMPARE(contents(path("Office.cfg")), old);
        // No temporary file is left behind.
        QCOMPARE(QDir(userDataDir).entryList(QDir::Files | QDir::Hidden), QStringList{"Office.cfg"});
    }

    void unwritablePlaces_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("target");
        // A directory where the file should be; a file where the user
        // directory should be.
        QTest::newRow("directory at file path") << "DIR/Office.cfg/" << "DIR/Office.cfg";
        QTest::newRow("file at user directory") << "PARENT" << "DIR/Office.cfg";
    }

    void unwritablePlaces()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, target);
        const QString dir = userDataDir;
        if (blocker == "PARENT") {
            QVERIFY(QDir().mkpath(QFileInfo(dir.chopped(1)).path()));
            put(dir.chopped(1), "not a directory");
        } else {
            QVERIFY(QDir().mkpath(blocker.replace("DIR/", dir)));
        }
        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        QVERIFY(!writeProfileFile(target.replace("DIR/", dir), snapshot, true));
    }

    void ensureUserDataDirCreatesParents()
    {
        const mode_t oldMask = ::umask(0);
        userDataDir = m_root.path() + "/deep/a/b/";
        ensureUserDataDir();
        ::umask(oldMask);
        for (const QString &p : {m_root.path() + "/deep", m_root.path() + "/deep/a", m_root.path() + "/deep/a/b"}) {
            struct stat info;
            QVERIFY2(::stat(QFile::encodeName(p).constData(), &info) == 0, qPrintable(p));
            QVERIFY(S_ISDIR(info.st_mode));
            QCOMPARE(info.st_mode & 07777, mode_t(0775));
        }
        // An existing directory is left as it is.
        const QByteArray top = QFile::encodeName(userDataDir);
        QCOMPARE(::chmod(top.constData(), 0700), 0);
        ensureUserDataDir();
        struct stat info;
        QCOMPARE(::stat(top.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0700));
    }

    void writerCreatesUserDir()
    {
        QVERIFY(!QFileInfo::exists(userDataDir));
        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        const mode_t oldMask = ::umask(022);
        const bool ok = writeProfileFile(path("Office.cfg"), snapshot, true);
        ::umask(oldMask);
        QVERIFY(ok);
        QVERIFY(QFileInfo(userDataDir).isDir());
        // A new file is an ordinary one under the umask, not a private temp.
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(path("Office.cfg")).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0644));
    }

    void cfgExistsCases_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("exists");
        QTest::newRow("file") << "file" << "Office" << true;
        QTest::newRow("directory of that name") << "dir" << "Office" << true;
        QTest::newRow("absent") << "none" << "Office" << false;
        QTest::newRow("dangling symlink") << "dangling" << "Office" << false;
        QTest::newRow("non-ASCII queue") << "file" << QString::fromUtf8("B\xc3\xbcro$1") << true;
        QTest::newRow("other queue's file") << "other" << "Office" << false;
    }

    void cfgExistsCases()
    {
        QFETCH(QString, kind);
        QFETCH(QString, queue);
        QFETCH(bool, exists);
        QVERIFY(QDir().mkpath(userDataDir));
        const QString file = path(queue + ".cfg");
        if (kind == "file")
            put(file, "");
        else if (kind == "dir")
            QVERIFY(QDir().mkpath(file));
        else if (kind == "dangling")
            QVERIFY(QFile::link(path("nowhere"), file));
        else if (kind == "other")
            put(path("Office2.cfg"), "");
        QCOMPARE(cfgExists(queue), exists);
    }

    // A line break inside any text the writer puts in a line would start a
    // line of its own, which the reader takes for another setting.
    void writerKeepsEveryTextOnItsLine_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("line feed") << "PageSize" << "A4\nUserLoginName=injected"
                                   << QByteArray("PageSize=A4 UserLoginName=injected\n");
        QTest::newRow("carriage return") << "Wtxt" << "a\rb" << QByteArray("Wtxt=a b\n");
        QTest::newRow("CRLF and a trailing line feed") << "Wtxt" << "a\r\nb\n" << QByteArray("Wtxt=a  b \n");
        QTest::newRow("in the key") << "Evil\nUserLoginName" << "x" << QByteArray("Evil UserLoginName=x\n");
        QTest::newRow("none: unchanged") << "Wtxt" << " a\tb=c " << QByteArray("Wtxt= a\tb=c \n");
    }

    void writerKeepsEveryTextOnItsLine()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        SettingsSnapshot snapshot;
        snapshot.insert(key, value);
        QVERIFY(writeProfileFile(path("Office.cfg"), snapshot, true));
        QCOMPARE(contents(path("Office.cfg")), line);
        QVERIFY(readSettingValue("Office", "UserLoginName").isNull());
    }

    void headerKeepsEveryTextOnItsLine()
    {
        OptionStore store;
        store.setModelName("Quorvan\nUserLoginName=model");
        currentOptionStore = &store;
        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        const bool ok = writeProfileFileWithDescription(path("Desk.cfg"), snapshot, false, "one\r\nUserLoginName=d");
        currentOptionStore = &m_store;
        QVERIFY(ok);
        QCOMPARE(contents(path("Desk.cfg")),
                 QByteArray("[Profile]\n[Quorvan UserLoginName=model]\nProfileDescription=one  UserLoginName=d\n"
                            "Duplex=None\n"));
    }

    // A PPD can hold line breaks in its texts (a hex <0A> in a choice text,
    // a quoted model name over two lines); written into a profile, none of
    // them may come back as a setting of its own.
    void textsFromAPpdStayOnTheirLines()
    {
        ppd_file_t *ppd = ppdOpenFile(HALVANE_FIXTURES "/linebreak-texts.ppd");
        QVERIFY(ppd);
        OptionStore store;
        importPpd(ppd, &store);
        ppdClose(ppd);
        kOption *wtxt = store.option("Wtxt");
        QVERIFY(wtxt);
        QCOMPARE(wtxt->choiceByName("Draft")->text(), QString("Draft\nUserLoginName=injected"));
        QCOMPARE(wtxt->choiceByName("Copy")->text(), QString("Copy\rPass=carriage"));
        QCOMPARE(store.modelName(), QString("Halvane Break\nUserLoginName=model"));

        SettingsSnapshot snapshot;
        for (const kChoice *choice : wtxt->choices())
            snapshot.insert(QStringLiteral("WatermarkText"), choice->text());
        currentOptionStore = &store;
        activeSettingsPath = path("Broken.cfg");
        const bool ok = writeProfileFileWithDescription(activeSettingsPath, snapshot, false, wtxt->choices().first()->text());
        currentOptionStore = &m_store;
        QVERIFY(ok);

        const QList<QByteArray> lines = contents(activeSettingsPath).split('\n');
        QCOMPARE(lines.size(), 3 + 2 + 1); // header, the two entries, the empty tail
        QCOMPARE(lines.at(1), QByteArray("[Halvane Break UserLoginName=model]"));
        QVERIFY(readSettingValue("Office", "UserLoginName").isNull());
        QVERIFY(readSettingValue("Office", "Pass").isNull());
        QCOMPARE(readSettingValue("Office", "ProfileDescription"), QString("Draft UserLoginName=injected"));
        QStringList texts = readSettingValues("Office", "WatermarkText");
        texts.sort();
        QCOMPARE(texts, (QStringList{"Copy Pass=carriage", "Draft UserLoginName=injected"}));
    }

    // Someone may have left a link where a file of the folder should be: the
    // writers replace the link and never write through it.
    void writersReplaceALink_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dangling");
        QTest::newRow("settings file, link to a file") << "Office.cfg" << false;
        QTest::newRow("settings file, dangling link") << "Office.cfg" << true;
        QTest::newRow("Settings, link to a file") << "Settings" << false;
    }

    void writersReplaceALink()
    {
        QFETCH(QString, name);
        QFETCH(bool, dangling);
        QVERIFY(QDir().mkpath(userDataDir));
        const QString victim = m_root.filePath(QStringLiteral("victim-%1").arg(QTest::currentDataTag()).replace(' ', '_'));
        if (!dangling)
            put(victim, "precious\n");
        QVERIFY(QFile::link(victim, path(name)));

        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        const bool ok = name == QLatin1String("Settings") ? writeFileAtomically(path(name), "Telemetry=True\n")
                                                          : writeProfileFile(path(name), snapshot, true);
        QVERIFY(ok);
        QCOMPARE(contents(victim), dangling ? QByteArray("<unreadable>") : QByteArray("precious\n"));
        QVERIFY(!QFileInfo(path(name)).isSymLink());
        QCOMPARE(contents(path(name)), name == QLatin1String("Settings") ? QByteArray("Telemetry=True\n")
                                                                         : QByteArray("Duplex=None\n"));
        QCOMPARE(QDir(userDataDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{name});
    }

    // A profile's new name is taken only when nothing stands there; a link
    // planted there meanwhile is never written through.
    void renameNeverReplacesNorCopies_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::newRow("nothing") << "none";
        QTest::newRow("dangling link") << "dangling";
        QTest::newRow("link to a file") << "link";
        QTest::newRow("a file") << "file";
    }

    void renameNeverReplacesNorCopies()
    {
        QFETCH(QString, inTheWay);
        QVERIFY(QDir().mkpath(userDataDir));
        const QString from = path("b.tmp");
        const QString to = path("b.cfg");
        put(from, "[Profile]\n");
        const QString victim = m_root.filePath(QStringLiteral("rename-victim-%1").arg(inTheWay));
        if (inTheWay == "link")
            put(victim, "precious\n");
        if (inTheWay == "file")
            put(to, "mine\n");
        else if (inTheWay != "none")
            QVERIFY(QFile::link(victim, to));

        QCOMPARE(renameWithoutReplacing(from, to), inTheWay == "none");
        QCOMPARE(contents(victim), inTheWay == "link" ? QByteArray("precious\n") : QByteArray("<unreadable>"));
        if (inTheWay == "none") {
            QVERIFY(!QFileInfo::exists(from));
            QCOMPARE(contents(to), QByteArray("[Profile]\n"));
        } else {
            QCOMPARE(contents(from), QByteArray("[Profile]\n"));
            QCOMPARE(QFileInfo(to).isSymLink(), inTheWay != "file");
        }
    }

    // A path holding a NUL would reach the system cut short, at a file of
    // another name: the writers refuse it and write, rename and leave nothing.
    void writersRefuseANul_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QString nul(QChar(0));
        QTest::newRow("settings file, cut to the queue's file") << "settings" << "Office.cfg" + nul + "x" << "";
        QTest::newRow("profile, cut to Settings") << "profile" << "Settings" + nul + ".cfg" << "";
        QTest::newRow("atomic writer, cut to Settings") << "atomic" << "Settings" + nul << "";
        QTest::newRow("atomic writer outside the folder") << "atomic" << "OUTSIDE" + nul + "x" << "";
        QTest::newRow("rename onto a cut name") << "rename" << "b.tmp" << "new.cfg" + nul + "x";
        QTest::newRow("rename of a cut name") << "rename" << "Office.cfg" + nul + "x" << "moved.cfg";
    }

    void writersRefuseANul()
    {
        QFETCH(QString, writer);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(QDir().mkpath(userDataDir));
        put(path("Office.cfg"), "Duplex=None\n");
        put(path("Settings"), "Telemetry=False\n");
        put(path("b.tmp"), "[Profile]\n");
        const QString outside = m_root.filePath("outside-%1").arg(QTest::currentDataTag()).replace(' ', '_');
        put(outside, "mine\n");
        auto place = [&](QString name) { return name.startsWith("OUTSIDE") ? name.replace("OUTSIDE", outside) : path(name); };
        auto folder = [&]() {
            QStringList state;
            const QDir dir(userDataDir);
            for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
                state << entry + ": " + QString::fromUtf8(contents(dir.filePath(entry)));
            return state;
        };
        const QStringList before = folder();
        const QStringList beside = QDir(m_root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "DuplexNoTumble");
        bool ok = true;
        if (writer == "settings")
            ok = writeProfileFile(place(first), snapshot, true);
        else if (writer == "profile")
            ok = writeProfileFileWithDescription(place(first), snapshot, false, "d");
        else if (writer == "atomic")
            ok = writeFileAtomically(place(first), "Telemetry=True\n");
        else
            ok = renameWithoutReplacing(place(first), place(second));
        QVERIFY(!ok);
        QCOMPARE(folder(), before);
        QCOMPARE(contents(outside), QByteArray("mine\n"));
        QCOMPARE(QDir(m_root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), beside);
    }

    // The readers neither: a cut path would read another file's settings.
    void readersRefuseANul()
    {
        QVERIFY(QDir().mkpath(userDataDir));
        put(path("Office.cfg"), "Duplex=None\n");
        activeSettingsPath = path("Office.cfg") + QChar(0) + "x";
        QVERIFY(readSettingValue("Office", "Duplex").isNull());
        QVERIFY(readSettingValues("Office", "Duplex").isEmpty());
        QFile file;
        QVERIFY(!openUserFileForReading(file, activeSettingsPath));
        QVERIFY(!cfgExists(QStringLiteral("Office.cfg") + QChar(0)));
        QVERIFY(cfgExists(QStringLiteral("Office")));
    }

    // Only regular files are read: a FIFO would block the panel for good.
    void readersTakeRegularFilesOnly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a file holding the key") << "link";
        QTest::newRow("directory") << "dir";
    }

    void readersTakeRegularFilesOnly()
    {
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(userDataDir));
        const QByteArray active = QFile::encodeName(activeSettingsPath);
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(active.constData(), 0644), 0);
        } else if (kind == "link") {
            put(m_root.filePath("elsewhere.cfg"), "Duplex=Linked\n");
            QVERIFY(QFile::link(m_root.filePath("elsewhere.cfg"), activeSettingsPath));
        } else {
            QVERIFY(QDir().mkpath(activeSettingsPath));
        }
        // A read that blocks ends the test here instead of hanging it; in a
        // reload as well as outside one.
        for (const bool inReload : {false, true}) {
            std::unique_ptr<SettingsReadScope> reload(inReload ? new SettingsReadScope : nullptr);
            ::alarm(20);
            const QString value = readSettingValue("Office", "Duplex");
            const QStringList values = readSettingValues("Office", "Duplex");
            ::alarm(0);
            QVERIFY(value.isNull());
            QVERIFY(values.isEmpty());
        }
        QFile file;
        QVERIFY(!openUserFileForReading(file, activeSettingsPath));
        QVERIFY(!file.isOpen());
    }

    // The folder itself: used only when it is a real directory of this user
    // that not everybody can write in.
    void folderStates_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<int>("state");
        const int absent = int(UserDataDirState::Absent);
        const int usable = int(UserDataDirState::Usable);
        const int refused = int(UserDataDirState::Refused);
        QTest::newRow("absent") << "none" << absent;
        QTest::newRow("own, 0755") << "0755" << usable;
        QTest::newRow("own, group may write (0775)") << "0775" << usable;
        QTest::newRow("own, 0700") << "0700" << usable;
        QTest::newRow("writable by all (0777)") << "0777" << refused;
        QTest::newRow("writable by all, sticky (1777)") << "1777" << refused;
        QTest::newRow("link to an own directory") << "link" << refused;
        QTest::newRow("a file") << "file" << refused;
    }

    void folderStates()
    {
        QFETCH(QString, make);
        QFETCH(int, state);
        const QString dir = userDataDir.chopped(1);
        const QString real = m_root.filePath(QStringLiteral("real-%1").arg(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(QFileInfo(dir).path()));
        if (make == "link") {
            QVERIFY(QDir().mkpath(real));
            QVERIFY(QFile::link(real, dir));
        } else if (make == "file") {
            put(dir, "");
        } else if (make != "none") {
            QVERIFY(QDir().mkpath(dir));
            QCOMPARE(::chmod(QFile::encodeName(dir).constData(), make.toUInt(nullptr, 8)), 0);
        }
        // What another user could have put there.
        const QString stored = (make == "link" ? real + "/" : userDataDir) + "Office.cfg";
        if (QFileInfo(stored).absoluteDir().exists())
            put(stored, "Duplex=Stored\n");

        QCOMPARE(int(userDataDirState()), state);
        QCOMPARE(userDataDirUsable(), state == int(UserDataDirState::Usable));
        if (state != int(UserDataDirState::Refused))
            return;
        QVERIFY(readSettingValue("Office", "Duplex").isNull());
        QVERIFY(readSettingValues("Office", "Duplex").isEmpty());
        QVERIFY(!cfgExists("Office"));
        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        QVERIFY(!writeProfileFile(path("Office.cfg"), snapshot, true));
        QVERIFY(!writeProfileFileWithDescription(path("Desk.cfg"), snapshot, false, "d"));
        QVERIFY(!writeFileAtomically(path("Settings"), "Telemetry=True\n"));
        if (QFileInfo::exists(stored))
            QCOMPARE(contents(stored), QByteArray("Duplex=Stored\n"));
        QVERIFY(!QFileInfo::exists(path("Desk.cfg")) && !QFileInfo::exists(path("Settings")));
    }

    void folderWrittenOnceCreated()
    {
        QCOMPARE(userDataDirState(), UserDataDirState::Absent);
        SettingsSnapshot snapshot;
        snapshot.insert("Duplex", "None");
        QVERIFY(writeProfileFile(path("Office.cfg"), snapshot, true));
        QCOMPARE(userDataDirState(), UserDataDirState::Usable);
        QCOMPARE(readSettingValue("Office", "Duplex"), QString("None"));
    }

    void folderNameWithoutUser_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("name");
        const passwd *account = getpwuid(getuid());
        QVERIFY(account);
        const QString own = QFile::decodeName(account->pw_name);
        QTest::newRow("USER set") << true << QByteArray("ann") << "ann";
        QTest::newRow("USER unset") << false << QByteArray() << own;
        QTest::newRow("USER empty") << true << QByteArray() << own;
    }

    void folderNameWithoutUser()
    {
        QFETCH(bool, set);
        QFETCH(QByteArray, user);
        QFETCH(QString, name);
        const bool had = qEnvironmentVariableIsSet("USER");
        const QByteArray saved = qgetenv("USER");
        if (set)
            qputenv("USER", user);
        else
            qunsetenv("USER");
        const QString dir = currentUserDataDir();
        if (had)
            qputenv("USER", saved);
        else
            qunsetenv("USER");
        QCOMPARE(dir, QStringLiteral("/usr/share/quorvan/") + name + QLatin1Char('/'));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
