// The colour and monochrome adjustment dialogs on stores from the imaging
// fixture PPDs: slider positions to reported values, stored values to
// positions, OK against the ways of leaving without it.
#include "adjustmentdialog.h"
#include "comboboxex.h"
#include "fixturestore.h"
#include "imagingfixtures.h"
#include "monodialog.h"
#include "sessionstate.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using fixturestore::markedName;
using fixturestore::writeSettings;
using Pairs = QList<QPair<QString, QString>>;

namespace {
QString value(const Pairs &pairs, const QString &key)
{
    for (const auto &pair : pairs) {
        if (pair.first == key)
            return pair.second;
    }
    return QStringLiteral("<missing>");
}

// How a run of the dialog ends.
enum class Ending { Ok, CancelButton, Escape, WindowClose };

void end(QDialog *dialog, QDialogButtonBox *buttons, Ending ending)
{
    switch (ending) {
    case Ending::Ok:
        buttons->button(QDialogButtonBox::Ok)->click();
        break;
    case Ending::CancelButton:
        buttons->button(QDialogButtonBox::Cancel)->click();
        break;
    case Ending::Escape:
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    case Ending::WindowClose:
        dialog->close();
        break;
    }
}
}
Q_DECLARE_METATYPE(Ending)

class AdjustmentDialogsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fixturestore::CurrentStore m_store;
    QWidget *m_parent = nullptr;
    adjustmentDialog *m_color = nullptr;
    monoDialog *m_mono = nullptr;

    void useStore(const char *fixture) { m_store.reset(imagingfixtures::loadStore(fixture)); }

    // Types text into a line edit as a user would, through its validator.
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    bool hueRowShown(const QString &key) const { return !m_color->slider(key)->isHidden(); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        activeSettingsPath = m_dir.filePath("ImagingQueue.cfg");
        QFile::remove(activeSettingsPath);
        useStore("imaging-page.ppd");
        m_parent = new QWidget;
        m_color = new adjustmentDialog(m_parent);
        m_mono = new monoDialog(m_parent);
        m_color->loadStoredValues();
        m_mono->loadStoredValues();
    }

    void cleanup()
    {
        delete m_parent;
        m_parent = nullptr;
        m_store.reset();
    }

    // ---- monochrome ------------------------------------------------------

    void monoReportsPositions_data()
    {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<QStringList>("expected"); // Malt, Mact, fMalt, fMact

        QTest::newRow("45 and -5") << 45 << -5 << QStringList{"4.0", "0.0", "4.5", "-0.5"};
        QTest::newRow("-45 and 9") << -45 << 9 << QStringList{"-4.0", "0.0", "-4.5", "0.9"};
        QTest::newRow("ends") << 100 << -100 << QStringList{"10.0", "-10.0", "10", "-10"};
        QTest::newRow("zero") << 0 << 0 << QStringList{"0.0", "0.0", "0", "0"};
    }
    void monoReportsPositions()
    {
        QFETCH(int, brightness);
        QFETCH(int, contrast);
        QFETCH(QStringList, expected);
        m_mono->customCheckBox()->setChecked(true);
        m_mono->brightnessSlider()->setValue(brightness);
        m_mono->contrastSlider()->setValue(contrast);

        const Pairs pairs = m_mono->getOptions();
        QCOMPARE(pairs.size(), 5);
        QCOMPARE(pairs.at(0), qMakePair(QString("Madj"), QString("True")));
        QCOMPARE((QStringList{pairs.at(1).first, pairs.at(2).first, pairs.at(3).first, pairs.at(4).first}),
                 (QStringList{"Malt", "Mact", "fMalt", "fMact"}));
        QCOMPARE((QStringList{pairs.at(1).second, pairs.at(2).second, pairs.at(3).second, pairs.at(4).second}),
                 expected);
        // The line edits follow the sliders.
        QCOMPARE(m_mono->brightnessEdit()->text(), QString::number(brightness));
        QCOMPARE(m_mono->contrastEdit()->text(), QString::number(contrast));
    }

    void monoLoads_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<QString>("madj");

        QTest::newRow("nothing stored") << QStringList() << false << 0 << 0 << "False";
        QTest::newRow("stored") << QStringList{"Madj=True", "fMalt=4.5", "fMact=-10"} << true << 45 << -100 << "True";
        QTest::newRow("no number") << QStringList{"Madj=True", "fMalt=abc", "fMact="} << true << 0 << 0 << "True";
        QTest::newRow("switched off keeps rows at 0")
            << QStringList{"Madj=False", "fMalt=4.5"} << false << 0 << 0 << "False";
        QTest::newRow("unknown choice keeps the marked one")
            << QStringList{"Madj=Maybe", "fMalt=1"} << false << 0 << 0 << "False";
    }
    void monoLoads()
    {
        QFETCH(QStringList, settings);
        QFETCH(bool, custom);
        QFETCH(int, brightness);
        QFETCH(int, contrast);
        QFETCH(QString, madj);
        writeSettings(settings);
        m_mono->loadStoredValues();
        QCOMPARE(m_mono->customCheckBox()->isChecked(), custom);
        QCOMPARE(m_mono->brightnessSlider()->value(), brightness);
        QCOMPARE(m_mono->contrastSlider()->value(), contrast);
        QCOMPARE(m_mono->brightnessEdit()->text(), QString::number(brightness));
        QCOMPARE(m_mono->brightnessSlider()->isEnabled(), custom);
        QCOMPARE(m_mono->contrastEdit()->isEnabled(), custom);
        QCOMPARE(markedName("Madj"), madj);
    }

    void monoTypedValueMovesSlider()
    {
        m_mono->customCheckBox()->setChecked(true);
        type(m_mono->contrastEdit(), "-37");
        QCOMPARE(m_mono->contrastSlider()->value(), -37);
        type(m_mono->contrastEdit(), "-");
        QCOMPARE(m_mono->contrastSlider()->value(), 0);
        type(m_mono->contrastEdit(), "101"); // the validator refuses the last digit
        QCOMPARE(m_mono->contrastEdit()->text(), QString("10"));
        QCOMPARE(m_mono->contrastSlider()->value(), 10);
    }

    void monoSwitchingOffZeroesBothRows()
    {
        writeSettings({"Madj=True", "fMalt=4.5", "fMact=3"});
        m_mono->loadStoredValues();
        m_mono->customCheckBox()->setChecked(false);
        QCOMPARE(m_mono->brightnessSlider()->value(), 0);
        QCOMPARE(m_mono->contrastEdit()->text(), QString("0"));
        QVERIFY(!m_mono->brightnessEdit()->isEnabled());
        const Pairs pairs = m_mono->getOptions();
        QCOMPARE(value(pairs, "Madj"), QString("False"));
        QCOMPARE(value(pairs, "Malt"), QString("0.0"));
        QCOMPARE(value(pairs, "Mact"), QString("0.0"));
    }

    void monoReset()
    {
        writeSettings({"Madj=True", "fMalt=4.5", "fMact=3"});
        m_mono->loadStoredValues();
        m_mono->resetStates();
        QCOMPARE(markedName("Madj"), QString("False"));
        QVERIFY(!m_mono->customCheckBox()->isChecked());
        QCOMPARE(m_mono->brightnessSlider()->value(), 0);
        QCOMPARE(m_mono->contrastSlider()->value(), 0);
        QVERIFY(!m_mono->contrastSlider()->isEnabled());
        QVERIFY(m_mono->kept().isEmpty());
    }

    void monoReloadsKeepOnePairPerKey()
    {
        writeSettings({"Madj=True", "fMalt=4.5", "fMact=3"});
        for (int i = 0; i < 3; ++i)
            m_mono->loadStoredValues();
        const QList<QPair<QString, int>> kept = m_mono->kept();
        QCOMPARE(kept, (QList<QPair<QString, int>>{{"Malt", 45}, {"Mact", 30}}));
    }

    // Every position comes back from the settings file as it was saved.
    void monoRoundTripIsExact()
    {
        QStringList lost;
        for (int position = -100; position <= 100; ++position) {
            m_mono->customCheckBox()->setChecked(true);
            m_mono->brightnessSlider()->setValue(position);
            m_mono->contrastSlider()->setValue(-position);
            const Pairs pairs = m_mono->getOptions();
            writeSettings({"Madj=True", "fMalt=" + value(pairs, "fMalt"), "fMact=" + value(pairs, "fMact")});
            m_mono->loadStoredValues();
            if (m_mono->brightnessSlider()->value() != position || m_mono->contrastSlider()->value() != -position)
                lost << QString::number(position);
        }
        QVERIFY2(lost.isEmpty(), qPrintable("positions not restored: " + lost.join(' ')));
    }

    void monoEndings_data()
    {
        QTest::addColumn<Ending>("ending");
        QTest::newRow("OK") << Ending::Ok;
        QTest::newRow("Cancel button") << Ending::CancelButton;
        QTest::newRow("Escape") << Ending::Escape;
        QTest::newRow("window close") << Ending::WindowClose;
    }
    void monoEndings()
    {
        QFETCH(Ending, ending);
        writeSettings({"Madj=True", "fMalt=1.5", "fMact=-2"});
        m_mono->loadStoredValues();
        onNextModal([this, ending](QWidget *modal) {
            QCOMPARE(modal, static_cast<QWidget *>(m_mono));
            m_mono->customCheckBox()->setChecked(false); // zeroes both rows
            m_mono->customCheckBox()->setChecked(true);
            type(m_mono->brightnessEdit(), "45");
            m_mono->contrastSlider()->setValue(70);
            end(m_mono, m_mono->buttons(), ending);
        });
        m_mono->exec();
        QVERIFY(!m_mono->isVisible());

        const Pairs pairs = m_mono->getOptions();
        QCOMPARE(markedName("Madj"), QString("True"));
        if (ending == Ending::Ok) {
            QCOMPARE(value(pairs, "fMalt"), QString("4.5"));
            QCOMPARE(value(pairs, "fMact"), QString("7"));
            QCOMPARE(m_mono->kept(), (QList<QPair<QString, int>>{{"Malt", 45}, {"Mact", 70}}));
        } else {
            // What the user tried out and left without confirming is gone.
            QCOMPARE(value(pairs, "fMalt"), QString("1.5"));
            QCOMPARE(value(pairs, "fMact"), QString("-2"));
            QCOMPARE(m_mono->brightnessEdit()->text(), QString("15"));
            QCOMPARE(m_mono->kept(), (QList<QPair<QString, int>>{{"Malt", 15}, {"Mact", -20}}));
        }
    }

    void monoCancelWithoutSwitchOption()
    {
        // Without "Madj" the check box is the dialog's own: Cancel takes it back too.
        useStore("imaging-thft-onoff.ppd");
        m_mono->loadStoredValues();
        QVERIFY(!m_mono->customCheckBox()->isChecked());
        onNextModal([this](QWidget *) {
            m_mono->customCheckBox()->setChecked(true);
            m_mono->brightnessSlider()->setValue(30);
            end(m_mono, m_mono->buttons(), Ending::CancelButton);
        });
        m_mono->exec();
        QVERIFY(!m_mono->customCheckBox()->isChecked());
        QCOMPARE(value(m_mono->getOptions(), "Madj"), QString("False"));
        QCOMPARE(value(m_mono->getOptions(), "Malt"), QString("0.0"));
    }

    // ---- colour ------------------------------------------------------------

    void colorReportsPositions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("quantised");
        QTest::addColumn<QString>("exact");

        QTest::newRow("master 45") << "CaHueMaster" << 45 << "45" << "40" << "45";
        QTest::newRow("master -45") << "CaHueMaster" << -45 << "-45" << "-40" << "-45";
        QTest::newRow("master -5") << "CaHueMaster" << -5 << "-5" << "00" << "-5";
        QTest::newRow("master 180") << "CaHueMaster" << 180 << "180" << "180" << "180";
        QTest::newRow("master -180") << "CaHueMaster" << -180 << "-180" << "-180" << "-180";
        QTest::newRow("red -150") << "CaHr" << -150 << "-1.5" << "-1.0" << "-1.5";
        QTest::newRow("red -99") << "CaHr" << -99 << "-0.99" << "0.0" << "-0.99";
        QTest::newRow("magenta 150") << "CaHm" << 150 << "1.5" << "1.0" << "1.5";
        QTest::newRow("saturation 1000") << "Cast" << 1000 << "10" << "10.0" << "10";
        QTest::newRow("contrast -1000") << "Cact" << -1000 << "-10" << "-10.0" << "-10";
        QTest::newRow("yellow-blue 5") << "CaYB" << 5 << "0.05" << "0.0" << "0.05";
        QTest::newRow("cyan-red 0") << "CaCR" << 0 << "0" << "0.0" << "0";
    }
    void colorReportsPositions()
    {
        QFETCH(QString, key);
        QFETCH(int, position);
        QFETCH(QString, shown);
        QFETCH(QString, quantised);
        QFETCH(QString, exact);
        m_color->customCheckBox()->setChecked(true);
        m_color->slider(key)->setValue(position);
        QCOMPARE(m_color->edit(key)->text(), shown);
        const Pairs pairs = m_color->getOptions();
        QCOMPARE(value(pairs, key), quantised);
        QCOMPARE(value(pairs, "f" + key), exact);
    }

    void colorReportsTwentyNinePairsInOrder()
    {
        QStringList keys;
        for (const auto &pair : m_color->getOptions())
            keys << pair.first;
        QStringList expected{"Cadj", "CaColorSpace", "HueIndex"};
        expected << adjustmentDialog::adjustmentKeys();
        for (const QString &key : adjustmentDialog::adjustmentKeys())
            expected << "f" + key;
        QCOMPARE(keys, expected);
        QCOMPARE(keys.size(), 29);
        QCOMPARE(keys.mid(3, 13), (QStringList{"CaHueMaster", "CaHr", "CaHy", "CaHg", "CaHc", "CaHb", "CaHm",
                                               "Cast", "Cabt", "Cact", "CaCR", "CaMG", "CaYB"}));
    }

    void colorTypedValueMovesSlider_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // the line edit's text afterwards
        QTest::addColumn<int>("position");

        // Rounded to the nearest step: 0.29 * 100 is 28.999... in floating point.
        QTest::newRow("0.29") << "Cast" << "0.29" << "0.29" << 29;
        QTest::newRow("-0.29") << "Cast" << "-0.29" << "-0.29" << -29;
        QTest::newRow("0.57") << "Cabt" << "0.57" << "0.57" << 57;
        QTest::newRow("1.15") << "CaMG" << "1.15" << "1.15" << 115;
        QTest::newRow("10") << "CaCR" << "10" << "10" << 1000;
        QTest::newRow("three decimals refused") << "Cast" << "1.234" << "1.23" << 123;
        QTest::newRow("lone minus") << "Cast" << "-" << "-" << 0;
        QTest::newRow("master") << "CaHueMaster" << "-179" << "-179" << -179;
        QTest::newRow("master past the end refused") << "CaHueMaster" << "181" << "18" << 18;
    }
    void colorTypedValueMovesSlider()
    {
        QFETCH(QString, key);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, position);
        m_color->customCheckBox()->setChecked(true);
        if (key == "CaCR" || key == "CaMG")
            m_color->balanceButton()->setChecked(true);
        type(m_color->edit(key), typed);
        QCOMPARE(m_color->edit(key)->text(), kept);
        QCOMPARE(m_color->slider(key)->value(), position);
    }

    void colorHuesExcludeEachOther()
    {
        m_color->customCheckBox()->setChecked(true);
        m_color->slider("CaHr")->setValue(150);
        m_color->slider("CaHy")->setValue(-80);
        QCOMPARE(m_color->slider("CaHueMaster")->value(), 0);

        // The master clears every single-colour hue and keeps its own value,
        // however many of them were set.
        m_color->slider("CaHueMaster")->setValue(30);
        QCOMPARE(m_color->slider("CaHueMaster")->value(), 30);
        QCOMPARE(m_color->edit("CaHueMaster")->text(), QString("30"));
        for (const char *key : {"CaHr", "CaHy", "CaHg", "CaHc", "CaHb", "CaHm"}) {
            QCOMPARE(m_color->slider(key)->value(), 0);
            QCOMPARE(m_color->edit(key)->text(), QString("0"));
        }

        m_color->slider("CaHb")->setValue(-20);
        QCOMPARE(m_color->slider("CaHueMaster")->value(), 0);
        QCOMPARE(m_color->edit("CaHueMaster")->text(), QString("0"));
        QCOMPARE(m_color->slider("CaHb")->value(), -20);

        type(m_color->edit("CaHueMaster"), "12");
        QCOMPARE(m_color->slider("CaHb")->value(), 0);
        QCOMPARE(m_color->slider("CaHueMaster")->value(), 12);
    }

    void colorSwitchingOffClearsAndSelectsHsl()
    {
        writeSettings({"Cadj=True", "CaColorSpace=1", "fCaCR=2.5", "fCast=1"});
        m_color->loadStoredValues();
        QVERIFY(m_color->balanceButton()->isChecked());
        QCOMPARE(m_color->slider("CaCR")->value(), 250);
        m_color->customCheckBox()->setChecked(false);
        QVERIFY(m_color->hslButton()->isChecked());
        for (const QString &key : adjustmentDialog::adjustmentKeys()) {
            QCOMPARE(m_color->slider(key)->value(), 0);
            QCOMPARE(m_color->edit(key)->text(), QString("0"));
        }
        QVERIFY(!m_color->hueGroupBox()->isEnabled());
        const Pairs pairs = m_color->getOptions();
        QCOMPARE(value(pairs, "Cadj"), QString("False"));
        QCOMPARE(value(pairs, "CaColorSpace"), QString("-1"));
        QCOMPARE(value(pairs, "HueIndex"), QString("0"));
    }

    void colorModeAndHueIndex()
    {
        writeSettings({"Cadj=True", "CaColorSpace=0"});
        m_color->loadStoredValues();
        QCOMPARE(m_color->hueComboBox()->count(), 7);
        QCOMPARE(m_color->hueComboBox()->itemText(0), QString("Master hue"));
        QCOMPARE(m_color->hueComboBox()->itemText(6), QString("Magenta hue"));
        // The radio buttons take the PPD's texts of the second and third choice.
        QCOMPARE(m_color->hslButton()->text(), QString("Hue, saturation, lightness"));
        QCOMPARE(m_color->balanceButton()->text(), QString("Balance of colours"));

        m_color->hueComboBox()->setCurrentIndex(2);
        QVERIFY(hueRowShown("CaHy"));
        QVERIFY(!hueRowShown("CaHueMaster"));
        Pairs pairs = m_color->getOptions();
        QCOMPARE(value(pairs, "CaColorSpace"), QString("0"));
        QCOMPARE(value(pairs, "HueIndex"), QString("2"));

        m_color->balanceButton()->setChecked(true);
        m_color->hueComboBox()->setCurrentIndex(4);
        QVERIFY(m_color->hueGroupBox()->isHidden());
        QVERIFY(!m_color->levelsGroupBox()->isHidden());
        pairs = m_color->getOptions();
        QCOMPARE(value(pairs, "CaColorSpace"), QString("1"));
        QCOMPARE(value(pairs, "HueIndex"), QString("0"));
    }

    void colorLoads_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<bool>("balance");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("hueIndex");

        QTest::newRow("nothing stored") << QStringList() << false << false << "CaHueMaster" << 0 << 0;
        QTest::newRow("master hue")
            << QStringList{"Cadj=True", "CaColorSpace=0", "HueIndex=0", "fCaHueMaster=45"}
            << true << false << "CaHueMaster" << 45 << 0;
        QTest::newRow("single hue")
            << QStringList{"Cadj=True", "CaColorSpace=0", "HueIndex=3", "fCaHg=-1.5"}
            << true << false << "CaHg" << -150 << 3;
        QTest::newRow("balance") << QStringList{"Cadj=True", "CaColorSpace=1", "fCaCR=-2.5"}
                                 << true << true << "CaCR" << -250 << 0;
        QTest::newRow("two decimals") << QStringList{"Cadj=True", "CaColorSpace=0", "fCast=0.29"}
                                      << true << false << "Cast" << 29 << 0;
        QTest::newRow("no number") << QStringList{"Cadj=True", "CaColorSpace=0", "fCast=x", "HueIndex=y"}
                                   << true << false << "Cast" << 0 << 0;
    }
    void colorLoads()
    {
        QFETCH(QStringList, settings);
        QFETCH(bool, custom);
        QFETCH(bool, balance);
        QFETCH(QString, key);
        QFETCH(int, position);
        QFETCH(int, hueIndex);
        writeSettings(settings);
        m_color->loadStoredValues();
        QCOMPARE(m_color->customCheckBox()->isChecked(), custom);
        QCOMPARE(markedName("Cadj"), QString(custom ? "True" : "False"));
        QCOMPARE(m_color->balanceButton()->isChecked(), balance);
        QCOMPARE(m_color->hueGroupBox()->isHidden(), balance);
        QCOMPARE(m_color->slider(key)->value(), position);
        QCOMPARE(m_color->hueComboBox()->currentIndex(), hueIndex);
        QCOMPARE(m_color->hslButton()->isEnabled(), custom);
        QCOMPARE(m_color->levelsGroupBox()->isEnabled(), custom);
    }

    // Loading switches the mode before it puts the kept hue back: the stored
    // hue selection survives a previous printer or profile in balance mode.
    void colorLoadAfterBalanceKeepsHueIndex()
    {
        writeSettings({"Cadj=True", "CaColorSpace=1", "fCaMG=2"});
        m_color->loadStoredValues();
        QVERIFY(m_color->balanceButton()->isChecked());
        writeSettings({"Cadj=True", "CaColorSpace=0", "HueIndex=3", "fCaHg=1.25"});
        m_color->loadStoredValues();
        QVERIFY(m_color->hslButton()->isChecked());
        QCOMPARE(m_color->hueComboBox()->currentIndex(), 3);
        QVERIFY(hueRowShown("CaHg"));
        QCOMPARE(m_color->slider("CaHg")->value(), 125);
        QCOMPARE(m_color->slider("CaMG")->value(), 0);
        QCOMPARE(value(m_color->getOptions(), "HueIndex"), QString("3"));
    }

    void colorRoundTripIsExact()
    {
        QStringList lost;
        for (int position = -1000; position <= 1000; ++position) {
            m_color->customCheckBox()->setChecked(true);
            m_color->slider("Cast")->setValue(position);
            m_color->slider("CaHc")->setValue(-position);
            const Pairs pairs = m_color->getOptions();
            writeSettings({"Cadj=True", "CaColorSpace=0", "fCast=" + value(pairs, "fCast"),
                           "fCaHc=" + value(pairs, "fCaHc")});
            m_color->loadStoredValues();
            if (m_color->slider("Cast")->value() != position || m_color->slider("CaHc")->value() != -position)
                lost << QString::number(position);
        }
        QVERIFY2(lost.isEmpty(), qPrintable("positions not restored: " + lost.join(' ')));
    }

    void colorPartialHueOptions()
    {
        useStore("imaging-rgb.ppd");
        writeSettings({"Cadj=True", "CaColorSpace=0", "HueIndex=1", "fCaHr=2", "fCaHy=3", "fCast=1"});
        m_color->slider("CaHy")->setValue(0);
        m_color->loadStoredValues();
        QCOMPARE(m_color->hueComboBox()->count(), 3);
        QCOMPARE(m_color->hueComboBox()->itemText(1), QString("Red hue"));
        QCOMPARE(m_color->hueComboBox()->itemText(2), QString("Blue hue"));
        QVERIFY(hueRowShown("CaHr"));
        QCOMPARE(m_color->slider("CaHr")->value(), 200);
        // Rows of options the printer lacks keep their values.
        QCOMPARE(m_color->slider("CaHy")->value(), 0);
        QCOMPARE(m_color->slider("Cast")->value(), 0);
    }

    void colorKeptHueIndexPastTheEntries()
    {
        useStore("imaging-rgb.ppd");
        writeSettings({"Cadj=True", "CaColorSpace=0", "HueIndex=5"});
        m_color->loadStoredValues();
        QCOMPARE(m_color->hueComboBox()->currentIndex(), -1);
        for (const char *key : {"CaHueMaster", "CaHr", "CaHy", "CaHg", "CaHc", "CaHb", "CaHm"})
            QVERIFY2(!hueRowShown(key), key);
        QCOMPARE(value(m_color->getOptions(), "HueIndex"), QString("-1"));
    }

    void colorReset()
    {
        writeSettings({"Cadj=True", "CaColorSpace=1", "fCaYB=4", "fCast=1"});
        m_color->loadStoredValues();
        m_color->resetStates();
        QCOMPARE(markedName("Cadj"), QString("False"));
        QCOMPARE(markedName("CaColorSpace"), QString("-1"));
        QVERIFY(m_color->hslButton()->isChecked());
        QVERIFY(!m_color->hueGroupBox()->isHidden());
        QVERIFY(!m_color->hueGroupBox()->isEnabled());
        for (const QString &key : adjustmentDialog::adjustmentKeys()) {
            QCOMPARE(m_color->slider(key)->value(), 0);
            QCOMPARE(m_color->edit(key)->text(), QString("0"));
        }
        QCOMPARE(m_color->kept().size(), 13);
    }

    void colorEndings_data()
    {
        QTest::addColumn<Ending>("ending");
        QTest::newRow("OK") << Ending::Ok;
        QTest::newRow("Cancel button") << Ending::CancelButton;
        QTest::newRow("Escape") << Ending::Escape;
        QTest::newRow("window close") << Ending::WindowClose;
    }
    void colorEndings()
    {
        QFETCH(Ending, ending);
        writeSettings({"Cadj=True", "CaColorSpace=0", "HueIndex=2", "fCaHy=1.5", "fCast=-0.5"});
        m_color->loadStoredValues();
        onNextModal([this, ending](QWidget *modal) {
            QCOMPARE(modal, static_cast<QWidget *>(m_color));
            type(m_color->edit("Cast"), "0.29");
            m_color->balanceButton()->setChecked(true); // clears the hue values and the hue index
            m_color->slider("CaMG")->setValue(300);
            end(m_color, m_color->buttons(), ending);
        });
        m_color->exec();
        QVERIFY(!m_color->isVisible());

        const Pairs pairs = m_color->getOptions();
        if (ending == Ending::Ok) {
            QCOMPARE(markedName("CaColorSpace"), QString("1"));
            QCOMPARE(value(pairs, "CaColorSpace"), QString("1"));
            QCOMPARE(value(pairs, "fCaMG"), QString("3"));
            QCOMPARE(value(pairs, "fCaHy"), QString("0"));
            QCOMPARE(m_color->keptHue(), 0);
        } else {
            QCOMPARE(markedName("CaColorSpace"), QString("0"));
            QCOMPARE(value(pairs, "CaColorSpace"), QString("0"));
            QCOMPARE(value(pairs, "HueIndex"), QString("2"));
            QCOMPARE(value(pairs, "fCaHy"), QString("1.5"));
            QCOMPARE(value(pairs, "fCast"), QString("-0.5"));
            QCOMPARE(value(pairs, "fCaMG"), QString("0"));
            QCOMPARE(m_color->edit("Cast")->text(), QString("-0.5"));
            QVERIFY(hueRowShown("CaHy"));
            QCOMPARE(m_color->keptHue(), 2);
        }
        QCOMPARE(markedName("Cadj"), QString("True"));

        // The next run starts from what was kept.
        onNextModal([this](QWidget *) {
            end(m_color, m_color->buttons(), Ending::CancelButton);
        });
        m_color->exec();
        QCOMPARE(m_color->getOptions(), pairs);
    }

    void colorCancelKeepsRowsOfMissingOptions()
    {
        // The saturation row has no option here, so the kept state does not
        // reach it; Cancel still takes the user's move back.
        useStore("imaging-rgb.ppd");
        writeSettings({"Cadj=True", "CaColorSpace=0"});
        m_color->loadStoredValues();
        onNextModal([this](QWidget *) {
            m_color->slider("Cast")->setValue(420);
            end(m_color, m_color->buttons(), Ending::Escape);
        });
        m_color->exec();
        QCOMPARE(m_color->slider("Cast")->value(), 0);
        QCOMPARE(value(m_color->getOptions(), "fCast"), QString("0"));
    }
};

QTEST_MAIN(AdjustmentDialogsTest)
#include "tst_adjustmentdialogs.moc"
