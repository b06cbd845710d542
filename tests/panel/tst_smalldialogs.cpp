// The data-collection dialog, the About box and the legal notices, and the
// choice of catalogue and privacy notice by locale name.
#include "aboutdialog.h"
#include "licensedialog.h"
#include "localecatalogue.h"
#include "modalhelper.h"
#include "sessionstate.h"
#include "telemetrydialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray absent = QByteArrayLiteral("<absent>");

QRadioButton *radioStartingWith(QWidget *dialog, const QString &start)
{
    for (QRadioButton *button : dialog->findChildren<QRadioButton *>()) {
        if (button->text().startsWith(start))
            return button;
    }
    return nullptr;
}

QPushButton *standardButton(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    return box ? box->button(which) : nullptr;
}

QPushButton *pushButtonStartingWith(QWidget *dialog, const QString &start)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text().startsWith(start))
            return button;
    }
    return nullptr;
}
}

class SmallDialogsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir home;

    QString settingsPath() const { return userDataDir + QStringLiteral("Settings"); }

    void putSettings(const QByteArray &content)
    {
        QFile::remove(settingsPath());
        if (content == absent)
            return;
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : absent;
    }

    // Runs the dialog; while it is open, records which answer is preselected,
    // picks one (or none) and leaves through OK or Cancel.
    QString runTelemetryDialog(TelemetryDialog &dialog, const QString &pick, bool ok)
    {
        QString preselected;
        onNextModal([&](QWidget *modal) {
            QRadioButton *yes = radioStartingWith(modal, QStringLiteral("Yes"));
            QRadioButton *no = radioStartingWith(modal, QStringLiteral("No"));
            preselected = yes->isChecked() ? QStringLiteral("yes") : no->isChecked() ? QStringLiteral("no") : QStringLiteral("none");
            if (pick == QLatin1String("yes"))
                yes->click();
            else if (pick == QLatin1String("no"))
                no->click();
            standardButton(modal, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        dialog.exec();
        return preselected;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        userDataDir = home.path() + QStringLiteral("/user/");
    }

    void preselectsTheStoredAnswer_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("preselected");
        QTest::newRow("no file") << absent << "yes";
        QTest::newRow("False") << QByteArray("Telemetry=False\n") << "no";
        QTest::newRow("True") << QByteArray("Telemetry=True\n") << "yes";
        QTest::newRow("True inside other text") << QByteArray("xx Telemetry=True yy") << "yes";
        QTest::newRow("empty file") << QByteArray("") << "no";
        QTest::newRow("True after a NUL byte") << QByteArray("Telemetry=False\n\0Telemetry=True\n", 33) << "no";
        QTest::newRow("other capitalisation") << QByteArray("telemetry=true\n") << "no";
    }

    void preselectsTheStoredAnswer()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, preselected);
        QDir().mkpath(userDataDir);
        putSettings(stored);
        TelemetryDialog dialog;
        QCOMPARE(runTelemetryDialog(dialog, QString(), false), preselected);
        QCOMPARE(settings(), stored); // Cancel writes nothing
    }

    // The answer is written over the start of the file without shortening it.
    void writesOverTheStart_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("No over True") << QByteArray("Telemetry=True\n") << "no" << QByteArray("Telemetry=False\n");
        QTest::newRow("Yes over False keeps a newline") << QByteArray("Telemetry=False\n") << "yes" << QByteArray("Telemetry=True\n\n");
        QTest::newRow("Yes with no file") << absent << "yes" << QByteArray("Telemetry=True\n");
        QTest::newRow("No with no file") << absent << "no" << QByteArray("Telemetry=False\n");
        QTest::newRow("longer old content stays behind")
            << QByteArray("Telemetry=False\n# kept\n") << "yes" << QByteArray("Telemetry=True\n\n# kept\n");
    }

    void writesOverTheStart()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, pick);
        QFETCH(QByteArray, after);
        QDir().mkpath(userDataDir);
        putSettings(before);
        TelemetryDialog dialog;
        runTelemetryDialog(dialog, pick, true);
        QCOMPARE(settings(), after);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.isTelemetryEnabled(), pick == QLatin1String("yes"));
    }

    void createsTheMissingUserDirectory()
    {
        QDir(userDataDir).removeRecursively();
        TelemetryDialog dialog;
        runTelemetryDialog(dialog, QStringLiteral("no"), true);
        QCOMPARE(settings(), QByteArray("Telemetry=False\n"));
    }

    void cancelKeepsTheStoredAnswer()
    {
        QDir().mkpath(userDataDir);
        putSettings("Telemetry=False\n");
        TelemetryDialog dialog;
        QCOMPARE(runTelemetryDialog(dialog, QStringLiteral("yes"), false), QStringLiteral("no"));
        QCOMPARE(settings(), QByteArray("Telemetry=False\n"));
        // The next run reads the file again instead of keeping the click.
        QCOMPARE(runTelemetryDialog(dialog, QString(), false), QStringLiteral("no"));
    }

    void unwritableSettingsStillAccepts()
    {
        // A directory where the file should be: no write, even for root.
        QFile::remove(settingsPath());
        QVERIFY(QDir().mkpath(settingsPath()));
        TelemetryDialog dialog;
        runTelemetryDialog(dialog, QStringLiteral("no"), true);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFileInfo(settingsPath()).isDir());
        QDir(settingsPath()).removeRecursively();
    }

    // A link or a FIFO that stands as "Settings" is not read (a FIFO would
    // hang the dialog) and not written through; the answer replaces it.
    void plantedSettingsIsReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a file") << "link";
        QTest::newRow("FIFO") << "fifo";
    }

    void plantedSettingsIsReplaced()
    {
        QFETCH(QString, kind);
        QDir().mkpath(userDataDir);
        putSettings(absent);
        const QString victim = home.filePath(QStringLiteral("victim"));
        const QByteArray victimText = "Telemetry=False\nmy own notes\n";
        if (kind == QLatin1String("link")) {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(victimText);
            file.close();
            QVERIFY(QFile::link(victim, settingsPath()));
        } else {
            QCOMPARE(::mkfifo(QFile::encodeName(settingsPath()).constData(), 0644), 0);
        }
        // A read that blocks ends the test here instead of hanging it.
        ::alarm(20);
        TelemetryDialog dialog;
        const QString preselected = runTelemetryDialog(dialog, QStringLiteral("no"), true);
        struct stat info;
        const bool regular = ::lstat(QFile::encodeName(settingsPath()).constData(), &info) == 0 && S_ISREG(info.st_mode);
        const QByteArray written = regular ? settings() : absent;
        ::alarm(0);
        QCOMPARE(preselected, QStringLiteral("yes"));
        QVERIFY(regular);
        QCOMPARE(written, QByteArray("Telemetry=False\n"));
        if (kind == QLatin1String("link")) {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), victimText);
        }
        putSettings(absent);
    }

    void choosesCatalogueByLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("pt_BR") << "pt_BR" << ":/strings/portuguese";
        QTest::newRow("de_AT") << "de_AT" << ":/strings/german";
        QTest::newRow("fr_CA") << "fr_CA" << ":/strings/french";
        QTest::newRow("it_IT") << "it_IT" << ":/strings/italian";
        QTest::newRow("es without country") << "es" << ":/strings/spanish";
        QTest::newRow("en_GB") << "en_GB" << ":/strings/english";
        QTest::newRow("C") << "C" << ":/strings/english";
        QTest::newRow("ja_JP") << "ja_JP" << ":/strings/english";
        QTest::newRow("capitals are another language") << "DE_de" << ":/strings/english";
        QTest::newRow("only the part before the first _") << "fr_FR_euro" << ":/strings/french";
    }

    void choosesCatalogueByLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, catalogue);
        QCOMPARE(catalogueForLocaleName(locale), catalogue);
    }

    // Where a PPD's translated texts may show: every language but English,
    // with a catalogue of the panel's own or without.
    void englishLocales_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("en_US") << "en_US" << true;
        QTest::newRow("en_GB") << "en_GB" << true;
        QTest::newRow("C") << "C" << true;
        QTest::newRow("POSIX") << "POSIX" << true;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << true;
        QTest::newRow("de_DE") << "de_DE" << false;
        QTest::newRow("pt_BR") << "pt_BR" << false;
        QTest::newRow("ja_JP, English catalogue") << "ja_JP" << false;
        QTest::newRow("nl without country") << "nl" << false;
    }

    void englishLocales()
    {
        QFETCH(QString, locale);
        QFETCH(bool, english);
        QCOMPARE(isEnglishLocale(locale), english);
    }

    // Each catalogue is compiled in and translates the dialog's texts.
    void cataloguesAreCompiledIn_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("root");
        QTest::newRow("english") << ":/strings/english" << "Please do not run %1 as root.";
        QTest::newRow("french") << ":/strings/french" << "Veuillez ne pas exécuter %1 en tant que root.";
        QTest::newRow("german") << ":/strings/german" << "Bitte führen Sie %1 nicht als root aus.";
        QTest::newRow("italian") << ":/strings/italian" << "Non eseguire %1 come root.";
        QTest::newRow("portuguese") << ":/strings/portuguese" << "Não execute o %1 como root.";
        QTest::newRow("spanish") << ":/strings/spanish" << "No ejecute %1 como root.";
    }

    void cataloguesAreCompiledIn()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, root);
        QTranslator translator;
        QVERIFY2(translator.load(catalogue), qPrintable(catalogue));
        QCOMPARE(translator.translate("ZelDialog", "Please do not run %1 as root."), root);
        QVERIFY(!translator.translate("TelemetryDialog", "Data Collection").isEmpty());
    }

    void choosesPrivacyNoticeByLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("notice");
        QTest::newRow("de_CH") << "de_CH" << ":/strings/policy_de";
        QTest::newRow("pt_BR") << "pt_BR" << ":/strings/policy_pt";
        QTest::newRow("fr_BE") << "fr_BE" << ":/strings/policy_fr";
        QTest::newRow("it_CH") << "it_CH" << ":/strings/policy_it";
        QTest::newRow("es_MX") << "es_MX" << ":/strings/policy_es";
        QTest::newRow("en_US") << "en_US" << ":/strings/policy";
        QTest::newRow("nl_NL") << "nl_NL" << ":/strings/policy";
        QTest::newRow("C") << "C" << ":/strings/policy";
    }

    void choosesPrivacyNoticeByLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, notice);
        QCOMPARE(TelemetryDialog::policyResourceForLocaleName(locale), notice);
        QFile file(notice);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(notice));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QLatin1String("https://")));
    }

    void legalNoticesNameTheLinkedComponents()
    {
        const QString text = LicenseDialog::loadLicense();
        for (const char *component : {"Qt 5", "libcups", "OpenSSL", "5.0.0"})
            QVERIFY2(text.contains(QLatin1String(component)), component);
        LicenseDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Legal Notices"));
        QCOMPARE(dialog.findChild<QTextEdit *>()->toPlainText(), text);
    }

    void aboutBoxOpensItsDialogsAndStaysOpen()
    {
        AboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QVERIFY(about.minimumSize() == about.maximumSize());
        QVERIFY(about.width() >= 480 && about.height() > 300);
        QLabel *picture = about.findChild<QLabel *>();
        QCOMPARE(picture->pixmap(Qt::ReturnByValue).size(), QSize(483, 310));

        QDir().mkpath(userDataDir);
        putSettings("Telemetry=False\n");
        QStringList seen;
        onNextModal([&](QWidget *aboutBox) {
            // Each click runs the inner dialog's own loop until it is closed.
            onNextModal([&](QWidget *notices) {
                seen << notices->windowTitle();
                standardButton(notices, QDialogButtonBox::Ok)->click();
            }, aboutBox);
            pushButtonStartingWith(aboutBox, QStringLiteral("Legal notices"))->click();
            onNextModal([&](QWidget *collection) {
                seen << collection->windowTitle();
                QRadioButton *no = radioStartingWith(collection, QStringLiteral("No"));
                seen << (no->isChecked() ? QStringLiteral("no preselected") : QStringLiteral("yes preselected"));
                standardButton(collection, QDialogButtonBox::Cancel)->click();
            }, aboutBox);
            pushButtonStartingWith(aboutBox, QStringLiteral("Data collection"))->click();
            seen << (aboutBox->isVisible() ? QStringLiteral("about open") : QStringLiteral("about gone"));
            pushButtonStartingWith(aboutBox, QStringLiteral("Close"))->click();
        });
        about.exec();
        QCOMPARE(seen, (QStringList{"Legal Notices", "Data Collection", "no preselected", "about open"}));
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(SmallDialogsTest)
#include "tst_smalldialogs.moc"
