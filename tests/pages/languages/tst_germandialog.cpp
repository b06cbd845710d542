// A German user on sample queues of the private cupsd, through the main
// dialog as the panel starts it (the catalogue chosen by the locale, the PPD
// localised by libcups): the Duplex and colour buttons clicked and applied
// reach the settings file and lpoptions; the Job page, which finds the
// printer's storage choices by their German texts, applies and reads back;
// the printer page shows a queue's installable options in the PPD's German.
#include "boxrecorder.h"
#include "dialogsession.h"
#include "localecatalogue.h"
#include "paneldriver.h"
#include "sessionstate.h"
#include "storedsettings.h"

#include "generaltab.h"
#include "imagingtab.h"
#include "jobtab.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "printertab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

class GermanDialogTest : public QObject
{
    Q_OBJECT

    DialogSession m_session{QStringLiteral("tst-german"), DialogSession::PrivateCups};
    QTranslator m_catalogue;
    const QString m_queue = QStringLiteral("Quorvan_Office");
    const QString m_jobQueue = QStringLiteral("Quorvan_Job");

    static void pick(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_session.start(), m_session.whyNot());
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        QVERIFY(m_catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&m_catalogue);
        QVERIFY2(m_session.freshUser(), m_session.whyNot());
    }

    void cleanup() { DialogSession::forgetState(); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_catalogue); }

    void duplexAndColourClickedReachTheSettingsFileAndLpoptions()
    {
        ZelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        {
            BoxRecorder firstSelection; // the first selection applies the defaults at once
            QVERIFY(paneldriver::choosePrinterAndPage(dialog, m_queue, dialog.generalTab));
            QCOMPARE(firstSelection.boxes, QStringList());
        }

        ZelButtonGroup *duplex = dialog.generalTab->duplexGroup;
        ZelButtonGroup *colour = dialog.generalTab->colorModeGroup();
        QCOMPARE(duplex->buttonNames(), QStringList({"Aus", "Lange Kante", "Kurze Kante"}));
        QCOMPARE(colour->buttonNames(), QStringList({"Vollfarbe", "Schwarzweiß"}));
        QVERIFY(duplex->button(1)->isEnabled());
        QVERIFY(colour->button(1)->isEnabled());
        QTest::mouseClick(duplex->button(1), Qt::LeftButton);
        QTest::mouseClick(colour->button(1), Qt::LeftButton);
        QCOMPARE(duplex->checkedName(), QStringLiteral("Lange Kante"));
        // The Imaging page follows, in the same words.
        QCOMPARE(dialog.imagingTab->colorModeGroup()->checkedName(), QStringLiteral("Schwarzweiß"));

        BoxRecorder recorder;
        dialog.buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(recorder.boxes, QStringList{"Erfolg|Einstellungen übernommen."});

        const QHash<QString, QString> stored = storedsettings::read(m_session.settingsPath(m_queue));
        QCOMPARE(stored.value("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(stored.value("ColorModel"), QStringLiteral("Gray"));
        const QHash<QString, QString> defaults = paneldriver::queueDefaults(m_queue);
        QCOMPARE(defaults.value("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(defaults.value("ColorModel"), QStringLiteral("Gray"));
    }

    void jobPageAppliedAndReadBack()
    {
        QVERIFY2(m_session.freshUser(), m_session.whyNot());
        auto dialog = std::make_unique<ZelDialog>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        {
            BoxRecorder firstSelection;
            QVERIFY(paneldriver::choosePrinterAndPage(*dialog, m_jobQueue, dialog->jobTab));
        }
        JobTab *page = dialog->jobTab;
        QCOMPARE(page->tabName(), QStringLiteral("Auftrag"));
        // Off stands for the printer's "Keine", which the list leaves out.
        QCOMPARE(page->storageCombo->currentText(), QStringLiteral("Prüfen und halten"));
        QVERIFY(page->storageCombo->findText(QStringLiteral("Keine")) < 0);

        page->storageButton->iconButton()->click();
        pick(page->storageCombo, QStringLiteral("Privater Druck"));
        QVERIFY(page->accessCodeEdit->isVisibleTo(page));
        QTest::keyClicks(page->accessCodeEdit, QStringLiteral("08"));
        QCOMPARE(page->jobSettingsLabel->toolTip(), QStringLiteral("Der Zugangscode muss aus 4 Ziffern bestehen."));
        QVERIFY(!dialog->buttonBox->button(QDialogButtonBox::Apply)->isEnabled());
        QTest::keyClicks(page->accessCodeEdit, QStringLiteral("15"));
        pick(page->jobNameCombo, QStringLiteral("Benutzerdefiniert"));
        QTest::keyClicks(page->jobNameEdit, QStringLiteral("Bericht"));
        pick(page->overwriteCombo, QStringLiteral("Vorhandene Datei ersetzen"));
        QVERIFY(dialog->buttonBox->button(QDialogButtonBox::Apply)->isEnabled());

        BoxRecorder recorder;
        dialog->buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(recorder.boxes, QStringList{"Erfolg|Einstellungen übernommen."});
        const QString path = m_session.settingsPath(m_jobQueue);
        QCOMPARE(storedsettings::values(path, "ZVCollate1"), QStringList{"Custom1"});
        const QHash<QString, QString> stored = storedsettings::read(path);
        QCOMPARE(stored.value("PrivatePrint"), QStringLiteral("True"));
        QCOMPARE(stored.value("AccessCode"), QStringLiteral("0815"));
        QCOMPARE(stored.value("CustomJobName"), QStringLiteral("Bericht"));
        QCOMPARE(stored.value("ReplaceJob"), QStringLiteral("true"));
        const QHash<QString, QString> defaults = paneldriver::queueDefaults(m_jobQueue);
        QCOMPARE(defaults.value("ZVCollate1"), QStringLiteral("Custom1"));
        QCOMPARE(defaults.value("JobDate"), QStringLiteral("false"));

        // The next start shows them again, in German.
        dialog.reset();
        dialog = std::make_unique<ZelDialog>();
        dialog->show();
        QVERIFY(paneldriver::choosePrinterAndPage(*dialog, m_jobQueue, dialog->jobTab));
        page = dialog->jobTab;
        QVERIFY(page->storageButton->isChecked());
        QCOMPARE(page->storageCombo->currentText(), QStringLiteral("Privater Druck"));
        QCOMPARE(page->accessCodeEdit->text(), QStringLiteral("0815"));
        QCOMPARE(page->jobNameCombo->currentText(), QStringLiteral("Benutzerdefiniert"));
        QCOMPARE(page->jobNameEdit->text(), QStringLiteral("Bericht"));
        QCOMPARE(page->overwriteCombo->currentText(), QStringLiteral("Vorhandene Datei ersetzen"));
        QVERIFY(dialog->buttonBox->button(QDialogButtonBox::Apply)->isEnabled());
    }

    // The captions and choices come from the PPD's German texts; a choice
    // picked by its German text marks the PPD's choice.
    void installableOptionsInGerman()
    {
        ZelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        {
            BoxRecorder firstSelection;
            QVERIFY(paneldriver::choosePrinterAndPage(dialog, QStringLiteral("RB_Fleet"), dialog.printerTab));
        }
        const auto widget = [&dialog](const QString &name) -> QWidget * {
            for (QWidget *each : dialog.printerTab->findChildren<QWidget *>()) {
                if (each->accessibleName() == name)
                    return each;
            }
            return nullptr;
        };
        auto *disk = qobject_cast<QCheckBox *>(widget(QStringLiteral("chkBxOption01")));
        auto *finisher = qobject_cast<QCheckBox *>(widget(QStringLiteral("chkBxOption17")));
        auto *traysLabel = qobject_cast<QLabel *>(widget(QStringLiteral("lblOption8")));
        auto *trays = qobject_cast<QComboBox *>(widget(QStringLiteral("cmbBxOption8")));
        QVERIFY(disk && finisher && traysLabel && trays);
        QCOMPARE(disk->text(), QStringLiteral("Festplatte"));
        QCOMPARE(finisher->text(), QStringLiteral("Finisher"));
        QCOMPARE(traysLabel->text(), QStringLiteral("Papierfächer:"));
        QStringList items;
        for (int i = 0; i < trays->count(); ++i)
            items << trays->itemText(i);
        QCOMPARE(items, (QStringList{"Ein Fach", "Zwei Fächer", "Vier Fächer"}));
        QCOMPARE(trays->currentText(), QStringLiteral("Ein Fach"));

        pick(trays, QStringLiteral("Vier Fächer"));
        QCOMPARE(currentOptionStore->option(QStringLiteral("Option8"))->markedChoice()->name(), QStringLiteral("Four"));
        QVERIFY(!currentOptionStore->option(QStringLiteral("InputSlot"))->choiceByName(QStringLiteral("Tray4"))->isConstrained());
        QCOMPARE(dialog.printerTab->getOptions().value(QStringLiteral("Option8")), QStringLiteral("Four"));
    }
};

QTEST_MAIN(GermanDialogTest)
#include "tst_germandialog.moc"
