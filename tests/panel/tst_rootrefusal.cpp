// Started by root, the panel shows its refusal and ends with status 0 before
// it builds any page. The refusal ends the process, so it runs in a child:
// this program started again with "--probe", as root.
#include "modalhelper.h"
#include "zeldialog.h"

#include <QMessageBox>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {
int runProbe(int argc, char **argv)
{
    QApplication app(argc, argv);
    onNextModal([](QWidget *modal) {
        int pages = 0;
        for (QWidget *widget : QApplication::allWidgets())
            pages += widget->inherits("Tab") ? 1 : 0;
        auto *box = qobject_cast<QMessageBox *>(modal);
        std::printf("CLASS:%s\nTITLE:%s\nTEXT:%s\nPAGES:%d\n", modal->metaObject()->className(),
                    qPrintable(modal->windowTitle()), box ? qPrintable(box->text()) : "", pages);
        std::fflush(stdout);
        modal->close();
    });
    ZelDialog dialog;
    std::printf("BUILT\n");
    return 3;
}
}

class RootRefusalTest : public QObject
{
    Q_OBJECT

private slots:
    void refusesRoot()
    {
        QStringList command{QCoreApplication::applicationFilePath(), QStringLiteral("--probe")};
        if (geteuid() != 0) {
            // Without root the refusal cannot be seen; sudo may stand in.
            const int sudoOk = QProcess::execute(QStringLiteral("sudo"), {"-n", "true"});
            QVERIFY2(sudoOk == 0, "needs root: run ctest as root (CI does), or allow 'sudo -n'");
            command.prepend(QStringLiteral("-n"));
            command.prepend(QStringLiteral("--preserve-env=QT_QPA_PLATFORM,CUPS_SERVER"));
            command.prepend(QStringLiteral("sudo"));
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(command.takeFirst(), command);
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(output, QStringLiteral("CLASS:QMessageBox\nTITLE:Halvane\n"
                                        "TEXT:Please do not run Halvane as root.\nPAGES:0\n"));
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[argc - 1], "--probe") == 0)
        return runProbe(argc, argv);
    QApplication app(argc, argv);
    RootRefusalTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_rootrefusal.moc"
