#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <QRadioButton>

#include "fixturestore.h"
#include "pages/pagepass.h"
#include "optionstore.h"
#include "publishingfixture.h"
#include "publishingtab.h"
#include "sessionstate.h"
#include "settingsfile.h"

using fixturestore::writeSettings;

namespace {
const QString errorImage = QStringLiteral("<img src=':/icons/error'>");
const QString msgEmpty = QStringLiteral("Please type a page range.");
const QString msgSyntax = QStringLiteral("Please enter your specified pages.");
const QString msgTooMany = QStringLiteral("You can only insert up to 50 pages.");
const QString msgFrom3 = QStringLiteral("You can only enter page numbers between 3 and 511");
const QString msgFrom2 = QStringLiteral("You can only enter page numbers between 2 and 511");

bool marked(const QLabel *label)
{
    return label->text().contains(errorImage);
}

QStringList sortedLines(const QHash<QString, QString> &hash)
{
    QStringList lines;
    for (auto it = hash.constBegin(); it != hash.constEnd(); ++it)
        lines << it.key() + '=' + it.value();
    lines.sort();
    return lines;
}

QString pagesTwoTo(int last)
{
    QStringList pages;
    for (int page = 2; page <= last; ++page)
        pages << QString::number(page);
    return pages.join(',');
}
}

