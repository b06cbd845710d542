// The Basic page on stores from basic-general.ppd and its variants: what it
// adds over the base class (the "Custom" filter, fixed captions, page-size
// companions, colour-mode fallbacks, the colour group's coupling order).
#include "pages/pagefixture.h"

#include "generaltab.h"

#include <QLabel>
#include <QPushButton>

using namespace pagefixture;

namespace {
const QString general = QStringLiteral("basic-general.ppd");
const QColor greyedCaption(QStringLiteral("#9f9e9e"));

QStringList items(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QColor captionColour(const ZelButtonGroup *group)
{
    const QLabel *label = group->captionLabel();
    return label->palette().color(label->foregroundRole());
}
}

class GeneralTabTest : public PageTest
{
    Q_OBJECT

    GeneralTab *reloadedPage(OptionStore *store, const QList<QPair<QString, QString>> &stored = {})
    {
        useStore(store, m_dir, stored);
        auto *page = new GeneralTab;
        page->reload();
        return page;
    }

private slots:
    void supportedWheneverAPrinterIsSelected()
    {
        GeneralTab page;
        QVERIFY(!page.isSupported());
        useStore(storeFromPpd(writeVariant(m_dir, general,
                                           {"PageSize", "MediaType", "InputSlot", "OutputBin", "Coll", "Duplex", "ColorModel"})),
                 m_dir);
        QVERIFY(page.isSupported());
    }

    void customChoiceLeftOut_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("PageSize") << "PageSize" << QStringList{"A4", "Letter"};
        // Only the exact name: the file's "custom" (libcups makes it "_custom") keeps its item.
        QTest::newRow("MediaType") << "MediaType" << QStringList{"Plain", "Thick", "Own type"};
        QTest::newRow("InputSlot") << "InputSlot" << QStringList{"Automatic", "Tray 1"};
        QTest::newRow("OutputBin") << "OutputBin" << QStringList{"Standard tray", "Upper tray"};
    }

