#include <QtTest>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"

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
        // A choice named twice would block itself, or block its partner on
        // a single mark, and nothing would ever withdraw that.
        QTest::newRow("one choice first and last") << Members{{"C", "x"}, {"A", "x"}, {"C", "x"}};
        QTest::newRow("one choice last twice") << Members{{"A", "x"}, {"C", "x"}, {"C", "x"}};
        QTest::newRow("one choice first twice") << Members{{"A", "x"}, {"A", "x"}, {"C", "x"}};
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

    // Marking a member of such a rule must not leave a block that outlasts
    // every mark.
    void threeWayNamingOneChoiceTwiceNeverBlocks_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<Members>("members");
        QTest::newRow("self, all equal") << QList<int>{5, 5, 5} << Members{{"A", "x"}, {"B", "x"}, {"A", "x"}};
        QTest::newRow("self, stronger partner") << QList<int>{5, 1, 5} << Members{{"B", "x"}, {"A", "x"}, {"A", "x"}};
        QTest::newRow("self alone") << QList<int>{5, 5, 5} << Members{{"A", "x"}, {"A", "x"}, {"A", "x"}};
    }
    void threeWayNamingOneChoiceTwiceNeverBlocks()
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
