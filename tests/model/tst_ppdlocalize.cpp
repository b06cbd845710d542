#include <QtTest>

#include <cups/ppd.h>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"

// Runs with a German LANG (see CMakeLists.txt): libcups picks the PPD's own
// translations by it, and the import must copy the translated texts.
class TestPpdLocalize : public QObject
{
    Q_OBJECT

private slots:
    void importCopiesTranslatedTexts_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("translated") << "ppd-translated.ppd"
                                    << QStringList{"Beidseitig", "Aus", "Lange Kante"};
        // No translations at all: the PPD's texts as they stand.
        QTest::newRow("untranslated") << "ppd-minimal.ppd" << QStringList{"Paper Size", "A4", "Letter"};
    }
    void importCopiesTranslatedTexts()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, texts);
        QVERIFY2(qgetenv("LANG").startsWith("de"), "the test needs LANG=de_DE.UTF-8");
        const QByteArray path = QFile::encodeName(QStringLiteral(HALVANE_FIXTURES "/") + fixture);
        ppd_file_t *ppd = ppdOpenFile(path.constData());
        QVERIFY(ppd);
        OptionStore store;
        importPpd(ppd, &store);
        ppdClose(ppd);

        kOption *option = store.option(fixture.contains("translated") ? "Duplex" : "PageSize");
        QVERIFY(option);
        QStringList found{option->text()};
        for (kChoice *choice : option->choices())
            found << choice->text();
        QCOMPARE(found, texts);
        // The print-accounting texts are the program's, not the PPD's.
        QCOMPARE(store.option("TPXToggle")->choiceByName("On")->text(), QString("On"));
    }
};

QTEST_GUILESS_MAIN(TestPpdLocalize)
#include "tst_ppdlocalize.moc"
