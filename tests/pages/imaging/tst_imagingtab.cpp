// The Imaging page on stores from the imaging fixture PPDs: toner saving,
// the fallbacks for missing options, the colour group, the adjustment
// dialogs it opens and resets, and its settings from Apply back to reload.
#include "adjustmentdialog.h"
#include "comboboxex.h"
#include "fixturestore.h"
#include "imagingfixtures.h"
#include "imagingtab.h"
#include "monodialog.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "zelbuttongroup.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using fixturestore::markedName;
using fixturestore::writeSettings;

// Stands in for the main dialog until the constraint pass is built: it
// records the calls, and its pass greys the page and repeats while the page
// moved a selection, as the real one does.
class DialogStandIn : public QWidget
{
    Q_OBJECT
public:
    QStringList log;
    ImagingTab *page = nullptr;
    bool runPasses = true;

public slots:
    void setConstraints()
    {
        log << "pass";
        if (runPasses && page)
            pass();
    }
    void toggleColorMode() { log << "toggle:" + markedName("ColorModel"); }

public:
    int pass()
    {
        int rounds = 0;
        while (rounds < 10 && page->enableOptions())
            ++rounds;
        return rounds;
    }
};

namespace {
const QStringList colorKeys = [] {
    QStringList keys{"Cadj", "CaColorSpace", "HueIndex"};
    keys << adjustmentDialog::adjustmentKeys();
    for (const QString &key : adjustmentDialog::adjustmentKeys())
        keys << "f" + key;
    return keys;
}();
const QStringList monoKeys{"Madj", "Malt", "Mact", "fMalt", "fMact"};
const QColor greyedCaption(QStringLiteral("#9f9e9e"));

QColor captionColour(ZelButtonGroup *group)
{
    QLabel *label = group->captionLabel();
    return label->palette().color(label->foregroundRole());
}
}

class ImagingTabTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fixturestore::CurrentStore m_store;
    DialogStandIn *m_dialog = nullptr;
    ImagingTab *m_page = nullptr;

    void useStore(const QString &fixture) { m_store.reset(imagingfixtures::loadStore(fixture.toLatin1().constData())); }

    void load(const QString &fixture, const QStringList &settings = QStringList())
    {
        useStore(fixture);
        QFile::remove(activeSettingsPath);
        if (!settings.isEmpty())
            writeSettings(settings);
        m_page->reload();
        m_dialog->pass();
        m_dialog->log.clear();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        activeSettingsPath = m_dir.filePath("ImagingQueue.cfg");
        QFile::remove(activeSettingsPath);
        m_dialog = new DialogStandIn;
        m_page = new ImagingTab(m_dialog);
        m_dialog->page = m_page;
    }

    void cleanup()
    {
        delete m_dialog; // and the page with it
        m_dialog = nullptr;
        m_page = nullptr;
        m_store.reset();
    }

    // ---- toner saving ------------------------------------------------------

    void tonerSaving_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("stored");   // the "Thft" line's value; null: none
        QTest::addColumn<int>("group");        // checked index: 0 off, 1 on
        QTest::addColumn<bool>("levelShown");
        QTest::addColumn<bool>("levelEnabled");
        QTest::addColumn<int>("levelCount");
        QTest::addColumn<int>("levelIndex");
        QTest::addColumn<QString>("marked");   // empty: not asked
        QTest::addColumn<QString>("reported");

        const QString six = "imaging-page.ppd";
        QTest::newRow("six, stored Level5") << six << "Level5" << 1 << true << true << 5 << 4 << "Level3" << "Level5";
        QTest::newRow("six, stored Level1") << six << "Level1" << 1 << true << true << 5 << 0 << "Level3" << "Level1";
        QTest::newRow("six, nothing stored, default Off") << six << QString() << 0 << true << false << 5 << 2 << "Off" << "Off";
        QTest::newRow("six, stored Off") << six << "Off" << 0 << true << false << 5 << 2 << "Off" << "Off";
        QTest::newRow("six, stored On names no choice") << six << "On" << 1 << true << true << 5 << 2 << "Level3" << "Level3";
        QTest::newRow("six, case matters") << six << "level4" << 0 << true << false << 5 << 2 << "Off" << "Off";
        QTest::newRow("six, other text counts as off") << six << "Strong" << 0 << true << false << 5 << 2 << "Off" << "Off";
        QTest::newRow("six, unknown level") << six << "Level9" << 1 << true << true << 5 << 2 << "Level3" << "Level3";

        const QString level2 = "imaging-thft-level2.ppd";
        QTest::newRow("default Level2, nothing stored") << level2 << QString() << 1 << true << true << 5 << 1 << "Level3" << "Level2";
        QTest::newRow("default Level2, stored Off") << level2 << "Off" << 0 << true << false << 5 << 2 << "Off" << "Off";

        const QString onOff = "imaging-thft-onoff.ppd";
        QTest::newRow("Off/On, stored On") << onOff << "On" << 1 << false << false << 0 << -1 << "On" << "On";
        QTest::newRow("Off/On, nothing stored") << onOff << QString() << 0 << false << false << 0 << -1 << "Off" << "Off";
        QTest::newRow("Off/On, stored a level") << onOff << "Level2" << 1 << false << false << 0 << -1 << "On" << "On";

        // The level box has fewer items than the position the rules give:
        // the last item stands in, never a box on no item ("Level0").
        const QString three = "imaging-thft-three.ppd";
        QTest::newRow("three, nothing stored") << three << QString() << 0 << true << false << 2 << 1 << "" << "Off";
        QTest::newRow("three, stored On") << three << "On" << 1 << true << true << 2 << 1 << "" << "Level2";
        QTest::newRow("three, stored Level1") << three << "Level1" << 1 << true << true << 2 << 0 << "" << "Level1";

        // A chosen first choice gives the position before the box: item 0.
        const QString noOff = "imaging-thft-nooff.ppd";
        QTest::newRow("first choice the default") << noOff << QString() << 1 << true << true << 2 << 0 << "Level3" << "Level1";
        QTest::newRow("first choice stored") << noOff << "Level1" << 1 << true << true << 2 << 0 << "Level3" << "Level1";
    }
    void tonerSaving()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, stored);
        QFETCH(int, group);
        QFETCH(bool, levelShown);
        QFETCH(bool, levelEnabled);
        QFETCH(int, levelCount);
        QFETCH(int, levelIndex);
        QFETCH(QString, marked);
        QFETCH(QString, reported);

        load(fixture, stored.isNull() ? QStringList() : QStringList{"Thft=" + stored});
        ZelButtonGroup *thriftink = m_page->thriftinkGroup();
        QCOMPARE(thriftink->checkedIndex(), group);
        QVERIFY(thriftink->isEnabled());
        QCOMPARE(!m_page->levelBox()->isHidden(), levelShown);
        if (levelShown) {
            QCOMPARE(m_page->levelBox()->isEnabled(), levelEnabled);
            QCOMPARE(m_page->levelBox()->count(), levelCount);
            QCOMPARE(m_page->levelBox()->currentIndex(), levelIndex);
        }
        if (!marked.isEmpty())
            QCOMPARE(markedName("Thft"), marked);
        QCOMPARE(m_page->getOptions().value("Thft"), reported);
        QVERIFY(!m_dialog->log.contains("pass"));
    }

    void levelBoxListsChoicesAfterTheFirst()
    {
        load("imaging-page.ppd");
        const QStringList expected{"Lightest", "Light", "Medium", "Strong", "Strongest"};
        QStringList texts;
        for (int i = 0; i < m_page->levelBox()->count(); ++i)
            texts << m_page->levelBox()->itemText(i);
        QCOMPARE(texts, expected);
        QVERIFY(m_page->levelBox()->itemIcon(0).isNull());
    }

    void tonerSavingClicks()
    {
        load("imaging-page.ppd");
        m_page->thriftinkGroup()->button(1)->click();
        QCOMPARE(markedName("Thft"), QString("Level3"));
        QVERIFY(m_page->levelBox()->isEnabled());
        QCOMPARE(m_page->levelBox()->currentIndex(), 2);
        QCOMPARE(m_page->getOptions().value("Thft"), QString("Level3"));
        QCOMPARE(m_dialog->log, QStringList{"pass"});

        m_page->levelBox()->setCurrentIndex(3);
        QCOMPARE(markedName("Thft"), QString("Level4"));
        QCOMPARE(m_page->getOptions().value("Thft"), QString("Level4"));

        m_dialog->log.clear();
        m_page->thriftinkGroup()->button(0)->click();
        QCOMPARE(markedName("Thft"), QString("Off"));
        QVERIFY(!m_page->levelBox()->isEnabled());
        // Six choices: the box goes back to the middle, which marks nothing.
        QCOMPARE(m_page->levelBox()->currentIndex(), 2);
        QCOMPARE(m_page->getOptions().value("Thft"), QString("Off"));
        QVERIFY(m_dialog->log.contains("pass"));
    }

    void tonerSavingLockedOn_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("blocker"); // the option whose "On" blocks "Thft" = "Off"
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("reported");
        // The print-accounting policy's built-in rule, and one of the test's own.
        QTest::newRow("six choices, print accounting") << "imaging-page.ppd" << "TPXThriftink" << "Level3" << "Level3";
        QTest::newRow("two choices, print accounting") << "imaging-thft-onoff.ppd" << "TPXThriftink" << "On" << "On";
        QTest::newRow("six choices, other rule") << "imaging-page.ppd" << "ZBlock" << "Level3" << "Level3";
        QTest::newRow("two choices, other rule") << "imaging-thft-onoff.ppd" << "ZBlock" << "On" << "On";
    }
    void tonerSavingLockedOn()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, blocker);
        QFETCH(QString, marked);
        QFETCH(QString, reported);
        useStore(fixture);
        if (blocker == "ZBlock") {
            m_store->setLevel("ZBlock", 0);
            m_store->addConstraint("ZBlock", "On", "Thft", "Off");
        }
        QVERIFY(m_store->option(blocker));
        m_page->reload();
        QCOMPARE(m_page->thriftinkGroup()->checkedIndex(), 0);
        m_store->selectChoice(blocker, "On");

        QVERIFY(m_page->enableOptions()); // moved: the pass must run again
        QCOMPARE(m_page->thriftinkGroup()->checkedIndex(), 1);
        QVERIFY(!m_page->thriftinkGroup()->isEnabled());
        QVERIFY(captionColour(m_page->thriftinkGroup()) != greyedCaption);
        QCOMPARE(markedName("Thft"), marked);
        QCOMPARE(m_page->getOptions().value("Thft"), reported);
        QVERIFY(!m_page->enableOptions());

        // Lifting the rule unlocks the group and leaves it on.
        m_store->selectChoice(blocker, "Off");
        m_page->enableOptions();
        QVERIFY(m_page->thriftinkGroup()->isEnabled());
        QCOMPARE(m_page->thriftinkGroup()->checkedIndex(), 1);
    }

    // ---- fallbacks -----------------------------------------------------------

    void fallbacks_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("resolutionEnabled");
        QTest::addColumn<QString>("resolutionText");
        QTest::addColumn<bool>("colorEnabled");
        QTest::addColumn<QString>("colorShown");
        QTest::addColumn<bool>("settingsEnabled");
        QTest::addColumn<bool>("thriftinkEnabled");
        QTest::addColumn<QString>("colorModel"); // reported; empty: none
        QTest::addColumn<bool>("colorPairs");
        QTest::addColumn<bool>("monoPairs");

        QTest::newRow("every option") << "imaging-page.ppd" << true << "600 dpi" << true << "Full color"
                                      << true << true << "CMYK" << true << true;
        QTest::newRow("no colour mode or resolution") << "imaging-reduced.ppd" << false << "600 dpi" << false
                                                      << "Black & white" << true << false << "Gray" << false << true;
        QTest::newRow("single colour mode") << "imaging-single.ppd" << false << "600 dpi" << false
                                            << "Black & white" << true << false << "Gray" << true << true;
        QTest::newRow("raster filter") << "imaging-raster.ppd" << false << "600 dpi" << true << "Full color"
                                       << true << false << "CMYK" << false << false;
        QTest::newRow("no adjustment options") << "imaging-thft-onoff.ppd" << false << "600 dpi" << false
                                               << "Black & white" << false << true << "Gray" << false << true;
    }
    void fallbacks()
    {
        QFETCH(QString, fixture);
        QFETCH(bool, resolutionEnabled);
        QFETCH(QString, resolutionText);
        QFETCH(bool, colorEnabled);
        QFETCH(QString, colorShown);
        QFETCH(bool, settingsEnabled);
        QFETCH(bool, thriftinkEnabled);
        QFETCH(QString, colorModel);
        QFETCH(bool, colorPairs);
        QFETCH(bool, monoPairs);

        load(fixture);
        QVERIFY(m_page->isSupported());
        QCOMPARE(m_page->resolutionBox()->isEnabled(), resolutionEnabled);
        QCOMPARE(m_page->resolutionBox()->currentText(), resolutionText);
        QVERIFY(m_page->resolutionCaption()->isEnabled());
        QCOMPARE(m_page->colorModeGroup()->isEnabled(), colorEnabled);
        QCOMPARE(m_page->colorModeGroup()->checkedName(), colorShown);
        QVERIFY(captionColour(m_page->colorModeGroup()) != greyedCaption);
        QCOMPARE(m_page->settingsButton()->isEnabled(), settingsEnabled);
        QCOMPARE(m_page->thriftinkGroup()->isEnabled(), thriftinkEnabled);
        if (!thriftinkEnabled) {
            QVERIFY(m_page->levelBox()->isHidden());
            QCOMPARE(m_page->thriftinkGroup()->checkedName(), QString("Off"));
        }

        const QHash<QString, QString> options = m_page->getOptions();
        QCOMPARE(options.value("ColorModel"), colorModel);
        QCOMPARE(options.contains("Resolution"), resolutionEnabled);
        if (!resolutionEnabled)
            QCOMPARE(m_page->resolutionBox()->count(), 1);
        for (const QString &key : colorKeys)
            QVERIFY2(options.contains(key) == colorPairs, qPrintable(key));
        for (const QString &key : monoKeys)
            QVERIFY2(options.contains(key) == monoPairs, qPrintable(key));
        QVERIFY(m_page->getExtraOptions().isEmpty());
    }

    void onlyAdjustmentOptionsIsNotSupported()
    {
        QVERIFY(!m_page->isSupported()); // no printer at all
        load("imaging-unsupported.ppd");
        QVERIFY(!m_page->isSupported());
        load("imaging-thft-onoff.ppd");
        QVERIFY(m_page->isSupported());
    }

    void smoothingCaption()
    {
        QCOMPARE(m_page->smoothingBox()->text(), QString("ZIR"));
        load("imaging-page.ppd", {"Smoothing=True"});
        QCOMPARE(m_page->smoothingBox()->text(), QString("Image smoothing"));
        QVERIFY(m_page->smoothingBox()->isChecked());
        load("imaging-reduced.ppd", {"Smoothing=True"});
        QVERIFY(!m_page->smoothingBox()->isChecked());
        QVERIFY(!m_page->smoothingBox()->isEnabled());
    }

    // ---- colour mode ---------------------------------------------------------

    void colorGroupFollowsMarkedChoiceByName_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("shown");
        QTest::newRow("RGB, text Colour") << "RGB" << "Full color";
        QTest::newRow("Gray, text Grayscale") << "Gray" << "Black & white";
    }
    void colorGroupFollowsMarkedChoiceByName()
    {
        QFETCH(QString, choice);
        QFETCH(QString, shown);
        load("imaging-rgb.ppd");
        m_store->selectChoice("ColorModel", choice == "RGB" ? "Gray" : "RGB");
        m_dialog->pass();
        m_store->selectChoice("ColorModel", choice);
        m_dialog->pass();
        QCOMPARE(m_page->colorModeGroup()->checkedName(), shown);
        QCOMPARE(markedName("ColorModel"), choice);
    }

    void settingsButtonOpensDialogOfTheMode()
    {
        load("imaging-page.ppd");
        QWidget *opened = nullptr;
        onNextModal([&opened](QWidget *modal) { opened = modal; modal->close(); });
        m_page->settingsButton()->click();
        QCOMPARE(opened, static_cast<QWidget *>(m_page->colorDialog()));

        m_page->colorModeGroup()->button(1)->click();
        opened = nullptr;
        onNextModal([&opened](QWidget *modal) { opened = modal; modal->close(); });
        m_page->settingsButton()->click();
        QCOMPARE(opened, static_cast<QWidget *>(m_page->monoAdjustmentDialog()));
    }

    void choosingAModeResetsTheOther()
    {
        load("imaging-page.ppd", {"Cadj=True", "CaColorSpace=0", "fCast=1", "Madj=True", "fMalt=4.5"});
        QCOMPARE(m_page->colorDialog()->slider("Cast")->value(), 100);
        QCOMPARE(m_page->monoAdjustmentDialog()->brightnessSlider()->value(), 45);

        m_page->colorModeGroup()->button(1)->click();
        // The main dialog hears of it before the choice is marked and the pass runs.
        QCOMPARE(m_dialog->log, (QStringList{"toggle:CMYK", "pass"}));
        QCOMPARE(markedName("ColorModel"), QString("Gray"));
        QCOMPARE(markedName("Cadj"), QString("False"));
        QCOMPARE(m_page->colorDialog()->slider("Cast")->value(), 0);
        QCOMPARE(markedName("Madj"), QString("True"));
        QCOMPARE(m_page->monoAdjustmentDialog()->brightnessSlider()->value(), 45);
        QCOMPARE(m_page->getOptions().value("fMalt"), QString("4.5"));

        m_page->colorModeGroup()->button(0)->click();
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
        QCOMPARE(markedName("Madj"), QString("False"));
        QCOMPARE(m_page->monoAdjustmentDialog()->brightnessSlider()->value(), 0);
        QCOMPARE(m_page->getOptions().value("Madj"), QString("False"));
    }

    void clearDialogSettingsBySelection()
    {
        load("imaging-page.ppd", {"Cadj=True", "CaColorSpace=1", "fCaCR=2", "Madj=True", "fMact=3"});
        m_page->clearDialogSettings(1); // what the print-accounting page asks for
        QCOMPARE(markedName("Cadj"), QString("False"));
        QCOMPARE(markedName("CaColorSpace"), QString("-1"));
        QCOMPARE(m_page->getOptions().value("fCaCR"), QString("0"));
        QCOMPARE(m_page->getOptions().value("fMact"), QString("3"));
        m_page->clearDialogSettings(0);
        QCOMPARE(m_page->getOptions().value("fMact"), QString("0"));
    }

    // ---- Apply and reload ----------------------------------------------------

    void settingsRoundTrip()
    {
        load("imaging-page.ppd", {"Trap=Wide", "Thft=Level4", "GBTn=True", "Resolution=1200dpi",
                                  "Cadj=True", "CaColorSpace=0", "HueIndex=3", "fCaHg=0.29", "fCact=-2.5",
                                  "Madj=True", "fMalt=-0.5", "fMact=7"});
        const QHash<QString, QString> first = m_page->getOptions();
        QCOMPARE(first.value("Trap"), QString("Wide"));
        QCOMPARE(first.value("Thft"), QString("Level4"));
        QCOMPARE(first.value("fCaHg"), QString("0.29"));
        QCOMPARE(first.value("CaHg"), QString("0.0"));
        QCOMPARE(first.value("HueIndex"), QString("3"));
        QCOMPARE(first.value("fMalt"), QString("-0.5"));

        SettingsSnapshot snapshot;
        for (auto it = first.constBegin(); it != first.constEnd(); ++it)
            snapshot.insert(it.key(), it.value());
        QVERIFY(writeProfileFile(activeSettingsPath, snapshot, true));
        m_page->reload();
        QCOMPARE(m_page->getOptions(), first);
    }

    // What reaches lpoptions must name choices the queue's PPD has: the
    // quantised adjustment values included, over their whole ranges.
    void sampleQueueValuesAreChoices_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("reported"); // keys that name options of the PPD
        QTest::newRow("office") << "cups-office.ppd" << 24;
        QTest::newRow("colour, raster filter") << "cups-color.ppd" << 11;
    }
    void sampleQueueValuesAreChoices()
    {
        QFETCH(QString, fixture);
        QFETCH(int, reported);
        load(fixture);
        QVERIFY(m_page->isSupported());
        adjustmentDialog *color = m_page->colorDialog();
        monoDialog *mono = m_page->monoAdjustmentDialog();
        color->customCheckBox()->setChecked(true);
        mono->customCheckBox()->setChecked(true);
        QStringList wrong;
        QSet<QString> keys;
        for (int step = -10; step <= 10; ++step) {
            color->slider("CaHueMaster")->setValue(step * 18 + (step % 3));
            for (const QString &key : adjustmentDialog::adjustmentKeys().mid(1))
                color->slider(key)->setValue(step * 100 + (step % 7) * 13);
            mono->brightnessSlider()->setValue(step * 10 - (step % 4));
            mono->contrastSlider()->setValue(-step * 10);
            m_page->thriftinkGroup()->button(step % 2 ? 1 : 0)->click();
            const QHash<QString, QString> options = m_page->getOptions();
            for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
                kOption *option = m_store->option(it.key());
                if (!option)
                    continue;
                keys.insert(it.key());
                if (!option->choiceByName(it.value()))
                    wrong << it.key() + "=" + it.value();
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
        QCOMPARE(keys.size(), reported);
    }

    void cancelledAdjustmentDoesNotReachTheSettings()
    {
        load("imaging-page.ppd", {"Madj=True", "fMalt=1"});
        m_page->colorModeGroup()->button(1)->click();
        onNextModal([this](QWidget *) {
            monoDialog *mono = m_page->monoAdjustmentDialog();
            mono->brightnessSlider()->setValue(-80);
            mono->buttons()->button(QDialogButtonBox::Cancel)->click();
        });
        m_page->settingsButton()->click();
        QCOMPARE(m_page->getOptions().value("fMalt"), QString("1"));
        QCOMPARE(m_page->getOptions().value("Malt"), QString("1.0"));
    }
};

QTEST_MAIN(ImagingTabTest)
#include "tst_imagingtab.moc"
