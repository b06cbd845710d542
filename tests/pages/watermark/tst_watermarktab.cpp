// The Watermark page on stores from the sample queue's PPD and variants of
// it: stored custom watermarks and what the text list makes of them, the
// record a PPD default stands for, New, Save and Delete, the colour list by
// PPD, the section switches and what the page reports on Apply.
#include "pages/pagefixture.h"
#include "watermarkfixture.h"

#include "fixturestore.h"
#include "optioncollector.h"
#include "watermarktab.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExpValidator>
#include <QStandardItemModel>

using namespace pagefixture;
using namespace watermarkfixture;

namespace {
using ReportedHash = QHash<QString, QString>;
using PpdEdits = QHash<QString, QString>;

const QString storeKey = QStringLiteral("CustomWatermarkStore=");

// The records of the page in their stored form, sorted.
QStringList storedForms(const WatermarkTab &page)
{
    QStringList forms;
    for (auto it = page.customWatermarks.constBegin(); it != page.customWatermarks.constEnd(); ++it)
        forms << CustomWatermarkFormat::storedLine(it.key(), it.value());
    forms.sort();
    return forms;
}

QStringList sortedValues(const QHash<QString, QString> &snapshot, const QString &key)
{
    QStringList values = snapshot.values(key);
    values.sort();
    return values;
}

bool itemGreyed(const QComboBox *list, const QString &text)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(list->model());
    const QStandardItem *item = model->item(list->findText(text));
    return !(item->flags() & Qt::ItemIsEnabled);
}

// The lines of the sample PPD that give Wclr its colours but one.
const PpdEdits singleColour = {{"*Wclr Green/Green: \"\"", ""},
                                              {"*Wclr Blue/Blue: \"\"", ""},
                                              {"*Wclr Black/Black: \"\"", ""},
                                              {"*DefaultWclr: Black", "*DefaultWclr: Red"}};
}

class WatermarkTabTest : public PageTest
{
    Q_OBJECT

    // A page on the sample PPD (or the edited one), reloaded from these
    // settings-file lines, in this order.
    void load(WatermarkTab &page, const QStringList &lines = {}, const QString &ppd = samplePpd)
    {
        useStore(storeFromPpd(ppd), m_dir);
        if (!lines.isEmpty())
            fixturestore::writeSettings(lines);
        page.reload();
    }

    void typeCustomText(WatermarkTab &page, const QString &text)
    {
        page.lnEditCustomWatermark->clear();
        QTest::keyClicks(page.lnEditCustomWatermark, text);
        QCOMPARE(page.lnEditCustomWatermark->text(), text);
    }

    void select(QComboBox *list, const QString &text)
    {
        const int item = list->findText(text);
        QVERIFY2(item >= 0, qPrintable(text));
        list->setCurrentIndex(item);
    }

private slots:
    void supported_data()
    {
        QTest::addColumn<QStringList>("drop");
        QTest::addColumn<bool>("supported");
        const QStringList keywords = {"Wren", "Wtxt", "Wfnt", "Wsze", "Wclr", "Wang", "Wtrans", "Wtyp", "Wflg",
                                      "ZVSuperWatermark"};
        QTest::newRow("every watermark option") << QStringList() << true;
        QTest::newRow("none of them") << keywords << false;
        QTest::newRow("the super watermark alone") << QStringList(keywords.mid(0, keywords.size() - 1)) << true;
        QTest::newRow("the repeat option alone") << QStringList(keywords).replaceInStrings("Wflg", "ColorModel") << true;
    }

    void supported()
    {
        QFETCH(QStringList, drop);
        QFETCH(bool, supported);
        WatermarkTab page;
        QVERIFY(!page.isSupported());
        useStore(storeFromPpd(writeVariant(m_dir, samplePpd, drop)), m_dir);
        QCOMPARE(page.isSupported(), supported);
    }