class TestPublishingTab : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fixturestore::CurrentStore m_store;
    PassDialog *m_dialog = nullptr;
    PublishingTab *m_page = nullptr;

    // A printer change: a new store from the fixture, the page reloaded
    // from the settings file, then the pass that follows every reload.
    void selectPrinter(const QString &fixture, const QStringList &settings = QStringList(), bool pass = true)
    {
        QFile::remove(activeSettingsPath);
        if (!settings.isEmpty())
            writeSettings(settings);
        m_store.reset(publishingfixture::storeFrom(fixture));
        markPpdDefaults();
        m_page->reload();
        if (pass)
            m_dialog->setConstraints();
    }

    // The other pages mark their options (Duplex, MediaType) at every
    // printer change, which sets the built-in rules to work.
    void markPpdDefaults()
    {
        const QList<kOption *> options = m_store->options();
        for (kOption *option : options) {
            if (option->isFromPpd())
                option->select(option->defaultChoice());
        }
    }

    QString markedName(const QString &keyword) const
    {
        const kChoice *choice = m_store->option(keyword)->markedChoice();
        return choice ? choice->name() : QString();
    }

    QWidget *widget(const QString &accessibleName) const
    {
        const QList<QWidget *> all = m_page->findChildren<QWidget *>();
        for (QWidget *candidate : all) {
            if (candidate->accessibleName() == accessibleName)
                return candidate;
        }
        qFatal("no widget %s", qPrintable(accessibleName));
        return nullptr;
    }

    // The names of the page's checkable widgets that are checked now.
    QStringList checkedWidgets() const
    {
        QStringList names;
        const QList<QWidget *> all = m_page->findChildren<QWidget *>();
        for (QWidget *candidate : all) {
            bool checked = false;
            if (auto *button = qobject_cast<ZelCheckBoxButton *>(candidate))
                checked = button->isChecked();
            else if (auto *plain = qobject_cast<QAbstractButton *>(candidate))
                checked = plain->isChecked() && !candidate->accessibleName().isEmpty();
            if (checked)
                names << candidate->accessibleName();
        }
        names.sort();
        return names;
    }

    // Widget states set with the page's signals blocked, so no rule and no
    // pass intervenes: "name" checks a box, "name=text" picks a combo item
    // or fills the page list. Live, they are set as a user would.
    void setStates(const QStringList &actions, bool live = false)
    {
        m_page->BlockAllSignals(!live);
        for (const QString &action : actions) {
            const int equals = action.indexOf('=');
            QWidget *target = widget(action.left(equals));
            const QString value = equals < 0 ? QString() : action.mid(equals + 1);
            if (auto *button = qobject_cast<ZelCheckBoxButton *>(target))
                button->setChecked(true);
            else if (auto *plain = qobject_cast<QAbstractButton *>(target))
                plain->setChecked(true);
            else if (auto *combo = qobject_cast<QComboBox *>(target))
                combo->setCurrentIndex(combo->findText(value));
            else if (auto *edit = qobject_cast<QLineEdit *>(target))
                live ? typeList(value) : edit->setText(value);
        }
        m_page->BlockAllSignals(false);
        m_page->checkPageInsertInputText();
    }

    // A typed list: the field's edit signal reaches the check and the pass.
    void typeList(const QString &text)
    {
        m_page->lnEditPinsPage->setText(text);
        emit m_page->lnEditPinsPage->textEdited(text);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        activeSettingsPath = m_dir.filePath("PubQueue.cfg");
        m_dialog = new PassDialog;
        m_page = new PublishingTab(m_dialog);
        m_dialog->page = m_page;
        selectPrinter("publishing-full.ppd");
    }

    void cleanup()
    {
        delete m_dialog;
        m_dialog = nullptr;
        m_page = nullptr;
        m_store.reset();
    }

    // ---- the page list -------------------------------------------------------

    void pageListRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bothFront"); // both front cover sides printed
        QTest::addColumn<QString>("accepted"); // normal form; null: not accepted
        QTest::addColumn<QString>("message");  // tool tip of the mark; empty: no mark

        const QString no;
        QTest::newRow("empty") << "" << false << no << msgEmpty;
        QTest::newRow("sorted, duplicates dropped") << "10,2,2,5" << false << "2,5,10" << "";
        QTest::newRow("descending range") << "9-5" << false << "5,6,7,8,9" << "";
        QTest::newRow("blanks around numbers") << " 5 - 7 , 3 " << false << "3,5,6,7" << "";
        QTest::newRow("leading zeros") << "007,03" << false << "3,7" << "";
        QTest::newRow("overlapping ranges") << "5-7,6-9" << false << "5,6,7,8,9" << "";
        QTest::newRow("letter") << "3,a" << false << no << msgSyntax;
        QTest::newRow("empty entry inside") << "3,,4" << false << no << msgSyntax;
        QTest::newRow("empty first entry") << ",3" << false << no << msgSyntax;
        QTest::newRow("trailing comma") << "3," << false << no << "";
        QTest::newRow("trailing comma after range") << "3-5," << false << no << "";
        QTest::newRow("two numbers in one entry") << "12 13" << false << no << msgSyntax;
        QTest::newRow("three numbers read as page 0") << "12 13 14" << false << no << msgFrom2;
        QTest::newRow("two dashes") << "2-3-4" << false << no << msgSyntax;
        QTest::newRow("59 pages") << "2-60" << false << no << msgTooMany;
        QTest::newRow("50 pages") << "2-51" << false << pagesTwoTo(51) << "";
        QTest::newRow("50 distinct of overlapping ranges") << "2-40,30-51" << false << pagesTwoTo(51) << "";
        QTest::newRow("51 distinct of overlapping ranges") << "2-40,30-52" << false << no << msgTooMany;
        QTest::newRow("huge range") << "2-2147483647" << false << no << msgTooMany;
        QTest::newRow("range over the 32-bit count") << "0-2147483647" << false << no << msgTooMany;
        QTest::newRow("bound too large reads as 0") << "2-2147483648" << false << no << msgFrom2;
        QTest::newRow("page too large reads as 0") << "99999999999" << false << no << msgFrom2;
        QTest::newRow("page 1") << "1" << false << no << msgFrom2;
        QTest::newRow("page 512") << "512" << false << no << msgFrom2;
        QTest::newRow("range 1-3") << "1-3" << false << no << msgFrom2;
        QTest::newRow("page 511") << "511" << false << "511" << "";
        QTest::newRow("page 2, one front side") << "2" << false << "2" << "";
        QTest::newRow("page 2, both front sides") << "2" << true << no << msgFrom3;
        QTest::newRow("page 3, both front sides") << "3" << true << "3" << "";
        QTest::newRow("2 and 600, both front sides") << "2,600" << true << no << msgFrom3;
        QTest::newRow("2 and 600") << "2,600" << false << no << msgFrom2;
        QTest::newRow("too many before the cover limit") << "2-60" << true << no << msgTooMany;
        QTest::newRow("open range last") << "3,12-" << false << "3" << "";
        QTest::newRow("open range last, blanks") << "3, 5 - " << false << "3" << "";
        QTest::newRow("open range from 1") << "3,1-" << false << no << msgSyntax;
        QTest::newRow("open range with leading zero") << "3,02-" << false << no << msgSyntax;
        QTest::newRow("open range alone") << "12-" << false << no << "";
        QTest::newRow("open range before the last entry") << "12-,3" << false << no << msgSyntax;
        QTest::newRow("blanks only") << "   " << false << no << "";
    }
    void pageListRules()
    {
        QFETCH(QString, text);
        QFETCH(bool, bothFront);
        QFETCH(QString, accepted);
        QFETCH(QString, message);

        QStringList settings{"ZqPageInsertEnabled=True"};
        if (bothFront)
            settings << "ZqCoverModeEnabled=True" << "ZqCoverModeValue=3";
        selectPrinter("publishing-full.ppd", settings);
        QCOMPARE(m_page->chkBxCvrFrontIn->isChecked(), bothFront);
        QCOMPARE(m_page->chkBxCvrFrontOut->isChecked(), bothFront);

        typeList(text);
        QCOMPARE(m_page->acceptedPages, accepted.isNull() ? QString() : accepted);
        QCOMPARE(m_page->pageListInvalid, accepted.isNull());
        QCOMPARE(marked(m_page->lblPins), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(m_page->lblPins->toolTip(), message);
        QCOMPARE(m_page->hasConflict(), accepted.isNull());
        QCOMPARE(m_dialog->consistent, !accepted.isNull());
        QCOMPARE(m_page->getExtraOptions().value("ZqPageinsertNums"), accepted.isNull() ? QString() : accepted);
    }

    // A trailing comma ends the check before the mark is touched: the mark
    // of the last message stays until the pass clears it.
    void trailingCommaLeavesTheMark()
    {
        selectPrinter("publishing-full.ppd", {"ZqPageInsertEnabled=True"});
        m_page->lnEditPinsPage->setText("3,a");
        m_page->checkPageInsertInputText();
        QVERIFY(marked(m_page->lblPins));
        m_page->lnEditPinsPage->setText("3,");
        m_page->checkPageInsertInputText();
        QVERIFY(marked(m_page->lblPins));
        QCOMPARE(m_page->lblPins->toolTip(), msgSyntax);
        m_dialog->setConstraints();
        QVERIFY(!marked(m_page->lblPins));
        QVERIFY(m_page->hasConflict());
        typeList("3,4");
        QCOMPARE(m_page->acceptedPages, QString("3,4"));
        QVERIFY(!m_page->hasConflict());
    }

    // The check follows the front cover boxes at once.
    void frontCoverBoxesRecheckTheList()
    {
        selectPrinter("publishing-full.ppd",
                      {"ZqCoverModeEnabled=True", "ZqPageInsertEnabled=True", "ZqPageinsertNums=2,9"});
        QCOMPARE(m_page->acceptedPages, QString("2,9"));
        QVERIFY(m_dialog->consistent);

        m_page->chkBxCvrFrontOut->setChecked(true);
        QVERIFY(m_page->chkBxCvrFrontOut->isChecked());
        QCOMPARE(m_page->acceptedPages, QString("2,9"));

        m_page->chkBxCvrFrontIn->setChecked(true);
        QVERIFY(m_page->chkBxCvrFrontIn->isChecked());
        QVERIFY(m_page->pageListInvalid);
        QCOMPARE(m_page->lblPins->toolTip(), msgFrom3);
        QVERIFY(marked(m_page->lblPins));
        QVERIFY(!m_dialog->consistent);

        m_page->chkBxCvrFrontOut->setChecked(false);
        QCOMPARE(m_page->acceptedPages, QString("2,9"));
        QVERIFY(!marked(m_page->lblPins));
        QVERIFY(m_dialog->consistent);
    }

    void pageInsertOffChecksNothing()
    {
        m_page->acceptedPages = "4";
        m_page->pageListInvalid = false;
        m_page->lnEditPinsPage->setText("1,a");
        m_page->checkPageInsertInputText();
        QCOMPARE(m_page->acceptedPages, QString("4"));
        QVERIFY(!m_page->pageListInvalid);
        QVERIFY(!marked(m_page->lblPins));
        m_page->pageListInvalid = true;
        QVERIFY(!m_page->hasConflict());
    }

    void pageInsertOnWithEmptyList()
    {
        QVERIFY(m_dialog->consistent);
        m_page->chkButPins->setChecked(true);
        QVERIFY(m_page->hasConflict());
        QVERIFY(!m_dialog->consistent);
        QCOMPARE(m_page->lblPins->toolTip(), msgEmpty);
        typeList("4");
        QVERIFY(m_dialog->consistent);
        typeList("");
        QVERIFY(!m_dialog->consistent);
        m_page->chkButPins->setChecked(false);
        QVERIFY(m_dialog->consistent);
        QVERIFY(!marked(m_page->lblPins));
    }

    // What was stored by hand, past the field's validator.
    void storedListWithALetter()
    {
        selectPrinter("publishing-full.ppd", {"ZqPageInsertEnabled=True", "ZqPageinsertNums=3,4b"});
        QCOMPARE(m_page->lnEditPinsPage->text(), QString("3,4b"));
        QCOMPARE(m_page->lblPins->toolTip(), msgSyntax);
        QVERIFY(marked(m_page->lblPins));
        QVERIFY(!m_dialog->consistent);
    }

    void pageListFieldTakesDigitsFirst_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("empty while typing") << "" << int(QValidator::Intermediate);
        QTest::newRow("list") << "3, 5-9,12-" << int(QValidator::Acceptable);
        QTest::newRow("comma first") << ",3" << int(QValidator::Invalid);
        QTest::newRow("blank first") << " 3" << int(QValidator::Invalid);
        QTest::newRow("letter") << "3a" << int(QValidator::Invalid);
    }
    void pageListFieldTakesDigitsFirst()
    {
        QFETCH(QString, text);
        QFETCH(int, state);
        int position = text.size();
        QCOMPARE(int(m_page->lnEditPinsPage->validator()->validate(text, position)), state);
    }

    // ---- settings keys -------------------------------------------------------------

    void extraOptions_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("expected");

        const QStringList coverOff{"ZqCoverModeEnabled=False"};
        const QStringList insertOff{"Pins=Off", "ZqPageInsertEnabled=False", "ZqPageinsertValue=-1"};
        const QStringList interleaveOff{"ZqIntLvEnabled=False", "ZqIntLvValue=0"};
        auto rows = [](QStringList lines) {
            lines.sort();
            return lines;
        };
        QTest::newRow("all off") << QStringList() << rows(coverOff + insertOff + interleaveOff);
        QTest::newRow("cover off, boxes left checked")
            << QStringList{"rdButCvrFrontBack", "chkBxCvrFrontOut"} << rows(coverOff + insertOff + interleaveOff);
        QTest::newRow("cover front, no side")
            << QStringList{"chkButCvr", "rdButCvrFront"}
            << rows(QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=16", "ZqCovermodeRadioButtonState=1",
                                "ZQCoverMedia=Plain cover"} + insertOff + interleaveOff);
        QTest::newRow("cover front and back, no side")
            << QStringList{"chkButCvr", "rdButCvrFrontBack", "cmbBxCvrM=Thick cover"}
            << rows(QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=32", "ZqCovermodeRadioButtonState=2",
                                "ZQCoverMedia=Thick cover"} + insertOff + interleaveOff);
        QTest::newRow("cover front outside, back inside")
            << QStringList{"chkButCvr", "rdButCvrFrontBack", "chkBxCvrFrontOut", "chkBxCvrBackIn"}
            << rows(QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=9", "ZqCovermodeRadioButtonState=2",
                                "ZQCoverMedia=Plain cover"} + insertOff + interleaveOff);
        QTest::newRow("cover every side")
            << QStringList{"chkButCvr", "rdButCvrFrontBack", "chkBxCvrFrontOut", "chkBxCvrFrontIn",
                           "chkBxCvrBackOut", "chkBxCvrBackIn"}
            << rows(QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=15", "ZqCovermodeRadioButtonState=2",
                                "ZQCoverMedia=Plain cover"} + insertOff + interleaveOff);
        QTest::newRow("insert onto front")
            << QStringList{"chkButPins", "chkBxPinsPrintOntoFront", "lnEditPinsPage=10,2,2,5",
                           "cmbBxPMed=Colored sheet"}
            << rows(coverOff + QStringList{"ZqPageInsertEnabled=True", "Pins=On", "ZqPageinsertValue=1",
                                           "ZqPageinsertNums=2,5,10", "ZQPageinsertMedia=Colored sheet"}
                    + interleaveOff);
        QTest::newRow("insert onto back")
            << QStringList{"chkButPins", "chkBxPinsPrintOntoBack", "lnEditPinsPage=3"}
            << rows(coverOff + QStringList{"ZqPageInsertEnabled=True", "Pins=On", "ZqPageinsertValue=2",
                                           "ZqPageinsertNums=3", "ZQPageinsertMedia=Plain sheet"}
                    + interleaveOff);
        QTest::newRow("insert onto both, list not accepted")
            << QStringList{"chkButPins", "chkBxPinsPrintOntoFront", "chkBxPinsPrintOntoBack", "lnEditPinsPage=12-"}
            << rows(coverOff + QStringList{"ZqPageInsertEnabled=True", "Pins=On", "ZqPageinsertValue=3",
                                           "ZqPageinsertNums=", "ZQPageinsertMedia=Plain sheet"}
                    + interleaveOff);
        QTest::newRow("insert onto neither")
            << QStringList{"chkButPins", "lnEditPinsPage=4"}
            << rows(coverOff + QStringList{"ZqPageInsertEnabled=True", "Pins=On", "ZqPageinsertValue=0",
                                           "ZqPageinsertNums=4", "ZQPageinsertMedia=Plain sheet"}
                    + interleaveOff);
        QTest::newRow("interleave, backing blank")
            << QStringList{"chkButTint", "cmbBxTMed=Tabbed backing"}
            << rows(coverOff + insertOff
                    + QStringList{"ZqIntLvEnabled=True", "ZqIntLvValue=1",
                                  "ZQTransparencyinterleavingMedia=Tabbed backing"});
        QTest::newRow("interleave, backing printed")
            << QStringList{"chkButTint", "chkBxTintPrintOnto"}
            << rows(coverOff + insertOff
                    + QStringList{"ZqIntLvEnabled=True", "ZqIntLvValue=2",
                                  "ZQTransparencyinterleavingMedia=Plain backing"});
    }
    void extraOptions()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, expected);
        setStates(actions);
        QCOMPARE(sortedLines(m_page->getExtraOptions()), expected);
    }

    // The PPD keywords carry choice names, the page's media keys the texts.
    void mediaKeysHoldTextsKeywordsHoldNames()
    {
        setStates({"chkButCvr", "cmbBxCvrM=Colored cover", "chkButPins", "cmbBxPMed=Colored sheet",
                   "lnEditPinsPage=4"});
        const QHash<QString, QString> options = m_page->getOptions();
        QCOMPARE(options.value("CvrM"), QString("Colored"));
        QCOMPARE(options.value("Pmed"), QString("Colored"));
        QCOMPARE(options.value("Tmed"), QString("Plain"));
        QCOMPARE(options.value("cCovBut"), QString("True"));
        QCOMPARE(options.value("cIntBut"), QString("False"));
        // Radio buttons are written by no one.
        QVERIFY(!options.contains("cCovTRad"));
        QVERIFY(!options.contains("cCovBRad"));
        const QHash<QString, QString> extra = m_page->getExtraOptions();
        QCOMPARE(extra.value("ZQCoverMedia"), QString("Colored cover"));
        QCOMPARE(extra.value("ZQPageinsertMedia"), QString("Colored sheet"));
    }

    // What the page writes, read back into a fresh store and page.
    void reloadRoundTrip()
    {
        setStates({"chkButCvr", "rdButCvrFrontBack", "chkBxCvrFrontOut", "chkBxCvrBackIn",
                   "cmbBxCvrM=Colored cover", "chkButPins", "chkBxPinsPrintOntoFront", "chkBxPinsPrintOntoBack",
                   "lnEditPinsPage=9-5,3", "cmbBxPMed=Colored sheet", "cmbBxTMed=Tabbed backing"},
                  true);
        QVERIFY(m_dialog->consistent);
        QCOMPARE(checkedWidgets(),
                 QStringList({"chkButCvr", "chkButPins", "chkBxCvrBackIn", "chkBxCvrFrontOut", "chkBxPinsPrintOntoBack",
                              "chkBxPinsPrintOntoFront", "rdButCvrFrontBack"}));
        const QHash<QString, QString> options = m_page->getOptions();
        const QHash<QString, QString> extra = m_page->getExtraOptions();
        const QStringList checked = checkedWidgets();
        SettingsSnapshot snapshot;
        for (auto it = options.constBegin(); it != options.constEnd(); ++it)
            snapshot.insert(it.key(), it.value());
        for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
            snapshot.insert(it.key(), it.value());
        QVERIFY(writeProfileFile(activeSettingsPath, snapshot, true));

        delete m_dialog;
        m_dialog = new PassDialog;
        m_page = new PublishingTab(m_dialog);
        m_dialog->page = m_page;
        m_store.reset(publishingfixture::storeFrom("publishing-full.ppd"));
        markPpdDefaults();
        m_page->reload();
        m_dialog->setConstraints();

        QCOMPARE(checkedWidgets(), checked);
        QCOMPARE(m_page->lnEditPinsPage->text(), QString("3,5,6,7,8,9"));
        QCOMPARE(m_page->cmbBxCvrM->currentText(), QString("Colored cover"));
        QCOMPARE(sortedLines(m_page->getExtraOptions()), sortedLines(extra));
        QCOMPARE(sortedLines(m_page->getOptions()), sortedLines(options));
        QVERIFY(m_dialog->consistent);
        // The model holds what the widgets show.
        QCOMPARE(markedName("cCovBut"), QString("True"));
        QCOMPARE(markedName("cCovBRad"), QString("True"));
        QCOMPARE(markedName("cCovPOBI"), QString("True"));
        QCOMPARE(markedName("cInsBut"), QString("True"));
    }

    void readBack_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("checked");

        QTest::newRow("nothing stored") << QStringList() << QStringList{"rdButCvrFront"};
        QTest::newRow("16 checks no side")
            << QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=16", "ZqCovermodeRadioButtonState=1"}
            << QStringList{"chkButCvr", "rdButCvrFront"};
        QTest::newRow("32 checks no side")
            << QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=32", "ZqCovermodeRadioButtonState=2"}
            << QStringList{"chkButCvr", "rdButCvrFrontBack"};
        QTest::newRow("radio state missing") << QStringList{"ZqCoverModeEnabled=True"}
                                             << QStringList{"chkButCvr", "rdButCvrFront"};
        QTest::newRow("radio state -1")
            << QStringList{"ZqCoverModeEnabled=True", "ZqCovermodeRadioButtonState=-1"}
            << QStringList{"chkButCvr", "rdButCvrFront"};
        QTest::newRow("sides 9")
            << QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=9", "ZqCovermodeRadioButtonState=2"}
            << QStringList{"chkBxCvrBackIn", "chkBxCvrFrontOut", "chkButCvr", "rdButCvrFrontBack"};
        QTest::newRow("sides not a number")
            << QStringList{"ZqCoverModeEnabled=True", "ZqCoverModeValue=nine"}
            << QStringList{"chkButCvr", "rdButCvrFront"};
        QTest::newRow("enabled in lower case") << QStringList{"ZqCoverModeEnabled=true"}
                                               << QStringList{"rdButCvrFront"};
        QTest::newRow("insert onto both")
            << QStringList{"ZqPageInsertEnabled=True", "ZqPageinsertValue=3", "ZqPageinsertNums=4"}
            << QStringList{"chkBxPinsPrintOntoBack", "chkBxPinsPrintOntoFront", "chkButPins", "rdButCvrFront"};
        QTest::newRow("insert onto back")
            << QStringList{"ZqPageInsertEnabled=True", "ZqPageinsertValue=2", "ZqPageinsertNums=4"}
            << QStringList{"chkBxPinsPrintOntoBack", "chkButPins", "rdButCvrFront"};
        QTest::newRow("insert value -1") << QStringList{"ZqPageInsertEnabled=True", "ZqPageinsertValue=-1"}
                                         << QStringList{"chkButPins", "rdButCvrFront"};
        QTest::newRow("interleave blank backing") << QStringList{"ZqIntLvEnabled=True", "ZqIntLvValue=1"}
                                                  << QStringList{"chkButTint", "rdButCvrFront"};
        QTest::newRow("interleave printed backing") << QStringList{"ZqIntLvEnabled=True", "ZqIntLvValue=2"}
                                                    << QStringList{"chkBxTintPrintOnto", "chkButTint", "rdButCvrFront"};
    }
    void readBack()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, checked);
        checked.sort();
        QFile::remove(activeSettingsPath);
        if (!settings.isEmpty())
            writeSettings(settings);
        m_page->reload();
        QCOMPARE(checkedWidgets(), checked);
        // Sections follow their buttons; the back caption follows "Front".
        QCOMPARE(m_page->rdButCvrFront->isEnabled(), m_page->chkButCvr->isChecked());
        QCOMPARE(m_page->lnEditPinsPage->isEnabled(), m_page->chkButPins->isChecked());
        QCOMPARE(m_page->cmbBxTMed->isEnabled(), m_page->chkButTint->isChecked());
        QCOMPARE(m_page->lblCvrBack->isEnabled(),
                 m_page->chkButCvr->isChecked() && m_page->rdButCvrFrontBack->isChecked());
    }

    // A file that holds the page's own keys alone (a profile written by
    // hand, an older file): the sections it switches on survive the pass.
    void pageKeysAloneSurviveThePass()
    {
        selectPrinter("publishing-full.ppd",
                      {"ZqCoverModeEnabled=True", "ZqCovermodeRadioButtonState=2", "ZqCoverModeValue=9",
                       "ZqPageInsertEnabled=True", "ZqPageinsertValue=1", "ZqPageinsertNums=4"});
        QCOMPARE(markedName("cCovBut"), QString("True"));
        QCOMPARE(markedName("cInsBut"), QString("True"));
        QCOMPARE(checkedWidgets(), QStringList({"chkButCvr", "chkButPins", "chkBxCvrBackIn", "chkBxCvrFrontOut",
                                                "chkBxPinsPrintOntoFront", "rdButCvrFrontBack"}));
        QVERIFY(m_dialog->consistent);
    }

    // A printer without inserted sheets' media: the base switches the
    // section off, the page's own key switches it on again.
    void printerWithoutInsertMedia()
    {
        selectPrinter("publishing-nopmed.ppd", QStringList(), false);
        QVERIFY(m_page->isSupported());
        QVERIFY(!m_page->chkButPins->isChecked());
        QVERIFY(!m_page->chkButPins->isEnabled());
        QVERIFY(!m_page->lblPMed->isEnabled());
        QCOMPARE(m_page->cmbBxPMed->count(), 0);
        selectPrinter("publishing-nopmed.ppd", {"ZqPageInsertEnabled=True"}, false);
        QVERIFY(m_page->chkButPins->isChecked());
    }

    void supported()
    {
        QVERIFY(m_page->isSupported());
        selectPrinter("publishing-none.ppd");
        QVERIFY(!m_page->isSupported());
        QVERIFY(!m_page->hasConflict());
        currentOptionStore = nullptr;
        QVERIFY(!m_page->isSupported());
        currentOptionStore = m_store.get();
    }

    // ---- sections and rules -------------------------------------------------------

    void coverOffResetsTheSection()
    {
        selectPrinter("publishing-full.ppd", {"ZqCoverModeEnabled=True", "ZqCovermodeRadioButtonState=2",
                                              "ZqCoverModeValue=5", "CvrM=Thick"});
        QVERIFY(m_page->rdButCvrFrontBack->isChecked());
        QCOMPARE(m_page->cmbBxCvrM->currentText(), QString("Thick cover"));
        QVERIFY(m_page->chkBxCvrBackOut->isChecked());

        m_page->chkButCvr->setChecked(false);
        QVERIFY(m_page->rdButCvrFront->isChecked());
        QCOMPARE(m_page->cmbBxCvrM->currentIndex(), 0);
        QCOMPARE(checkedWidgets(), QStringList{"rdButCvrFront"});
        QCOMPARE(sortedLines(m_page->getExtraOptions()).filter("Cover"), QStringList{"ZqCoverModeEnabled=False"});

        m_page->chkButCvr->setChecked(true);
        QVERIFY(m_page->rdButCvrFront->isChecked());
        QVERIFY(m_dialog->consistent);
    }

    void insertAndInterleaveOffResetTheirSections()
    {
        selectPrinter("publishing-full.ppd",
                      {"ZqPageInsertEnabled=True", "ZqPageinsertValue=3", "ZqPageinsertNums=4", "Pmed=Colored",
                       "ZqIntLvEnabled=False"});
        QCOMPARE(m_page->cmbBxPMed->currentText(), QString("Colored sheet"));
        m_page->chkButPins->setChecked(false);
        QVERIFY(!m_page->chkBxPinsPrintOntoFront->isChecked());
        QVERIFY(!m_page->chkBxPinsPrintOntoBack->isChecked());
        QVERIFY(m_page->lnEditPinsPage->text().isEmpty());
        QCOMPARE(m_page->cmbBxPMed->currentIndex(), 0);

        m_page->chkButTint->setChecked(true);
        QVERIFY(m_page->chkButTint->isChecked());
        m_page->cmbBxTMed->setCurrentIndex(1);
        m_page->chkBxTintPrintOnto->setChecked(true);
        QVERIFY(m_page->chkBxTintPrintOnto->isChecked());
        m_page->chkButTint->setChecked(false);
        QVERIFY(!m_page->chkBxTintPrintOnto->isChecked());
        QCOMPARE(m_page->cmbBxTMed->currentIndex(), 0);
    }

    // "Front" alone leaves the back boxes to the rules: greyed and cleared.
    void frontAloneGreysTheBackBoxes()
    {
        m_page->chkButCvr->setChecked(true);
        QVERIFY(m_page->rdButCvrFront->isChecked());
        QVERIFY(m_page->chkBxCvrFrontOut->isEnabled());
        QVERIFY(m_page->chkBxCvrFrontIn->isEnabled());
        QVERIFY(!m_page->chkBxCvrBackOut->isEnabled());
        QVERIFY(!m_page->chkBxCvrBackIn->isEnabled());
        QVERIFY(!m_page->lblCvrBack->isEnabled());

        m_page->rdButCvrFrontBack->setChecked(true);
        QVERIFY(m_page->chkBxCvrBackOut->isEnabled());
        QVERIFY(m_page->chkBxCvrBackIn->isEnabled());
        QVERIFY(m_page->lblCvrBack->isEnabled());
        m_page->chkBxCvrBackIn->setChecked(true);
        QCOMPARE(m_page->getExtraOptions().value("ZqCoverModeValue"), QString("8"));

        m_page->rdButCvrFront->setChecked(true);
        QVERIFY(!m_page->chkBxCvrBackIn->isChecked());
        QVERIFY(!m_page->chkBxCvrBackIn->isEnabled());
        QCOMPARE(m_page->getExtraOptions().value("ZqCoverModeValue"), QString("16"));
    }

    // A one-sided printer: the rules grey front inside, back outside and
    // printing inserted sheets on their back.
    void simplexPrinterGreysSides()
    {
        selectPrinter("publishing-nopmed.ppd", {"ZqCoverModeEnabled=True", "ZqCovermodeRadioButtonState=2"});
        QVERIFY(m_page->chkBxCvrFrontOut->isEnabled());
        QVERIFY(!m_page->chkBxCvrFrontIn->isEnabled());
        QVERIFY(!m_page->chkBxCvrBackOut->isEnabled());
        QVERIFY(m_page->chkBxCvrBackIn->isEnabled());
    }

    // Interleaving beside covers or inserts, as it stands at the page's turn.
    void interleaveConflicts_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("caption");
        QTest::newRow("with cover") << "chkButCvr" << "lblCvrMode";
        QTest::newRow("with page insert") << "chkButPins" << "lblPins";
    }
    void interleaveConflicts()
    {
        QFETCH(QString, other);
        QFETCH(QString, caption);
        setStates({"chkButTint", other, "lnEditPinsPage=4"});
        m_dialog->setConstraints();
        auto *otherCaption = qobject_cast<QLabel *>(widget(caption));
        QVERIFY(marked(m_page->lblTint));
        QVERIFY(marked(otherCaption));
        QVERIFY(m_page->hasConflict());
        QVERIFY(!m_dialog->consistent);
        // Marks are set once per pass, not piled up.
        m_dialog->setConstraints();
        QCOMPARE(m_page->lblTint->text().count(errorImage), 1);

        m_page->BlockAllSignals(true);
        m_page->chkButTint->setChecked(false);
        m_page->BlockAllSignals(false);
        m_dialog->setConstraints();
        QVERIFY(!marked(m_page->lblTint));
        QVERIFY(!marked(otherCaption));
        QVERIFY(m_dialog->consistent);
        // The captions come back exactly as they were, pass after pass.
        QCOMPARE(m_page->lblTint->text(), QString("Transparency interleaving:"));
        QCOMPARE(otherCaption->text().endsWith(':'), true);
    }

    // A rejected list and the interleaving conflict both mark "Page insert:":
    // one image, and the caption comes back exactly, pass after pass.
    void stackedMarksOnPageInsert()
    {
        setStates({"chkButTint", "chkButPins", "lnEditPinsPage=1"});
        const QString mark = QStringLiteral(" ") + errorImage + QStringLiteral(" ");
        for (int pass = 0; pass < 3; ++pass) {
            m_dialog->setConstraints();
            QCOMPARE(m_page->lblPins->text(), QString("Page insert:") + mark);
            QCOMPARE(m_page->lblPins->toolTip(), msgFrom2);
            QCOMPARE(m_page->lblTint->text(), QString("Transparency interleaving:") + mark);
        }
        m_page->BlockAllSignals(true);
        m_page->chkButTint->setChecked(false);
        m_page->lnEditPinsPage->setText(QStringLiteral("4"));
        m_page->BlockAllSignals(false);
        m_dialog->setConstraints();
        QCOMPARE(m_page->lblPins->text(), QString("Page insert:"));
        QCOMPARE(m_page->lblTint->text(), QString("Transparency interleaving:"));
    }

    // Through the widgets the rules keep interleaving and covers apart.
    void rulesKeepInterleaveFromCover()
    {
        m_page->chkButCvr->setChecked(true);
        QCOMPARE(markedName("cCovBut"), QString("True"));
        QVERIFY(!m_page->chkButTint->isEnabled());
        QVERIFY(!m_page->chkButTint->isChecked());
        m_page->chkButCvr->setChecked(false);
        QVERIFY(m_page->chkButTint->isEnabled());
        QVERIFY(m_dialog->consistent);
    }

    void texts()
    {
        QCOMPARE(m_page->tabName(), QString("Publishing"));
        QCOMPARE(m_page->lblCvrMode->text(), QString("Cover mode:"));
        // Media captions come from the printer's options.
        QCOMPARE(m_page->lblCvrM->text(), QString("Cover media:"));
        QCOMPARE(m_page->lblTMed->text(), QString("Backing media:"));
        m_page->retranslateUi();
        QCOMPARE(m_page->lblCvrM->text(), QString("Media for cover:"));
        QCOMPARE(m_page->chkBxCvrBackIn->text(), QString("Inside"));
        QCOMPARE(m_page->cmbBxCvrM->minimumWidth(), 185);
        QCOMPARE(m_page->lnEditPinsPage->minimumWidth(), 185);
        for (const char *name : {"covermode", "pageinsert", "transparency"}) {
            const QString path = QStringLiteral(":/icons/") + QLatin1String(name);
            QVERIFY2(QFile::exists(path) && QFile::exists(path + "-selected"), name);
        }
    }

    // The page's own catalogue joins the program's: titles, captions and
    // the page-list messages come out translated.
    void germanCatalogue()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/strings/german")));
        QCoreApplication::installTranslator(&german);
        m_page->retranslateUi();
        const QString title = m_page->tabName();
        const QString caption = m_page->lblTint->text();
        selectPrinter("publishing-full.ppd", {"ZqPageInsertEnabled=True"});
        typeList("1");
        const QString message = m_page->lblPins->toolTip();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(title, QString("Publizieren"));
        QCOMPARE(caption, QString("Folien-Zwischenblätter:"));
        QCOMPARE(message, QString("Sie können nur Seitenzahlen zwischen 2 und 511 eingeben"));
    }
};

QTEST_MAIN(TestPublishingTab)
#include "tst_publishingtab.moc"