    void customChoiceLeftOut()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, expected);
        QScopedPointer<GeneralTab> page(reloadedPage(storeFromPpd(fixturePath(general))));
        auto *combo = qobject_cast<ComboBoxEx *>(page->optionWidgets.value(keyword));
        QVERIFY(combo);
        QCOMPARE(items(combo), expected);
        QVERIFY(combo->isEnabled());
    }

    void captionsAfterReload()
    {
        useStore(storeFromPpd(fixturePath(general)), m_dir);
        GeneralTab page;
        QCOMPARE(page.pageSizeLabel->text(), QStringLiteral("Media size:"));
        page.reload();
        // The PPD calls them "Media Size", "Paper Source" and "Output Tray".
        QCOMPARE(page.pageSizeLabel->text(), QStringLiteral("Print size:"));
        QCOMPARE(page.inputSlotLabel->text(), QStringLiteral("Source:"));
        QCOMPARE(page.outputBinLabel->text(), QStringLiteral("Destination:"));
        QCOMPARE(page.mediaTypeLabel->text(), QStringLiteral("Paper Type:"));
        QVERIFY(page.pageSizeLabel->isEnabled());

        // A missing option greys its caption; the fixed text stays.
        useStore(storeFromPpd(writeVariant(m_dir, general, {"InputSlot", "PageSize"})), m_dir);
        page.reload();
        QCOMPARE(page.inputSlotLabel->text(), QStringLiteral("Source:"));
        QCOMPARE(page.pageSizeLabel->text(), QStringLiteral("Print size:"));
        QVERIFY(!page.inputSlotLabel->isEnabled());
        QVERIFY(!page.pageSizeLabel->isEnabled());
        QVERIFY(!page.inputSlotBox->isEnabled());
        QCOMPARE(page.inputSlotBox->count(), 0);
    }

    void pageSizeCompanions_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default") << QString() << "A4";
        QTest::newRow("stored") << "Letter" << "Letter";
        // A stored name the box has no item for: the default shows.
        QTest::newRow("stored Custom") << "Custom" << "A4";
    }

    void pageSizeCompanions()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QList<QPair<QString, QString>> lines;
        if (!stored.isEmpty())
            lines << qMakePair(QStringLiteral("PageSize"), stored);
        QScopedPointer<GeneralTab> page(reloadedPage(storeFromPpd(fixturePath(general)), lines));
        const QHash<QString, QString> options = page->getOptions();
        for (const char *key : {"PageSize", "PageRegion", "ImageableArea", "PaperDimension", "MediaSize"})
            QCOMPARE(options.value(QString::fromLatin1(key)), expected);
        QCOMPARE(markedName("PageSize"), expected);
    }

    void noPageSizeNoCompanions()
    {
        QScopedPointer<GeneralTab> page(reloadedPage(storeFromPpd(writeVariant(m_dir, general, {"PageSize"}))));
        const QHash<QString, QString> options = page->getOptions();
        for (const char *key : {"PageSize", "PageRegion", "ImageableArea", "PaperDimension", "MediaSize"})
            QVERIFY2(!options.contains(QString::fromLatin1(key)), key);
        QCOMPARE(options.value("MediaType"), QStringLiteral("Plain"));
    }

    void storedValuesAfterReload()
    {
        QScopedPointer<GeneralTab> page(reloadedPage(storeFromPpd(fixturePath(general)),
                                                     {{"PageSize", "Letter"}, {"MediaType", "_custom"},
                                                      {"InputSlot", "Tray1"}, {"OutputBin", "Upper"},
                                                      {"Coll", "False"}, {"Duplex", "DuplexTumble"},
                                                      {"ColorModel", "Gray"}}));
        QCOMPARE(page->pageSizeBox->currentText(), QStringLiteral("Letter"));
        QCOMPARE(page->mediaTypeBox->currentText(), QStringLiteral("Own type"));
        QCOMPARE(page->inputSlotBox->currentText(), QStringLiteral("Tray 1"));
        QCOMPARE(page->outputBinBox->currentText(), QStringLiteral("Upper tray"));
        QCOMPARE(page->collateGroup->checkedName(), QStringLiteral("Off"));
        QCOMPARE(page->duplexGroup->checkedName(), QStringLiteral("Short edge"));
        QCOMPARE(page->colorGroup->checkedName(), QStringLiteral("Black & white"));
        QVERIFY(page->colorGroup->isEnabled());

        const QHash<QString, QString> expected = {
            {"PageSize", "Letter"}, {"PageRegion", "Letter"}, {"ImageableArea", "Letter"},
            {"PaperDimension", "Letter"}, {"MediaSize", "Letter"}, {"MediaType", "_custom"},
            {"InputSlot", "Tray1"}, {"OutputBin", "Upper"}, {"Coll", "False"},
            {"Duplex", "DuplexTumble"}, {"ColorModel", "Gray"}};
        QCOMPARE(page->getOptions(), expected);
        for (const char *keyword : {"MediaType", "InputSlot", "OutputBin", "Coll", "Duplex", "ColorModel"})
            QCOMPARE(markedName(QString::fromLatin1(keyword)), expected.value(QString::fromLatin1(keyword)));
    }

    void colourFallbacks_data()
    {
        QTest::addColumn<QStringList>("dropOptions");
        QTest::addColumn<QStringList>("dropLines");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("reported");
        QTest::newRow("two choices") << QStringList() << QStringList() << true << "Full color" << "CMYK";
        QTest::newRow("missing") << QStringList{"ColorModel"} << QStringList() << false << "Black & white" << QString();
        // The one choice is full colour, yet the group shows black and white.
        QTest::newRow("single choice") << QStringList() << QStringList{"*ColorModel Gray"} << false
                                       << "Black & white" << QString();
    }

    void colourFallbacks()
    {
        QFETCH(QStringList, dropOptions);
        QFETCH(QStringList, dropLines);
        QFETCH(bool, enabled);
        QFETCH(QString, checked);
        QFETCH(QString, reported);
        QScopedPointer<GeneralTab> page(
            reloadedPage(storeFromPpd(writeVariant(m_dir, general, dropOptions, dropLines))));
        for (int pass = 0; pass < 2; ++pass) {
            // The second round is what a constraint pass does to the page.
            if (pass == 1) {
                page->enableOptions();
                page->clearConflictMarks();
            }
            QCOMPARE(page->colorGroup->isEnabled(), enabled);
            QCOMPARE(page->colorGroup->checkedName(), checked);
            QVERIFY(captionColour(page->colorGroup) != greyedCaption);
            QCOMPARE(page->getOptions().value("ColorModel"), reported);
        }
    }

    void noneOfTheOptions()
    {
        QScopedPointer<GeneralTab> page(reloadedPage(storeFromPpd(writeVariant(
            m_dir, general, {"PageSize", "MediaType", "InputSlot", "OutputBin", "Coll", "Duplex", "ColorModel"}))));
        QVERIFY(page->isSupported());
        for (ComboBoxEx *combo : {page->pageSizeBox, page->mediaTypeBox, page->inputSlotBox, page->outputBinBox}) {
            QCOMPARE(combo->count(), 0);
            QVERIFY(!combo->isEnabled());
        }
        for (ZelButtonGroup *group : {page->collateGroup, page->duplexGroup, page->colorGroup})
            QVERIFY(!group->isEnabled());
        QVERIFY(page->getOptions().isEmpty());
    }

    void colourGroupErrorImageCleared()
    {
        QScopedPointer<GeneralTab> page(reloadedPage(storeFromPpd(fixturePath(general))));
        page->colorGroup->setErrorIcon(true);
        QVERIFY(page->colorGroup->captionLabel()->text().contains("<img"));
        page->clearConflictMarks();
        QVERIFY(!page->colorGroup->captionLabel()->text().contains("<img"));
    }

    // A click marks the choice, then the pass runs, then the Imaging page
    // follows; setting the group by index emits nothing.
    void colourClickOrder()
    {
        useStore(storeFromPpd(fixturePath(general)), m_dir);
        DialogRecorder dialog;
        dialog.watched = QStringLiteral("ColorModel");
        auto *page = new GeneralTab(&dialog);
        page->reload();
        QCOMPARE(markedName("ColorModel"), QStringLiteral("CMYK"));

        page->colorGroup->button(1)->click();
        QCOMPARE(dialog.log, (QStringList{"pass:Gray", "toggle:Gray"}));

        dialog.log.clear();
        page->colorGroup->setButton(0);
        QVERIFY(dialog.log.isEmpty());
        QCOMPARE(page->colorGroup->checkedName(), QStringLiteral("Full color"));
        QCOMPARE(markedName("ColorModel"), QStringLiteral("Gray"));

        // A combo box reaches the pass as well, the colour coupling not.
        page->pageSizeBox->setCurrentIndex(1);
        QCOMPARE(dialog.log, (QStringList{"pass:Gray"}));
        QCOMPARE(markedName("PageSize"), QStringLiteral("Letter"));
    }

    void reloadWithoutPrinterChangesNothing()
    {
        useStore(storeFromPpd(fixturePath(general)), m_dir);
        GeneralTab page;
        page.reload();
        delete currentOptionStore;
        currentOptionStore = nullptr;
        page.reload();
        QCOMPARE(page.pageSizeBox->currentText(), QStringLiteral("A4"));
        QVERIFY(page.getOptions().isEmpty());
    }
};

QTEST_MAIN(GeneralTabTest)
#include "tst_generaltab.moc"
