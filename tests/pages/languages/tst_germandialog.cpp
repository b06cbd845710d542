// A German user on a sample queue of the private cupsd, through the main
// dialog as the panel starts it (the catalogue chosen by the locale, the PPD
// localised by libcups): the Duplex and colour buttons clicked and applied
// reach the settings file and lpoptions.
#include "boxrecorder.h"
#include "dialogsession.h"
#include "localecatalogue.h"
#include "paneldriver.h"
#include "sessionstate.h"
#include "storedsettings.h"

#include "generaltab.h"
#include "imagingtab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class GermanDialogTest : public QObject
{
    Q_OBJECT

    DialogSession m_session{QStringLiteral("tst-german"), DialogSession::PrivateCups};
    QTranslator m_catalogue;
    const QString m_queue = QStringLiteral("Quorvan_Office");

private slots:
    void initTestCase()
    {
        QVERIFY2(m_session.start(), m_session.whyNot());
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        QVERIFY(m_catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&m_catalogue);
        QVERIFY2(m_session.freshUser(), m_session.whyNot());
    }

    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_catalogue); }

    void duplexAndColourClickedReachTheSettingsFileAndLpoptions()
    {
        ZelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        {
            BoxRecorder firstSelection; // the first selection applies the defaults at once
            QVERIFY(paneldriver::choosePrinterAndPage(dialog, m_queue, dialog.generalTab));
            QCOMPARE(firstSelection.boxes, QStringList());
        }

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

        BoxRecorder recorder;
        dialog.buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(recorder.boxes, QStringList{"Erfolg|Einstellungen übernommen."});

        const QHash<QString, QString> stored = storedsettings::read(m_session.settingsPath(m_queue));
        QCOMPARE(stored.value("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(stored.value("ColorModel"), QStringLiteral("Gray"));
        const QHash<QString, QString> defaults = paneldriver::queueDefaults(m_queue);
        QCOMPARE(defaults.value("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(defaults.value("ColorModel"), QStringLiteral("Gray"));
    }
};

QTEST_MAIN(GermanDialogTest)
#include "tst_germandialog.moc"
