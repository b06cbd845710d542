// The profile files as the dialogs list, count, save, rename and delete
// them, in a temporary userDataDir holding queue files, profiles, a ".tmp"
// profile and files that are no profiles.
#include "boxrecorder.h"
#include "fixturestore.h"
#include "pages/pagefixture.h"
#include "panel/modalhelper.h"
#include "profiledialog.h"
#include "profileeditdialog.h"
#include "profilefixture.h"
#include "profilesavedialog.h"
#include "settingsfile.h"
#include "settingsreadscope.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using profilefixture::Folders;
using profilefixture::Pages;

namespace {
QLineEdit *nameField(QDialog *dialog) { return dialog->findChild<QLineEdit *>(); }
QTextEdit *descriptionField(QDialog *dialog) { return dialog->findChild<QTextEdit *>(); }
QPushButton *okButton(QDialog *dialog)
{
    return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

QStringList tableRows(const ProfileDialog &dialog)
{
    QStringList rows;
    for (int row = 0; row < dialog.profileTable->rowCount(); ++row)
        rows << dialog.profileTable->item(row, 0)->text();
    return rows;
}

QString currentRowText(const ProfileDialog &dialog)
{
    QTableWidgetItem *item = dialog.profileTable->currentItem();
    return item ? item->text() : QStringLiteral("<none>");
}

void selectRow(ProfileDialog &dialog, const QString &name)
{
    const int row = tableRows(dialog).indexOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    dialog.profileTable->setCurrentCell(row, 0);
}

const QStringList someSettings{QStringLiteral("Duplex=DuplexNoTumble"), QStringLiteral("PageSize=A4")};
}

class ProfileFilesTest : public QObject
{
    Q_OBJECT

private:
    // A current store for the queue from the fixture model PPD.
    fixturestore::CurrentStore store;

    void useQueue(const QString &queue)
    {
        store.reset(pagefixture::storeFromPpd(profilefixture::fixturePath(QStringLiteral("profile-model.ppd"))));
        store->setPrinterName(queue);
        activeSettingsPath = userDataDir + queue + QStringLiteral(".cfg");
    }

    // Runs the list dialog's Edit... on the selected row, filling the edit
    // dialog as a user would and pressing OK; the boxes it shows are recorded.
    QStringList editSelected(ProfileDialog &dialog, const QString &newName, const QString &description,
                             bool *stayedOpen = nullptr)
    {
        BoxRecorder recorder;
        bool open = false;
        onNextModal([&](QWidget *modal) {
            auto *edit = qobject_cast<ProfileEditDialog *>(modal);
            QVERIFY(edit);
            nameField(edit)->setText(newName);
            descriptionField(edit)->setPlainText(description);
            QVERIFY(okButton(edit)->isEnabled());
            okButton(edit)->click();
            QTest::qWait(100);
            open = edit->isVisible();
            if (open)
                edit->reject();
        });
        dialog.editButton->click();
        if (stayedOpen)
            *stayedOpen = open;
        return recorder.boxes;
    }

    // Runs the list dialog's Save... as a user would, with the list shown;
    // the boxes it shows are recorded. A save dialog left open is closed.
    QStringList saveThroughList(ProfileDialog &list, const QString &name, const QString &description)
    {
        BoxRecorder recorder;
        onNextModal([&](QWidget *modal) {
            QCOMPARE(modal, static_cast<QWidget *>(list.saveDialog));
            QCOMPARE(modal->windowTitle(), QStringLiteral("Save Profiles"));
            nameField(list.saveDialog)->setText(name);
            descriptionField(list.saveDialog)->setPlainText(description);
            QVERIFY(okButton(list.saveDialog)->isEnabled());
            okButton(list.saveDialog)->click();
            if (list.saveDialog->isVisible())
                list.saveDialog->reject();
        }, &list);
        optionsConsistent = true;
        list.show();
        list.saveButton->click();
        list.close();
        return recorder.boxes;
    }

private slots:
    void cleanup()
    {
        store.reset();
        activeSettingsPath.clear();
    }

