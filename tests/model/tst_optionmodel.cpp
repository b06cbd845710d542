#include <QtTest>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"

// Selection semantics of the option model.
class TestOptionModel : public QObject
{
    Q_OBJECT

private:
    // Duplex (None, DuplexNoTumble) conflicting with Booklet=True, both level 99.
    static OptionStore *duplexStore()
    {
        auto *store = new OptionStore;
        auto *duplex = new kOption("Duplex", "Two-sided");
        duplex->addChoice("None", "Off");
        duplex->addChoice("DuplexNoTumble", "Long edge");
        auto *booklet = new kOption("Booklet", "Booklet");
        booklet->addChoice("False", "Off");
        booklet->addChoice("True", "On");
        store->addOption(duplex);
        store->addOption(booklet);
        store->addConstraint("Duplex", "None", "Booklet", "True");
        return store;
    }

private slots:
    void lookupsAreExact()
    {
        kOption opt("Duplex", "Two-sided");
        opt.addChoice("True", "Yes");
        opt.addChoice("True", "Again");
        opt.addChoice("False", "No");
        QCOMPARE(opt.choiceByName("True")->text(), QString("Yes"));
        QVERIFY(!opt.choiceByName("true"));
        QCOMPARE(opt.choiceByText("No")->name(), QString("False"));
        QVERIFY(!opt.choiceByText("no"));
        QVERIFY(opt.hasChoice("False"));
        QVERIFY(!opt.hasChoice("Maybe"));
        QCOMPARE(opt.choiceCount(), 3);

        OptionStore store;
        store.addOption(new kOption("Duplex", "Two-sided"));
        QVERIFY(store.option("Duplex"));
        QVERIFY(!store.option("duplex"));
    }

    void choicesIsACopy()
    {
        kOption opt("A", "A");
        opt.addChoice("x", "x");
        const QList<kChoice *> before = opt.choices();
        opt.addChoice("y", "y");
        QCOMPARE(before.size(), 1);
        QCOMPARE(opt.choices().size(), 2);
    }

    void validity_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("both sentinel") << "KNULL" << "KNULL" << false;
        QTest::newRow("keyword only") << "KNULL" << "Text" << true;
        QTest::newRow("text only") << "Duplex" << "KNULL" << true;
        QTest::newRow("lower case") << "knull" << "knull" << true;
        QTest::newRow("ordinary") << "Duplex" << "Two-sided" << true;
    }
    void validity()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(kOption(keyword, text).isValid(), valid);
    }

    void defaults()
    {
        kOption opt("Duplex", "Two-sided");
        opt.addChoice("None", "Off");
        QCOMPARE(opt.defaultName(), QString("DuplexNULL"));
        QVERIFY(!opt.defaultChoice());

        kOption other("Other", "Other");
        other.addChoice("None", "Off");
        opt.setDefault(other.choiceByName("None"));
        QVERIFY(!opt.defaultChoice());
        opt.setDefault(nullptr);
        QVERIFY(!opt.defaultChoice());

        opt.setDefault(opt.choiceByName("None"));
        QCOMPARE(opt.defaultName(), QString("None"));
    }

    void selectWithNoneOrForeignKeepsRecordButDropsBlocks_data()
    {
        QTest::addColumn<bool>("foreign");
        QTest::newRow("none") << false;
        QTest::newRow("choice of another option") << true;
    }
    void selectWithNoneOrForeignKeepsRecordButDropsBlocks()
    {
        QFETCH(bool, foreign);
        QScopedPointer<OptionStore> store(duplexStore());
        kOption *duplex = store->option("Duplex");
        kOption *booklet = store->option("Booklet");
        kChoice *none = duplex->choiceByName("None");
        duplex->select(none);
        QVERIFY(booklet->choiceByName("True")->isConstrained());

        duplex->select(foreign ? booklet->choiceByName("False") : nullptr);
        QCOMPARE(duplex->markedChoice(), none);
        QVERIFY(!booklet->choiceByName("True")->isConstrained());
    }

    void selectChoiceIgnoresUnknowns_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("choice");
        QTest::newRow("unknown keyword") << "Dupl" << "DuplexNoTumble";
        QTest::newRow("keyword in wrong case") << "duplex" << "DuplexNoTumble";
        QTest::newRow("unknown choice") << "Duplex" << "DuplexTumble";
        QTest::newRow("choice in wrong case") << "Duplex" << "none";
    }
    void selectChoiceIgnoresUnknowns()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, choice);
        QScopedPointer<OptionStore> store(duplexStore());
        store->selectChoice("Duplex", "None");
        store->selectChoice(keyword, choice);
        QCOMPARE(store->option("Duplex")->markedChoice()->name(), QString("None"));
        QVERIFY(store->option("Booklet")->choiceByName("True")->isConstrained());
    }

    void setLevelByKeyword()
    {
        QScopedPointer<OptionStore> store(duplexStore());
        store->setLevel("Duplex", 3);
        store->setLevel("Missing", 1);
        QCOMPARE(store->option("Duplex")->level(), 3);
        QCOMPARE(store->option("Booklet")->level(), 99);
    }

    void installedOptionsOrder_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three of them") << QStringList{"Option27", "Option01", "Option8"}
                                       << QStringList{"Option8", "Option01", "Option27"};
        QTest::newRow("none") << QStringList{"Duplex", "Option08", "Option1"} << QStringList{};
        QTest::newRow("all eleven") << QStringList{"Option27", "Option26", "Option25", "Option22",
                                                   "Option21", "Option01", "Option20", "Option19",
                                                   "Option18", "Option8", "Option17"}
                                    << QStringList{"Option17", "Option8", "Option18", "Option19",
                                                   "Option20", "Option01", "Option21", "Option22",
                                                   "Option25", "Option26", "Option27"};
    }
    void installedOptionsOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, expected);
        OptionStore store;
        for (const QString &keyword : present)
            store.addOption(new kOption(keyword, keyword));
        QStringList got;
        for (kOption *opt : store.installedOptions())
            got << opt->keyword();
        QCOMPARE(got, expected);
    }

    void clearAllMarksFreesEverythingAndKeepsRecords()
    {
        QScopedPointer<OptionStore> store(duplexStore());
        store->selectChoice("Duplex", "None");
        store->selectChoice("Booklet", "True");
        store->clearAllMarks();
        for (kOption *opt : store->options()) {
            for (kChoice *choice : opt->choices())
                QVERIFY(!choice->isConstrained());
        }
        QCOMPARE(store->option("Duplex")->markedChoice()->name(), QString("None"));
        QCOMPARE(store->option("Booklet")->markedChoice()->name(), QString("True"));
    }

    void addOptionReplacesByKeyword()
    {
        OptionStore store;
        store.addOption(new kOption("Duplex", "First"));
        store.addOption(new kOption("Duplex", "Second"));
        QCOMPARE(store.options().size(), 1);
        QCOMPARE(store.option("Duplex")->text(), QString("Second"));
    }
};

QTEST_APPLESS_MAIN(TestOptionModel)
#include "tst_optionmodel.moc"
