#include <QtTest>

#include <cups/ppd.h>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"

// Options "A", "B", "C", "D", each with choices "x" and "y".
static OptionStore *makeStore(const QList<int> &levels)
{
    auto *store = new OptionStore;
    const QStringList keywords{"A", "B", "C", "D"};
    for (int i = 0; i < levels.size(); ++i) {
        auto *opt = new kOption(keywords[i], keywords[i]);
        opt->addChoice("x", "X");
        opt->addChoice("y", "Y");
        opt->setLevel(levels[i]);
        store->addOption(opt);
    }
    return store;
}

static bool blocked(OptionStore *store, const char *keyword, const char *choice = "x")
{
    return store->option(keyword)->choiceByName(choice)->isConstrained();
}

// A PPD of two Off/On options, "Qa" and "Qb", both at the default level,
// and one three-way rule.
static QByteArray twoOptionPpd(const QByteArray &rule)
{
    return "*PPD-Adobe: \"4.3\"\n"
           "*FormatVersion: \"4.3\"\n"
           "*FileVersion: \"1.0\"\n"
           "*LanguageVersion: English\n"
           "*LanguageEncoding: ISOLatin1\n"
           "*PCFileName: \"QTWO.PPD\"\n"
           "*Manufacturer: \"Quorvan\"\n"
           "*Product: \"(Quorvan Two Options Test)\"\n"
           "*ModelName: \"Quorvan Two Options Test\"\n"
           "*ShortNickName: \"Quorvan Two Options Test\"\n"
           "*NickName: \"Quorvan Two Options Test\"\n"
           "*PSVersion: \"(3010.000) 0\"\n"
           "*cupsFilter: \"application/pdf 0 zelfilter_pdf_F\"\n"
           "*OpenUI *Qa/Qa: PickOne\n*DefaultQa: Off\n*Qa Off/Off: \"\"\n*Qa On/On: \"\"\n*CloseUI: *Qa\n"
           "*OpenUI *Qb/Qb: PickOne\n*DefaultQb: Off\n*Qb Off/Off: \"\"\n*Qb On/On: \"\"\n*CloseUI: *Qb\n"
           "*cupsUIConstraints g: \"" + rule + "\"\n";
}

using Members = QList<QPair<QString, QString>>;
static const Members abc{{"A", "x"}, {"B", "x"}, {"C", "x"}};

class TestConstraintEngine : public QObject
{
    Q_OBJECT

private slots:
    void pairwiseByLevel_data()
    {
        QTest::addColumn<int>("levelA");
        QTest::addColumn<int>("levelB");
        QTest::addColumn<bool>("aBlocksB");
        QTest::addColumn<bool>("bBlocksA");
        QTest::newRow("A stronger") << 1 << 5 << true << false;
        QTest::newRow("A weaker") << 5 << 1 << false << true;
        QTest::newRow("equal") << 4 << 4 << true << true;
        QTest::newRow("negative levels") << -2 << 0 << true << false;
    }
    void pairwiseByLevel()
    {
        QFETCH(int, levelA);
        QFETCH(int, levelB);
        QFETCH(bool, aBlocksB);
        QFETCH(bool, bBlocksA);

        QScopedPointer<OptionStore> store(makeStore({levelA, levelB}));
        store->addConstraint("A", "x", "B", "x");
        store->selectChoice("A", "x");
        QCOMPARE(blocked(store.data(), "B"), aBlocksB);
        QVERIFY(!blocked(store.data(), "A"));

        store->selectChoice("A", "y");
        QVERIFY(!blocked(store.data(), "B"));
        store->selectChoice("B", "x");
        QCOMPARE(blocked(store.data(), "A"), bBlocksA);
    }

    void unmarkFreesMarkedPartnerUnlessBlockedElsewhere()
    {
        QScopedPointer<OptionStore> store(makeStore({1, 5, 1}));
        store->addConstraint("A", "x", "B", "x");
        store->addConstraint("C", "x", "B", "x");
        store->selectChoice("B", "x");
        store->selectChoice("A", "x");
        store->selectChoice("C", "x");
        QVERIFY(blocked(store.data(), "B"));

        store->selectChoice("A", "y");
        QVERIFY2(blocked(store.data(), "B"), "C=x still blocks B=x");
        store->selectChoice("C", "y");
        QVERIFY(!blocked(store.data(), "B"));
        QCOMPARE(store->option("B")->markedChoice()->name(), QString("x"));
    }

