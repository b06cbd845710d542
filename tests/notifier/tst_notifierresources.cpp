#include "catalogue.h"

#include <QCoreApplication>
#include <QImage>
#include <QTranslator>
#include <QtTest>

// The catalogue choice by locale name, what every compiled-in catalogue must
// hold for the notifier's texts, and the window icon.
class tst_notifierresources : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void contents_data();
    void contents();
    void windowIcon();
};

void tst_notifierresources::choice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("resource");

    QTest::newRow("en_US") << "en_US" << ":/strings/english";
    QTest::newRow("fr_FR") << "fr_FR" << ":/strings/french";
    QTest::newRow("fr_CA") << "fr_CA" << ":/strings/french";
    QTest::newRow("de alone") << "de" << ":/strings/german";
    QTest::newRow("de_CH") << "de_CH" << ":/strings/german";
    QTest::newRow("it_IT") << "it_IT" << ":/strings/italian";
    QTest::newRow("pt_BR") << "pt_BR" << ":/strings/portuguese";
    QTest::newRow("pt_PT") << "pt_PT" << ":/strings/portuguese";
    QTest::newRow("es_MX") << "es_MX" << ":/strings/spanish";
    QTest::newRow("zh_CN") << "zh_CN" << ":/strings/english";
    QTest::newRow("C locale") << "C" << ":/strings/english";
    QTest::newRow("empty name") << "" << ":/strings/english";
    QTest::newRow("language in capitals") << "DE_de" << ":/strings/english";
    QTest::newRow("language prefix only") << "deu_DE" << ":/strings/english";
}

void tst_notifierresources::choice()
{
    QFETCH(QString, locale);
    QFETCH(QString, resource);
    QCOMPARE(catalogueForLocale(locale), resource);
}

namespace {

struct Text
{
    const char *context;
    const char *source;
};

const Text notifierTexts[] = {
    {"MainWindow", "Ondrix"},
    {"QObject", "Unable to connect to the server."},
    {"QObject", "Login failed. The user name or password you entered is incorrect."},
    {"QObject", "You do not have permission to print."},
    {"QObject", "This job will be canceled because you have reached one or more of your quotas.\n"
                "Contact your administrator for further information."},
    {"QObject", "Not enough credit is available to print this job. Recharge your credit."},
    {"QObject", "You have the following print restrictions:"},
    {"QObject", "Printing is canceled"},
    {"QObject", "Duplex"},
    {"QObject", "Color"},
    {"QObject", "Thriftink"},
};

} // namespace

void tst_notifierresources::contents_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<bool>("english");
    for (const char *name : {"english", "french", "german", "italian", "portuguese", "spanish"})
        QTest::newRow(name) << QStringLiteral(":/strings/") + QLatin1String(name)
                            << (qstrcmp(name, "english") == 0);
}

void tst_notifierresources::contents()
{
    QFETCH(QString, resource);
    QFETCH(bool, english);

    QTranslator translator;
    QVERIFY2(translator.load(resource), qPrintable(resource));
    for (const Text &text : notifierTexts) {
        const QString source = QString::fromUtf8(text.source);
        const QString translated = translator.translate(text.context, text.source);
        QVERIFY2(!translated.isEmpty(), text.source);
        if (source == QLatin1String("Printing is canceled")) {
            QVERIFY2(translated.endsWith(QLatin1Char('.')), qPrintable(translated));
            if (english)
                QCOMPARE(translated, QStringLiteral("Printing is canceled."));
        } else if (english || source == QLatin1String("Ondrix") || source == QLatin1String("Thriftink")) {
            QCOMPARE(translated, source);
        }
        // The quota notice is two lines in every language.
        if (source.contains(QLatin1Char('\n')))
            QCOMPARE(translated.count(QLatin1Char('\n')), 1);
    }
    if (!english) {
        // A copy of the English catalogue would pass the checks above.
        QVERIFY(translator.translate("QObject", "Unable to connect to the server.")
                != QLatin1String("Unable to connect to the server."));
    }
}

void tst_notifierresources::windowIcon()
{
    // Named without its suffix, as the notifier names it.
    const QImage icon(QStringLiteral(":/icons/appicon_rb"));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(64, 64));
}

QTEST_GUILESS_MAIN(tst_notifierresources)
#include "tst_notifierresources.moc"
