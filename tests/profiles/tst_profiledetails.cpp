// The details tree of the profile list: a profile's stored values as the
// texts of its model PPD (our fixtures in a temporary model folder), grouped
// by the pages that own them; a profile whose model PPD is missing; and
// "Factory Default" from the selected printer's PPD.
#include "fixturestore.h"
#include "pages/pagefixture.h"
#include "profiledialog.h"
#include "profilefixture.h"

#include <QTableWidget>
#include <QtTest>

using profilefixture::Folders;
using profilefixture::Pages;
using profilefixture::treeLines;

namespace {
const QString studioModel = QStringLiteral("Quorvan Studio 7000");

OptionStore *fixtureStore(const QString &fixture)
{
    return pagefixture::storeFromPpd(profilefixture::fixturePath(fixture));
}

void selectRow(ProfileDialog &dialog, const QString &name)
{
    for (int row = 0; row < dialog.profileTable->rowCount(); ++row) {
        if (dialog.profileTable->item(row, 0)->text() == name) {
            dialog.profileTable->setCurrentCell(row, 0);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no row ") + name));
}
}

class ProfileDetailsTest : public QObject
{
    Q_OBJECT

private:
    fixturestore::CurrentStore store;

    // The tree the list shows for one profile written with these lines
    // after its header.
    QStringList detailsOf(const QStringList &settings, const QString &model = studioModel,
                          const QString &description = QStringLiteral("shown"))
    {
        Folders folders;
        folders.addModelPpd(QStringLiteral("profile-model.ppd"), QStringLiteral("Quorvan_Studio_7000.ppd"));
        folders.writeProfile(QStringLiteral("p"), description, settings, model);
        Pages pages;
        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.fillProfileTable();
        selectRow(dialog, QStringLiteral("p"));
        return treeLines(dialog.detailTree);
    }

private slots:
    void cleanup() { store.reset(); }

    // Every group in page order with its rows in the pages' order, the
    // values as the model's choice texts or the fixed texts.
    void profileWithItsModelPpd()
    {
        const QStringList settings{
            "TPX_enabled=ON", "Unknown=value", "UserLogin=False", "EMailNotification=off",
            "CustomJobName=anything", "ZqManagment=1234", "ZVCollate1=Custom2", "Wtxt=Hello", "Wren=True",
            "ZqPageInsertEnabled=", "ZqCoverModeEnabled=True", "ColorModel=Gray", "Rotate=True",
            "Duplex=DuplexNoTumble", "Coll=", "MediaType=Plain", "PageSize=Letter"};
        QCOMPARE(detailsOf(settings, studioModel, QStringLiteral("first\\nsecond=with equals")),
                 (QStringList{"Profiles", "  Description: first\nsecond=with equals",
                              "Basic", "  Print size: Letter", "  Media type: Plain", "  Collate: ERROR 1",
                              "  Duplex: Long edge",
                              "Finishing", "  Rotate 180°: On",
                              "Imaging", "  Color mode: Black & white",
                              "Publishing", "  Cover mode: On", "  Page insert: Off",
                              "Job", "  Job settings: Custom box", "  Job accounting: On", "  Job name: On",
                              "  Job e-mail notification: Off", "  User login: Off",
                              "Watermark", "  Watermark: On", "  Text: Custom watermark",
                              "Ondrix", "  Ondrix: On"}));
    }

    void displayTexts_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("choice text, never the name") << "profile-model.ppd" << "Duplex" << "DuplexTumble" << "Short edge";
        QTest::newRow("no such choice") << "profile-model.ppd" << "Duplex" << "Bogus" << "ERROR 1";
        QTest::newRow("values by name, not by text") << "profile-model.ppd" << "Duplex" << "Short edge" << "ERROR 1";
        QTest::newRow("Custom1 the model has") << "profile-model.ppd" << "ZVCollate1" << "Custom1" << "Secure print";
        QTest::newRow("Custom1 the model lacks") << "ppd-rich.ppd" << "ZVCollate1" << "Custom1" << "Private print";
        QTest::newRow("Custom2") << "profile-model.ppd" << "ZVCollate1" << "Custom2" << "Custom box";
        QTest::newRow("account number") << "profile-model.ppd" << "ZqManagment" << "1234" << "On";
        QTest::newRow("account Default") << "profile-model.ppd" << "ZqManagment" << "Default" << "ERROR 1";
        QTest::newRow("account, no such option") << "ppd-minimal.ppd" << "ZqManagment" << "1234" << "ERROR 2";
        QTest::newRow("watermark text") << "profile-model.ppd" << "Wtxt" << "Draft" << "Custom watermark";
        QTest::newRow("watermark text, no such option") << "ppd-minimal.ppd" << "Wtxt" << "Draft" << "ERROR 2";
        QTest::newRow("interleave True") << "ppd-minimal.ppd" << "ZqIntLvEnabled" << "True" << "On";
        QTest::newRow("interleave true") << "ppd-minimal.ppd" << "ZqIntLvEnabled" << "true" << "Off";
        QTest::newRow("interleave empty") << "ppd-minimal.ppd" << "ZqIntLvEnabled" << "" << "Off";
        QTest::newRow("user login") << "ppd-minimal.ppd" << "UserLogin" << "True" << "On";
        QTest::newRow("mail off") << "ppd-minimal.ppd" << "EMailNotification" << "off" << "Off";
        QTest::newRow("mail address") << "ppd-minimal.ppd" << "EMailNotification" << "a@b.example" << "a@b.example";
        QTest::newRow("job name") << "ppd-minimal.ppd" << "CustomJobName" << "" << "On";
        QTest::newRow("accounting ON") << "ppd-minimal.ppd" << "TPX_enabled" << "ON" << "On";
        QTest::newRow("accounting on") << "ppd-minimal.ppd" << "TPX_enabled" << "on" << "Off";
        QTest::newRow("colour, model without it") << "ppd-minimal.ppd" << "ColorModel" << "CMYK" << "Black & white";
        QTest::newRow("colour, model with it") << "profile-model.ppd" << "ColorModel" << "CMYK" << "Full color";
        // The adjustment switches read as the dialogs' switches where the model
        // lacks them, and as the model's choices where it has them.
        QTest::newRow("colour adjustment off, model without it") << "ppd-minimal.ppd" << "Cadj" << "False" << "Off";
        QTest::newRow("colour adjustment on, model without it") << "ppd-minimal.ppd" << "Cadj" << "True" << "On";
        QTest::newRow("colour adjustment empty, model without it") << "ppd-minimal.ppd" << "Cadj" << "" << "Off";
        QTest::newRow("adjustment mode off, model without it") << "ppd-minimal.ppd" << "CaColorSpace" << "-1" << "Off";
        QTest::newRow("adjustment mode HSL, model without it") << "ppd-minimal.ppd" << "CaColorSpace" << "0" << "On";
        QTest::newRow("adjustment mode balance, model without it") << "ppd-minimal.ppd" << "CaColorSpace" << "1" << "On";
        QTest::newRow("mono adjustment off, model without it") << "ppd-minimal.ppd" << "Madj" << "False" << "Off";
        QTest::newRow("mono adjustment on, model without it") << "ppd-minimal.ppd" << "Madj" << "True" << "On";
        QTest::newRow("colour adjustment, model with it") << "cups-office.ppd" << "Cadj" << "True" << "On";
        QTest::newRow("adjustment mode off, model with it") << "cups-office.ppd" << "CaColorSpace" << "-1" << "None";
        QTest::newRow("adjustment mode HSL, model with it")
            << "cups-office.ppd" << "CaColorSpace" << "0" << "HSL(hue, saturation and lightness)";
        QTest::newRow("adjustment mode unknown, model with it") << "cups-office.ppd" << "CaColorSpace" << "2" << "ERROR 1";
        QTest::newRow("mono adjustment unknown, model with it") << "cups-office.ppd" << "Madj" << "" << "ERROR 1";
        QTest::newRow("description") << "ppd-minimal.ppd" << "ProfileDescription" << "a\\nb" << "a\\nb";
        QTest::newRow("no such key") << "ppd-minimal.ppd" << "Sep" << "Jog" << "ERROR 2";
        QTest::newRow("no model PPD") << "" << "Duplex" << "None" << "ERROR 3";
        QTest::newRow("no model PPD, description") << "" << "ProfileDescription" << "x" << "ERROR 3";
    }

    void displayTexts()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        std::unique_ptr<OptionStore> model(fixture.isEmpty() ? nullptr : fixtureStore(fixture));
        QCOMPARE(ProfileDialog::optionDisplayText(key, value, model.get()), shown);
    }