    void storedRecords_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("records");
        const QString memo = QStringLiteral("Memo=0 8 3 23 0 0 1");
        QTest::newRow("one record") << QStringList{storeKey + memo} << QStringList{"Memo"} << QStringList{memo};
        QTest::newRow("the later line of a name wins")
            << QStringList{storeKey + memo, storeKey + "Memo=1 2 1 4 1 1 0"} << QStringList{"Memo"}
            << QStringList{"Memo=1 2 1 4 1 1 0"};
        QTest::newRow("sorted by code units")
            << QStringList{storeKey + "zeta=0 0 0 0 0 0 0", storeKey + "Alpha=0 0 0 0 0 0 0",
                           storeKey + "beta=0 0 0 0 0 0 0"}
            << QStringList{"Alpha", "beta", "zeta"}
            << QStringList{"Alpha=0 0 0 0 0 0 0", "beta=0 0 0 0 0 0 0", "zeta=0 0 0 0 0 0 0"};
        QTest::newRow("a reserved name alone: the separator only")
            << QStringList{storeKey + "CONFIDENTIAL=1 1 1 1 1 1 1"} << QStringList()
            << QStringList{"CONFIDENTIAL=1 1 1 1 1 1 1"};
        QTest::newRow("reserved names are not listed")
            << QStringList{storeKey + "DRAFT=0 0 0 0 0 0 0", storeKey + memo, storeKey + "DO NOT PHOTOCOPY=0 0 0 0 0 0 0"}
            << QStringList{"Memo"} << QStringList{"DO NOT PHOTOCOPY=0 0 0 0 0 0 0", "DRAFT=0 0 0 0 0 0 0", memo};
        QTest::newRow("names holding = and placeholders")
            << QStringList{storeKey + "a=b=0 8 3 23 0 0 1", storeKey + "%1 %2=0 8 3 23 0 0 1"}
            << QStringList{"%1 %2", "a=b"} << QStringList{"%1 %2=0 8 3 23 0 0 1", "a=b=0 8 3 23 0 0 1"};
        QTest::newRow("broken lines")
            << QStringList{storeKey + "no equals sign 0 8 3", storeKey + "=0 8 3 23 0 0 1", storeKey + "Short=5",
                           storeKey + "Odd=x 8 -2"}
            << QStringList{"Odd", "Short"} << QStringList{"Odd=0 8 -2 0 0 0 0", "Short=5 0 0 0 0 0 0"};
        QTest::newRow("nothing stored, a printer text by default")
            << QStringList{"Wren=False"} << QStringList{"<no separator>"} << QStringList();
    }

    void storedRecords()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, records);
        WatermarkTab page;
        load(page, lines);
        QCOMPARE(customItems(page.cmbBxWtxt), listed);
        QCOMPARE(storedForms(page), records);
        // Written back unchanged while the watermark is off.
        QVERIFY(!page.chkButWatermark->isChecked());
        QCOMPARE(sortedValues(page.getExtraOptions(), "CustomWatermarkStore"), records);
    }

    // Only a default named "Custom." and a text gives a record, named by the
    // text. libcups renames such a choice "_Custom....", so the text option
    // is built here as an import could hand it over.
    void recordFromTheDefault_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a custom default") << "Custom.Memo" << QStringList{"Memo=0 8 3 23 0 0 0"} << "Memo";
        QTest::newRow("a built-in default") << "Draft" << QStringList() << "DRAFT";
        QTest::newRow("no default choice") << "" << QStringList() << "CONFIDENTIAL";
        QTest::newRow("a short other name") << "Short" << QStringList() << "Short text";
        QTest::newRow("a long other name") << "Urgent12345" << QStringList() << "Urgent12345 text";
        QTest::newRow("the prefix alone") << "Custom." << QStringList() << "Custom. text";
    }

    void recordFromTheDefault()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, records);
        QFETCH(QString, shown);
        useStore(storeFromPpd(samplePpd), m_dir);
        fixturestore::writeSettings({"Wren=True"});
        auto *text = new kOption(QStringLiteral("Wtxt"), QStringLiteral("Watermark text"));
        text->setFromPpd(true);
        const QStringList names = {"Confidential", "Original", "Copy", "DoNotPhotoCopy", "Draft", "Final", "Proof"};
        const QStringList texts = {"CONFIDENTIAL", "ORIGINAL", "COPY", "DO NOT PHOTOCOPY", "DRAFT", "FINAL", "PROOF"};
        for (int i = 0; i < names.size(); ++i)
            text->addChoice(names.at(i), texts.at(i));
        if (!choice.isEmpty() && !names.contains(choice))
            text->addChoice(choice, choice + QStringLiteral(" text"));
        text->setDefault(text->choiceByName(choice));
        currentOptionStore->addOption(text);

        WatermarkTab page;
        page.reload();
        QCOMPARE(storedForms(page), records);
        QCOMPARE(customItems(page.cmbBxWtxt), records.isEmpty() ? QStringList{"<no separator>"} : QStringList{"Memo"});
        QCOMPARE(page.cmbBxWtxt->currentText(), shown);
        QCOMPARE(page.lnEditCustomWatermark->text(), records.isEmpty() ? QString() : shown);

        // Once a text is stored the default no longer picks the record.
        if (!records.isEmpty()) {
            fixturestore::writeSettings({"Wren=True", "Wtxt=Copy", storeKey + records.first()});
            page.reload();
            QCOMPARE(page.cmbBxWtxt->currentText(), QString("COPY"));
        }
    }

    void renamedCustomDefault()
    {
        // What libcups makes of a PPD default "Custom.Memo": a choice
        // "_Custom.Memo", no custom record.
        WatermarkTab page;
        load(page, {"Wren=True"},
             editedPpd(m_dir, {{"*DefaultWtxt: Confidential", "*DefaultWtxt: Custom.Memo\n*Wtxt Custom.Memo/Memo: \"\""}}));
        QCOMPARE(currentOptionStore->option("Wtxt")->defaultName(), QString("_Custom.Memo"));
        QCOMPARE(storedForms(page), QStringList());
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"<no separator>"});
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Memo"));
        // The printer's own choice; collecting with the watermark on would
        // first keep the controls under the shown text.
        QCOMPARE(markedName("Wtxt"), QString("_Custom.Memo"));
    }

    void selectionRestoresTheControls_data()
    {
        QTest::addColumn<bool>("fourColours");
        QTest::addColumn<int>("colour");
        QTest::newRow("four colours") << true << 3;
        QTest::newRow("one colour") << false << 0;
    }

    void selectionRestoresTheControls()
    {
        QFETCH(bool, fourColours);
        QFETCH(int, colour);
        WatermarkTab page;
        load(page, {"Wren=True", storeKey + "Memo=2 8 3 23 1 1 1"},
             fourColours ? samplePpd : editedPpd(m_dir, singleColour));
        QCOMPARE(page.cmbBxClr->count(), fourColours ? 4 : 2);
        select(page.cmbBxWtxt, "Memo");
        QCOMPARE(page.lnEditCustomWatermark->text(), QString("Memo"));
        QCOMPARE(page.cmbBxWFnt->currentIndex(), 2);
        QCOMPARE(page.cmbBxWsze->currentIndex(), 8);
        QCOMPARE(page.cmbBxClr->currentIndex(), colour);
        QCOMPARE(page.cmbBxWang->currentIndex(), 23);
        QCOMPARE(page.cmbBxWtrans->currentIndex(), 1);
        QCOMPARE(page.cmbBxWtyp->currentIndex(), 1);
        QVERIFY(page.chkBxWFlg->isChecked());
        // The controls are marked in the store as the user's own change would.
        QCOMPARE(markedName("Wfnt"), QString("Serif"));
        QCOMPARE(markedName("Wtrans"), QString("Opaque"));

        // A printer text: the defaults, and no custom text.
        select(page.cmbBxWtxt, "DRAFT");
        QCOMPARE(page.lnEditCustomWatermark->text(), QString());
        QCOMPARE(page.cmbBxWFnt->currentIndex(), 0);
        QCOMPARE(page.cmbBxClr->currentIndex(), fourColours ? 3 : 0);
        QCOMPARE(page.cmbBxWtrans->currentIndex(), 0);
        QVERIFY(!page.chkBxWFlg->isChecked());
    }

    void buttonEnabling_data()
    {
        QTest::addColumn<bool>("watermarkOn");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("newOn");
        QTest::addColumn<bool>("saveOn");
        QTest::addColumn<bool>("deleteOn");
        QTest::newRow("nothing typed") << true << "" << false << true << false;
        QTest::newRow("a printer text") << true << "DRAFT" << false << true << false;
        QTest::newRow("a stored name") << true << "Memo" << false << true << true;
        QTest::newRow("a new name") << true << "Fresh" << true << true << false;
        QTest::newRow("a stored name in other case") << true << "memo" << true << true << false;
        QTest::newRow("a stored reserved name") << true << "FINAL" << false << true << true;
    }

    void buttonEnabling()
    {
        QFETCH(bool, watermarkOn);
        QFETCH(QString, typed);
        QFETCH(bool, newOn);
        QFETCH(bool, saveOn);
        QFETCH(bool, deleteOn);
        WatermarkTab page;
        load(page, {watermarkOn ? "Wren=True" : "Wren=False", storeKey + "Memo=0 8 3 23 0 0 0",
                    storeKey + "FINAL=0 8 3 23 0 0 0"});
        typeCustomText(page, typed);
        QCOMPARE(page.butNewCustomWatermark->isEnabled(), newOn);
        QCOMPARE(page.butSaveCustomWatermark->isEnabled(), saveOn);
        QCOMPARE(page.butDeleteCustomWatermark->isEnabled(), deleteOn);
    }

    // After the field the keyboard reaches the buttons that can be used.
    void focusOrder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("a new name") << "Fresh" << QStringList{"butNewCustomWatermark", "butSaveCustomWatermark"};
        QTest::newRow("a stored name") << "Memo" << QStringList{"butDeleteCustomWatermark", "butSaveCustomWatermark"};
        QTest::newRow("a printer text") << "DRAFT" << QStringList();
        QTest::newRow("nothing typed") << "" << QStringList();
    }

    void focusOrder()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, order);
        WatermarkTab page;
        load(page, {"Wren=True", storeKey + "Memo=0 8 3 23 0 0 0"});
        typeCustomText(page, typed);
        QStringList reached;
        for (QWidget *next = page.lnEditCustomWatermark->nextInFocusChain(); next != page.chkBxWFlg;
             next = next->nextInFocusChain()) {
            QVERIFY2(next != page.lnEditCustomWatermark && reached.size() < 10, qPrintable(reached.join(' ')));
            reached << next->accessibleName();
        }
        QCOMPARE(reached, order);
    }

    void sectionOffAfterReload()
    {
        // Stored with a custom text shown but the section off: nothing of it
        // can be used, New, Save and Delete included.
        WatermarkTab page;
        load(page, {"Wren=False", storeKey + "Memo=0 8 3 23 0 0 0", "CustomWatermarkSet=Memo"});
        for (QWidget *widget : std::initializer_list<QWidget *>{
                 page.butNewCustomWatermark, page.butSaveCustomWatermark, page.butDeleteCustomWatermark,
                 page.cmbBxWtxt, page.cmbBxWFnt, page.cmbBxClr, page.lnEditCustomWatermark, page.chkBxWFlg})
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->accessibleName()));
        QCOMPARE(page.cmbBxWtxt->currentIndex(), 0);
        QCOMPARE(markedName("Wren"), QString("False"));
    }

    void newSaveAndDelete()
    {
        WatermarkTab page;
        load(page, {"Wren=True"});
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"<no separator>"});

        // New keeps the controls under the typed name and shows it.
        page.cmbBxWFnt->setCurrentIndex(2);
        page.chkBxWFlg->setChecked(true);
        typeCustomText(page, "Fresh");
        page.butNewCustomWatermark->click();
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"Fresh"});
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Fresh"));
        QCOMPARE(storedForms(page), QStringList{"Fresh=2 8 3 23 0 0 1"});
        QVERIFY(!page.butNewCustomWatermark->isEnabled());
        QVERIFY(page.butDeleteCustomWatermark->isEnabled());

        // Save keeps the changed controls; with another name it renames.
        page.cmbBxWsze->setCurrentIndex(3);
        page.butSaveCustomWatermark->click();
        QCOMPARE(storedForms(page), QStringList{"Fresh=2 3 3 23 0 0 1"});
        typeCustomText(page, "Renamed");
        page.butSaveCustomWatermark->click();
        QCOMPARE(storedForms(page), QStringList{"Renamed=2 3 3 23 0 0 1"});
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"Renamed"});
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Renamed"));

        // Delete takes it away and goes back to the first text.
        page.butDeleteCustomWatermark->click();
        QCOMPARE(storedForms(page), QStringList());
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"<no separator>"});
        QCOMPARE(page.cmbBxWtxt->currentIndex(), 0);

        // Save with nothing typed keeps the controls for a printer text,
        // which stays a printer text.
        select(page.cmbBxWtxt, "DRAFT");
        page.cmbBxWang->setCurrentIndex(5);
        QCOMPARE(page.lnEditCustomWatermark->text(), QString());
        page.butSaveCustomWatermark->click();
        QCOMPARE(storedForms(page), QStringList{"DRAFT=0 8 3 5 0 0 0"});
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList());
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("DRAFT"));
        QCOMPARE(page.getOptions().value("Wtxt"), QString("Draft"));
    }

    void saveWithoutAName()
    {
        // The stored text is gone: the list has no current item, nothing is typed.
        WatermarkTab page;
        load(page, {"Wren=True", "CustomWatermarkSet=Gone"});
        QCOMPARE(page.cmbBxWtxt->currentIndex(), -1);
        page.butSaveCustomWatermark->click();
        QCOMPARE(storedForms(page), QStringList());
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"<no separator>"});
        QVERIFY(page.getExtraOptions().isEmpty());
    }

    void reported_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("size");
        QTest::addColumn<ReportedHash>("options");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("set");
        const ReportedHash defaults = {{"Wren", "False"}, {"Wtxt", "Confidential"}, {"Wfnt", "Sans"},
                                       {"Wsze", "48"},    {"Wclr", "Black"},        {"Wang", "45"},
                                       {"Wtrans", "Transparent"}, {"Wtyp", "Outline"}, {"Wflg", "False"},
                                       {"cSuper", "False"}, {"ZVSuperWatermark", "None"}};
        QTest::newRow("watermark off: records as they were")
            << QStringList{"Wren=False", storeKey + "Memo=1 2 1 4 1 1 1"} << QString() << -1 << defaults
            << QStringList{"Memo=1 2 1 4 1 1 1"} << QString();
        ReportedHash draft = defaults;
        draft["Wren"] = "True";
        draft["Wtxt"] = "Draft";
        draft["Wsze"] = "20";
        QTest::newRow("a printer text: kept under its text")
            << QStringList{"Wren=True", storeKey + "Memo=1 2 1 4 1 1 1"} << "DRAFT" << 2 << draft
            << QStringList{"DRAFT=0 2 3 23 0 0 0", "Memo=1 2 1 4 1 1 1"} << "DRAFT";
        ReportedHash memo = defaults;
        memo["Wren"] = "True";
        memo["Wtxt"] = "\"Memo\"";
        memo["Wfnt"] = "SansBold";
        memo["Wsze"] = "56";
        memo["Wclr"] = "Green";
        memo["Wang"] = "-50";
        memo["Wtrans"] = "Opaque";
        memo["Wtyp"] = "Solid";
        memo["Wflg"] = "True";
        QTest::newRow("a custom text: its printer form, the shown controls kept")
            << QStringList{"Wren=True", storeKey + "Memo=1 2 1 4 1 1 1", "CustomWatermarkSet=Memo"} << "Memo" << 9
            << memo << QStringList{"Memo=1 9 1 4 1 1 1"} << "Memo";
    }

    void reported()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, shown);
        QFETCH(int, size);
        QFETCH(ReportedHash, options);
        QFETCH(QStringList, records);
        QFETCH(QString, set);
        WatermarkTab page;
        load(page, lines);
        if (!shown.isEmpty())
            select(page.cmbBxWtxt, shown);
        if (size >= 0)
            page.cmbBxWsze->setCurrentIndex(size);
        QCOMPARE(page.getOptions(), options);
        const QHash<QString, QString> extra = page.getExtraOptions();
        QCOMPARE(sortedValues(extra, "CustomWatermarkStore"), records);
        QCOMPARE(extra.value("CustomWatermarkSet"), set);
        QCOMPARE(extra.count("CustomWatermarkSet"), set.isEmpty() ? 0 : 1);
        QCOMPARE(extra.keys().toSet(), (set.isEmpty() ? QSet<QString>{"CustomWatermarkStore"}
                                                      : QSet<QString>{"CustomWatermarkStore", "CustomWatermarkSet"}));
    }

    // Whatever collects the settings (Apply, OK, a profile) sends the text
    // the page shows once the controls are kept, a name typed without New
    // included; a second collection gives the same, and the records are
    // those one Save leaves.
    void collectedTextIsTheShownOne_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("records");
        const QStringList memoShown = {"Wren=True", storeKey + "Memo=2 3 1 4 1 1 1", "CustomWatermarkSet=Memo"};
        QTest::newRow("a name typed over a printer text")
            << QStringList{"Wren=True"} << "For you only" << "For you only" << "\"For\\ you\\ only\""
            << QStringList{"For you only=0 8 3 23 0 0 0"};
        QTest::newRow("a name typed over a printer text with a record: renamed")
            << QStringList{"Wren=True", storeKey + "CONFIDENTIAL=1 1 1 1 1 1 1"} << "Memo" << "Memo" << "\"Memo\""
            << QStringList{"Memo=1 1 1 1 1 1 1"};
        QTest::newRow("a name typed over a custom text: renamed")
            << memoShown << "Renamed" << "Renamed" << "\"Renamed\"" << QStringList{"Renamed=2 3 1 4 1 1 1"};
        QTest::newRow("a printer text typed over a custom text")
            << memoShown << "DRAFT" << "DRAFT" << "Draft" << QStringList{"DRAFT=2 3 1 4 1 1 1"};
        QTest::newRow("the field emptied on a custom text")
            << memoShown << "" << "Memo" << "\"Memo\"" << QStringList{"Memo=2 3 1 4 1 1 1"};
    }

    void collectedTextIsTheShownOne()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, text);
        QFETCH(QStringList, records);
        {
            // The reference: one Save pressed.
            WatermarkTab saved;
            load(saved, lines);
            typeCustomText(saved, typed);
            saved.butSaveCustomWatermark->click();
            QCOMPARE(storedForms(saved), records);
            QCOMPARE(saved.cmbBxWtxt->currentText(), shown);
        }

        WatermarkTab page;
        load(page, lines);
        typeCustomText(page, typed);
        QList<Tab *> pages{&page};
        OptionCollector collector;
        collector.setTabs(&pages);
        const SettingsSnapshot first = *collector.collect();
        QCOMPARE(page.cmbBxWtxt->currentText(), shown);
        QCOMPARE(QStringList(first.values("Wtxt")), QStringList{text});
        QCOMPARE(QStringList(first.values("CustomWatermarkSet")), QStringList{shown});
        QCOMPARE(sortedValues(first, "CustomWatermarkStore"), records);
        QCOMPARE(storedForms(page), records);

        const SettingsSnapshot second = *collector.collect();
        QVERIFY(second == first);
        QCOMPARE(storedForms(page), records);
        QCOMPARE(page.cmbBxWtxt->currentText(), shown);
    }

    // A colour list of other than four items shows a record's colour as its
    // first item: the controls the first keeping leaves are those sent, and
    // a second collection changes nothing.
    void collectedTwiceOnAShortColourList()
    {
        WatermarkTab page;
        load(page, {"Wren=True"}, editedPpd(m_dir, singleColour));
        select(page.cmbBxClr, "Black");
        typeCustomText(page, "Memo");
        QList<Tab *> pages{&page};
        OptionCollector collector;
        collector.setTabs(&pages);
        const SettingsSnapshot first = *collector.collect();
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Memo"));
        QCOMPARE(page.cmbBxClr->currentText(), QString("Red"));
        QCOMPARE(QStringList(first.values("Wtxt")), QStringList{"\"Memo\""});
        QCOMPARE(QStringList(first.values("Wclr")), QStringList{"Red"});
        QCOMPARE(QStringList(first.values("CustomWatermarkStore")), QStringList{"Memo=0 8 0 23 0 0 0"});
        QVERIFY(*collector.collect() == first);
    }

    void keptInAProfile()
    {
        // Collected as the dialogs collect, written as a profile with its
        // header, loaded into a page of another start.
        QStringList profileForms;
        const QString profile = m_dir.filePath(QStringLiteral("Weekly memo.cfg"));
        {
            WatermarkTab page;
            load(page, {"Wren=True", storeKey + "zeta=0 8 3 23 0 0 0", storeKey + "a=b=1 1 1 1 1 1 1"});
            typeCustomText(page, "Memo 2");
            page.cmbBxWtyp->setCurrentIndex(1);
            page.butNewCustomWatermark->click();
            QList<Tab *> pages{&page};
            OptionCollector collector;
            collector.setTabs(&pages);
            QVERIFY(writeProfileFileWithDescription(profile, *collector.collect(), false, "Every week"));
            profileForms = storedForms(page);
        }
        QCOMPARE(profileForms, QStringList({"Memo 2=0 8 3 23 0 1 0", "a=b=1 1 1 1 1 1 1", "zeta=0 8 3 23 0 0 0"}));

        activeSettingsPath = profile;
        WatermarkTab page;
        page.reload();
        QCOMPARE(storedForms(page), profileForms);
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList({"Memo 2", "a=b", "zeta"}));
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Memo 2"));
        QCOMPARE(page.cmbBxWtyp->currentIndex(), 1);
        QCOMPARE(page.getOptions().value("Wtxt"), QString("\"Memo\\ 2\""));

        // Factory defaults: nothing to read, no records.
        activeSettingsPath = userDataDir;
        page.reload();
        QCOMPARE(storedForms(page), QStringList());
        QCOMPARE(customItems(page.cmbBxWtxt), QStringList{"<no separator>"});
        QVERIFY(!page.chkButWatermark->isChecked());
    }

    void colourList_data()
    {
        QTest::addColumn<PpdEdits>("edits");
        QTest::addColumn<QStringList>("drop");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("shown");
        QTest::newRow("four colours") << PpdEdits() << QStringList()
                                      << QStringList{"Red", "Green", "Blue", "Black"} << true << "Black";
        QTest::newRow("one colour") << singleColour << QStringList() << QStringList{"Red", "Black"} << true << "Red";
        QTest::newRow("no colour option") << PpdEdits() << QStringList{"Wclr"} << QStringList{"Black"}
                                          << true << "Black";
        QTest::newRow("no colour printing") << singleColour << QStringList{"ColorModel"}
                                            << QStringList{"Red", "Black"} << false << "Black";
        QTest::newRow("four colours, no colour printing") << PpdEdits() << QStringList{"ColorModel"}
                                                          << QStringList{"Red", "Green", "Blue", "Black"} << false
                                                          << "Black";
    }

    void colourList()
    {
        QFETCH(PpdEdits, edits);
        QFETCH(QStringList, drop);
        QFETCH(QStringList, items);
        QFETCH(bool, enabled);
        QFETCH(QString, shown);
        QString ppd = edits.isEmpty() ? samplePpd : editedPpd(m_dir, edits);
        if (!drop.isEmpty())
            ppd = writeVariant(m_dir, ppd, drop);
        WatermarkTab page;
        load(page, {"Wren=True"}, ppd);
        QCOMPARE(itemTexts(page.cmbBxClr), items);
        QCOMPARE(page.cmbBxClr->isEnabled(), enabled);
        QCOMPARE(page.lblWClr->isEnabled(), enabled);
        QCOMPARE(page.cmbBxClr->currentText(), shown);
        // Another text leaves a locked list where it is.
        select(page.cmbBxWtxt, "DRAFT");
        QCOMPARE(page.cmbBxClr->currentText(), shown);
    }

    // A detail the PPD lacks leaves an empty list: it stays off with its
    // caption while the watermark is on, after a reload and after the button
    // is switched off and on. The colour list holding only the added black
    // stays on, as the colour printing allows.
    void detailsThePpdLacks_data()
    {
        QTest::addColumn<QStringList>("drop");
        QTest::addColumn<QStringList>("off");
        QTest::newRow("every detail") << QStringList() << QStringList();
        QTest::newRow("no font") << QStringList{"Wfnt"} << QStringList{"Wfnt"};
        QTest::newRow("no size, no angle") << QStringList{"Wsze", "Wang"} << QStringList{"Wsze", "Wang"};
        QTest::newRow("no style, no fill, no repeat")
            << QStringList{"Wtrans", "Wtyp", "Wflg"} << QStringList{"Wtrans", "Wtyp", "Wflg"};
        QTest::newRow("no colour: black alone") << QStringList{"Wclr"} << QStringList();
        QTest::newRow("no colour, no switch: nothing to show")
            << QStringList{"Wclr", "Wren"} << QStringList{"Wclr"};
        QTest::newRow("none of the details")
            << QStringList{"Wfnt", "Wsze", "Wclr", "Wang", "Wtrans", "Wtyp", "Wflg"}
            << QStringList{"Wfnt", "Wsze", "Wang", "Wtrans", "Wtyp", "Wflg"};
    }

    void detailsThePpdLacks()
    {
        QFETCH(QStringList, drop);
        QFETCH(QStringList, off);
        WatermarkTab page;
        load(page, {"Wren=True"}, writeVariant(m_dir, samplePpd, drop));
        // Without its option the button is not loaded: switched on by hand.
        if (!page.chkButWatermark->isChecked())
            page.chkButWatermark->iconButton()->click();
        QVERIFY(page.chkButWatermark->isChecked());
        const QStringList details = {"Wfnt", "Wsze", "Wclr", "Wang", "Wtrans", "Wtyp", "Wflg"};
        // Each detail as "keyword: list on|off, caption on|off".
        const auto shown = [&]() {
            QStringList states;
            for (const QString &keyword : details) {
                states << QStringLiteral("%1: list %2, caption %3")
                              .arg(keyword, page.optionWidgets.value(keyword)->isEnabled() ? "on" : "off",
                                   page.labelWidgets.value(keyword)->isEnabled() ? "on" : "off");
            }
            return states;
        };
        const auto showing = [&](bool watermarkOn) {
            QStringList states;
            for (const QString &keyword : details) {
                const char *state = watermarkOn && !off.contains(keyword) ? "on" : "off";
                states << QStringLiteral("%1: list %2, caption %2").arg(keyword, state);
            }
            return states;
        };
        QCOMPARE(shown(), showing(true));
        QVERIFY(page.cmbBxWtxt->isEnabled());

        page.chkButWatermark->iconButton()->click();
        QCOMPARE(shown(), showing(false));
        page.chkButWatermark->iconButton()->click();
        QCOMPARE(shown(), showing(true));
    }

    void greyPrintingGreysTheColours()
    {
        WatermarkTab page;
        load(page, {"Wren=True"});
        // Reloads add nothing: the rules stand once.
        page.reload();
        page.reload();
        select(page.cmbBxClr, "Red");
        QCOMPARE(markedName("Wclr"), QString("Red"));
        kChoice *gray = currentOptionStore->option("ColorModel")->choiceByName("Gray");
        int rules = 0;
        for (const OptionChoice &partner : gray->conflicts())
            rules += partner.first->keyword() == QLatin1String("Wclr") ? 1 : 0;
        QCOMPARE(rules, 3);

        currentOptionStore->selectChoice("ColorModel", "Gray");
        QVERIFY(page.enableOptions());
        for (const char *colour : {"Red", "Green", "Blue"}) {
            QVERIFY2(isBlocked("Wclr", colour), colour);
            QVERIFY2(itemGreyed(page.cmbBxClr, colour), colour);
        }
        QVERIFY(!itemGreyed(page.cmbBxClr, "Black"));
        QCOMPARE(page.cmbBxClr->currentText(), QString("Black"));
        QCOMPARE(markedName("Wclr"), QString("Black"));

        currentOptionStore->selectChoice("ColorModel", "CMYK");
        QVERIFY(!page.enableOptions());
        QVERIFY(!itemGreyed(page.cmbBxClr, "Red"));
    }

    void switchingTheWatermarkOff()
    {
        WatermarkTab page;
        load(page, {"Wren=True", "Wflg=True", storeKey + "Memo=2 3 1 4 1 1 1", "CustomWatermarkSet=Memo"});
        QCOMPARE(page.cmbBxWtxt->currentText(), QString("Memo"));
        QCOMPARE(page.lnEditCustomWatermark->text(), QString("Memo"));
        QVERIFY(page.chkBxWFlg->isChecked());
        QVERIFY(page.butSaveCustomWatermark->isEnabled());

        page.chkButWatermark->iconButton()->click();
        QVERIFY(!page.chkButWatermark->isChecked());
        QCOMPARE(page.cmbBxWtxt->currentIndex(), 0);
        QCOMPARE(page.cmbBxWFnt->currentIndex(), 0);
        QCOMPARE(page.cmbBxWsze->currentIndex(), 8);
        QCOMPARE(page.cmbBxClr->currentIndex(), 3);
        QCOMPARE(page.cmbBxWang->currentIndex(), 23);
        QCOMPARE(page.cmbBxWtrans->currentIndex(), 0);
        QCOMPARE(page.cmbBxWtyp->currentIndex(), 0);
        QCOMPARE(page.lnEditCustomWatermark->text(), QString());
        QVERIFY(!page.chkBxWFlg->isChecked());
        QCOMPARE(markedName("Wren"), QString("False"));
        QCOMPARE(markedName("Wtxt"), QString("Confidential"));
        for (QWidget *widget : std::initializer_list<QWidget *>{
                 page.butNewCustomWatermark, page.butSaveCustomWatermark, page.butDeleteCustomWatermark,
                 page.cmbBxWtxt, page.lblWtxt, page.cmbBxWang, page.lnEditCustomWatermark, page.chkBxWFlg})
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->accessibleName()));
        // The record itself stays as it was.
        QCOMPARE(storedForms(page), QStringList{"Memo=2 3 1 4 1 1 1"});

        page.chkButWatermark->iconButton()->click();
        QCOMPARE(markedName("Wren"), QString("True"));
        QVERIFY(page.cmbBxWtxt->isEnabled());
        QVERIFY(page.butSaveCustomWatermark->isEnabled());
    }

    void superWatermark()
    {
        WatermarkTab page;
        load(page, {"cSuper=True", "ZVSuperWatermark=Mesh"});
        QVERIFY(page.chkButSuperWatermark->isEnabled());
        QVERIFY(page.chkButSuperWatermark->isChecked());
        QCOMPARE(itemTexts(page.cmbBxSuperWatermark), QStringList({"Wave pattern", "Mesh pattern"}));
        QCOMPARE(page.cmbBxSuperWatermark->currentText(), QString("Mesh pattern"));
        QCOMPARE(page.getOptions().value("ZVSuperWatermark"), QString("Mesh"));

        page.chkButSuperWatermark->iconButton()->click();
        QCOMPARE(page.cmbBxSuperWatermark->currentIndex(), 0);
        QVERIFY(!page.cmbBxSuperWatermark->isEnabled());
        QVERIFY(!page.lblSuperWatermark->isEnabled());
        QCOMPARE(page.getOptions().value("ZVSuperWatermark"), QString("None"));
        QCOMPARE(page.getOptions().value("cSuper"), QString("False"));
        QCOMPARE(markedName("ZVSuperWatermark"), QString("None"));

        // A button that cannot be used reports what its list shows.
        page.chkButSuperWatermark->setEnabled(false);
        QCOMPARE(page.getOptions().value("ZVSuperWatermark"), QString("Wave"));
    }

    void withoutTheSuperWatermark()
    {
        WatermarkTab page;
        load(page, {"cSuper=True", "ZVSuperWatermark=Mesh"}, writeVariant(m_dir, samplePpd, {"ZVSuperWatermark"}));
        QVERIFY(page.isSupported());
        QVERIFY(!page.chkButSuperWatermark->isEnabled());
        QVERIFY(!page.chkButSuperWatermark->isChecked());
        QVERIFY(!page.cmbBxSuperWatermark->isEnabled());
        const QHash<QString, QString> options = page.getOptions();
        QVERIFY(!options.contains("ZVSuperWatermark"));
        QVERIFY(!options.contains("cSuper"));
        QCOMPARE(options.value("Wren"), QString("False"));
    }

    void customTextField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a word") << "Memo" << true;
        QTest::newRow("blanks inside") << "For your eyes only" << true;
        QTest::newRow("shell and quote characters") << "Say \"hi\" $5! C:\\x" << true;
        QTest::newRow("a leading blank") << " Memo" << false;
        QTest::newRow("a leading tab") << "\tMemo" << false;
        QTest::newRow("a hash mark") << "No#1" << false;
        // A line break would split the stored line in the settings file.
        QTest::newRow("a line feed") << "Two\nlines" << false;
        QTest::newRow("a carriage return") << "Two\rlines" << false;
    }

    void customTextField()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        WatermarkTab page;
        QString probe = text;
        int position = 0;
        const QValidator::State state = page.lnEditCustomWatermark->validator()->validate(probe, position);
        QCOMPARE(state == QValidator::Acceptable, accepted);
    }

    void customTextLength()
    {
        WatermarkTab page;
        load(page, {"Wren=True"});
        QTest::keyClicks(page.lnEditCustomWatermark, QString(33, QLatin1Char('x')));
        QCOMPARE(page.lnEditCustomWatermark->text(), QString(32, QLatin1Char('x')));
        page.lnEditCustomWatermark->clear();
        QTest::keyClicks(page.lnEditCustomWatermark, " a#b");
        QCOMPARE(page.lnEditCustomWatermark->text(), QString("ab"));
        // Pasted text holding a line break is refused whole.
        page.lnEditCustomWatermark->insert("\nMemo\r\nCustomWatermarkStore=x=0 0 0 0 0 0 0");
        QCOMPARE(page.lnEditCustomWatermark->text(), QString("ab"));
    }

    void withoutTheTextOption()
    {
        WatermarkTab page;
        load(page, {"Wren=True", storeKey + "Memo=0 8 3 23 0 0 0"}, writeVariant(m_dir, samplePpd, {"Wtxt"}));
        QVERIFY(page.getExtraOptions().isEmpty());
        QVERIFY(!page.getOptions().contains("Wtxt"));
    }

    void captionsFromThePpd()
    {
        WatermarkTab page;
        load(page);
        QCOMPARE(page.lblWtxt->text(), QString("Watermark text:"));
        QCOMPARE(page.lblWSze->text(), QString("Size:"));
        QCOMPARE(page.chkBxWFlg->text(), QString("Repeat watermark"));
        QCOMPARE(page.lblSuperWatermark->text(), QString("Super watermark:"));
        QCOMPARE(page.lblCustomWatermark->text(), QString("Custom watermark:"));
        QCOMPARE(page.lblWatermark->text(), QString("Watermark/Stamp"));
        QCOMPARE(page.tabName(), QString("Watermark"));
        // libcups's choice for custom texts is no printer text of its own.
        QCOMPARE(page.cmbBxWtxt->findText("Custom"), -1);
        QCOMPARE(page.cmbBxWtxt->count(), 7);
    }
};

QTEST_MAIN(WatermarkTabTest)
#include "tst_watermarktab.moc"
