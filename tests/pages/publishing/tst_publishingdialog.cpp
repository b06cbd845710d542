// The Publishing page inside the real main dialog, on the private cupsd's
// colour queue (cover, insert and backing media; one-sided by default), as
// the ordinary user the panel needs: the pass's verdict on OK, Apply,
// "Save As..." and the page's tab icon, and the built-in rules greying the
// page's boxes.
#include "boxrecorder.h"
#include "generaltab.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "pages/dialogpagetest.h"
#include "paneldriver.h"
#include "publishingtab.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

namespace {
const QString errorImage = QStringLiteral("<img src=':/icons/error'>");
const QString applied = QStringLiteral("Success|Settings applied.");

bool marked(const QLabel *label)
{
    return label->text().contains(errorImage);
}

// A settings file as Apply writes it, with the cover section on, front and
// back, every side printed; page insert on before page 4, both sides.
const QStringList coverAndInsertStored = {
    "cCovBut=True", "cCovTRad=False", "cCovBRad=True", "cCovPOFO=True", "cCovPOFI=True", "cCovPOBO=True",
    "cCovPOBI=True", "ZqCoverModeEnabled=True", "ZqCoverModeValue=15", "ZqCovermodeRadioButtonState=2",
    "cInsBut=True", "cInsPrnF=True", "cInsPrnB=True", "Pins=On", "ZqPageInsertEnabled=True",
    "ZqPageinsertValue=3", "ZqPageinsertNums=4", "cIntBut=False", "ZqIntLvEnabled=False", "ZqIntLvValue=0"};
}

class PublishingDialogTest : public DialogPageTest
{
    Q_OBJECT

public:
    PublishingDialogTest() : DialogPageTest(QStringLiteral("tst-pubdlg"), QStringLiteral("Quorvan_Color")) {}

private:
    PublishingTab *page() const { return dialog->publishingTab; }
    Tab *pageUnderTest() const override { return page(); }

    template<typename T> T *pageWidget(const QString &name) const
    {
        for (T *widget : page()->findChildren<T *>()) {
            if (widget->accessibleName() == name)
                return widget;
        }
        qFatal("the Publishing page has no %s", qPrintable(name));
        return nullptr;
    }

    // As a click does: nothing happens on a greyed widget.
    void click(QAbstractButton *button) { button->click(); }
    void click(ZelCheckBoxButton *button) { button->iconButton()->click(); }

    // Replaces the page list key by key, as typing does.
    void typePages(const QString &text)
    {
        QLineEdit *edit = page()->lnEditPinsPage;
        QVERIFY(edit->isEnabled());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text(), text);
    }

    // A click on the Basic page's duplex button for that choice.
    void setDuplex(const QString &choice)
    {
        paneldriver::clickChoice(dialog->generalTab->duplexGroup, QStringLiteral("Duplex"), choice);
    }

    // The four cover side boxes that pass test, in the order of the bits.
    QStringList sideBoxes(const std::function<bool(const QCheckBox *)> &test) const
    {
        QStringList names;
        for (QCheckBox *box : {page()->chkBxCvrFrontOut, page()->chkBxCvrFrontIn, page()->chkBxCvrBackOut,
                               page()->chkBxCvrBackIn}) {
            if (test(box))
                names << box->accessibleName();
        }
        return names;
    }
    QStringList enabledSides() const { return sideBoxes([](const QCheckBox *box) { return box->isEnabled(); }); }
    QStringList checkedSides() const { return sideBoxes([](const QCheckBox *box) { return box->isChecked(); }); }

