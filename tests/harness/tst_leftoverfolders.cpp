// run-test.sh takes away the user folders a test program left, however it
// ended, and nothing else. The program is this one started again with
// "--leave HOW", through run-test.sh as the test user: it makes a folder as
// the panel's tests do (PanelUsers), prints it and ends as told.
#include "panelusers.h"
#include "processrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QString runTest = QStringLiteral(HALVANE_HARNESS "/run-test.sh");

int leave(const char *how)
{
    PanelUsers users(QStringLiteral("tst-leftover"));
    const QString dir = users.freshUser();
    if (dir.isEmpty())
        return 2;
    std::printf("%s\n", qPrintable(dir));
    std::fflush(stdout);
    if (!std::strcmp(how, "abort"))
        std::abort();
    if (!std::strcmp(how, "kill"))
        kill(getpid(), SIGKILL);
    if (!std::strcmp(how, "fail"))
        std::exit(1);
    return 0;
}

QByteArray testUser()
{
    const QByteArray user = qgetenv("HALVANE_TEST_USER");
    return user.isEmpty() ? QByteArrayLiteral("halvanetest") : user;
}

// A pid whose process is gone.
pid_t gonePid()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}
}

class LeftoverFoldersTest : public QObject
{
    Q_OBJECT

    QStringList planted;
    uid_t userId = 0;
    gid_t groupId = 0;

    // As the test user, or as root (who runs this) when asUser is false.
    ProcessResult runLeaving(const QString &how, bool asUser = true)
    {
        QStringList arguments{QStringLiteral("--"), QCoreApplication::applicationFilePath(), QStringLiteral("--leave"), how};
        if (asUser)
            arguments.prepend(QStringLiteral("--as-user"));
        return ProcessRunner::run(runTest, arguments, 60000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(geteuid() == 0, "needs root, to run the program as the test user and to plant folders of "
                                 "other owners: run ctest as root (CI does)");
        const passwd *account = getpwnam(testUser().constData());
        QVERIFY2(account, "no test user: scripts/prepare-test-user.sh makes it");
        userId = account->pw_uid;
        groupId = account->pw_gid;
        QVERIFY2(QFileInfo(PanelUsers::sharedRoot()).isDir(), PanelUsers::unwritable());
    }

    void cleanup()
    {
        for (const QString &path : qAsConst(planted))
            QDir(path).removeRecursively();
        planted.clear();
    }

    // However the program ended, its folder is gone and the run ends as the
    // program did.
    void folderGoesHoweverItEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<int>("exitCode");

        QTest::newRow("abort") << "abort" << true << 0;
        QTest::newRow("killed") << "kill" << true << 0;
        QTest::newRow("failed") << "fail" << false << 1;
        QTest::newRow("passed") << "pass" << false << 0;
    }

    void folderGoesHoweverItEnds()
    {
        QFETCH(QString, how);
        QFETCH(bool, crashed);
        QFETCH(int, exitCode);

        const ProcessResult run = runLeaving(how);
        const QString dir = QString::fromLocal8Bit(run.standardOutput).trimmed();
        QVERIFY2(dir.startsWith(PanelUsers::sharedRoot() + QStringLiteral("tst-leftover-")),
                 run.standardOutput + run.standardError);
        planted << dir;
        QVERIFY2(run.finished, run.standardError);
        QCOMPARE(run.crashed, crashed);
        if (!crashed)
            QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(!QFileInfo::exists(dir), qPrintable(dir));
    }

    // Only names of PanelUsers's kind whose process is gone go, and only
    // those of the user the program ran as: a live process keeps its
    // folders, as another tree's suite running as the same user does.
    void keepsWhatIsNotLeftOver_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("userOwns");
        QTest::addColumn<bool>("runAsUser");
        QTest::addColumn<bool>("kept");

        const QString gone = QString::number(gonePid());
        const QString live = QString::number(QCoreApplication::applicationPid());
        QTest::newRow("gone process") << "tst-sweep-" + gone + "-1" << true << true << false;
        QTest::newRow("stem with dashes and digits") << "tst-sweep-a-7-" + gone + "-2" << true << true << false;
        QTest::newRow("live process") << "tst-sweep-" + live + "-1" << true << true << true;
        QTest::newRow("no serial") << "tst-sweep-" + gone << true << true << true;
        QTest::newRow("the user's, run as root") << "tst-sweep-" + gone + "-3" << true << false << true;
        QTest::newRow("root's, run as root") << "tst-sweep-" + gone + "-4" << false << false << false;
    }

    void keepsWhatIsNotLeftOver()
    {
        QFETCH(QString, name);
        QFETCH(bool, userOwns);
        QFETCH(bool, runAsUser);
        QFETCH(bool, kept);

        const QString path = PanelUsers::sharedRoot() + name;
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
        planted << path;
        QVERIFY(QDir().mkpath(path));
        if (userOwns)
            QCOMPARE(chown(QFile::encodeName(path).constData(), userId, groupId), 0);

        const ProcessResult run = runLeaving(QStringLiteral("pass"), runAsUser);
        QVERIFY2(run.succeeded(), run.standardError);
        QCOMPARE(QFileInfo::exists(path), kept);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && !std::strcmp(argv[1], "--leave"))
        return leave(argv[2]);
    QCoreApplication app(argc, argv);
    LeftoverFoldersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_leftoverfolders.moc"
