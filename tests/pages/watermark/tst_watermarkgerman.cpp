// The Watermark page in German (LANG and LC_ALL are de_DE.UTF-8, see
// CMakeLists.txt): the page's own texts from the German catalogue, the
// printer's from the PPD's German lines, the texts the page matches by
// translation, and translated printer texts that never become custom
// watermarks.
#include "pages/pagefixture.h"
#include "watermarkfixture.h"

#include "fixturestore.h"
#include "optioncollector.h"
#include "watermarktab.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

using namespace pagefixture;
using namespace watermarkfixture;

namespace {
const QString storeKey = QStringLiteral("CustomWatermarkStore=");
}

class WatermarkGermanTest : public PageTest
{
    Q_OBJECT

    QTranslator german;

    void load(WatermarkTab &page, const QStringList &lines)
    {
        useStore(storeFromPpd(samplePpd), m_dir);
        fixturestore::writeSettings(lines);
        page.reload();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(qgetenv("LANG").startsWith("de") && QLocale::system().name().startsWith("de"),
                 "the test needs LANG=de_DE.UTF-8 (CTest sets it)");
        QVERIFY(german.load(QStringLiteral(":/strings/german")));
        QCoreApplication::installTranslator(&german);
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&german);
    }

    void germanTexts()
    {
        WatermarkTab page;
        QCOMPARE(page.lblWatermark->text(), QString("Wasserzeichen/Stempel"));
        load(page, {"Wren=True"});
        page.retranslateUi();
        QCOMPARE(page.tabName(), QString("Wasserzeichen"));
        QCOMPARE(page.lblWtxt->text(), QString("Wasserzeichentext:"));
        QCOMPARE(page.lblWSze->text(), QString::fromUtf8("Größe:"));
        QCOMPARE(page.chkBxWFlg->text(), QString("Wasserzeichen wiederholen"));
        QCOMPARE(page.lblCustomWatermark->text(), QString("Eigenes Wasserzeichen:"));
        QCOMPARE(page.butNewCustomWatermark->text(), QString("Neu"));
        QCOMPARE(page.butSaveCustomWatermark->text(), QString("Speichern"));
        QCOMPARE(page.butDeleteCustomWatermark->text(), QString::fromUtf8("Löschen"));

        // libcups's custom-text choice and the super watermark's "none" are
        // found by the catalogue's words and taken out of their lists.
        QCOMPARE(itemTexts(page.cmbBxWtxt),
                 QStringList({"VERTRAULICH", "ORIGINAL", "KOPIE", "NICHT KOPIEREN", "ENTWURF",
                              QString::fromUtf8("ENDGÜLTIG"), "PROBEDRUCK"}));
        QCOMPARE(itemTexts(page.cmbBxSuperWatermark), QStringList({"Wellenmuster", "Gittermuster"}));
        QCOMPARE(page.getOptions().value("ZVSuperWatermark"), QString("None"));
        QCOMPARE(markedName("ZVSuperWatermark"), QString("None"));
        QCOMPARE(itemTexts(page.cmbBxClr), QStringList({"Rot", QString::fromUtf8("Grün"), "Blau", "Schwarz"}));
    }

    void translatedPrinterTextsStayPrinterTexts()
    {
        WatermarkTab page;
        load(page, {"Wren=True"});
        const int draft = page.cmbBxWtxt->findText("ENTWURF");
        page.cmbBxWtxt->setCurrentIndex(draft);
        page.cmbBxWang->setCurrentIndex(5);
        QVERIFY(!page.butNewCustomWatermark->isEnabled());
        page.butSaveCustomWatermark->click();
        QVERIFY(page.customWatermarks.contains("ENTWURF"));
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList());
        QCOMPARE(page.cmbBxWtxt->currentIndex(), draft);
        QCOMPARE(page.lnEditCustomWatermark->text(), QString());
        QCOMPARE(page.getOptions().value("Wtxt"), QString("Draft"));
        QVERIFY(page.isReservedWatermarkName("DRAFT"));
        QVERIFY(!page.isReservedWatermarkName("Memo"));

        // Applied and loaded again: still the printer's own text, its
        // controls kept.
        const QHash<QString, QString> extra = page.getExtraOptions();
        QCOMPARE(extra.values("CustomWatermarkStore"), QStringList{"ENTWURF=0 8 3 5 0 0 0"});
        QCOMPARE(extra.value("CustomWatermarkSet"), QString("ENTWURF"));
        fixturestore::writeSettings({"Wren=True", "Wtxt=Draft", "Wang=-45", storeKey + "ENTWURF=0 8 3 5 0 0 0",
                                     storeKey + "VERTRAULICH=1 1 1 1 1 1 1", "CustomWatermarkSet=ENTWURF"});
        page.reload();
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList());
        QCOMPARE(page.cmbBxWtxt->currentIndex(), draft);
        QCOMPARE(page.lnEditCustomWatermark->text(), QString());
        QCOMPARE(page.cmbBxWang->currentIndex(), 5);
        QCOMPARE(page.getOptions().value("Wtxt"), QString("Draft"));
    }

    void customTextsInGerman()
    {
        WatermarkTab page;
        load(page, {"Wren=True"});
        page.lnEditCustomWatermark->setText(QString::fromUtf8("Nur für dich"));
        QVERIFY(page.butNewCustomWatermark->isEnabled());
        page.butNewCustomWatermark->click();
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{QString::fromUtf8("Nur für dich")});
        QCOMPARE(page.getOptions().value("Wtxt"), QString::fromUtf8("\"Nur\\ für\\ dich\""));
    }

    // Collected for Apply or a profile without New pressed: the printer gets
    // the text the page shows afterwards, a typed name or a printer text
    // found by its German words.
    void collectedTextIsTheShownOne_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("a name typed over a printer text")
            << QStringList{"Wren=True"} << "VERTRAULICH" << "Nur intern" << "Nur intern" << "\"Nur\\ intern\""
            << QStringList{"Nur intern=0 8 3 23 0 0 0"};
        QTest::newRow("a printer text typed over a custom text")
            << QStringList{"Wren=True", storeKey + "Memo=2 3 1 4 1 1 1", "CustomWatermarkSet=Memo"} << "Memo"
            << "ENTWURF" << "ENTWURF" << "Draft" << QStringList{"ENTWURF=2 3 1 4 1 1 1"};
    }

    void collectedTextIsTheShownOne()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, text);
        QFETCH(QStringList, records);
        WatermarkTab page;
        load(page, lines);
        QCOMPARE(page.cmbBxWtxt->currentText(), before);
        page.lnEditCustomWatermark->setText(typed);
        QList<Tab *> pages{&page};
        OptionCollector collector;
        collector.setTabs(&pages);
        const SettingsSnapshot first = *collector.collect();
        QCOMPARE(page.cmbBxWtxt->currentText(), shown);
        QCOMPARE(QStringList(first.values("Wtxt")), QStringList{text});
        QCOMPARE(QStringList(first.values("CustomWatermarkSet")), QStringList{shown});
        QCOMPARE(QStringList(first.values("CustomWatermarkStore")), records);
        QVERIFY(*collector.collect() == first);
    }

    // libcups's custom-text choice is no printer text the list shows, and an
    // English printer text is no item here: neither may make a watermark the
    // list would not show.
    void namesOutsideTheList()
    {
        WatermarkTab page;
        load(page, {"Wren=True"});
        page.lnEditCustomWatermark->setText("Benutzerdefiniert");
        QVERIFY(page.butNewCustomWatermark->isEnabled());
        page.butNewCustomWatermark->click();
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"Benutzerdefiniert"});
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Benutzerdefiniert"));
        QCOMPARE(page.getOptions().value("Wtxt"), QString("\"Benutzerdefiniert\""));

        for (const char *reserved : {"FINAL", "DRAFT", "DO NOT PHOTOCOPY"}) {
            page.lnEditCustomWatermark->setText(reserved);
            QVERIFY2(!page.butNewCustomWatermark->isEnabled(), reserved);
        }
    }
};

QTEST_MAIN(WatermarkGermanTest)
#include "tst_watermarkgerman.moc"