private slots:
    // A file that holds interleaving beside covers or inserts (written by an
    // older panel, or by hand): the rules keep the buttons apart, so a user
    // meets the conflict only here. Both sections stay on and the page says
    // so; the user switches one off and may apply.
    void storedInterleaveConflict_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("other");        // the section beside interleaving
        QTest::addColumn<QString>("otherCaption");
        QTest::addColumn<QString>("switchedOff");  // the button the user clicks off

        const QStringList cover = {"cCovBut=True", "cIntBut=True", "ZqCoverModeEnabled=True",
                                   "ZqCovermodeRadioButtonState=1", "ZqIntLvEnabled=True", "ZqIntLvValue=1"};
        const QStringList insert = {"cInsBut=True", "cIntBut=True", "ZqPageInsertEnabled=True", "ZqPageinsertNums=4",
                                    "ZqIntLvEnabled=True", "ZqIntLvValue=2"};
        QTest::newRow("cover, interleaving switched off") << cover << "chkButCvr" << "lblCvrMode" << "chkButTint";
        QTest::newRow("cover, cover switched off") << cover << "chkButCvr" << "lblCvrMode" << "chkButCvr";
        QTest::newRow("insert, interleaving switched off") << insert << "chkButPins" << "lblPins" << "chkButTint";
        QTest::newRow("insert, insert switched off") << insert << "chkButPins" << "lblPins" << "chkButPins";
        // A profile written by hand holds the page's own keys alone.
        QTest::newRow("page keys alone")
            << QStringList{"ZqCoverModeEnabled=True", "ZqIntLvEnabled=True"} << "chkButCvr" << "lblCvrMode"
            << "chkButTint";
    }

    void storedInterleaveConflict()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, other);
        QFETCH(QString, otherCaption);
        QFETCH(QString, switchedOff);
        useFreshUser(stored);
        BoxRecorder recorder;
        QVERIFY(openOnQueue());

        auto *tint = page()->chkButTint;
        auto *beside = pageWidget<ZelCheckBoxButton>(other);
        auto *besideCaption = pageWidget<QLabel>(otherCaption);
        auto *untouched = other == QLatin1String("chkButCvr") ? page()->lblPins : page()->lblCvrMode;
        // Whatever order the page's registry lists them in, neither is dropped.
        for (int pass = 0; pass < 2; ++pass) {
            QVERIFY(tint->isChecked());
            QVERIFY(beside->isChecked());
            QVERIFY(tint->isEnabled());
            QVERIFY(beside->isEnabled());
            QCOMPARE(page()->lblTint->text().count(errorImage), 1);
            QCOMPARE(besideCaption->text().count(errorImage), 1);
            QVERIFY(!marked(untouched));
            QCOMPARE(verdict(), paneldriver::verdictShowing(false));
            dialog->setConstraints();
        }

        auto *off = switchedOff == QLatin1String("chkButTint") ? tint : beside;
        auto *kept = off == tint ? beside : tint;
        click(off);
        QVERIFY(!off->isChecked());
        QVERIFY(kept->isChecked());
        // Now the rules keep the user from making the pair again.
        QVERIFY(!off->isEnabled());
        QVERIFY(!marked(page()->lblTint));
        QVERIFY(!marked(besideCaption));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
        QCOMPARE(recorder.boxes, QStringList());

        dialog->slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});
        QCOMPARE(readSettingValue(queue, QStringLiteral("ZqIntLvEnabled")), kept == tint ? "True" : "False");
        QCOMPARE(readSettingValue(queue, QStringLiteral("cIntBut")), kept == tint ? "True" : "False");
        const QString besideKey = other == QLatin1String("chkButCvr") ? "ZqCoverModeEnabled" : "ZqPageInsertEnabled";
        QCOMPARE(readSettingValue(queue, besideKey), kept == beside ? "True" : "False");
    }

    // Through the widgets the pair cannot be made: the first section on
    // greys the other button, and a click on it does nothing.
    void widgetsKeepInterleavingApart_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("greyed");
        QTest::newRow("cover first") << "chkButCvr" << QStringList{"chkButTint"};
        QTest::newRow("insert first") << "chkButPins" << QStringList{"chkButTint"};
        QTest::newRow("interleaving first") << "chkButTint" << QStringList{"chkButCvr", "chkButPins"};
    }

    void widgetsKeepInterleavingApart()
    {
        QFETCH(QString, first);
        QFETCH(QStringList, greyed);
        useFreshUser();
        QVERIFY(openOnQueue());
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        click(pageWidget<ZelCheckBoxButton>(first));
        QVERIFY(pageWidget<ZelCheckBoxButton>(first)->isChecked());
        for (const QString &name : qAsConst(greyed)) {
            auto *button = pageWidget<ZelCheckBoxButton>(name);
            QVERIFY2(!button->isEnabled(), qPrintable(name));
            click(button);
            QVERIFY2(!button->isChecked(), qPrintable(name));
        }
        QVERIFY(!marked(page()->lblTint));

        click(pageWidget<ZelCheckBoxButton>(first));
        for (const QString &name : qAsConst(greyed))
            QVERIFY2(pageWidget<ZelCheckBoxButton>(name)->isEnabled(), qPrintable(name));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
    }

    // Page insert switched on, then a list typed: only an accepted list
    // lets the settings be applied; switching the section off clears it.
    void pageListVerdict_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("consistent");
        QTest::addColumn<QString>("message"); // on "Page insert:"; empty: no mark

        QTest::newRow("nothing typed") << "" << false << "Please type a page range.";
        QTest::newRow("page 1") << "1" << false << "You can only enter page numbers between 2 and 511";
        QTest::newRow("59 pages") << "2-60" << false << "You can only insert up to 50 pages.";
        QTest::newRow("two numbers in one entry") << "12 13" << false << "Please enter your specified pages.";
        QTest::newRow("trailing comma, silent") << "3," << false << "";
        QTest::newRow("accepted") << "9-5,3" << true << "";
    }

    void pageListVerdict()
    {
        QFETCH(QString, typed);
        QFETCH(bool, consistent);
        QFETCH(QString, message);
        useFreshUser();
        QVERIFY(openOnQueue());
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        click(page()->chkButPins);
        QVERIFY(page()->chkButPins->isChecked());
        if (!typed.isEmpty())
            typePages(typed);
        QCOMPARE(verdict(), paneldriver::verdictShowing(consistent));
        QCOMPARE(marked(page()->lblPins), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(page()->lblPins->toolTip(), message);

        click(page()->chkButPins);
        QVERIFY(page()->lnEditPinsPage->text().isEmpty());
        QVERIFY(!marked(page()->lblPins));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
    }

    // Page 2 is taken until both front cover sides are printed; the cover
    // boxes alone change the verdict.
    void frontCoverSidesDecideOverPageTwo()
    {
        useFreshUser();
        QVERIFY(openOnQueue());
        // Two-sided, or the rules grey the inside of the front cover.
        setDuplex(QStringLiteral("DuplexNoTumble"));
        click(page()->chkButPins);
        typePages(QStringLiteral("2,9"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        click(page()->chkButCvr);
        click(page()->chkBxCvrFrontOut);
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
        QVERIFY(page()->chkBxCvrFrontIn->isEnabled());
        click(page()->chkBxCvrFrontIn);
        QVERIFY(page()->chkBxCvrFrontIn->isChecked());
        QCOMPARE(verdict(), paneldriver::verdictShowing(false));
        QCOMPARE(page()->lblPins->toolTip(), QStringLiteral("You can only enter page numbers between 3 and 511"));

        click(page()->chkBxCvrFrontOut);
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
        QCOMPARE(page()->getExtraOptions().value(QStringLiteral("ZqPageinsertNums")), QStringLiteral("2,9"));
    }

    // Covers front and back with every side, inserts on both sides, and a
    // duplex setting, as stored; the user picks the cover mode on the page.
    // What is greyed is unchecked and no longer reaches the settings;
    // greying is no conflict. Then the duplex setting changes to two-sided.
    void rulesGreyTheSides_data()
    {
        QTest::addColumn<QString>("coverMode");
        QTest::addColumn<QString>("duplex");
        QTest::addColumn<QStringList>("sides");   // enabled and checked
        QTest::addColumn<QString>("coverValue");
        QTest::addColumn<QString>("insertValue");

        const QStringList all = {"chkBxCvrFrontOut", "chkBxCvrFrontIn", "chkBxCvrBackOut", "chkBxCvrBackIn"};
        QTest::newRow("front and back, two-sided") << "rdButCvrFrontBack" << "DuplexNoTumble" << all << "15" << "3";
        QTest::newRow("front and back, one-sided")
            << "rdButCvrFrontBack" << "None" << QStringList{"chkBxCvrFrontOut", "chkBxCvrBackIn"} << "9" << "1";
        QTest::newRow("front alone, two-sided")
            << "rdButCvrFront" << "DuplexTumble" << QStringList{"chkBxCvrFrontOut", "chkBxCvrFrontIn"} << "3" << "3";
        QTest::newRow("front alone, one-sided")
            << "rdButCvrFront" << "None" << QStringList{"chkBxCvrFrontOut"} << "1" << "1";
    }

    void rulesGreyTheSides()
    {
        QFETCH(QString, coverMode);
        QFETCH(QString, duplex);
        QFETCH(QStringList, sides);
        QFETCH(QString, coverValue);
        QFETCH(QString, insertValue);
        useFreshUser(coverAndInsertStored + QStringList{"Duplex=" + duplex});
        QVERIFY(openOnQueue());
        QCOMPARE(currentOptionStore->option(QStringLiteral("Duplex"))->markedChoice()->name(), duplex);

        click(pageWidget<QRadioButton>(coverMode));
        const bool frontAndBack = coverMode == QLatin1String("rdButCvrFrontBack");
        const bool twoSided = duplex != QLatin1String("None");
        QCOMPARE(enabledSides(), sides);
        QCOMPARE(checkedSides(), sides);
        QCOMPARE(page()->lblCvrBack->isEnabled(), frontAndBack);
        QCOMPARE(page()->chkBxPinsPrintOntoBack->isEnabled(), twoSided);
        QCOMPARE(page()->chkBxPinsPrintOntoBack->isChecked(), twoSided);
        QVERIFY(page()->chkBxPinsPrintOntoFront->isEnabled());
        const QHash<QString, QString> extra = page()->getExtraOptions();
        QCOMPARE(extra.value(QStringLiteral("ZqCoverModeValue")), coverValue);
        QCOMPARE(extra.value(QStringLiteral("ZqPageinsertValue")), insertValue);
        const QHash<QString, QString> options = page()->getOptions();
        QCOMPARE(options.value(QStringLiteral("cCovPOBO")), QString(sides.contains("chkBxCvrBackOut") ? "True" : "False"));
        QCOMPARE(options.value(QStringLiteral("cInsPrnB")), QString(twoSided ? "True" : "False"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        // Two-sided again: the boxes come back, still unchecked.
        setDuplex(QStringLiteral("DuplexNoTumble"));
        const QStringList free = frontAndBack ? QStringList{"chkBxCvrFrontOut", "chkBxCvrFrontIn", "chkBxCvrBackOut",
                                                            "chkBxCvrBackIn"}
                                              : QStringList{"chkBxCvrFrontOut", "chkBxCvrFrontIn"};
        QCOMPARE(enabledSides(), free);
        QCOMPARE(checkedSides(), sides);
        QVERIFY(page()->chkBxPinsPrintOntoBack->isEnabled());
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
    }
};

QTEST_MAIN(PublishingDialogTest)
#include "tst_publishingdialog.moc"
