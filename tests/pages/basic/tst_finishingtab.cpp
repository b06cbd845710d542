// The Finishing page on stores from basic-finishing.ppd and its variants:
// the derived fold option, the page's own fold rule, the resets behind the
// check-box buttons, the staple-count rule and the special loading steps.
#include "pages/pagefixture.h"

#include "finishingtab.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace pagefixture;

namespace {
const QString finishing = QStringLiteral("basic-finishing.ppd");
using Marks = QHash<QString, QString>;
const QString errorImage = QStringLiteral("<img src=':/icons/error'>");

// Sets the fold buttons as the page shows them, without any reaction.
void setFolds(FinishingTab &page, bool tri, bool bi)
{
    for (auto pair : {qMakePair(page.triFoldButton, tri), qMakePair(page.biFoldButton, bi)}) {
        const bool was = pair.first->blockSignals(true);
        pair.first->setChecked(pair.second);
        pair.first->blockSignals(was);
    }
}

// What the constraint pass does to one page's marks.
void markPass(FinishingTab &page)
{
    page.setHasConflict(false);
    page.clearConflictMarks();
    page.markCustomConstraints();
}
}

class FinishingTabTest : public PageTest
{
    Q_OBJECT

    void loadPage(FinishingTab &page, const QString &ppd, const QList<QPair<QString, QString>> &stored = {})
    {
        useStore(storeFromPpd(ppd), m_dir, stored);
        page.reload();
    }

private slots:
    void foldMarking_data()
    {
        QTest::addColumn<bool>("tri");
        QTest::addColumn<bool>("bi");
        QTest::addColumn<Marks>("marks");
        QTest::newRow("bi-fold") << false << true
            << Marks{{"FldA", "Bifold"}, {"cBiFld", "True"}, {"cTriFld", "False"}, {"FldB", "Inside"}, {"BFpS", "One"}};
        QTest::newRow("tri-fold") << true << false
            << Marks{{"FldA", "Trifold"}, {"cBiFld", "False"}, {"cTriFld", "True"}, {"FldB", "Inside"}, {"BFpS", "One"}};
        QTest::newRow("both") << true << true
            << Marks{{"FldA", "Trifold"}, {"cBiFld", "False"}, {"cTriFld", "False"}, {"FldB", "Inside"}, {"BFpS", "One"}};
        QTest::newRow("none") << false << false
            << Marks{{"FldA", "None"}, {"cBiFld", "False"}, {"cTriFld", "False"}, {"FldB", "None"},
                     {"FldC", "None"}, {"FldD", "None"}, {"BFpS", "None"}};
    }

    void foldMarking()
    {
        QFETCH(bool, tri);
        QFETCH(bool, bi);
        QFETCH(Marks, marks);
        FinishingTab page;
        loadPage(page, fixturePath(finishing));
        // A state no row leaves alone everywhere.
        const QList<QPair<QString, QString>> before = {{"FldA", "Trifold"}, {"FldB", "Inside"}, {"FldC", "Left"},
                                                       {"FldD", "One"}, {"BFpS", "One"}, {"cBiFld", "False"},
                                                       {"cTriFld", "False"}};
        for (const auto &mark : before)
            currentOptionStore->selectChoice(mark.first, mark.second);
        setFolds(page, tri, bi);
        page.markFold();
        for (auto it = marks.constBegin(); it != marks.constEnd(); ++it)
            QCOMPARE(markedName(it.key()), it.value());
    }

    void foldSnapshot_data()
    {
        QTest::addColumn<bool>("tri");
        QTest::addColumn<bool>("bi");
        QTest::addColumn<Marks>("expected");
        QTest::newRow("none") << false << false
            << Marks{{"FldA", "None"}, {"cTriFld", "False"}, {"cBiFld", "False"}, {"FldB", "None"},
                     {"FldC", "None"}, {"FldD", "None"}, {"BFpS", "None"}};
        QTest::newRow("tri-fold") << true << false
            << Marks{{"FldA", "Trifold"}, {"cTriFld", "True"}, {"cBiFld", "False"}, {"FldB", "Inside"},
                     {"FldC", "Left"}, {"FldD", "One"}, {"BFpS", "None"}};
        QTest::newRow("bi-fold") << false << true
            << Marks{{"FldA", "Bifold"}, {"cTriFld", "False"}, {"cBiFld", "True"}, {"FldB", "None"},
                     {"FldC", "None"}, {"FldD", "None"}, {"BFpS", "One"}};
        QTest::newRow("both") << true << true
            << Marks{{"FldA", "Bifold"}, {"cTriFld", "True"}, {"cBiFld", "True"}, {"FldB", "Inside"},
                     {"FldC", "Left"}, {"FldD", "One"}, {"BFpS", "One"}};
    }

