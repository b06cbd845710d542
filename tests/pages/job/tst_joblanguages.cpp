// The Job page in each of the six languages: it finds the printer's storage
// choices by their translated texts, so the fixture PPD's translations and
// the catalogues must agree. libcups picks the PPD's language once per
// process, so every language runs in a child process of its own.
#include "jobfixture.h"

#include "languagechild.h"

#include <QTranslator>

using namespace jobfixture;

namespace {
const char *const languageVariable = "HALVANE_JOB_LANGUAGE";

QString translated(const char *text)
{
    return QCoreApplication::translate("JobTab", text);
}
}

// Run in the child, with LANG and the catalogue of one language.
class JobLanguageChecks : public JobPageTest
{
    Q_OBJECT

public:
    explicit JobLanguageChecks(const QString &language)
        : m_language(language)
    {
    }

private:
    QString m_language;
    QTranslator m_translator;

    // In every language but English the texts must differ from the source.
    void verifyTranslated(const QString &text, const char *source)
    {
        QCOMPARE(text, translated(source));
        if (m_language != QLatin1String("en"))
            QVERIFY2(text != QLatin1String(source), source);
    }

private slots:
    void initTestCase()
    {
        const QHash<QString, QString> catalogues = {{"en", "english"}, {"fr", "french"},     {"de", "german"},
                                                    {"it", "italian"}, {"pt", "portuguese"}, {"es", "spanish"}};
        QVERIFY(catalogues.contains(m_language));
        QVERIFY(m_translator.load(QStringLiteral(":/strings/") + catalogues.value(m_language)));
        QVERIFY(QCoreApplication::installTranslator(&m_translator));
        QVERIFY(m_dir.isValid());
    }

    void init() { newPage(); }

    void storageChoicesByText()
    {
        load();
        verifyTranslated(m_page->tabName(), "Job");
        // Off stands for the printer's "None", which the list leaves out.
        QVERIFY(!items(m_page->storageCombo).contains(translated("None")));
        verifyTranslated(m_page->storageCombo->currentText(), "Proof and hold");
        QCOMPARE(pagefixture::markedName("ZVCollate1"), QStringLiteral("None"));
        verifyTranslated(m_page->jobStorageText(), "Job storage");
        QCOMPARE(items(m_page->storageCombo),
                 QStringList({translated("Proof and hold"), translated("Job storage"), translated("Private print"),
                              translated("Custom box")}));

        click(m_page->storageButton);
        QVERIFY(pick(m_page->storageCombo, translated("Job storage")));
        QVERIFY(m_page->accessCodeEdit->isVisibleTo(m_page));
        type(m_page->accessCodeEdit, QStringLiteral("1234"));
        QVERIFY(m_pass->consistent);
        QMultiHash<QString, QString> snapshot = snapshotOf(*m_page);
        QCOMPARE(snapshot.values("ZVCollate1"), QStringList{"JobStorage"});
        QCOMPARE(snapshot.values("JobStorage"), QStringList{"True"});
        QCOMPARE(snapshot.values("AccessCode"), QStringList{"1234"});

        QVERIFY(pick(m_page->storageCombo, translated("Private print")));
        snapshot = snapshotOf(*m_page);
        QCOMPARE(snapshot.values("ZVCollate1"), QStringList{"Custom1"});

        click(m_page->storageButton);
        QCOMPARE(pagefixture::markedName("ZVCollate1"), QStringLiteral("None"));
        QCOMPARE(snapshotOf(*m_page).values("ZVCollate1"), QStringList{"None"});
    }

    void nameDateAndBoxRoundTrip()
    {
        load();
        QVERIFY(pick(m_page->jobNameCombo, translated("Custom")));
        QVERIFY(m_page->jobNameEdit->isEnabled());
        type(m_page->jobNameEdit, QStringLiteral("Rapport"));
        QVERIFY(pick(m_page->overwriteCombo, translated("Replace existing file")));
        click(m_page->storageButton);
        QVERIFY(pick(m_page->storageCombo, translated("Custom box")));
        type(m_page->boxNumberEdit, QStringLiteral("12"));
        QVERIFY(m_pass->consistent);
        const QMultiHash<QString, QString> snapshot = snapshotOf(*m_page);
        QCOMPARE(snapshot.values("CustomJobName"), QStringList{"Rapport"});
        QCOMPARE(snapshot.values("ReplaceJob"), QStringList{"true"});
        QCOMPARE(snapshot.values("CustomBox"), QStringList{"0012"});

        reloadFromSnapshot();
        QCOMPARE(m_page->jobNameCombo->currentText(), translated("Custom"));
        QCOMPARE(m_page->jobNameEdit->text(), QStringLiteral("Rapport"));
        QCOMPARE(m_page->overwriteCombo->currentText(), translated("Replace existing file"));
        QCOMPARE(m_page->storageCombo->currentText(), translated("Custom box"));
        QCOMPARE(m_page->boxNumberEdit->text(), QStringLiteral("0012"));
    }

    void messagesTranslated()
    {
        load();
        click(m_page->userLoginButton);
        verifyTranslated(m_page->userLoginLabel->toolTip(), "User name must be at least one character long.");
        QVERIFY(!m_pass->consistent);
        // Login and accounting exclude each other.
        click(m_page->userLoginButton);
        click(m_page->accountingButton);
        m_page->accountModeCombo->setCurrentIndex(0);
        verifyTranslated(m_page->accountingLabel->toolTip(), "Account ID must be 1 to 8 numbers in length");
        QVERIFY(!m_pass->consistent);
    }
};

int main(int argc, char **argv)
{
    return languagechild::main<JobLanguageChecks>(argc, argv, languageVariable);
}

#include "tst_joblanguages.moc"