    // A model PPD that is missing, or a model line that is none, renders
    // every value as "ERROR 3"; the edit dialog still gets the description
    // as stored.
    void profileWithoutItsModelPpd_data()
    {
        QTest::addColumn<QString>("model");
        QTest::newRow("missing model PPD") << "Quorvan Missing 1";
        QTest::newRow("other maker") << "Acme Laser 100";
        QTest::newRow("holds Profile") << "Quorvan Profile 7000";
    }

    void profileWithoutItsModelPpd()
    {
        QFETCH(QString, model);
        QCOMPARE(detailsOf({"Duplex=None", "TPX_enabled=ON", "ZqCoverModeEnabled=True"}, model,
                           QStringLiteral("kept\\nas stored")),
                 (QStringList{"Profiles", "  Description: ERROR 3", "Basic", "  Duplex: ERROR 3",
                              "Publishing", "  Cover mode: ERROR 3", "Ondrix", "  Ondrix: ERROR 3"}));

        Folders folders;
        folders.writeProfile(QStringLiteral("p"), QStringLiteral("kept\\nas stored"), {}, model);
        ProfileDialog dialog(nullptr, nullptr);
        QCOMPARE(dialog.profileDescription(QStringLiteral("p")), QStringLiteral("kept\\nas stored"));
    }