    // What the list shows and what counts towards the limit of 25.
    void listingAndCounting()
    {
        Folders folders;
        folders.write(QStringLiteral("Office.cfg"), someSettings);                    // a queue's own file
        folders.writeProfile(QStringLiteral("b"), QString(), someSettings);
        folders.writeProfile(QStringLiteral("A"), QString(), someSettings);
        folders.writeProfile(QStringLiteral("a.cfg"), QString(), someSettings);       // file a.cfg.cfg
        folders.write(QStringLiteral("trailing.cfg"), {QStringLiteral("[Profile] ")}); // counted, not listed
        folders.write(QStringLiteral("left.tmp"), {QStringLiteral("[Profile]")});      // left by a failed rename
        folders.write(QStringLiteral("marker.cfg"), {QStringLiteral("[Profile]=x")});  // listed by the key rule
        folders.write(QStringLiteral("two.cfg"), {QStringLiteral("[Profile]=x=y")});   // counted, not listed
        folders.write(QStringLiteral("Shout.CFG"), {QStringLiteral("[Profile]")});     // counted, not listed
        folders.write(QStringLiteral(".hidden.cfg"), {QStringLiteral("[Profile]")});   // neither
        QVERIFY(QDir().mkdir(folders.dataPath(QStringLiteral("dir.cfg"))));            // neither

        QCOMPARE(ProfileFiles::listProfiles(), (QStringList{"A", "a.cfg", "b", "marker"}));
        QCOMPARE(ProfileFiles::profileCount(), 8);

        ProfileDialog dialog(nullptr, nullptr);
        dialog.fillProfileTable();
        QCOMPARE(tableRows(dialog), (QStringList{"Factory Default", "A", "a.cfg", "b", "marker"}));
        QCOMPARE(dialog.profilePath(2), folders.dataPath(QStringLiteral("a.cfg.cfg")));
        QCOMPARE(dialog.profilePath(0), userDataDir);
    }

    void emptyFolderListsFactoryDefaultOnly()
    {
        Folders folders;
        ProfileDialog dialog(nullptr, nullptr);
        dialog.fillProfileTable();
        QCOMPARE(tableRows(dialog), QStringList{"Factory Default"});
        QCOMPARE(dialog.profileTable->currentRow(), 0);
        QVERIFY(!dialog.editButton->isEnabled());
        QVERIFY(!dialog.deleteButton->isEnabled());
        dialog.loadProfile();
        QCOMPARE(activeSettingsPath, userDataDir);
    }

    // The save dialog enables OK only while the name rules hold.
    void nameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("descriptionLength");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("reserved, loose blanks and case") << " factory   default " << 0 << false;
        QTest::newRow("reserved with more") << "Factory Default 2" << 0 << true;
        QTest::newRow("reserved German") << "WERKSEINSTELLUNG" << 0 << false;
        QTest::newRow("reserved Portuguese") << "padrão de fábrica" << 0 << false;
        QTest::newRow("queue") << "Office" << 0 << false;
        QTest::newRow("queue upper case") << "OFFICE" << 0 << false;
        QTest::newRow("queue base name") << "a" << 0 << false;
        // A queue's whole name is its settings file's name: taken as well.
        QTest::newRow("queue with a dot") << "a.b" << 0 << false;
        QTest::newRow("queue with a dot, other case") << "A.B" << 0 << false;
        QTest::newRow("queue with a digit after the dot") << "Office.2" << 0 << false;
        QTest::newRow("queue with a digit after the dot, lower case") << "office.2" << 0 << false;
        QTest::newRow("no queue, same base name") << "Office.3" << 0 << true;
        QTest::newRow("queue's PPD file name") << "a.b.ppd" << 0 << true;
        QTest::newRow("leading dot") << ".profile" << 0 << false;
        QTest::newRow("inner dot") << "my.profile" << 0 << true;
        QTest::newRow("slash") << "a/b" << 0 << false;
        QTest::newRow("double quote") << "a\"b" << 0 << false;
        QTest::newRow("semicolon") << "a;b" << 0 << false;
        QTest::newRow("backtick") << "a`b" << 0 << false;
        // A NUL would cut the path short: the queue's own settings file, or
        // the telemetry file, would be replaced.
        QTest::newRow("NUL after a queue's file name") << QStringLiteral("Quorvan_Color.cfg") + QChar(0) + 'x' << 0 << false;
        QTest::newRow("NUL after Settings") << QStringLiteral("Settings") + QChar(0) << 0 << false;
        QTest::newRow("line feed") << "a\nb" << 0 << false;
        QTest::newRow("carriage return") << "a\rb" << 0 << false;
        QTest::newRow("blanks kept") << " padded " << 0 << true;
        QTest::newRow("251 bytes") << QString(251, QLatin1Char('x')) << 0 << true;
        QTest::newRow("250 bytes in 125 letters") << QString(125, QChar(0xe9)) << 0 << true;
        QTest::newRow("252 bytes in 126 letters") << QString(126, QChar(0xe9)) << 0 << false;
        QTest::newRow("description of 1024") << "long" << 1024 << true;
        QTest::newRow("description of 1025") << "long" << 1025 << false;
    }

