// The profile list in German (run with a German locale, see CMakeLists.txt):
// titles and labels from the German catalogue, stored values as the model
// PPD's German choice texts, the Rotate row from the locale itself.
#include "profiledialog.h"
#include "profilefixture.h"

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
                              "EMailNotification=ann@example.com", "TPX_enabled=OFF"});
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
                              "Publizieren", "  Deckblatt: Ein",
                              // The page breaks this caption in two; the tree keeps it on one line.
                              "Auftrag", "  Auftragsbenachrichtigung per E-Mail: ann@example.com",
                              "Ondrix", "  Ondrix: Aus"}));
    }
};

QTEST_MAIN(ProfileDetailsGermanTest)
#include "tst_profiledetailsgerman.moc"