    void ruleActsFromNextMarking()
    {
        QScopedPointer<OptionStore> store(makeStore({1, 5}));
        store->selectChoice("A", "x");
        store->addConstraint("A", "x", "B", "x");
        QVERIFY(!blocked(store.data(), "B"));
        store->selectChoice("A", "x");
        QVERIFY(blocked(store.data(), "B"));
    }

    void duplicateAndUnknownRules()
    {
        QScopedPointer<OptionStore> store(makeStore({1, 5}));
        store->addConstraint("A", "x", "B", "x");
        store->addConstraint("A", "x", "B", "x");
        store->addConstraint("B", "x", "A", "x");
        QCOMPARE(store->option("A")->choiceByName("x")->conflicts().size(), 1);
        QCOMPARE(store->option("B")->choiceByName("x")->conflicts().size(), 1);

        store->addConstraint("A", "y", "Z", "x");
        store->addConstraint("A", "y", "B", "z");
        store->addConstraint("a", "y", "B", "y");
        QVERIFY(store->option("A")->choiceByName("y")->conflicts().isEmpty());
        QVERIFY(store->option("B")->choiceByName("y")->conflicts().isEmpty());
    }

    // Which member of the three-way rule A=x, B=x, C=x is blocked once the
    // other two are marked, by the members' levels.
    void threeWayByLevels_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QString>("victim");
        QTest::newRow("distinct 5 1 6") << QList<int>{5, 1, 6} << "C";
        QTest::newRow("distinct 1 9 3") << QList<int>{1, 9, 3} << "B";
        QTest::newRow("distinct 7 2 4") << QList<int>{7, 2, 4} << "A";
        QTest::newRow("two equal, third higher") << QList<int>{2, 2, 8} << "C";
        QTest::newRow("two equal, third higher first") << QList<int>{8, 2, 2} << "A";
        QTest::newRow("two equal, third lower 3 1 3") << QList<int>{3, 1, 3} << "C";
        QTest::newRow("two equal, third lower 1 3 3") << QList<int>{1, 3, 3} << "C";
        QTest::newRow("two equal, third lower 3 3 1") << QList<int>{3, 3, 1} << "B";
        QTest::newRow("all equal") << QList<int>{99, 99, 99} << "C";
    }
    void threeWayByLevels()
    {
        QFETCH(QList<int>, levels);
        QFETCH(QString, victim);
        const QStringList members{"A", "B", "C"};
        QStringList others = members;
        others.removeOne(victim);

        // Whichever of the two others is marked last, and in either order.
        for (int order = 0; order < 2; ++order) {
            QScopedPointer<OptionStore> store(makeStore(levels));
            store->addGroupConstraint(abc);
            const QString first = others[order], second = others[1 - order];
            store->selectChoice(first, "x");
            for (const QString &m : members)
                QVERIFY2(!blocked(store.data(), m.toLatin1()), qPrintable("one marked: " + m));
            store->selectChoice(second, "x");
            for (const QString &m : members)
                QCOMPARE(blocked(store.data(), m.toLatin1()), m == victim);

            // Marking the blocked member itself leaves it blocked.
            store->selectChoice(victim, "x");
            QVERIFY(blocked(store.data(), victim.toLatin1()));

            store->selectChoice(first, "y");
            QVERIFY(!blocked(store.data(), victim.toLatin1()));
        }
    }

    // With all levels equal, the first member alone blocks nothing.
    void threeWayAllEqualNeedsTwoMarks()
    {
        QScopedPointer<OptionStore> store(makeStore({99, 99, 99}));
        store->addGroupConstraint(abc);
        store->selectChoice("A", "x");
        store->selectChoice("C", "x");
        QVERIFY(!blocked(store.data(), "B"));
        QVERIFY(!blocked(store.data(), "C"));
    }

    void threeWayActsFromNextMarking()
    {
        QScopedPointer<OptionStore> store(makeStore({5, 1, 6}));
        store->selectChoice("A", "x");
        store->selectChoice("B", "x");
        store->addGroupConstraint(abc);
        QVERIFY(!blocked(store.data(), "C"));
        store->selectChoice("B", "x");
        QVERIFY(blocked(store.data(), "C"));
    }

    void threeWayOtherChoiceDoesNotCount()
    {
        QScopedPointer<OptionStore> store(makeStore({1, 2, 3}));
        store->addGroupConstraint(abc);
        store->selectChoice("A", "y");
        store->selectChoice("B", "x");
        QVERIFY(!blocked(store.data(), "C"));
    }

    void threeWayMalformedAddsNothing_data()
    {
        QTest::addColumn<Members>("members");
        QTest::newRow("two") << Members{{"A", "x"}, {"B", "x"}};
        QTest::newRow("four") << Members{{"A", "x"}, {"B", "x"}, {"C", "x"}, {"D", "x"}};
        QTest::newRow("unknown choice") << Members{{"A", "x"}, {"B", "z"}, {"C", "x"}};
        QTest::newRow("unknown keyword") << Members{{"A", "x"}, {"E", "x"}, {"C", "x"}};
        // Ordered by level, the one choice leads the list and is its last
        // entry: it would be blocked by its own mark.
        QTest::newRow("one choice three times") << Members{{"B", "x"}, {"B", "x"}, {"B", "x"}};
    }
    void threeWayMalformedAddsNothing()
    {
        QFETCH(Members, members);
        QScopedPointer<OptionStore> store(makeStore({1, 2, 3, 4}));
        store->addGroupConstraint(members);
        for (const char *k : {"A", "B", "C", "D"})
            store->selectChoice(k, "x");
        for (const char *k : {"A", "B", "C", "D"}) {
            QVERIFY(!blocked(store.data(), k));
            QVERIFY(store->option(k)->choiceByName("x")->conflicts().isEmpty());
        }
    }

    // A rule whose list, ordered by level, begins and ends with one choice
    // is dropped: marking that choice must not leave a block that outlasts
    // every mark.
    void threeWayBlockedByOwnMarkIsDropped_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<Members>("members");
        QTest::newRow("self, all equal") << QList<int>{5, 5, 5} << Members{{"A", "x"}, {"B", "x"}, {"A", "x"}};
        QTest::newRow("self alone") << QList<int>{5, 5, 5} << Members{{"A", "x"}, {"A", "x"}, {"A", "x"}};
    }
    void threeWayBlockedByOwnMarkIsDropped()
    {
        QFETCH(QList<int>, levels);
        QFETCH(Members, members);
        QScopedPointer<OptionStore> store(makeStore(levels));
        store->addGroupConstraint(members);
        store->selectChoice("A", "x");
        QVERIFY(!blocked(store.data(), "A"));
        store->selectChoice("B", "x");
        store->selectChoice("A", "x");
        QVERIFY(!blocked(store.data(), "A"));
        store->clearAllMarks();
        store->selectChoice("A", "x");
        QVERIFY(!blocked(store.data(), "A"));
        QVERIFY(!blocked(store.data(), "B"));
    }

    // Any other rule naming one choice twice is kept and acts as the walk
    // makes it: the other member's mark blocks the choice last in the list,
    // unmarking that member frees it, and the blocked choice's own mark plays
    // no part. Levels of A, B, C, D are 1, 2, 3, 4 unless given.
    void threeWayNamingOneChoiceTwice_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<Members>("members");
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("victim");
        const QList<int> rising{1, 2, 3, 4};
        QTest::newRow("first and last") << rising << Members{{"C", "x"}, {"A", "x"}, {"C", "x"}} << "A" << "C";
        QTest::newRow("last twice") << rising << Members{{"A", "x"}, {"C", "x"}, {"C", "x"}} << "A" << "C";
        QTest::newRow("first twice") << rising << Members{{"A", "x"}, {"A", "x"}, {"C", "x"}} << "A" << "C";
        QTest::newRow("self, stronger partner")
            << QList<int>{5, 1, 5} << Members{{"B", "x"}, {"A", "x"}, {"A", "x"}} << "B" << "A";
    }
    void threeWayNamingOneChoiceTwice()
    {
        QFETCH(QList<int>, levels);
        QFETCH(Members, members);
        QFETCH(QString, blocker);
        QFETCH(QString, victim);
        const QByteArray b = blocker.toLatin1(), v = victim.toLatin1();
        QScopedPointer<OptionStore> store(makeStore(levels));
        store->addGroupConstraint(members);

        store->selectChoice(victim, "x");
        QVERIFY2(!blocked(store.data(), v), "its own mark blocks nothing");
        store->selectChoice(blocker, "x");
        QVERIFY(blocked(store.data(), v));
        QVERIFY(!blocked(store.data(), b));
        store->selectChoice(victim, "x");
        QVERIFY2(blocked(store.data(), v), "marking it again leaves it blocked");
        store->selectChoice(blocker, "y");
        QVERIFY(!blocked(store.data(), v));

        store->selectChoice(blocker, "x");
        QVERIFY(blocked(store.data(), v));
        store->clearAllMarks();
        QVERIFY(!blocked(store.data(), v));
        QVERIFY(!blocked(store.data(), b));
    }

    // cupsUIConstraints lines naming Qa=On twice, read through the import.
    // libcups calls Qa=On with Qb=On a conflict for each of them; the panel
    // drops the two that would block a choice by its own mark and keeps the
    // others, which then block the pair libcups forbids.
    void threeWayFromPpdNamingOneChoiceTwice_data()
    {
        QTest::addColumn<QByteArray>("rule");
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("victim");
        QTest::newRow("Qa Qa Qa: dropped") << QByteArray("*Qa On *Qa On *Qa On") << "" << "";
        QTest::newRow("Qa Qb Qa: dropped") << QByteArray("*Qa On *Qb On *Qa On") << "" << "";
        QTest::newRow("Qa Qa Qb: Qa blocks Qb") << QByteArray("*Qa On *Qa On *Qb On") << "Qa" << "Qb";
        QTest::newRow("Qb Qa Qa: Qb blocks Qa") << QByteArray("*Qb On *Qa On *Qa On") << "Qb" << "Qa";
    }
    void threeWayFromPpdNamingOneChoiceTwice()
    {
        QFETCH(QByteArray, rule);
        QFETCH(QString, blocker);
        QFETCH(QString, victim);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath("two.ppd"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(twoOptionPpd(rule));
        file.close();
        ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(file.fileName()).constData());
        QVERIFY(ppd);
        ppdMarkDefaults(ppd);
        ppdMarkOption(ppd, "Qa", "On");
        ppdMarkOption(ppd, "Qb", "On");
        const int libcupsConflicts = ppdConflicts(ppd);
        OptionStore store;
        importPpd(ppd, &store);
        ppdClose(ppd);
        QVERIFY2(libcupsConflicts > 0, "the fixture forbids Qa=On with Qb=On");
        QCOMPARE(store.option("Qa")->level(), 99);
        QCOMPARE(store.option("Qb")->level(), 99);

        auto on = [&store](const QString &keyword) {
            return store.option(keyword)->choiceByName("On")->isConstrained();
        };
        // Both orders of marking the pair.
        for (const QStringList &order : {QStringList{"Qa", "Qb"}, QStringList{"Qb", "Qa"}}) {
            store.selectChoice(order[0], "On");
            QVERIFY2(!on(order[0]), "one mark alone blocks its own choice");
            store.selectChoice(order[1], "On");
            QCOMPARE(on("Qa"), victim == "Qa");
            QCOMPARE(on("Qb"), victim == "Qb");
            store.selectChoice("Qa", "Off");
            store.selectChoice("Qb", "Off");
            QVERIFY2(!on("Qa") && !on("Qb"), "back to Off frees both");
        }
        store.selectChoice("Qa", "On");
        store.selectChoice("Qb", "On");
        store.clearAllMarks();
        QVERIFY(!on("Qa") && !on("Qb"));
    }

    void duplicateThreeWayRuleBlocksOnce()
    {
        QScopedPointer<OptionStore> store(makeStore({1, 2, 3}));
        store->addGroupConstraint(abc);
        store->addGroupConstraint(abc);
        store->selectChoice("A", "x");
        store->selectChoice("B", "x");
        QVERIFY(blocked(store.data(), "C"));
        store->selectChoice("B", "y");
        QVERIFY(!blocked(store.data(), "C"));
    }

    void clearAllMarksLeavesNoBlock()
    {
        QScopedPointer<OptionStore> store(makeStore({1, 2, 3}));
        store->addConstraint("A", "x", "B", "y");
        store->addGroupConstraint(abc);
        store->selectChoice("A", "x");
        store->selectChoice("B", "x");
        QVERIFY(blocked(store.data(), "C"));
        QVERIFY(blocked(store.data(), "B", "y"));
        store->clearAllMarks();
        for (kOption *opt : store->options())
            for (kChoice *choice : opt->choices())
                QVERIFY(!choice->isConstrained());
    }
};

QTEST_APPLESS_MAIN(TestConstraintEngine)
#include "tst_constraintengine.moc"
