// The profile dialogs in German (run with a German locale, see CMakeLists.txt):
// titles and labels from the German catalogue, stored values as the model
// PPD's German choice texts, the Rotate row from the locale itself.
#include "boxrecorder.h"
#include "panel/modalhelper.h"
#include "profiledialog.h"
#include "profileeditdialog.h"
#include "profilefixture.h"
#include "profilesavedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

using profilefixture::Folders;
using profilefixture::Pages;
using profilefixture::treeLines;

class ProfileDetailsGermanTest : public QObject
{
    Q_OBJECT

    QTranslator german;

private slots:
    void initTestCase()
    {
        QVERIFY2(qgetenv("LANG").startsWith("de"), "the test needs LANG=de_DE.UTF-8");
        QVERIFY(german.load(QStringLiteral(":/strings/german")));
        QCoreApplication::installTranslator(&german);
    }

    void detailsInGerman()
    {
        Folders folders;
        folders.addModelPpd(QStringLiteral("profile-model.ppd"), QStringLiteral("Quorvan_Studio_7000.ppd"));
        folders.writeProfile(QStringLiteral("Bericht"), QStringLiteral("zweiseitig"),
                             {"Duplex=DuplexNoTumble", "Coll=True", "Rotate=True", "ZqCoverModeEnabled=True",
                              "EMailNotification=ann@example.com", "TPX_enabled=OFF", "Cadj=True",
                              "CaColorSpace=-1", "Madj=False"});
        Pages pages;
        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.fillProfileTable();
        QCOMPARE(dialog.profileTable->item(0, 0)->text(), QStringLiteral("Werkseinstellung"));
        QCOMPARE(dialog.detailTree->headerItem()->text(0), QStringLiteral("Eintrag"));
        dialog.profileTable->setCurrentCell(1, 0);
        QCOMPARE(treeLines(dialog.detailTree),
                 (QStringList{"Profile", "  Beschreibung: zweiseitig",
                              "Allgemein", "  Sortieren: Ein", "  Duplex: Lange Kante",
                              "Endverarbeitung", "  Rotiert 180°: Ein",
                              // The model has no adjustment options: the switches as stored.
                              "Bild", "  HSL/Farbbalance: Aus", "  Farbanpassung: Ein",
                              "  Schwarzweiß-Anpassung: Aus",
                              "Publizieren", "  Deckblatt: Ein",
                              // The page breaks this caption in two; the tree keeps it on one line.
                              "Auftrag", "  Auftragsbenachrichtigung per E-Mail: ann@example.com",
                              "Ondrix", "  Ondrix: Aus"}));
    }

    // The buttons, titles and captions of the list, save and edit dialogs,
    // and a refusal of the edit dialog.
    void dialogsInGerman()
    {
        Folders folders;
        folders.writeProfile(QStringLiteral("Bericht"), QStringLiteral("zweiseitig"), {});
        folders.writeProfile(QStringLiteral("Brief"), QString(), {});
        ProfileDialog list(nullptr, nullptr);
        ProfileSaveDialog own(nullptr, nullptr);
        list.fillProfileTable();
        QCOMPARE(list.windowTitle(), QStringLiteral("Profile"));
        QCOMPARE((QStringList{list.saveButton->text(), list.editButton->text(), list.deleteButton->text()}),
                 (QStringList{"Speichern...", "Bearbeiten...", "Löschen"}));
        QCOMPARE(list.saveDialog->windowTitle(), QStringLiteral("Profile speichern"));
        QCOMPARE(list.editDialog->windowTitle(), QStringLiteral("Profil bearbeiten"));
        QCOMPARE(own.windowTitle(), QStringLiteral("Profil speichern"));
        for (QDialog *dialog : {static_cast<QDialog *>(&own), static_cast<QDialog *>(list.editDialog)}) {
            QStringList captions;
            for (QLabel *label : dialog->findChildren<QLabel *>())
                captions << label->text();
            QCOMPARE(captions, (QStringList{"Name:", "Beschreibung:"}));
        }

        BoxRecorder recorder;
        onNextModal([&](QWidget *modal) {
            auto *edit = qobject_cast<ProfileEditDialog *>(modal);
            QVERIFY(edit);
            edit->findChild<QLineEdit *>()->setText(QStringLiteral("Brief"));
            edit->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            QVERIFY(edit->isVisible());
            edit->reject();
        });
        list.profileTable->setCurrentCell(1, 0);
        list.editButton->click();
        QCOMPARE(recorder.boxes, QStringList{"Profil bearbeiten|Ein Profil mit diesem Namen gibt es bereits."});
    }
};

QTEST_MAIN(ProfileDetailsGermanTest)
#include "tst_profiledetailsgerman.moc"
