// Profiles through the main dialog on a sample queue of the private cupsd,
// as a user works with them: saved with "Save As...", listed with their
// details, loaded after other changes, applied and read back from lpoptions,
// "Factory Default" loaded, and the loaded profile deleted; and a profile
// saved on each sample queue read back without an error code. Runs as an
// ordinary user: the panel refuses root, and lpoptions run by root would
// write the system-wide file.
#include "boxrecorder.h"
#include "dialogsession.h"
#include "generaltab.h"
#include "localecatalogue.h"
#include "paneldriver.h"
#include "profiledialog.h"
#include "profilefiles.h"
#include "profilefixture.h"
#include "profilesavedialog.h"
#include "settingsreads.h"
#include "storedsettings.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

using paneldriver::queueDefaults;

namespace {
const QString queue = QStringLiteral("Quorvan_Color");

QPushButton *listButton(ProfileDialog *list, QDialogButtonBox::ButtonRole role)
{
    for (QAbstractButton *button : list->buttonBox->buttons()) {
        if (list->buttonBox->buttonRole(button) == role)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

int rowOf(ProfileDialog *list, const QString &name)
{
    for (int row = 0; row < list->profileTable->rowCount(); ++row) {
        if (list->profileTable->item(row, 0)->text() == name)
            return row;
    }
    return -1;
}
}

class ProfilesDialogTest : public QObject
{
    Q_OBJECT

    DialogSession session{QStringLiteral("tst-profiles"), DialogSession::PrivateCups};
    QString userDir;
    QTemporaryDir models;
    QTemporaryDir queues;
    QTranslator catalogue;

private slots:
    void initTestCase()
    {
        QVERIFY2(session.start() && session.freshUser(), session.whyNot());
        userDir = session.userDir();
        // The catalogue the panel picks for the locale it runs in.
        QVERIFY(catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&catalogue);
        QVERIFY(models.isValid() && queues.isValid());
        // The sample queues' model PPDs where the details look for them.
        ProfileFiles::modelPpdFolder = models.path() + QLatin1Char('/');
        ProfileFiles::queuePpdFolder = queues.path();
        const QList<QPair<QString, QString>> modelPpds = {
            {"cups-office.ppd", "Quorvan_Office_4020.ppd"},
            {"cups-color.ppd", "Quorvan_Color_5530.ppd"},
            {"printer-installable.ppd", "RB_Fleet_300.ppd"},
            {"cups-finisher.ppd", "Quorvan_Office_4020_Finisher.ppd"},
            {"cups-watermark.ppd", "Quorvan_Office_4030_Color.ppd"},
            {"cups-accounting.ppd", "Quorvan_Color_6040_Accounting.ppd"},
            {"cups-job.ppd", "Quorvan_Office_5030_Job.ppd"},
        };
        for (const auto &ppd : modelPpds)
            QVERIFY(QFile::copy(profilefixture::fixturePath(ppd.first), models.filePath(ppd.second)));
    }

    void cleanup() { DialogSession::forgetState(); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&catalogue); }

    void saveListLoadApplyAndDelete()
    {
        BoxRecorder boxes;
        ZelDialog dialog;
        QVERIFY(paneldriver::choosePrinterAndPage(dialog, queue, dialog.generalTab));
        QVERIFY(dialog.saveAsButton->isEnabled());
        QVERIFY(dialog.profilesButton->isEnabled());
        ZelButtonGroup *duplex = dialog.generalTab->duplexGroup;
        duplex->button(1)->click();
        QCOMPARE(currentOptionStore->option("Duplex")->markedChoice()->name(), QStringLiteral("DuplexNoTumble"));

        // "Save As...": the main dialog's own save dialog.
        dialog.saveAsButton->click();
        ProfileSaveDialog *save = dialog.profileSaveDialog;
        QVERIFY(save->isVisible());
        QCOMPARE(save->windowTitle(), QStringLiteral("Save Profile"));
        save->findChild<QLineEdit *>()->setText(QStringLiteral("Two sided"));
        save->findChild<QTextEdit *>()->setPlainText(QStringLiteral("for reports\nand letters"));
        save->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!save->isVisible());
        const QHash<QString, QString> saved = storedsettings::read(userDir + QStringLiteral("Two sided.cfg"));
        QCOMPARE(saved.value(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(saved.value(QStringLiteral("ProfileDescription")), QStringLiteral("for reports\\nand letters"));

        // Other changes, then the list: the profile with its details.
        duplex->button(0)->click();
        dialog.profilesButton->click();
        ProfileDialog *list = dialog.profileDialog;
        QVERIFY(list->isVisible());
        QCOMPARE(list->profileTable->rowCount(), 2);
        const int row = rowOf(list, QStringLiteral("Two sided"));
        QCOMPARE(row, 1);
        list->profileTable->setCurrentCell(row, 0);
        const QStringList details = profilefixture::treeLines(list->detailTree);
        QVERIFY2(details.contains(QStringLiteral("  Duplex: Long edge")), qPrintable(details.join('|')));
        QVERIFY(details.contains(QStringLiteral("  Description: for reports\nand letters")));

        // OK loads it into the pages and closes the list.
        listButton(list, QDialogButtonBox::AcceptRole)->click();
        QVERIFY(!list->isVisible());
        QCOMPARE(activeSettingsPath, userDir + QStringLiteral("Two sided.cfg"));
        QCOMPARE(duplex->checkedIndex(), 1);
        QCOMPARE(currentOptionStore->option("Duplex")->markedChoice()->name(), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(paneldriver::shownButtons(dialog), paneldriver::buttonsShowing(true));

        // Nothing reached the queue before Apply.
        QCOMPARE(queueDefaults(queue).value(QStringLiteral("Duplex")), QStringLiteral("None"));
        dialog.buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(boxes.boxes, QStringList{"Success|Settings applied."});
        QCOMPARE(queueDefaults(queue).value(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));

        // "Factory Default" through the list's Apply: the queue's PPD defaults.
        dialog.profilesButton->click();
        QCOMPARE(list->profileTable->currentRow(), row);
        list->profileTable->setCurrentCell(0, 0);
        list->applyButton->click();
        QVERIFY(list->isVisible());
        QCOMPARE(activeSettingsPath, userDir);
        QCOMPARE(duplex->checkedIndex(), 0);

        // Deleting the loaded profile points the pages back at the queue's file.
        list->profileTable->setCurrentCell(row, 0);
        list->applyButton->click();
        QCOMPARE(duplex->checkedIndex(), 1);
        list->deleteButton->click();
        QVERIFY(!QFileInfo::exists(userDir + QStringLiteral("Two sided.cfg")));
        QCOMPARE(activeSettingsPath, userDir + queue + QStringLiteral(".cfg"));
        QCOMPARE(list->profileTable->rowCount(), 1);
        list->close();
        QCOMPARE(boxes.boxes.size(), 1);
    }

    // What Apply and "Save As..." write on a queue with a PPD of its own is
    // shown without an error code: the adjustment switches the Imaging page
    // stores for every queue of the maker's filter included.
    void savedOnEachQueueShowsNoErrorCode_data()
    {
        QTest::addColumn<QString>("queueName");
        for (const char *name : {"Quorvan_Office", "Quorvan_Color", "RB_Fleet", "Quorvan_Finisher",
                                 "Quorvan_Watermark", "Quorvan_Accounting", "Quorvan_Job"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void savedOnEachQueueShowsNoErrorCode()
    {
        QFETCH(QString, queueName);
        QVERIFY2(session.freshUser(), session.whyNot());
        userDir = session.userDir(); // the tests after this one use it too
        BoxRecorder boxes;
        ZelDialog dialog;
        QVERIFY2(paneldriver::choosePrinter(dialog, queueName), qPrintable(queueName));
        boxes.boxes.clear();
        QVERIFY(dialog.buttonBox->button(QDialogButtonBox::Apply)->isEnabled());
        dialog.buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(boxes.boxes, QStringList{QCoreApplication::translate("ZelDialog", "Success") + QLatin1Char('|')
                                          + QCoreApplication::translate("ZelDialog", "Settings applied.")});

        dialog.saveAsButton->click();
        ProfileSaveDialog *save = dialog.profileSaveDialog;
        save->findChild<QLineEdit *>()->setText(QStringLiteral("Saved"));
        save->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(QFileInfo::exists(session.userDir() + QStringLiteral("Saved.cfg")));

        dialog.profilesButton->click();
        ProfileDialog *list = dialog.profileDialog;
        const int row = rowOf(list, QStringLiteral("Saved"));
        QVERIFY(row > 0);
        list->profileTable->setCurrentCell(row, 0);
        list->close();
        const QTreeWidget *tree = list->detailTree;
        QVERIFY(tree->topLevelItemCount() > 1);
        QStringList errors;
        for (int group = 0; group < tree->topLevelItemCount(); ++group) {
            const QTreeWidgetItem *item = tree->topLevelItem(group);
            for (int i = 0; i < item->childCount(); ++i) {
                if (item->child(i)->text(1).startsWith(QStringLiteral("ERROR")))
                    errors << item->text(0) + QStringLiteral(" / ") + item->child(i)->text(0) + QStringLiteral(": ")
                                  + item->child(i)->text(1);
            }
        }
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QStringLiteral("; "))));
    }

    // A printer switch and a profile load each open the settings file once
    // for all the pages. What another program wrote between two of them
    // (the same size, the times set back) shows in the next one.
    void everyReloadReadsItsFileOnce()
    {
        using settingsreads::opensOf;
        using settingsreads::rewriteKeepingTimes;
        BoxRecorder boxes;
        const QString settings = userDir + queue + QStringLiteral(".cfg");
        const QString profile = userDir + QStringLiteral("Reads.cfg");
        const QString other = QStringLiteral("Quorvan_Office");
        QVERIFY(storedsettings::write(settings, {"Duplex=DuplexNoTumble", "X=1"}));
        // A settings file of its own, so visiting it runs no lpoptions.
        QVERIFY(storedsettings::write(userDir + other + QStringLiteral(".cfg"), {"Duplex=None"}));
        QVERIFY(storedsettings::write(profile, {"[Profile]", "[Quorvan Color 5530]", "ProfileDescription=",
                                                "Duplex=DuplexNoTumble"}));

        ZelDialog dialog;
        ZelButtonGroup *duplex = dialog.generalTab->duplexGroup;
        QCOMPARE(opensOf(settings, [&] { QVERIFY(paneldriver::choosePrinterAndPage(dialog, queue, dialog.generalTab)); }),
                 1);
        QCOMPARE(duplex->checkedIndex(), 1);

        dialog.profilesButton->click();
        ProfileDialog *list = dialog.profileDialog;
        list->profileTable->setCurrentCell(rowOf(list, QStringLiteral("Reads")), 0);
        QCOMPARE(opensOf(profile, [&] { list->applyButton->click(); }), 1);
        QCOMPARE(activeSettingsPath, profile);
        QCOMPARE(duplex->checkedIndex(), 1);
        QVERIFY(rewriteKeepingTimes(profile, "[Profile]\n[Quorvan Color 5530]\nProfileDescription=ab\n"
                                             "Duplex=DuplexTumble\n"));
        QCOMPARE(opensOf(profile, [&] { list->applyButton->click(); }), 1);
        QCOMPARE(duplex->checkedIndex(), 2);
        list->close();

        // Back on the queue after another one: its file as it is now.
        QVERIFY(rewriteKeepingTimes(settings, "Duplex=DuplexTumble\nX=123\n"));
        QVERIFY(paneldriver::choosePrinter(dialog, other));
        QCOMPARE(duplex->checkedIndex(), 0);
        QCOMPARE(opensOf(settings, [&] { QVERIFY(paneldriver::choosePrinter(dialog, queue)); }), 1);
        QCOMPARE(duplex->checkedIndex(), 2);
        QCOMPARE(boxes.boxes, QStringList());
        QVERIFY(QFile::remove(profile));
    }
};

QTEST_MAIN(ProfilesDialogTest)
#include "tst_profilesdialog.moc"
