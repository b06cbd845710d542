#include <QtTest>

#include <cups/ppd.h>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"

namespace {

OptionStore *importFile(const QString &path)
{
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        return nullptr;
    auto *store = new OptionStore;
    importPpd(ppd, store);
    ppdClose(ppd);
    return store;
}

// libcups's parser never fills sub-groups, so the variants fixture gets one
// by hand: the last two options of its first group become a sub-group.
OptionStore *importWithSubgroup(const QString &path)
{
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd || ppd->num_groups < 1 || ppd->groups[0].num_options < 2) {
        if (ppd)
            ppdClose(ppd);
        return nullptr;
    }
    ppd_group_t &group = ppd->groups[0];
    ppd_group_t subgroup = {};
    qstrcpy(subgroup.name, "Finisher");
    qstrcpy(subgroup.text, "Finisher");
    subgroup.num_options = 2;
    subgroup.options = group.options + group.num_options - 2;
    group.num_options -= 2;
    group.num_subgroups = 1;
    group.subgroups = &subgroup;

    auto *store = new OptionStore;
    importPpd(ppd, store);

    group.num_options += 2;
    group.num_subgroups = 0;
    group.subgroups = nullptr;
    ppdClose(ppd);
    return store;
}

OptionStore *importFixture(const QString &name)
{
    const QString path = QStringLiteral(HALVANE_FIXTURES "/") + name;
    if (name == QLatin1String("ppd-variants.ppd"))
        return importWithSubgroup(path);
    return importFile(path);
}

// A small PPD made of a fixed head and the given lines.
OptionStore *importText(const QByteArray &lines)
{
    QTemporaryFile file;
    if (!file.open())
        return nullptr;
    file.write("*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
               "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
               "*PCFileName: \"QTEXT.PPD\"\n*Manufacturer: \"Quorvan\"\n"
               "*ModelName: \"Quorvan Text\"\n*NickName: \"Quorvan Text\"\n"
               "*OpenUI *Duplex/Two-Sided: PickOne\n*DefaultDuplex: None\n"
               "*Duplex None/Off: \"\"\n*Duplex DuplexNoTumble/Long edge: \"\"\n"
               "*CloseUI: *Duplex\n");
    file.write(lines);
    file.close();
    return importFile(file.fileName());
}

QStringList programMade(OptionStore *store)
{
    QStringList keywords;
    for (kOption *option : store->options()) {
        if (!option->isFromPpd())
            keywords << option->keyword();
    }
    keywords.sort();
    return keywords;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

kChoice *choiceOf(OptionStore *store, const QString &entry)
{
    const QStringList parts = entry.split('=');
    kOption *option = store->option(parts.value(0));
    return option ? option->choiceByName(parts.value(1)) : nullptr;
}

QStringList partnerNames(kChoice *choice)
{
    QStringList names;
    for (const OptionChoice &partner : choice->conflicts())
        names << partner.first->keyword() + '=' + partner.second->name();
    return names;
}

const QStringList tpx{"TPXColorMode", "TPXDuplex", "TPXThriftink", "TPXToggle"};

} // namespace

class TestPpdImport : public QObject
{
    Q_OBJECT

private slots:
    void nullPpdIsRefused()
    {
        OptionStore store;
        importPpd(nullptr, &store);
        QVERIFY(store.options().isEmpty());
        importPpd(nullptr, nullptr);
    }

