// The Layout page on stores from basic-layout.ppd and its variants: when it
// is offered, how each widget stands without the other's option, stored
// values, and the PPD's rule between booklet and duplex reaching the Basic
// page.
#include "pages/pagefixture.h"

#include "booklettab.h"
#include "generaltab.h"
#include "publishingtab.h"

#include <QCheckBox>
#include <QPushButton>

using namespace pagefixture;

namespace {
const QString layout = QStringLiteral("basic-layout.ppd");
using ReportedHash = QHash<QString, QString>;
}

class BookletTabTest : public PageTest
{
    Q_OBJECT

private slots:
    void supported_data()
    {
        QTest::addColumn<QStringList>("dropOptions");
        QTest::addColumn<bool>("supported");
        QTest::newRow("both") << QStringList() << true;
        QTest::newRow("fold only") << QStringList{"ZVBooklet"} << true;
        QTest::newRow("booklet only") << QStringList{"Fold"} << true;
        QTest::newRow("neither") << QStringList{"ZVBooklet", "Fold"} << false;
    }

    void supported()
    {
        QFETCH(QStringList, dropOptions);
        QFETCH(bool, supported);
        BookletTab page;
        QVERIFY(!page.isSupported());
        useStore(storeFromPpd(writeVariant(m_dir, layout, dropOptions)), m_dir);
        QCOMPARE(page.isSupported(), supported);
    }

    void oneOptionMissing_data()
    {
        QTest::addColumn<QStringList>("dropOptions");
        QTest::addColumn<bool>("groupEnabled");
        QTest::addColumn<bool>("boxEnabled");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<ReportedHash>("reported");
        QTest::newRow("both") << QStringList() << true << true << "Fold in half"
                              << ReportedHash{{"ZVBooklet", "None"}, {"Fold", "False"}};
        QTest::newRow("fold only") << QStringList{"ZVBooklet"} << false << true << "Fold in half"
                                   << ReportedHash{{"Fold", "False"}};
        QTest::newRow("booklet only") << QStringList{"Fold"} << true << false << "Booklet fold"
                                      << ReportedHash{{"ZVBooklet", "None"}};
    }

    void oneOptionMissing()
    {
        QFETCH(QStringList, dropOptions);
        QFETCH(bool, groupEnabled);
        QFETCH(bool, boxEnabled);
        QFETCH(QString, boxText);
        QFETCH(ReportedHash, reported);
        useStore(storeFromPpd(writeVariant(m_dir, layout, dropOptions)), m_dir, {{"Fold", "True"}});
        BookletTab page;
        page.foldBox->setChecked(true);
        page.reload();
        QCOMPARE(page.bookletGroup->isEnabled(), groupEnabled);
        QCOMPARE(page.foldBox->isEnabled(), boxEnabled);
        QCOMPARE(page.foldBox->text(), boxText);
        if (!boxEnabled)
            QVERIFY(!page.foldBox->isChecked());
        QHash<QString, QString> expected = reported;
        if (expected.contains("Fold"))
            expected["Fold"] = QStringLiteral("True"); // as stored
        QCOMPARE(page.getOptions(), expected);
    }

