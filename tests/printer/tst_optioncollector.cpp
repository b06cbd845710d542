// The option collector's merge of the pages' settings into one snapshot.
#include "kchoice.h"
#include "koption.h"
#include "optioncollector.h"
#include "optionstore.h"
#include "passpage.h"
#include "printertab.h"

#include <QCheckBox>
#include <QtTest>

namespace {
QHash<QString, QString> hashOf(const QList<QPair<QString, QString>> &entries)
{
    QMultiHash<QString, QString> hash;
    for (const auto &entry : entries)
        hash.insert(entry.first, entry.second);
    return hash;
}

QStringList sortedValues(const SettingsSnapshot *snapshot, const QString &key)
{
    QStringList values = snapshot->values(key);
    values.sort();
    return values;
}
}

class OptionCollectorTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        delete currentOptionStore;
        currentOptionStore = nullptr;
    }

    void mergesThePagesButThePrinterPage()
    {
        // The printer page reports an installable option: it must stay out.
        currentOptionStore = new OptionStore;
        auto *installable = new kOption(QStringLiteral("Option17"), QStringLiteral("Finisher"));
        installable->addChoice(QStringLiteral("False"), QStringLiteral("False"));
        installable->addChoice(QStringLiteral("True"), QStringLiteral("True"));
        currentOptionStore->addOption(installable);
        PrinterTab printerPage;
        QCheckBox finisher(&printerPage);
        finisher.setChecked(true);
        printerPage.optionWidgets.insert(QStringLiteral("Option17"), &finisher);
        QCOMPARE(printerPage.getOptions().value(QStringLiteral("Option17")), QStringLiteral("True"));

        PassPage basic(nullptr, QStringLiteral("Basic"));
        PassPage layout(nullptr, QStringLiteral("Layout"));
        basic.plain = hashOf({{"PageSize", "A4"}, {"Duplex", "None"}, {"Copies", "1"}});
        layout.plain = hashOf({{"Duplex", "DuplexTumble"}, {"Booklet", "False"}});
        basic.extra = hashOf({{"PageList", "1-3"}, {"PageList", "5"}});
        layout.extra = hashOf({{"Copies", "2"}});

        QList<Tab *> pages{&printerPage, &basic, &layout};
        OptionCollector collector;
        collector.setTabs(&pages);
        SettingsSnapshot *snapshot = collector.collect();

        QVERIFY(!snapshot->contains(QStringLiteral("Option17")));
        QCOMPARE(snapshot->values(QStringLiteral("PageSize")), QStringList{"A4"});
        // A later page replaces an earlier page's value.
        QCOMPARE(snapshot->values(QStringLiteral("Duplex")), QStringList{"DuplexTumble"});
        QCOMPARE(snapshot->values(QStringLiteral("Booklet")), QStringList{"False"});
        // Extra values add to what is there; a lookup yields the extra one.
        QCOMPARE(sortedValues(snapshot, QStringLiteral("Copies")), (QStringList{"1", "2"}));
        QCOMPARE(snapshot->value(QStringLiteral("Copies")), QStringLiteral("2"));
        QCOMPARE(sortedValues(snapshot, QStringLiteral("PageList")), (QStringList{"1-3", "5"}));
        QCOMPARE(snapshot->size(), 7);

        // Same pages, same snapshot; and the collector sees the list itself.
        const SettingsSnapshot first = *snapshot;
        QCOMPARE(collector.collect(), snapshot);
        QCOMPARE(*snapshot, first);
        pages.removeLast();
        collector.collect();
        QCOMPARE(snapshot->values(QStringLiteral("Duplex")), QStringList{"None"});
        QCOMPARE(snapshot->values(QStringLiteral("Copies")), QStringList{"1"});
        QVERIFY(!snapshot->contains(QStringLiteral("Booklet")));
    }

    void emptyPagesGiveAnEmptySnapshot()
    {
        PassPage silent(nullptr, QStringLiteral("Silent"));
        QList<Tab *> pages{&silent};
        OptionCollector collector;
        collector.setTabs(&pages);
        QVERIFY(collector.collect()->isEmpty());
        pages.clear();
        QVERIFY(collector.collect()->isEmpty());
    }
};

QTEST_MAIN(OptionCollectorTest)
#include "tst_optioncollector.moc"