    void foldSnapshot()
    {
        QFETCH(bool, tri);
        QFETCH(bool, bi);
        QFETCH(Marks, expected);
        FinishingTab page;
        loadPage(page, fixturePath(finishing));
        setFolds(page, tri, bi);
        const Marks options = page.getOptions();
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
            QCOMPARE(options.value(it.key()), it.value());
        // The rest of the page, all off.
        QCOMPARE(options.value("Sep"), QStringLiteral("None"));
        QCOMPARE(options.value("Rotate"), QStringLiteral("False"));
        QCOMPARE(options.value("Pnch"), QStringLiteral("None"));
        QCOMPARE(options.value("Stpl"), QStringLiteral("None"));
        QCOMPARE(options.value("Scnt"), QStringLiteral("None"));
        QCOMPARE(options.value("cHole"), QStringLiteral("False"));
        QCOMPARE(options.value("cStpl"), QStringLiteral("False"));
        QCOMPARE(options.size(), 14);
    }

    void withoutFoldOption()
    {
        FinishingTab page;
        setFolds(page, true, true);
        loadPage(page, writeVariant(m_dir, finishing, {"FldA"}), {{"FldA", "Bifold"}, {"cBiFld", "True"}});
        for (ZelCheckBoxButton *button : {page.triFoldButton, page.biFoldButton}) {
            QVERIFY(!button->isEnabled());
            QVERIFY(!button->isChecked());
        }
        QVERIFY(!page.triFoldLabel->isEnabled());
        QVERIFY(!page.biFoldLabel->isEnabled());
        const Marks options = page.getOptions();
        QVERIFY(!options.contains("FldA"));
        QVERIFY(!options.contains("cTriFld"));
        QVERIFY(!options.contains("cBiFld"));
        for (const char *keyword : {"FldB", "FldC", "FldD", "BFpS"})
            QCOMPARE(options.value(QString::fromLatin1(keyword)), QStringLiteral("None"));
        QVERIFY(page.isSupported());
    }

    // Unchecking bi-fold by hand: the page's reactions, then the base class's.
    void biFoldTurnedOff()
    {
        useStore(storeFromPpd(fixturePath(finishing)), m_dir, {{"cBiFld", "True"}, {"BFpS", "Five"}, {"FldA", "Bifold"}});
        DialogRecorder dialog;
        dialog.watched = QStringLiteral("BFpS");
        auto *page = new FinishingTab(&dialog);
        page->reload();
        QVERIFY(page->biFoldButton->isChecked());
        QCOMPARE(page->biFoldSheetsBox->currentText(), QStringLiteral("5 sheets"));
        QCOMPARE(markedName("BFpS"), QStringLiteral("Five"));
        // The engine's rule between the two modes: tri-fold is forced off.
        QVERIFY(!page->triFoldButton->isEnabled());
        QVERIFY(!page->triFoldButton->isChecked());

        page->biFoldButton->setChecked(false);
        QCOMPARE(page->biFoldSheetsBox->currentIndex(), 0);
        QCOMPARE(markedName("FldA"), QStringLiteral("None"));
        QCOMPARE(markedName("cBiFld"), QStringLiteral("False"));
        QCOMPARE(markedName("cTriFld"), QStringLiteral("False"));
        QCOMPARE(markedName("BFpS"), QStringLiteral("None"));
        QVERIFY(!dialog.log.isEmpty());
        QCOMPARE(dialog.log.last(), QStringLiteral("pass:None"));
        QVERIFY(!page->biFoldSheetsBox->isEnabled());

        // Tri-fold is free again once the pass has run.
        page->enableOptions();
        QVERIFY(page->triFoldButton->isEnabled());
        page->triFoldButton->setChecked(true);
        QCOMPARE(markedName("FldA"), QStringLiteral("Trifold"));
        QCOMPARE(markedName("cTriFld"), QStringLiteral("True"));
        QCOMPARE(markedName("FldB"), QStringLiteral("Inside"));
        QVERIFY(page->printSideBox->isEnabled());
    }

    void stapleCount_data()
    {
        QTest::addColumn<QStringList>("dropOptions");
        QTest::addColumn<QStringList>("dropLines");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("keptOnReload");
        QTest::newRow("three choices") << QStringList() << QStringList() << true << true;
        QTest::newRow("two choices") << QStringList() << QStringList{"*Scnt Double"} << false << true;
        // An empty dependent unchecks the button at every reload.
        QTest::newRow("no Scnt") << QStringList{"Scnt"} << QStringList() << true << false;
    }