    // The save and the edit dialog share the rules.
    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(int, descriptionLength);
        QFETCH(bool, accepted);
        Folders folders;
        folders.addQueuePpd(QStringLiteral("office.ppd"));
        folders.addQueuePpd(QStringLiteral("a.b.ppd"));
        folders.addQueuePpd(QStringLiteral("Office.2.ppd"));
        ProfileSaveDialog save(nullptr, nullptr);
        save.show();
        ProfileEditDialog edit(nullptr);
        edit.setProfile(QStringLiteral("old"), QString());
        edit.show();
        for (ProfileNameDialog *dialog : {static_cast<ProfileNameDialog *>(&save), static_cast<ProfileNameDialog *>(&edit)}) {
            QVERIFY(dialog->isVisible());
            nameField(dialog)->setText(QStringLiteral("valid"));
            QVERIFY(okButton(dialog)->isEnabled());

            nameField(dialog)->setText(name);
            QCOMPARE(nameField(dialog)->text(), name);
            // A line break counts as one.
            QString description(descriptionLength, QLatin1Char('d'));
            if (descriptionLength > 2)
                description[1] = QLatin1Char('\n');
            descriptionField(dialog)->setPlainText(description);
            QCOMPARE(okButton(dialog)->isEnabled(), accepted);
            QCOMPARE(dialog->nameIsValid(), accepted);
        }
    }

    void nameFieldTakesAtMost251Characters()
    {
        Folders folders;
        ProfileSaveDialog dialog(nullptr, nullptr);
        dialog.show();
        nameField(&dialog)->setText(QString(250, QLatin1Char('x')));
        QTest::keyClicks(nameField(&dialog), QStringLiteral("yz"));
        QCOMPARE(nameField(&dialog)->text(), QString(250, QLatin1Char('x')) + QLatin1Char('y'));
    }

    // 24 profile files let the save dialog open; a 25th, even a ".tmp" one
    // that the list does not show, stops it with the limit message.
    void profileLimit_data()
    {
        QTest::addColumn<int>("profiles");
        QTest::addColumn<bool>("withTemporary");
        QTest::addColumn<bool>("opens");
        QTest::newRow("24 and a queue file") << 24 << false << true;
        QTest::newRow("24 and a .tmp") << 24 << true << false;
        QTest::newRow("25") << 25 << false << false;
    }

    void profileLimit()
    {
        QFETCH(int, profiles);
        QFETCH(bool, withTemporary);
        QFETCH(bool, opens);
        Folders folders;
        for (int i = 0; i < profiles; ++i)
            folders.writeProfile(QStringLiteral("p%1").arg(i), QString(), someSettings);
        folders.write(QStringLiteral("Office.cfg"), someSettings);
        if (withTemporary)
            folders.write(QStringLiteral("p0.tmp"), {QStringLiteral("[Profile]")});

        ProfileSaveDialog dialog(nullptr, nullptr);
        BoxRecorder recorder;
        dialog.show();
        QCOMPARE(dialog.isVisible(), opens);
        const QStringList limit{
            "Save Profile|The profile could not be added. A maximum profile count of 25 has been reached."};
        QCOMPARE(recorder.boxes, opens ? QStringList() : limit);
        if (!opens) {
            // The list dialog's road runs the same test.
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
            QCOMPARE(recorder.boxes, limit + limit);
        }
    }

    // The snapshot of the pages with the header and the encoded description;
    // the new profile is listed and selected in the list.
    void saveWritesTheProfile()
    {
        Folders folders;
        useQueue(QStringLiteral("Office"));
        Pages pages;
        pages.reload();
        ProfileDialog list(nullptr, &pages.collector);
        list.fillProfileTable();

        QCOMPARE(saveThroughList(list, QStringLiteral("Two sided"), QStringLiteral("first\nsecond")), QStringList());

        const QList<QByteArray> lines = folders.bytes(QStringLiteral("Two sided.cfg")).split('\n');
        QCOMPARE(lines.mid(0, 3), (QList<QByteArray>{"[Profile]", "[Quorvan Studio 7000]",
                                                      "ProfileDescription=first\\nsecond"}));
        QVERIFY(lines.contains("Duplex=None"));
        QVERIFY(lines.contains("PageSize=A4"));
        QCOMPARE(tableRows(list), (QStringList{"Factory Default", "Two sided"}));
        QCOMPARE(currentRowText(list), QStringLiteral("Two sided"));
        QVERIFY(list.editButton->isEnabled());

        // The longest name the rules accept makes a file name of 255 bytes:
        // saved, and renamed to, like any other.
        const QString longest(251, QLatin1Char('s'));
        const QString longestRenamed = QString(125, QChar(0xe9)) + QLatin1Char('r');
        QCOMPARE(saveThroughList(list, longest, QString()), QStringList());
        QCOMPARE(currentRowText(list), longest);
        QCOMPARE(editSelected(list, longestRenamed, QString()), QStringList());
        QCOMPARE(folders.entries(), (QStringList{"Two sided.cfg", longestRenamed + QStringLiteral(".cfg")}));
    }

    // Saving never writes over something that is no profile, and a
    // profile's name is simply taken again.
    void saveRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<QString>("box");
        // For the names the rules refuse OK is disabled; the slot itself still says why.
        QTest::newRow("the selected queue") << "a.b" << false << "Save Profile|This name is reserved";
        QTest::newRow("another queue's settings file") << "Gone" << true << "Save Profile|This name is reserved";
        QTest::newRow("a directory") << "Folder" << true << "Save Profile|This name is reserved";
        QTest::newRow("an existing profile") << "Old" << true << "";
        QTest::newRow("empty") << "" << false << "Save Profile|You must enter a profile name";
    }

    void saveRefusals()
    {
        QFETCH(QString, name);
        QFETCH(bool, okEnabled);
        QFETCH(QString, box);
        Folders folders;
        folders.addQueuePpd(QStringLiteral("a.b.ppd"));
        useQueue(QStringLiteral("a.b"));
        folders.write(QStringLiteral("Gone.cfg"), someSettings);
        QVERIFY(QDir().mkdir(folders.dataPath(QStringLiteral("Folder.cfg"))));
        folders.writeProfile(QStringLiteral("Old"), QStringLiteral("before"), someSettings);
        const QByteArray before = folders.bytes(name + QStringLiteral(".cfg"));

        Pages pages;
        pages.reload();
        ProfileSaveDialog dialog(nullptr, &pages.collector);
        dialog.show();
        nameField(&dialog)->setText(name);
        descriptionField(&dialog)->setPlainText(QStringLiteral("after"));
        QCOMPARE(okButton(&dialog)->isEnabled(), okEnabled);
        BoxRecorder recorder;
        if (!okEnabled)
            dialog.saveProfile();
        else
            okButton(&dialog)->click();
        QCOMPARE(recorder.boxes, box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(dialog.isVisible(), !box.isEmpty());
        const QByteArray after = folders.bytes(name + QStringLiteral(".cfg"));
        if (box.isEmpty())
            QVERIFY(after.contains("ProfileDescription=after\n"));
        else
            QCOMPARE(after, before);
    }

    void failedSaveIsReported()
    {
        QVERIFY2(geteuid() != 0, "root writes into a read-only folder: run as an ordinary user (CTest does)");
        Folders folders;
        useQueue(QStringLiteral("Office"));
        Pages pages;
        pages.reload();
        ProfileSaveDialog dialog(nullptr, &pages.collector);
        dialog.show();
        nameField(&dialog)->setText(QStringLiteral("Blocked"));
        QVERIFY(QFile::setPermissions(folders.data.path(), QFile::ReadOwner | QFile::ExeOwner));
        BoxRecorder recorder;
        okButton(&dialog)->click();
        QFile::setPermissions(folders.data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(recorder.boxes, QStringList{"Save Profile|The profile could not be saved."});
        QVERIFY(dialog.isVisible());
        QCOMPARE(folders.entries(), QStringList());
    }

    // A NUL in a name never reaches the file system, where the path would
    // end at it: the queue's own settings file and the telemetry file stay.
    void nulNeverCutsThePath_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name");
        for (const bool save : {true, false}) {
            const char *dialog = save ? "save" : "edit";
            QTest::addRow("%s, cut to a queue's file", dialog) << save << QStringLiteral("Quorvan_Color.cfg") + QChar(0) + 'x';
            QTest::addRow("%s, cut to Settings", dialog) << save << QStringLiteral("Settings") + QChar(0);
        }
    }

    void nulNeverCutsThePath()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        Folders folders;
        useQueue(QStringLiteral("Quorvan_Color"));
        folders.write(QStringLiteral("Quorvan_Color.cfg"), someSettings);
        folders.write(QStringLiteral("Settings"), {QStringLiteral("Telemetry=False")});
        folders.writeProfile(QStringLiteral("old"), QStringLiteral("before"), someSettings);
        const QStringList entries = folders.entries();
        QByteArrayList before;
        for (const QString &entry : entries)
            before << folders.bytes(entry);

        Pages pages;
        pages.reload();
        ProfileSaveDialog saveDialog(nullptr, &pages.collector);
        ProfileEditDialog editDialog(nullptr);
        ProfileNameDialog *dialog = save ? static_cast<ProfileNameDialog *>(&saveDialog) : &editDialog;
        if (save) {
            saveDialog.show();
        } else {
            editDialog.setProfile(QStringLiteral("old"), QStringLiteral("before"));
            editDialog.show();
        }
        nameField(dialog)->setText(name);
        descriptionField(dialog)->setPlainText(QStringLiteral("after"));
        const bool okEnabled = okButton(dialog)->isEnabled();
        // The slots themselves write nothing under such a name either.
        BoxRecorder recorder;
        if (save)
            saveDialog.saveProfile();
        else
            editDialog.editProfile();
        QTest::qWait(50);
        QCOMPARE(folders.entries(), entries);
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(folders.bytes(entries.at(i)), before.at(i));
        QCOMPARE(recorder.boxes, QStringList());
        QVERIFY(!okEnabled);
    }

    // A rename copies every line but the description line, whose key must be
    // exactly "ProfileDescription"; a description that looks like markup
    // stays as typed; nothing temporary is left; the new row is selected.
    void renameRewritesOnlyTheDescription_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("same name") << "a" << QStringList{"a.cfg", "b.cfg"};
        QTest::newRow("new name") << "c" << QStringList{"b.cfg", "c.cfg"};
        QTest::newRow("new name with blanks") << " c d " << QStringList{" c d .cfg", "b.cfg"};
    }

    void renameRewritesOnlyTheDescription()
    {
        QFETCH(QString, newName);
        QFETCH(QStringList, entries);
        Folders folders;
        folders.writeProfile(QStringLiteral("a"), QStringLiteral("<b>old</b>\\nsecond"),
                             {QStringLiteral("Wtxt=My ProfileDescription"), QStringLiteral("Duplex=None"),
                              QStringLiteral("ProfileDescriptionX=kept")});
        folders.writeProfile(QStringLiteral("b"), QString(), someSettings);
        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        selectRow(list, QStringLiteral("a"));
        list.applyButton->click();

        // The edit dialog gets the description as stored, shown as typed.
        QString shown;
        onNextModal([&](QWidget *modal) {
            shown = descriptionField(static_cast<QDialog *>(modal))->toPlainText();
            static_cast<QDialog *>(modal)->reject();
        });
        list.editButton->click();
        QCOMPARE(shown, QStringLiteral("<b>old</b>\nsecond"));

        // A reload under way reads the new text, not what it read before.
        const SettingsReadScope reload;
        QCOMPARE(readSettingValue(QString(), QStringLiteral("ProfileDescription")), QStringLiteral("<b>old</b>\\nsecond"));
        bool stayedOpen = true;
        QCOMPARE(editSelected(list, newName, QStringLiteral("<i>new</i>\nline"), &stayedOpen), QStringList());
        QCOMPARE(readSettingValue(QString(), QStringLiteral("ProfileDescription")), QStringLiteral("<i>new</i>\\nline"));
        QVERIFY(!stayedOpen);
        QCOMPARE(folders.entries(), entries);
        QCOMPARE(folders.bytes(newName + QStringLiteral(".cfg")),
                 QByteArray("[Profile]\n[Quorvan Studio 7000]\nProfileDescription=<i>new</i>\\nline\n"
                            "Wtxt=My ProfileDescription\nDuplex=None\nProfileDescriptionX=kept\n"));
        QCOMPARE(currentRowText(list), newName);
        // The pages read the loaded profile under its new name.
        QCOMPARE(activeSettingsPath, folders.dataPath(newName + QStringLiteral(".cfg")));
    }

    // A profile written without a description line gets one with the header.
    void renameAddsAMissingDescription()
    {
        Folders folders;
        folders.write(QStringLiteral("a.cfg"), {"[Profile]", "[Quorvan Studio 7000]", "Duplex=None"});
        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        selectRow(list, QStringLiteral("a"));
        QCOMPARE(editSelected(list, QStringLiteral("a"), QStringLiteral("now described")), QStringList());
        QCOMPARE(folders.bytes(QStringLiteral("a.cfg")),
                 QByteArray("[Profile]\n[Quorvan Studio 7000]\nProfileDescription=now described\nDuplex=None\n"));
    }

    // Refused names and failures keep every file as it was, say why, and
    // leave the edit dialog open.
    void renameNeverDestroysData_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("box");
        QTest::newRow("another profile")
            << "b" << "Edit Profile|A profile with this name already exists.";
        QTest::newRow("a queue's settings file") << "Office" << "Edit Profile|This name is reserved";
        QTest::newRow("a directory in the way") << "c" << "Edit Profile|The profile could not be changed.";
    }

    void renameNeverDestroysData()
    {
        QFETCH(QString, newName);
        QFETCH(QString, box);
        Folders folders;
        folders.writeProfile(QStringLiteral("a"), QStringLiteral("mine"), someSettings);
        folders.writeProfile(QStringLiteral("b"), QStringLiteral("theirs"), someSettings);
        folders.write(QStringLiteral("Office.cfg"), someSettings);
        QVERIFY(QDir().mkdir(folders.dataPath(QStringLiteral("c.tmp"))));
        const QStringList before = folders.entries();
        QByteArray contents;
        for (const QString &entry : before)
            contents += folders.bytes(entry);

        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        selectRow(list, QStringLiteral("a"));
        bool stayedOpen = false;
        QCOMPARE(editSelected(list, newName, QStringLiteral("changed"), &stayedOpen), QStringList{box});
        QVERIFY(stayedOpen);
        QCOMPARE(folders.entries(), before);
        QByteArray after;
        for (const QString &entry : before)
            after += folders.bytes(entry);
        QCOMPARE(after, contents);
    }

    // Links and FIFOs in the folder: not listed, counted or read (a FIFO
    // would hang the dialogs), and neither a save nor a rename onto their
    // names writes through them.
    void plantedEntriesAreNeitherReadNorWrittenThrough()
    {
        Folders folders;
        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        const QString victim = elsewhere.filePath(QStringLiteral("notes"));
        const QString missing = elsewhere.filePath(QStringLiteral("missing"));
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Profile]\n[Quorvan Studio 7000]\nProfileDescription=mine\n");
        }
        const QByteArray victimText = "[Profile]\n[Quorvan Studio 7000]\nProfileDescription=mine\n";
        folders.writeProfile(QStringLiteral("a"), QStringLiteral("own"), someSettings);
        QVERIFY(QFile::link(victim, folders.dataPath(QStringLiteral("linked.cfg"))));
        QVERIFY(QFile::link(missing, folders.dataPath(QStringLiteral("dangling.cfg"))));
        QCOMPARE(::mkfifo(QFile::encodeName(folders.dataPath(QStringLiteral("fifo.cfg"))).constData(), 0644), 0);
        // A read that blocks ends the test here instead of hanging it.
        ::alarm(60);

        QCOMPARE(ProfileFiles::listProfiles(), QStringList{"a"});
        QCOMPARE(ProfileFiles::profileCount(), 1);
        QCOMPARE(ProfileFiles::storedDescription(QStringLiteral("linked")), QString());
        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        QCOMPARE(tableRows(list), (QStringList{"Factory Default", "a"}));
        QVERIFY(!ProfileFiles::removeProfile(QStringLiteral("linked")));

        useQueue(QStringLiteral("Office"));
        Pages pages;
        pages.reload();
        ProfileSaveDialog save(nullptr, &pages.collector);
        for (const QString &name : {QStringLiteral("linked"), QStringLiteral("dangling"), QStringLiteral("fifo")}) {
            save.show();
            nameField(&save)->setText(name);
            BoxRecorder recorder;
            okButton(&save)->click();
            QCOMPARE(recorder.boxes, QStringList{"Save Profile|This name is reserved"});
        }
        save.hide();
        selectRow(list, QStringLiteral("a"));
        QCOMPARE(editSelected(list, QStringLiteral("dangling"), QStringLiteral("changed")),
                 QStringList{"Edit Profile|This name is reserved"});
        ::alarm(0);

        QCOMPARE(QDir(folders.data.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{"a.cfg", "dangling.cfg", "fifo.cfg", "linked.cfg"}));
        QVERIFY(QFileInfo(folders.dataPath(QStringLiteral("linked.cfg"))).isSymLink());
        QVERIFY(!QFileInfo::exists(missing));
        QFile file(victim);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), victimText);
    }

    // Deleting takes exactly the row's file, whatever its name holds, and
    // never one that is no longer a profile.
    void deleteRemovesOnlyTheRowsFile()
    {
        Folders folders;
        const QString odd = QStringLiteral("x\" \"y");
        folders.writeProfile(odd, QString(), someSettings);
        folders.writeProfile(QStringLiteral("y"), QString(), someSettings);
        folders.write(QStringLiteral("x"), {QStringLiteral("decoy")});
        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        selectRow(list, odd);
        QVERIFY(list.deleteButton->isEnabled());
        list.deleteButton->click();
        QCOMPARE(folders.entries(), (QStringList{"x", "y.cfg"}));
        QCOMPARE(tableRows(list), (QStringList{"Factory Default", "y"}));
        QCOMPARE(list.profileTable->currentRow(), 0);
        QVERIFY(!list.editButton->isEnabled());
        QVERIFY(!list.deleteButton->isEnabled());

        // Rewritten as a queue's file after the list was built: kept.
        selectRow(list, QStringLiteral("y"));
        folders.write(QStringLiteral("y.cfg"), someSettings);
        list.deleteButton->click();
        QCOMPARE(folders.entries(), (QStringList{"x", "y.cfg"}));
    }

    // The pages read from the queue's own file again once the profile they
    // read from is gone; deleting another profile changes nothing.
    void deleteResetsTheActivePath()
    {
        Folders folders;
        useQueue(QStringLiteral("Office"));
        folders.writeProfile(QStringLiteral("active"), QString(), someSettings);
        folders.writeProfile(QStringLiteral("other"), QString(), someSettings);
        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        selectRow(list, QStringLiteral("active"));
        list.applyButton->click();
        QCOMPARE(activeSettingsPath, folders.dataPath(QStringLiteral("active.cfg")));

        selectRow(list, QStringLiteral("other"));
        list.deleteButton->click();
        QCOMPARE(activeSettingsPath, folders.dataPath(QStringLiteral("active.cfg")));
        selectRow(list, QStringLiteral("active"));
        list.deleteButton->click();
        QCOMPARE(activeSettingsPath, folders.dataPath(QStringLiteral("Office.cfg")));
        QCOMPARE(folders.entries(), QStringList());
    }

    // Which row a rebuild selects: a new one, else the previous one, else row 0.
    void rebuildKeepsOrMovesTheSelection()
    {
        Folders folders;
        folders.writeProfile(QStringLiteral("a"), QString(), someSettings);
        folders.writeProfile(QStringLiteral("b"), QString(), someSettings);
        ProfileDialog list(nullptr, nullptr);
        list.fillProfileTable();
        QCOMPARE(currentRowText(list), QStringLiteral("Factory Default"));
        selectRow(list, QStringLiteral("b"));
        list.fillProfileTable();
        QCOMPARE(currentRowText(list), QStringLiteral("b"));
        folders.writeProfile(QStringLiteral("c"), QString(), someSettings);
        folders.writeProfile(QStringLiteral("0"), QString(), someSettings);
        list.fillProfileTable();
        QCOMPARE(currentRowText(list), QStringLiteral("0"));
        QFile::remove(folders.dataPath(QStringLiteral("0.cfg")));
        list.fillProfileTable();
        QCOMPARE(currentRowText(list), QStringLiteral("Factory Default"));
    }

    // Save... follows the last constraint pass, once per opening.
    void saveButtonFollowsThePass()
    {
        Folders folders;
        ProfileDialog list(nullptr, nullptr);
        optionsConsistent = false;
        list.show();
        QVERIFY(!list.saveButton->isEnabled());
        optionsConsistent = true;
        QVERIFY(!list.saveButton->isEnabled());
        list.close();
        list.show();
        QVERIFY(list.saveButton->isEnabled());
        list.close();
    }
};

QTEST_MAIN(ProfileFilesTest)
#include "tst_profilefiles.moc"
