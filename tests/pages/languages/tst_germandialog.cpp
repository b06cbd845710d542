// A German user on a sample queue of the private cupsd, through the main
// dialog as the panel starts it (the catalogue chosen by the locale, the PPD
// localised by libcups): the Duplex and colour buttons clicked and applied
// reach the settings file and lpoptions.
#include "boxrecorder.h"
#include "localecatalogue.h"
#include "panel/commandstandin.h"
#include "paneldriver.h"
#include "processrunner.h"
#include "sessionstate.h"

#include "generaltab.h"
#include "imagingtab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <unistd.h>

class GermanDialogTest : public QObject
{
    Q_OBJECT

    QTranslator m_catalogue;
    QString m_userDir;
    QTemporaryDir m_home; // lpoptions keeps the user's defaults under HOME
    const QString m_queue = QStringLiteral("Quorvan_Office");

private slots:
    void initTestCase()
    {
        QVERIFY2(geteuid() != 0, "the panel refuses root and lpoptions would write the system-wide file: run as an ordinary user (CTest does)");
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        QVERIFY(m_catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&m_catalogue);
        m_userDir = paneldriver::preparePanelUser(QStringLiteral("tst-german-%1").arg(QCoreApplication::applicationPid()));
        QVERIFY2(!m_userDir.isEmpty(), "/usr/share/quorvan must be writable for every user");
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&m_catalogue);
        paneldriver::removePanelUser(m_userDir);
    }

    void duplexAndColourClickedReachTheSettingsFileAndLpoptions()
    {
        ZelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        {
            BoxRecorder firstSelection; // the first selection applies the defaults at once
            QVERIFY(paneldriver::choosePrinter(dialog, m_queue));
            QCOMPARE(firstSelection.boxes, QStringList());
        }
        dialog.tabWidget->setCurrentIndex(dialog.tabWidget->indexOf(dialog.generalTab));

        ZelButtonGroup *duplex = dialog.generalTab->duplexGroup;
        ZelButtonGroup *colour = dialog.generalTab->colorModeGroup();
        QCOMPARE(duplex->buttonNames(), QStringList({"Aus", "Lange Kante", "Kurze Kante"}));
        QCOMPARE(colour->buttonNames(), QStringList({"Vollfarbe", "Schwarzweiß"}));
        QVERIFY(duplex->button(1)->isEnabled());
        QVERIFY(colour->button(1)->isEnabled());
        QTest::mouseClick(duplex->button(1), Qt::LeftButton);
        QTest::mouseClick(colour->button(1), Qt::LeftButton);
        QCOMPARE(duplex->checkedName(), QStringLiteral("Lange Kante"));
        // The Imaging page follows, in the same words.
        QCOMPARE(dialog.imagingTab->colorModeGroup()->checkedName(), QStringLiteral("Schwarzweiß"));

        dialog.grab().save("/tmp/de_basic.png");
        dialog.tabWidget->setCurrentIndex(4); dialog.grab().save("/tmp/de_imaging.png");
        dialog.tabWidget->setCurrentIndex(1);
        BoxRecorder recorder;
        dialog.buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(recorder.boxes, QStringList{"Erfolg|Einstellungen übernommen."});

        const QHash<QString, QString> stored = paneldriver::readSettingsFile(userDataDir + m_queue + ".cfg");
        QCOMPARE(stored.value("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(stored.value("ColorModel"), QStringLiteral("Gray"));
        const ProcessResult readBack = ProcessRunner::run(QStringLiteral("lpoptions"), {"-p", m_queue});
        QVERIFY2(readBack.succeeded(), readBack.standardError.constData());
        const QHash<QString, QString> defaults = parseLpoptionsOutput(readBack.standardOutput);
        QCOMPARE(defaults.value("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(defaults.value("ColorModel"), QStringLiteral("Gray"));
    }
};

QTEST_MAIN(GermanDialogTest)
#include "tst_germandialog.moc"
