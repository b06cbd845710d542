// The print-accounting page in German (LANG=de_DE.UTF-8, see CMakeLists.txt):
// its Off/On buttons are found among TPXToggle's translated choices, the
// sample queue's translated PPD texts meet the Basic and Imaging pages'
// buttons when the server's policies force them, and the page's own texts
// are German.
#include "generaltab.h"
#include "imagingtab.h"
#include "tpxpagefixture.h"

#include <QCheckBox>
#include <QTranslator>

using fixturestore::markedName;
using tpxpage::Panel;
using tpxserver::Reply;

class TpxGermanTest : public QObject
{
    Q_OBJECT

    Panel panel;
    QTranslator german;

private slots:
    void initTestCase()
    {
        QVERIFY2(qgetenv("LANG").startsWith("de"), "the test needs LANG=de_DE.UTF-8 (libcups picks the PPD's texts by it)");
        // As the program does: before the dialog is built.
        QVERIFY(german.load(QStringLiteral(":/strings/german")));
        QCoreApplication::installTranslator(&german);
        panel.prepare(QStringLiteral("tst-tpx-de"));
    }

    void init() { QVERIFY(panel.server.forget()); }
    void cleanup() { panel.close(); }

    void cleanupTestCase()
    {
        panel.finish();
        QCoreApplication::removeTranslator(&german);
    }

    void policiesReachTheTranslatedPages()
    {
        QVERIFY(panel.server.queue(Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On")).heldAs("de")));
        panel.open(tpxpage::storedConfig("ON", "127.0.0.1", panel.server.portText()));
        TPXTab *page = panel.page();
        QCOMPARE(page->tabName(), QString("Ondrix"));
        QCOMPARE(page->toggleGroup->buttonNames(), QStringList({"Aus", "Ein"}));
        QCOMPARE(currentOptionStore->option("TPXToggle")->choiceByName("On")->text(), QString("Ein"));
        QCOMPARE(markedName("TPXToggle"), QString("On"));
        QCOMPARE(page->serverLabel->text(), QString("Server:"));
        QCOMPARE(page->verifyButton->text(), QString("Überprüfen"));
        QCOMPARE(panel.mark(), QString("Keine Verbindung zum Server möglich."));

        QVERIFY(panel.server.release("de"));
        QVERIFY(panel.waitForReplies(1));
        QVERIFY(panel.applicable());
        GeneralTab *basic = panel.dialog->generalTab;
        QCOMPARE(markedName("ColorModel"), QString("Gray"));
        QCOMPARE(basic->colorModeGroup()->checkedName(), QString::fromUtf8("Schwarzwei\xc3\x9f"));
        QCOMPARE(panel.dialog->imagingTab->colorModeGroup()->checkedName(), QString::fromUtf8("Schwarzwei\xc3\x9f"));
        QCOMPARE(markedName("Duplex"), QString("DuplexNoTumble"));
        QCOMPARE(basic->duplexGroup->checkedName(), QString("Lange Kante"));
        QCOMPARE(basic->getOptions().value("Duplex"), QString("DuplexNoTumble"));
        QCOMPARE(markedName("Thft"), QString("Level3"));

        // Clicking the translated buttons marks the choices.
        panel.switchOff();
        QCOMPARE(markedName("TPXToggle"), QString("Off"));
        basic->colorModeGroup()->button(0)->click();
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
        QCOMPARE(panel.dialog->imagingTab->colorModeGroup()->checkedIndex(), 0);
        panel.dialog->imagingTab->colorModeGroup()->button(1)->click();
        QCOMPARE(markedName("ColorModel"), QString("Gray"));
        // Both pages call full colour alike, so one PPD text serves both.
        panel.dialog->imagingTab->colorModeGroup()->button(0)->click();
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
        QCOMPARE(panel.dialog->imagingTab->colorModeGroup()->checkedName(), QString("Vollfarbe"));
        panel.switchOn();
        QCOMPARE(markedName("TPXToggle"), QString("On"));
        QCOMPARE(page->notificationBox->text(), QString("Keine Benachrichtigungen bei Richtlinienkonflikten:"));
    }

    // Verify's answer in German.
    void verifyAnswersInGerman()
    {
        const QString mustVerify = QString::fromUtf8("Nach \xc3\x84nderungen m\xc3\xbcssen Sie auf \xc2\xbb\xc3\x9c"
                                                     "berpr\xc3\xbc" "fen\xc2\xab klicken.");
        panel.open(tpxpage::storedConfig("OFF", QString(), QString()));
        panel.switchOn();
        panel.fillIn();
        QCOMPARE(panel.mark(), mustVerify);
        QVERIFY(panel.server.queue(Reply::body(tpxserver::refusalBody())));
        panel.page()->verifyButton->click();
        QVERIFY(panel.waitForReplies(1));
        const QString refused = QString::fromUtf8("Anmeldung fehlgeschlagen. Benutzername oder Passwort ist falsch.");
        QCOMPARE(panel.boxes->boxes, QStringList{"Ondrix|" + refused});
        QCOMPARE(panel.mark(), mustVerify);
    }
};

QTEST_MAIN(TpxGermanTest)
#include "tst_tpxgerman.moc"