    void descriptionAsStored_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("description");
        QTest::newRow("empty") << QStringList{"[Profile]", "ProfileDescription="} << "";
        QTest::newRow("none") << QStringList{"[Profile]", "Duplex=None"} << "";
        QTest::newRow("the last one") << QStringList{"ProfileDescription=one", "ProfileDescription=two=2"} << "two=2";
        QTest::newRow("key exactly") << QStringList{"ProfileDescription=one", "ProfileDescriptionX=two"} << "one";
    }

    void descriptionAsStored()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, description);
        Folders folders;
        folders.write(QStringLiteral("p.cfg"), lines);
        ProfileDialog dialog(nullptr, nullptr);
        QCOMPARE(dialog.profileDescription(QStringLiteral("p")), description);
        QCOMPARE(dialog.profileDescription(QStringLiteral("missing")), QString());
    }

    // Lines are taken in file order: a value before the model line has no
    // model yet, and each model line starts a store of its own.
    void linesInFileOrder()
    {
        Folders folders;
        folders.addModelPpd(QStringLiteral("profile-model.ppd"), QStringLiteral("Quorvan_Studio_7000.ppd"));
        folders.addModelPpd(QStringLiteral("ppd-minimal.ppd"), QStringLiteral("Quorvan_Bare_1.ppd"));
        folders.write(QStringLiteral("p.cfg"), {"[Profile]", "Duplex=DuplexTumble", "[Quorvan Studio 7000]",
                                                "PageSize=Letter", "[Quorvan Bare 1]", "Coll=True"});
        ProfileDialog dialog(nullptr, nullptr);
        const ProfileDialog::Details details = dialog.parseProfileFile(folders.dataPath(QStringLiteral("p.cfg")));
        QCOMPARE(details.value("Duplex"), QStringLiteral("ERROR 3"));
        QCOMPARE(details.value("PageSize"), QStringLiteral("Letter"));
        QCOMPARE(details.value("Coll"), QStringLiteral("ERROR 2"));
        QCOMPARE(details.size(), 3);
    }

    // "Generic" in the model line hides the Publishing group.
    void genericModelHidesPublishing()
    {
        Folders folders;
        folders.addModelPpd(QStringLiteral("profile-model.ppd"), QStringLiteral("Quorvan_Studio_Generic.ppd"));
        folders.writeProfile(QStringLiteral("p"), QString(), {"ZqCoverModeEnabled=True", "Duplex=None"},
                             QStringLiteral("Quorvan Studio Generic"));
        Pages pages;
        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.fillProfileTable();
        selectRow(dialog, QStringLiteral("p"));
        QCOMPARE(treeLines(dialog.detailTree),
                 (QStringList{"Profiles", "  Description: ", "Basic", "  Duplex: Off", "Ondrix", "  Ondrix: Off"}));
    }

    // The model line to the model PPD's file, which must lie in the folder.
    void modelPpdNames_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("found");
        QTest::newRow("every rule") << "[RB-ZENT Model 5 B/W ZPDL]" << "RB_Model_5_Monochrome.ppd"
                                    << "RB_Model_5_Monochrome.ppd";
        QTest::newRow("blanks") << "[Quorvan Studio 7000]" << "Quorvan_Studio_7000.ppd" << "Quorvan_Studio_7000.ppd";
        QTest::newRow("missing") << "[Quorvan Studio 7000]" << "" << "";
        QTest::newRow("a slash") << "[Quorvan sub/x]" << "Quorvan_sub/x.ppd" << "";
        QTest::newRow("dot dot") << "[Quorvan ..]" << "Quorvan_...ppd" << "";
        QTest::newRow("a directory") << "[Quorvan Dir]" << "Quorvan_Dir.ppd/" << "";
    }

    void modelPpdNames()
    {
        QFETCH(QString, line);
        QFETCH(QString, file);
        QFETCH(QString, found);
        Folders folders;
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(folders.models.filePath(file)));
        } else if (!file.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(folders.models.filePath(file)).path()));
            folders.addModelPpd(QStringLiteral("profile-model.ppd"), file);
        }
        const QString expected = found.isEmpty() ? QString() : folders.models.filePath(found);
        QCOMPARE(ProfileFiles::modelPpdPath(line), expected);
        ppd_file_t *ppd = ProfileDialog::openModelPpd(line);
        QCOMPARE(ppd != nullptr, !found.isEmpty());
        ppdClose(ppd);
    }

    // Row 0: the selected printer's PPD defaults; an option whose default
    // names no choice (MediaType here) has no row.
    void factoryDefaults()
    {
        Folders folders;
        store.reset(fixtureStore(QStringLiteral("profile-model.ppd")));
        Pages pages;
        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.fillProfileTable();
        QCOMPARE(dialog.profileTable->currentRow(), 0);
        QCOMPARE(treeLines(dialog.detailTree),
                 (QStringList{"Basic", "  Print size: A4", "  Collate: Off", "  Duplex: Off",
                              "Finishing", "  Rotate 180°: Off",
                              "Imaging", "  Color mode: Full color",
                              "Publishing", "  Cover mode: Off", "  Page insert: Off", "  Transparency interleaving: Off",
                              "Job", "  Job settings: None", "  Job accounting: Off", "  User login: Off",
                              "Watermark", "  Watermark: Off", "  Text: None",
                              "Ondrix", "  Ondrix: Off"}));
        QVERIFY(!dialog.factoryDefaultDetails().contains(QStringLiteral("MediaType")));
    }

    void factoryDefaultsRasterOrNoPrinter()
    {
        Folders folders;
        Pages pages;
        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.fillProfileTable();
        QCOMPARE(treeLines(dialog.detailTree), (QStringList{"Ondrix", "  Ondrix: Off"}));

        store.reset(fixtureStore(QStringLiteral("imaging-raster.ppd")));
        dialog.fillProfileTable();
        const QStringList lines = treeLines(dialog.detailTree);
        QVERIFY(!lines.contains(QStringLiteral("Publishing")));
        QVERIFY(lines.contains(QStringLiteral("  User login: Off")));
        QCOMPARE(dialog.factoryDefaultDetails().value(QStringLiteral("Generic")), QStringLiteral("True"));
    }

    // Nothing is cached: selecting the row again reads the file again.
    void reselectingReadsTheFileAgain()
    {
        Folders folders;
        folders.addModelPpd(QStringLiteral("profile-model.ppd"), QStringLiteral("Quorvan_Studio_7000.ppd"));
        folders.writeProfile(QStringLiteral("p"), QString(), {"Duplex=None"});
        Pages pages;
        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.fillProfileTable();
        selectRow(dialog, QStringLiteral("p"));
        QVERIFY(treeLines(dialog.detailTree).contains(QStringLiteral("  Duplex: Off")));
        folders.writeProfile(QStringLiteral("p"), QString(), {"Duplex=DuplexTumble"});
        dialog.profileTable->setCurrentCell(0, 0);
        selectRow(dialog, QStringLiteral("p"));
        QVERIFY(treeLines(dialog.detailTree).contains(QStringLiteral("  Duplex: Short edge")));

        // Gone since the list was built: only the print-accounting group.
        QFile::remove(folders.dataPath(QStringLiteral("p.cfg")));
        dialog.profileTable->setCurrentCell(0, 0);
        selectRow(dialog, QStringLiteral("p"));
        QCOMPARE(treeLines(dialog.detailTree), (QStringList{"Ondrix", "  Ondrix: Off"}));
    }
};

QTEST_MAIN(ProfileDetailsTest)
#include "tst_profiledetails.moc"
