// The Imaging page inside the main dialog: its colour group, the Basic
// page's and the print-accounting page's colour policy are coupled through
// ZelDialog::toggleColorMode, and reach the adjustment dialogs. Runs as an
// ordinary user: the panel refuses root.
#include "adjustmentdialog.h"
#include "dialogsession.h"
#include "fixturestore.h"
#include "generaltab.h"
#include "imagingfixtures.h"
#include "imagingtab.h"
#include "monodialog.h"
#include "sessionstate.h"
#include "tpxtab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"

#include <QPushButton>
#include <QSlider>
#include <QtTest>

using fixturestore::markedName;
using fixturestore::writeSettings;

class ImagingCouplingTest : public QObject
{
    Q_OBJECT

    DialogSession m_session{QStringLiteral("tst-imaging"), DialogSession::WithoutCups};
    fixturestore::CurrentStore m_store;
    ZelDialog *m_dialog = nullptr;

private slots:
    void initTestCase() { QVERIFY2(m_session.start() && m_session.freshUser(), m_session.whyNot()); }

    void init()
    {
        m_dialog = new ZelDialog;
        m_store.reset(imagingfixtures::loadStore("imaging-page.ppd"));
        activeSettingsPath = m_session.settingsPath(QStringLiteral("ImagingQueue"));
        writeSettings({"Cadj=True", "CaColorSpace=0", "fCast=1.5", "Madj=True", "fMalt=4.5"});
        // What a printer change does for this page.
        m_dialog->updateTabEnabled(m_dialog->imagingTab);
        QVERIFY(m_dialog->imagingTab->isEnabled());
        m_dialog->imagingTab->retranslateUi();
        m_dialog->imagingTab->reload();
        m_dialog->updateTabEnabled(m_dialog->generalTab);
        QVERIFY(m_dialog->generalTab->isEnabled());
        m_dialog->generalTab->reload();
    }

    void cleanup()
    {
        delete m_dialog;
        m_dialog = nullptr;
        m_store.reset();
    }

    void colourPolicyResetsOnlyTheColourAdjustment()
    {
        ImagingTab *page = m_dialog->imagingTab;
        QCOMPARE(page->colorDialog()->slider("Cast")->value(), 150);
        emit m_dialog->tpxTab->colorchanged();
        QCOMPARE(markedName("Cadj"), QString("False"));
        QCOMPARE(markedName("CaColorSpace"), QString("-1"));
        QCOMPARE(page->colorDialog()->slider("Cast")->value(), 0);
        QCOMPARE(markedName("Madj"), QString("True"));
        QCOMPARE(page->monoAdjustmentDialog()->brightnessSlider()->value(), 45);
    }

    void imagingClickResetsTheOtherMode()
    {
        ImagingTab *page = m_dialog->imagingTab;
        page->colorModeGroup()->button(1)->click();
        QCOMPARE(page->colorModeGroup()->checkedIndex(), 1);
        QCOMPARE(markedName("ColorModel"), QString("Gray"));
        QCOMPARE(page->colorDialog()->slider("Cast")->value(), 0);
        QCOMPARE(page->getOptions().value("fMalt"), QString("4.5"));

        page->colorModeGroup()->button(0)->click();
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
        QCOMPARE(page->getOptions().value("Madj"), QString("False"));
        QCOMPARE(page->getOptions().value("fMalt"), QString("0"));
    }

    // A click on the Basic page's colour group puts the Imaging page's on the
    // same index and resets the adjustment of the mode not chosen.
    void basicClickCouplesTheImagingPage()
    {
        ZelButtonGroup *basic = m_dialog->generalTab->colorModeGroup();
        ImagingTab *page = m_dialog->imagingTab;
        QVERIFY(basic);
        QCOMPARE(page->colorModeGroup()->checkedIndex(), 0);

        basic->button(1)->click();
        QCOMPARE(page->colorModeGroup()->checkedIndex(), 1);
        QCOMPARE(page->colorModeGroup()->checkedName(), QString("Black & white"));
        QCOMPARE(markedName("ColorModel"), QString("Gray"));
        QCOMPARE(markedName("Cadj"), QString("False"));
        QCOMPARE(page->colorDialog()->slider("Cast")->value(), 0);
        QCOMPARE(page->monoAdjustmentDialog()->brightnessSlider()->value(), 45);
        QCOMPARE(page->getOptions().value("ColorModel"), QString("Gray"));

        basic->button(0)->click();
        QCOMPARE(page->colorModeGroup()->checkedIndex(), 0);
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
        QCOMPARE(markedName("Madj"), QString("False"));
        QCOMPARE(page->monoAdjustmentDialog()->brightnessSlider()->value(), 0);
    }

    void imagingClickCouplesTheBasicPage()
    {
        ZelButtonGroup *basic = m_dialog->generalTab->colorModeGroup();
        QVERIFY(basic);
        m_dialog->imagingTab->colorModeGroup()->button(1)->click();
        QCOMPARE(basic->checkedIndex(), 1);
        QCOMPARE(m_dialog->generalTab->getOptions().value("ColorModel"), QString("Gray"));
        m_dialog->imagingTab->colorModeGroup()->button(0)->click();
        QCOMPARE(basic->checkedIndex(), 0);
        QCOMPARE(m_dialog->generalTab->getOptions().value("ColorModel"), QString("CMYK"));
    }

    // The main dialog's pass: the print-accounting rule against toner
    // saving's off state turns it on and locks it, and the colour group
    // follows a colour mode another page marked.
    void constraintPassLocksTonerSavingOn()
    {
        ImagingTab *page = m_dialog->imagingTab;
        QCOMPARE(page->thriftinkGroup()->checkedIndex(), 0);
        m_store->selectChoice("TPXThriftink", "On");
        m_dialog->setConstraints();
        QCOMPARE(page->thriftinkGroup()->checkedIndex(), 1);
        QVERIFY(!page->thriftinkGroup()->isEnabled());
        QCOMPARE(markedName("Thft"), QString("Level3"));
        QCOMPARE(page->getOptions().value("Thft"), QString("Level3"));
    }

    void constraintPassSetsColourGroupByMarkedName()
    {
        ImagingTab *page = m_dialog->imagingTab;
        m_store->selectChoice("ColorModel", "Gray");
        m_dialog->setConstraints();
        QCOMPARE(page->colorModeGroup()->checkedName(), QString("Black & white"));
        m_store->selectChoice("ColorModel", "CMYK");
        m_dialog->setConstraints();
        QCOMPARE(page->colorModeGroup()->checkedName(), QString("Full color"));
    }
};

QTEST_MAIN(ImagingCouplingTest)
#include "tst_imagingcoupling.moc"