    void storedBooklet_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("duplex");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("reported");
        QTest::newRow("none stored") << QString() << "None" << "Off" << "None";
        QTest::newRow("left") << "Left" << "DuplexNoTumble" << "Left edge binding" << "Left";
        // The PPD's rule: the reload moves the selection off the blocked choice.
        QTest::newRow("left, one-sided") << "Left" << "None" << "Off" << "None";
        QTest::newRow("right") << "Right" << "None" << "Right edge binding" << "Right";
        // "Top edge binding" has no button.
        QTest::newRow("no button") << "Top" << "None" << "Off" << "None";
        QTest::newRow("unknown") << "Bottom" << "None" << "Off" << "None";
    }

    void storedBooklet()
    {
        QFETCH(QString, stored);
        QFETCH(QString, duplex);
        QFETCH(QString, checked);
        QFETCH(QString, reported);
        QList<QPair<QString, QString>> lines;
        if (!stored.isEmpty())
            lines << qMakePair(QStringLiteral("ZVBooklet"), stored);
        useStore(storeFromPpd(fixturePath(layout)), m_dir, lines);
        // As the Basic page, earlier in the reload order, has marked it.
        currentOptionStore->selectChoice("Duplex", duplex);
        BookletTab page;
        page.reload();
        QCOMPARE(page.bookletGroup->checkedName(), checked);
        QCOMPARE(page.getOptions().value("ZVBooklet"), reported);
        QCOMPARE(markedName("ZVBooklet"), reported);
    }

    // Blocked choices are greyed and moved off, never marked: the page
    // reports no conflict, whatever the rule between booklet and duplex does.
    void ruleGreysTheBasicPage()
    {
        useStore(storeFromPpd(fixturePath(layout)), m_dir, {{"Duplex", "DuplexNoTumble"}});
        DialogRecorder dialog;
        dialog.watched = QStringLiteral("ZVBooklet");
        auto *basic = new GeneralTab(&dialog);
        auto *booklet = new BookletTab(&dialog);
        basic->reload();
        booklet->reload();
        QVERIFY(booklet->bookletGroup->button(1)->isEnabled());

        // One side of the paper blocks the left binding once Duplex is off.
        basic->duplexGroup->button(0)->click();
        QCOMPARE(markedName("Duplex"), QStringLiteral("None"));
        QVERIFY(isBlocked("ZVBooklet", "Left"));
        booklet->enableOptions();
        QVERIFY(!booklet->bookletGroup->button(1)->isEnabled());
        QVERIFY(booklet->bookletGroup->button(2)->isEnabled());

        // Both sides again: the binding is free, and choosing it greys "Off"
        // on the Basic page.
        basic->duplexGroup->button(1)->click();
        booklet->enableOptions();
        QVERIFY(booklet->bookletGroup->button(1)->isEnabled());
        dialog.log.clear();
        booklet->bookletGroup->button(1)->click();
        QCOMPARE(dialog.log, QStringList{"pass:Left"});
        QVERIFY(basic->enableOptions() == false);
        QVERIFY(!basic->duplexGroup->button(0)->isEnabled());
        QVERIFY(basic->duplexGroup->button(2)->isEnabled());

        booklet->setHasConflict(false);
        booklet->clearConflictMarks();
        booklet->markCustomConstraints();
        QVERIFY(!booklet->hasConflict());
        QCOMPARE(booklet->getOptions().value("ZVBooklet"), QStringLiteral("Left"));
    }

    // The program's rule: a booklet binding leaves no cover mode.
    void bindingGreysThePublishingCover_data()
    {
        QTest::addColumn<int>("binding");
        QTest::addColumn<bool>("coverFree");
        QTest::newRow("off") << 0 << true;
        QTest::newRow("left") << 1 << false;
        QTest::newRow("right") << 2 << false;
    }

    void bindingGreysThePublishingCover()
    {
        QFETCH(int, binding);
        QFETCH(bool, coverFree);
        useStore(storeFromPpd(fixturePath(layout)), m_dir);
        currentOptionStore->selectChoice("Duplex", "DuplexNoTumble");
        BookletTab booklet;
        PublishingTab publishing;
        booklet.reload();
        publishing.reload();
        QVERIFY(publishing.isSupported());
        QVERIFY(publishing.chkButCvr->isEnabled());
        publishing.chkButCvr->setChecked(true);
        QCOMPARE(markedName("cCovBut"), QStringLiteral("True"));

        booklet.bookletGroup->button(binding)->click();
        publishing.enableOptions();
        QCOMPARE(publishing.chkButCvr->isEnabled(), coverFree);
        QCOMPARE(publishing.chkButCvr->isChecked(), coverFree);
        QCOMPARE(markedName("cCovBut"), coverFree ? QStringLiteral("True") : QStringLiteral("False"));
    }

    void foldBoxMarksTrueAndFalse()
    {
        useStore(storeFromPpd(fixturePath(layout)), m_dir);
        DialogRecorder dialog;
        dialog.watched = QStringLiteral("Fold");
        auto *page = new BookletTab(&dialog);
        page->reload();
        QCOMPARE(markedName("Fold"), QStringLiteral("False"));
        page->foldBox->setChecked(true);
        QCOMPARE(dialog.log, QStringList{"pass:True"});
        page->foldBox->setChecked(false);
        QCOMPARE(markedName("Fold"), QStringLiteral("False"));
    }
};

QTEST_MAIN(BookletTabTest)
#include "tst_booklettab.moc"