    void programMadeOptions_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("minimal: only print accounting") << "ppd-minimal.ppd" << tpx;
        QTest::newRow("rich: every one")
            << "ppd-rich.ppd"
            << sorted(QStringList{"cBiFld", "cTriFld", "cHole", "cStpl", "cCovBut", "cCovTRad",
                                  "cCovBRad", "cCovPOFO", "cCovPOFI", "cCovPOBO", "cCovPOBI",
                                  "cInsBut", "cInsPrnF", "cInsPrnB", "cIntBut", "cIntPrn",
                                  "cJobStore", "cJobAccount", "cUserLogin", "cEmail", "cJobName",
                                  "cPrivatePrint", "cCustomBox", "cSuper"} + tpx);
        // Stpl and FldA live in a sub-group: not imported, yet their
        // program-made options are made.
        QTest::newRow("variants: sub-group options count")
            << "ppd-variants.ppd" << sorted(QStringList{"cBiFld", "cTriFld", "cStpl"} + tpx);
    }
    void programMadeOptions()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, expected);
        QScopedPointer<OptionStore> store(importFixture(fixture));
        QVERIFY(store);
        QCOMPARE(programMade(store.data()), expected);
        for (const QString &keyword : expected) {
            kOption *option = store->option(keyword);
            QVERIFY(!option->defaultChoice());
            QVERIFY(!option->markedChoice());
            const QStringList names{option->choices().at(0)->name(), option->choices().at(1)->name()};
            QCOMPARE(names, keyword.startsWith("TPX") ? QStringList({"Off", "On"})
                                                      : QStringList({"False", "True"}));
            QCOMPARE(option->choices().at(0)->text(), names.at(0));
        }
        QCOMPARE(store->option("TPXToggle")->text(), QString("Pellion"));
        if (store->option("cCovBRad"))
            QCOMPARE(store->option("cCovBRad")->text(), QString("Cover mode front and back"));
    }

    void attributeConditions_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("private print True") << QByteArray("*SupportsPrivatePrint: True\n")
                                            << sorted(QStringList{"cPrivatePrint"} + tpx);
        QTest::newRow("private print true") << QByteArray("*SupportsPrivatePrint: true\n") << tpx;
        QTest::newRow("user login False still counts")
            << QByteArray("*SupportsUserLogin: False\n") << sorted(QStringList{"cUserLogin"} + tpx);
        QTest::newRow("custom box, job name, notice")
            << QByteArray("*SupportsCustomBox: x\n*SupportsCustomJobName: x\n*JobFinishNotice: x\n")
            << sorted(QStringList{"cCustomBox", "cJobName", "cEmail"} + tpx);
    }
    void attributeConditions()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, expected);
        QScopedPointer<OptionStore> store(importText(lines));
        QVERIFY(store);
        QCOMPARE(programMade(store.data()), expected);
    }

    void filterFlag_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("flag");
        QTest::newRow("no filter") << QByteArray() << false;
        QTest::newRow("postscript") << QByteArray("*cupsFilter: \"application/vnd.cups-postscript 0 zelfilter_F\"\n") << false;
        QTest::newRow("raster MIME type") << QByteArray("*cupsFilter: \"application/vnd.cups-raster 0 zelfilter_F\"\n") << true;
        QTest::newRow("pdf filter name") << QByteArray("*cupsFilter: \"application/vnd.cups-postscript 0 zelfilter_pdf_F\"\n") << true;
        QTest::newRow("upper case does not count") << QByteArray("*cupsFilter: \"application/vnd.cups-RASTER 0 ZELFILTER_PDF\"\n") << false;
        QTest::newRow("second line") << QByteArray("*cupsFilter: \"application/vnd.cups-postscript 0 zelfilter_F\"\n"
                                                   "*cupsFilter: \"image/x 0 zelfilter_ras_F\"\n") << true;
    }
    void filterFlag()
    {
        QFETCH(QByteArray, lines);
        QFETCH(bool, flag);
        QScopedPointer<OptionStore> store(importText(lines));
        QVERIFY(store);
        QCOMPARE(store->hasRasterOrPdfFilter(), flag);
        QCOMPARE(store->modelName(), QString("Quorvan Text"));
    }

    void ppdOptionsChoicesAndDefaults()
    {
        QScopedPointer<OptionStore> variants(importFixture("ppd-variants.ppd"));
        QVERIFY(variants);
        QVERIFY(!variants->option("Stpl"));
        QVERIFY(!variants->option("FldA"));
        QVERIFY2(variants->option("cStpl")->choiceByName("True")->conflicts().isEmpty(),
                 "nothing to copy from a sub-group's Stpl");
        kOption *duplex = variants->option("Duplex");
        QVERIFY(duplex->isFromPpd());
        QCOMPARE(duplex->text(), QString("Two-Sided"));
        QCOMPARE(duplex->choices().at(1)->text(), QString("Long edge"));
        QCOMPARE(duplex->defaultChoice()->name(), QString("DuplexNoTumble"));
        QCOMPARE(duplex->markedChoice(), duplex->defaultChoice());
        QVERIFY(variants->hasRasterOrPdfFilter());
        QCOMPARE(variants->modelName(), QString("Quorvan Variants Test"));

        QScopedPointer<OptionStore> minimal(importFixture("ppd-minimal.ppd"));
        kOption *pageSize = minimal->option("PageSize");
        QStringList names;
        for (kChoice *choice : pageSize->choices())
            names << choice->name();
        QCOMPARE(names, QStringList({"A4", "Letter"}));
        QVERIFY2(!pageSize->defaultChoice(), "the default names no choice");
        QVERIFY(!pageSize->markedChoice());
        QVERIFY(!minimal->hasRasterOrPdfFilter());
    }

    void levels_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("level");
        QTest::newRow("Option17") << "Option17" << 0;
        QTest::newRow("TPXToggle") << "TPXToggle" << 0;
        QTest::newRow("Option01") << "Option01" << 1;
        QTest::newRow("ColorModel") << "ColorModel" << 2;
        QTest::newRow("MediaType") << "MediaType" << 3;
        QTest::newRow("TPXDuplex") << "TPXDuplex" << 4;
        QTest::newRow("ZVBooklet") << "ZVBooklet" << 5;
        QTest::newRow("cStpl") << "cStpl" << 6;
        QTest::newRow("cJobStore") << "cJobStore" << 7;
        QTest::newRow("cSuper") << "cSuper" << 8;
        QTest::newRow("OutputBin") << "OutputBin" << 9;
        QTest::newRow("Coll") << "Coll" << 10;
        QTest::newRow("not in the table") << "ZqManagment" << 99;
        QTest::newRow("program-made, not in the table") << "cEmail" << 99;
    }
    void levels()
    {
        QFETCH(QString, keyword);
        QFETCH(int, level);
        QScopedPointer<OptionStore> store(importFixture("ppd-rich.ppd"));
        QCOMPARE(store->option(keyword)->level(), level);
    }

    // Keywords of the level table match exactly: "Wtyp" is not "WTyp".
    void levelSpellings_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("level");
        QTest::newRow("Wtyp") << "Wtyp" << 99;
        QTest::newRow("Wang") << "Wang" << 3;
        QTest::newRow("Crep") << "Crep" << 3;
        QTest::newRow("Resolution") << "Resolution" << 5;
        QTest::newRow("cTriFld") << "cTriFld" << 6;
    }
    void levelSpellings()
    {
        QFETCH(QString, keyword);
        QFETCH(int, level);
        QScopedPointer<OptionStore> store(importFixture("ppd-threeway.ppd"));
        QVERIFY(store->option(keyword));
        QCOMPARE(store->option(keyword)->level(), level);
    }

    // Conflict partners that the copying and derived rules must produce.
    void copiedPartners_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("partners");
        QTest::newRow("cBiFld gets FldA=Bifold's partners")
            << "cBiFld=True" << QStringList{"Duplex=DuplexTumble", "cTriFld=True", "TPXDuplex=On"};
        QTest::newRow("cHole: partners of Pnch but None, once")
            << "cHole=True" << QStringList{"MediaType=Transparency"};
        QTest::newRow("cStpl") << "cStpl=True" << QStringList{"MediaType=Transparency"};
        QTest::newRow("Option18=None: weaker partners of Coll=False and the fixed ones")
            << "Option18=None"
            << QStringList{"OutputBin=Lower", "cCovBut=True", "cInsBut=True", "cIntBut=True",
                           "cJobStore=True", "cSuper=True", "ZVCollate1=Proof", "ZVCollate1=Store",
                           "cPrivatePrint=True", "cCustomBox=True"};
        QTest::newRow("TPXDuplex=On: weaker partners of both duplex choices")
            << "TPXDuplex=On"
            << QStringList{"TPXToggle=Off", "Duplex=None", "FldA=Bifold", "cBiFld=True"};
        QTest::newRow("Coll=False vs ZVCollate1 skipped")
            << "ZVCollate1=Proof" << QStringList{"Option18=None"};
    }
    void copiedPartners()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, partners);
        QScopedPointer<OptionStore> store(importFixture("ppd-rich.ppd"));
        kChoice *target = choiceOf(store.data(), choice);
        QVERIFY(target);
        QCOMPARE(sorted(partnerNames(target)), sorted(partners));
    }

    // Blocks after the given selections, each a re-marking, in order.
    void blockedAfterSelecting_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("selections");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("rules wait for the next marking")
            << "ppd-rich.ppd" << QStringList{} << "cIntBut=True" << false;
        QTest::newRow("media type re-marked blocks interleave")
            << "ppd-rich.ppd" << QStringList{"MediaType=Plain"} << "cIntBut=True" << true;
        QTest::newRow("transparency allows interleave")
            << "ppd-rich.ppd" << QStringList{"MediaType=Transparency"} << "cIntBut=True" << false;
        QTest::newRow("interleave blocks no media type")
            << "ppd-rich.ppd" << QStringList{"cIntBut=True"} << "MediaType=Plain" << false;
        QTest::newRow("cover vs interleave, equal levels")
            << "ppd-rich.ppd" << QStringList{"cIntBut=True"} << "cCovBut=True" << true;
        QTest::newRow("accounting toggle off blocks thriftink on")
            << "ppd-rich.ppd" << QStringList{"TPXToggle=Off"} << "TPXThriftink=On" << true;
        QTest::newRow("accounting toggle on blocks job storage")
            << "ppd-rich.ppd" << QStringList{"TPXToggle=On"} << "cJobStore=True" << true;
        QTest::newRow("PPD rule Coll/ZVCollate1 skipped")
            << "ppd-rich.ppd" << QStringList{"ZVCollate1=Store"} << "Coll=True" << false;
        QTest::newRow("PPD rule between Coll and another option kept")
            << "ppd-rich.ppd" << QStringList{"OutputBin=Lower"} << "Coll=False" << true;
        QTest::newRow("built-in three-way: booklet, no booklet unit, staple")
            << "ppd-rich.ppd" << QStringList{"ZVBooklet=Left", "Option22=False"} << "cStpl=True" << true;
        QTest::newRow("built-in three-way needs both")
            << "ppd-rich.ppd" << QStringList{"ZVBooklet=Left", "Option22=True"} << "cStpl=True" << false;
        QTest::newRow("cupsUIConstraints with mapped keywords")
            << "ppd-rich.ppd" << QStringList{"Duplex=DuplexNoTumble", "cBiFld=True"} << "cStpl=True" << true;
        QTest::newRow("cupsUIConstraints: two equal levels, the later is blocked")
            << "ppd-variants.ppd" << QStringList{"InputSlot=Manual", "Duplex=DuplexNoTumble"}
            << "Resolution=1200dpi" << true;
        QTest::newRow("cupsUIConstraints: member without choice still maps")
            << "ppd-variants.ppd" << QStringList{"InputSlot=Tray1", "Duplex=None"} << "cStpl=True" << true;
        QTest::newRow("cupsUIConstraints of two members: no rule")
            << "ppd-variants.ppd" << QStringList{"InputSlot=Manual"} << "Duplex=None" << false;
        QTest::newRow("cupsUIConstraints with two spaces: no rule")
            << "ppd-variants.ppd" << QStringList{"InputSlot=Tray1", "cTriFld=True"}
            << "Resolution=600dpi" << false;
        QTest::newRow("PPD rule with an empty choice adds nothing")
            << "ppd-rich.ppd" << QStringList{"Option8=False"} << "Duplex=DuplexTumble" << false;
        QTest::newRow("PPD rule beside it is kept")
            << "ppd-rich.ppd" << QStringList{"Option8=False"} << "Duplex=DuplexNoTumble" << true;
        QTest::newRow("cupsUIConstraints: Trifold as the choice maps")
            << "ppd-threeway.ppd" << QStringList{"InputSlot=Manual", "Resolution=600dpi"}
            << "cTriFld=True" << true;
        QTest::newRow("cupsUIConstraints: Stpl without a choice maps")
            << "ppd-threeway.ppd" << QStringList{"ColorModel=Gray", "MediaType=Thick"}
            << "cStpl=True" << true;
        QTest::newRow("cupsUIConstraints: Pnch with a choice it lacks maps")
            << "ppd-threeway.ppd" << QStringList{"ColorModel=Gray", "Duplex=DuplexTumble"}
            << "cHole=True" << true;
        QTest::newRow("cupsUIConstraints: one of two marked blocks nothing")
            << "ppd-threeway.ppd" << QStringList{"ColorModel=Gray"} << "cHole=True" << false;
        QTest::newRow("cupsUIConstraints of two members, both marked")
            << "ppd-threeway.ppd" << QStringList{"MediaType=Transparency", "Duplex=DuplexTumble"}
            << "MediaType=Transparency" << false;
        QTest::newRow("cupsUIConstraints of four members: no rule")
            << "ppd-threeway.ppd"
            << QStringList{"PageSize=Letter", "InputSlot=Tray2", "Resolution=1200dpi"}
            << "Duplex=DuplexNoTumble" << false;
        QTest::newRow("cupsUIConstraints: two spaces make an empty choice")
            << "ppd-threeway.ppd" << QStringList{"PageSize=Letter", "InputSlot=Tray2"}
            << "cBiFld=True" << false;
        QTest::newRow("cupsUIConstraints of equal levels: the last member")
            << "ppd-threeway.ppd" << QStringList{"Wang=45", "MediaType=Transparency"}
            << "Crep=True" << true;
        QTest::newRow("cupsUIConstraints of equal levels: one marked blocks nothing")
            << "ppd-threeway.ppd" << QStringList{"Wang=45"} << "MediaType=Transparency" << false;
        QTest::newRow("rule naming a sub-group option adds nothing")
            << "ppd-variants.ppd" << QStringList{"InputSlot=Manual", "Duplex=None"} << "cStpl=True" << false;
    }
    void blockedAfterSelecting()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, selections);
        QFETCH(QString, target);
        QFETCH(bool, blocked);
        QScopedPointer<OptionStore> store(importFixture(fixture));
        QVERIFY(store);
        for (const QString &selection : selections) {
            kChoice *choice = choiceOf(store.data(), selection);
            QVERIFY2(choice, qPrintable(selection));
            choice->owner()->select(choice);
        }
        kChoice *choice = choiceOf(store.data(), target);
        QVERIFY2(choice, qPrintable(target));
        QCOMPARE(choice->isConstrained(), blocked);
    }

    void finishingKeywords_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("Bifold") << "Bifold" << "cBiFld";
        QTest::newRow("Trifold") << "Trifold" << "cTriFld";
        QTest::newRow("Stpl") << "Stpl" << "cStpl";
        QTest::newRow("Pnch") << "Pnch" << "cHole";
        QTest::newRow("other") << "bifold" << "bifold";
    }
    void finishingKeywords()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        finishingKeywordToOption(in);
        QCOMPARE(in, out);
    }
};

QTEST_GUILESS_MAIN(TestPpdImport)
#include "tst_ppdimport.moc"