    void stapleCount()
    {
        QFETCH(QStringList, dropOptions);
        QFETCH(QStringList, dropLines);
        QFETCH(bool, enabled);
        QFETCH(bool, keptOnReload);
        const QString ppd = writeVariant(m_dir, finishing, dropOptions, dropLines);

        // Turned on by hand.
        {
            FinishingTab page;
            loadPage(page, ppd);
            QVERIFY(!page.stapleCountBox->isEnabled());
            page.stapleButton->setChecked(true);
            QCOMPARE(page.stapleCountBox->isEnabled(), enabled);
            QCOMPARE(page.stapleCountLabel->isEnabled(), enabled);
            QVERIFY(page.stapleLocationBox->isEnabled());
            QCOMPARE(markedName("cStpl"), QStringLiteral("True"));
            QCOMPARE(markedName("Stpl"), QStringLiteral("FrontLeft"));
        }
        // Stored on, and reloaded.
        {
            FinishingTab page;
            loadPage(page, ppd, {{"cStpl", "True"}, {"Stpl", "Center"}});
            QCOMPARE(page.stapleButton->isChecked(), keptOnReload);
            if (!keptOnReload)
                return;
            QCOMPARE(page.stapleCountBox->isEnabled(), enabled);
            QCOMPARE(page.stapleCountLabel->isEnabled(), enabled);
            QCOMPARE(page.stapleLocationBox->currentText(), QStringLiteral("Center"));
            QCOMPARE(page.getOptions().value("Stpl"), QStringLiteral("Center"));
        }
    }

    // With the staple button off the combos show their first items and the
    // options take their "Off" choices, though no signal reached the page.
    void stapleOffAfterReload()
    {
        FinishingTab page;
        page.stapleButton->setChecked(true);
        loadPage(page, fixturePath(finishing), {{"cStpl", "False"}, {"Stpl", "Rear"}, {"Scnt", "Double"}});
        QVERIFY(!page.stapleButton->isChecked());
        QCOMPARE(page.stapleLocationBox->currentIndex(), 0);
        QCOMPARE(page.stapleCountBox->currentIndex(), 0);
        QCOMPARE(markedName("Stpl"), QStringLiteral("None"));
        QCOMPARE(markedName("Scnt"), QStringLiteral("None"));
        QCOMPARE(page.stapleLabel->text(), QStringLiteral("Staple position:"));
        QCOMPARE(page.stapleCountLabel->text(), QStringLiteral("Staples:"));
    }

    // The check-box buttons follow their mode options, not the option
    // behind them.
    void storedButtonStates()
    {
        FinishingTab page;
        loadPage(page, fixturePath(finishing),
                 {{"cTriFld", "True"}, {"cBiFld", "False"}, {"FldA", "Bifold"}, {"cHole", "True"},
                  {"Pnch", "4Hole"}, {"cStpl", "False"}, {"Stpl", "Center"}, {"FldC", "Right"}});
        QVERIFY(page.triFoldButton->isChecked());
        QVERIFY(!page.biFoldButton->isChecked());
        QVERIFY(page.punchButton->isChecked());
        QVERIFY(!page.stapleButton->isChecked());
        QCOMPARE(page.punchBox->currentText(), QStringLiteral("4 holes"));
        QCOMPARE(page.foldDirectionBox->currentText(), QStringLiteral("Right to left"));
        const Marks options = page.getOptions();
        QCOMPARE(options.value("FldA"), QStringLiteral("Trifold"));
        QCOMPARE(options.value("Pnch"), QStringLiteral("4Hole"));
        QCOMPARE(options.value("FldC"), QStringLiteral("Right"));
        QCOMPARE(options.value("Stpl"), QStringLiteral("None"));
        QCOMPARE(markedName("cHole"), QStringLiteral("True"));
        QCOMPARE(markedName("Pnch"), QStringLiteral("4Hole"));
    }

    void punchOffResetsItsCombo()
    {
        FinishingTab page;
        loadPage(page, fixturePath(finishing), {{"cHole", "True"}, {"Pnch", "4Hole"}});
        page.punchButton->setChecked(false);
        QCOMPARE(page.punchBox->currentIndex(), 0);
        QCOMPARE(markedName("Pnch"), QStringLiteral("None"));
        QCOMPARE(page.getOptions().value("Pnch"), QStringLiteral("None"));
    }

    void separationButtons_data()
    {
        QTest::addColumn<QStringList>("dropOptions");
        QTest::addColumn<QStringList>("dropLines");
        QTest::addColumn<bool>("groupEnabled");
        QTest::addColumn<bool>("offsetEnabled");
        QTest::addColumn<bool>("rotateEnabled");
        QTest::newRow("all three") << QStringList() << QStringList() << true << true << true;
        QTest::newRow("no Rot") << QStringList() << QStringList{"*Sep Rot"} << true << true << false;
        QTest::newRow("no Jog") << QStringList() << QStringList{"*Sep Jog"} << true << false << true;
        QTest::newRow("no Sep") << QStringList{"Sep"} << QStringList() << false << true << true;
    }

