// The telemetry switch, run through the built program: it must end before
// any application object exists, so the tests give it no display at all.
#include "panelusers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
const QString sharedRoot = QStringLiteral("/usr/share/quorvan");
const QString program = QStringLiteral(HALVANE_BINARY_DIR "/panel/halvane");
const QByteArray absent = QByteArrayLiteral("<absent>");

QByteArray readOrAbsent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return absent;
    return file.readAll();
}
}

class TelemetrySwitchTest : public QObject
{
    Q_OBJECT

private:
    PanelUsers users{QStringLiteral("tst-switch")};

    // A user name of its own per run, so every case starts from a known state.
    QString freshUser() { return users.freshName(); }

    QProcess *start(const QStringList &arguments, const QString &user, const QString &platform)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("USER"), user);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        process->setProcessEnvironment(env);
        process->start(program, arguments);
        return process;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program + " was not built"));
        QFileInfo root(sharedRoot);
        QVERIFY2(root.isDir() && root.isWritable(), PanelUsers::unwritable());
    }

    void recordsTheAnswer_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("dirCreated");
        QTest::addColumn<QByteArray>("after");

        const QByteArray longOld = QByteArrayLiteral("Telemetry=False\nsomething older and longer\n");
        QTest::newRow("-t True replaces longer content") << QStringList{"-t", "True"} << longOld << true << QByteArray("Telemetry=True\n");
        QTest::newRow("-t true") << QStringList{"-t", "true"} << absent << true << QByteArray("Telemetry=True\n");
        QTest::newRow("--telemetry false") << QStringList{"--telemetry", "false"} << absent << true << QByteArray("Telemetry=False\n");
        QTest::newRow("-t False over True") << QStringList{"-t", "False"} << QByteArray("Telemetry=True\n") << true << QByteArray("Telemetry=False\n");
        QTest::newRow("other value writes nothing") << QStringList{"-t", "TRUE"} << absent << true << absent;
        QTest::newRow("other value keeps old file") << QStringList{"-t", "yes"} << QByteArray("Telemetry=False\n") << true << QByteArray("Telemetry=False\n");
        QTest::newRow("switch last creates nothing") << QStringList{"-t"} << absent << false << absent;
        QTest::newRow("arguments before the switch") << QStringList{"-style", "-t", "True"} << absent << true << QByteArray("Telemetry=True\n");
        QTest::newRow("second switch is the value") << QStringList{"-t", "-t", "True"} << absent << true << absent;
        QTest::newRow("arguments after the value") << QStringList{"--telemetry", "True", "-t", "False"} << absent << true << QByteArray("Telemetry=True\n");
    }

    void recordsTheAnswer()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, before);
        QFETCH(bool, dirCreated);
        QFETCH(QByteArray, after);

        const QString user = freshUser();
        const QString dir = sharedRoot + QLatin1Char('/') + user;
        if (before != absent) {
            QVERIFY(QDir().mkdir(dir));
            QFile file(dir + QStringLiteral("/Settings"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }

        // xcb with no display would abort: the switch must end before that.
        QProcess *process = start(arguments, user, QStringLiteral("xcb"));
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(QFileInfo(dir).isDir(), dirCreated || before != absent);
        QCOMPARE(readOrAbsent(dir + QStringLiteral("/Settings")), after);
    }

    // The folder it makes is one the panel goes on using: never writable by
    // all, whatever the file-creation mask (the panel refuses such a folder).
    void folderMadeUnderAnOpenMask()
    {
        const QString user = freshUser();
        const QString dir = sharedRoot + QLatin1Char('/') + user;
        const mode_t saved = ::umask(0);
        QProcess *process = start({QStringLiteral("-t"), QStringLiteral("True")}, user, QStringLiteral("xcb"));
        const bool finished = process->waitForFinished(20000);
        ::umask(saved);
        QVERIFY(finished);
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(QFileInfo(dir).permissions() & QFileDevice::WriteOther, QFileDevice::Permissions());
        QCOMPARE(readOrAbsent(dir + QStringLiteral("/Settings")), QByteArray("Telemetry=True\n"));
    }

    // A link standing as "Settings" is replaced, never written through.
    void linkAsSettingsIsReplaced()
    {
        const QString user = freshUser();
        const QString dir = sharedRoot + QLatin1Char('/') + user;
        QVERIFY(QDir().mkdir(dir));
        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        const QString victim = elsewhere.filePath(QStringLiteral("notes"));
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my own notes\n");
        file.close();
        QVERIFY(QFile::link(victim, dir + QStringLiteral("/Settings")));

        QProcess *process = start({QStringLiteral("-t"), QStringLiteral("True")}, user, QStringLiteral("xcb"));
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(readOrAbsent(victim), QByteArray("my own notes\n"));
        QVERIFY(!QFileInfo(dir + QStringLiteral("/Settings")).isSymLink());
        QCOMPARE(readOrAbsent(dir + QStringLiteral("/Settings")), QByteArray("Telemetry=True\n"));
    }

    // A switch spelt differently is no switch: the panel starts and waits.
    void otherCapitalisationStartsThePanel_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("-T") << QStringLiteral("-T");
        QTest::newRow("--Telemetry") << QStringLiteral("--Telemetry");
    }

    void otherCapitalisationStartsThePanel()
    {
        QFETCH(QString, spelling);
        const QString user = freshUser();
        const QString dir = sharedRoot + QLatin1Char('/') + user;
        QVERIFY(QDir().mkdir(dir));
        QFile file(dir + QStringLiteral("/Settings"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Telemetry=False\n");
        file.close();

        QProcess *process = start({spelling, QStringLiteral("True")}, user, QStringLiteral("offscreen"));
        QVERIFY(process->waitForStarted(10000));
        QVERIFY2(!process->waitForFinished(2000), "the panel ended instead of showing its dialog");
        process->kill();
        process->waitForFinished(5000);
        QCOMPARE(readOrAbsent(dir + QStringLiteral("/Settings")), QByteArray("Telemetry=False\n"));
    }
};

QTEST_GUILESS_MAIN(TelemetrySwitchTest)
#include "tst_telemetryswitch.moc"