    void separationButtons()
    {
        QFETCH(QStringList, dropOptions);
        QFETCH(QStringList, dropLines);
        QFETCH(bool, groupEnabled);
        QFETCH(bool, offsetEnabled);
        QFETCH(bool, rotateEnabled);
        FinishingTab page;
        page.separationGroup->setButton(2);
        loadPage(page, writeVariant(m_dir, finishing, dropOptions, dropLines));
        QCOMPARE(page.separationGroup->isEnabled(), groupEnabled);
        QCOMPARE(page.separationGroup->checkedName(), QStringLiteral("Off"));
        if (groupEnabled) {
            QCOMPARE(page.separationGroup->button(1)->isEnabled(), offsetEnabled);
            QCOMPARE(page.separationGroup->button(2)->isEnabled(), rotateEnabled);
        }
    }

    void withoutRotateOption()
    {
        FinishingTab page;
        page.rotateGroup->setButton(1);
        loadPage(page, writeVariant(m_dir, finishing, {"Rotate"}));
        QCOMPARE(page.rotateGroup->checkedName(), QStringLiteral("Off"));
        QVERIFY(!page.rotateGroup->isEnabled());
        QVERIFY(!page.getOptions().contains("Rotate"));
    }

    // Both folds on is the page's own conflict; its marks come and go with
    // the passes and leave the captions as they were.
    void bothFoldsConflict()
    {
        FinishingTab page;
        loadPage(page, fixturePath(finishing));
        const QString triCaption = page.triFoldLabel->text();
        const QString biCaption = page.biFoldLabel->text();
        setFolds(page, true, true);
        page.checkFoldConstraints();
        for (int pass = 0; pass < 3; ++pass)
            markPass(page);
        QVERIFY(page.hasConflict());
        QVERIFY(page.triFoldLabel->text().contains(errorImage));
        QVERIFY(page.biFoldLabel->text().contains(errorImage));
        QCOMPARE(page.triFoldLabel->text().count(errorImage), 1);
        QCOMPARE(page.getOptions().value("FldA"), QStringLiteral("Bifold"));

        setFolds(page, true, false);
        page.checkFoldConstraints();
        markPass(page);
        QVERIFY(!page.hasConflict());
        QCOMPARE(page.triFoldLabel->text(), triCaption);
        QCOMPARE(page.biFoldLabel->text(), biCaption);
    }

    // A reload forgets the rule until a fold button toggles again.
    void reloadEmptiesTheFoldRule()
    {
        FinishingTab page;
        loadPage(page, fixturePath(finishing));
        setFolds(page, true, true);
        page.checkFoldConstraints();
        QCOMPARE(page.customConstraintWidgets->size(), 2);
        page.reload();
        QVERIFY(page.customConstraintWidgets->isEmpty());
    }

    void unsupportedPageHasNoConflict()
    {
        FinishingTab page;
        page.setHasConflict(true);
        QVERIFY(!page.hasConflict());
        // A queue without any finishing option.
        useStore(storeFromPpd(fixturePath(QStringLiteral("basic-layout.ppd"))), m_dir);
        QVERIFY(!page.isSupported());
        QVERIFY(!page.hasConflict());
        useStore(storeFromPpd(fixturePath(finishing)), m_dir);
        QVERIFY(page.hasConflict());
    }

    void resetUnsupportedUnchecksTheFolds()
    {
        FinishingTab page;
        loadPage(page, fixturePath(finishing), {{"cTriFld", "True"}});
        QVERIFY(page.triFoldButton->isChecked());
        page.resetUnsupported();
        QVERIFY(!page.triFoldButton->isChecked());
        QVERIFY(!page.biFoldButton->isChecked());
        // Signals were live: the fold options followed.
        QCOMPARE(markedName("FldA"), QStringLiteral("None"));
        QCOMPARE(markedName("cTriFld"), QStringLiteral("False"));
    }

    // The slots run from widgets that outlive a printer selection.
    void slotsWithoutPrinter()
    {
        FinishingTab page;
        loadPage(page, fixturePath(finishing), {{"cStpl", "True"}, {"cBiFld", "True"}});
        delete currentOptionStore;
        currentOptionStore = nullptr;
        page.stapleButton->setChecked(false);
        page.stapleButton->setChecked(true);
        page.biFoldButton->setChecked(false);
        page.triFoldButton->setChecked(true);
        page.markFold();
        page.toggleStaple(true);
        page.reload();
        page.resetUnsupported();
        QVERIFY(page.getOptions().isEmpty());
        QVERIFY(!page.isSupported());
    }
};

QTEST_MAIN(FinishingTabTest)
#include "tst_finishingtab.moc"
