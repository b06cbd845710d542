// Pages find a PPD choice by its translated text: a button's name, the text
// a check-box button's dependent list stands for while it is off, or a text
// a page looks for among an option's choices (the Watermark page's "Custom"
// and "Black", the Job page's storage choices). In each of the six
// languages, every such text of every page must be the text the sample
// queues' PPDs give the same choice in that language, so that the catalogues
// and the sample PPDs cannot drift apart.
#include "dialogsession.h"
#include "kchoice.h"
#include "koption.h"
#include "localecatalogue.h"
#include "optionstore.h"
#include "ppdimport.h"
#include "sessionstate.h"
#include "tab.h"
#include "zelbuttongroup.h"
#include "zelcheckboxbutton.h"
#include "zeldialog.h"

#include <QDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include <cups/ppd.h>
#include <clocale>

namespace {

// One text a page matches against the choices of the option it binds.
struct MatchedText
{
    QString where;   // page, keyword and place, the same in every language
    QString keyword;
    QString text;
    // Looked for only where the option offers it: a PPD without such a
    // choice is no fault.
    bool whereOffered = false;
};

// Texts a page looks for among its option's choice texts, beside its widgets.
struct SoughtText
{
    const char *context;
    const char *keyword;
    const char *source;
};
const SoughtText soughtTexts[] = {
    {"WatermarkTab", "Wtxt", "Custom"},  // the item taken out of the text list
    {"WatermarkTab", "Wclr", "Black"},   // the colour of a printer without colour
    {"JobTab", "ZVCollate1", "Proof and hold"},
    {"JobTab", "ZVCollate1", "Job storage"},
};

// What the pages of a dialog built with the catalogue match by text.
QList<MatchedText> pageTexts(const QString &catalogue)
{
    QTranslator translator;
    if (!translator.load(catalogue))
        qFatal("cannot load %s", qPrintable(catalogue));
    QCoreApplication::installTranslator(&translator);
    QList<MatchedText> found;
    {
        ZelDialog dialog;
        for (Tab *page : qAsConst(dialog.tabs)) {
            const QString pageName = QString::fromLatin1(page->metaObject()->className());
            for (auto it = page->optionWidgets.constBegin(); it != page->optionWidgets.constEnd(); ++it) {
                if (auto *group = qobject_cast<ZelButtonGroup *>(it.value())) {
                    const QStringList names = group->buttonNames();
                    for (int i = 0; i < names.size(); ++i)
                        found.append({pageName + '/' + it.key() + "/button " + QString::number(i), it.key(), names.at(i)});
                }
            }
            for (ZelCheckBoxButton *button : qAsConst(page->checkBoxButtons)) {
                for (QWidget *dependent : button->dependents()) {
                    const QString keyword = page->optionWidgets.key(dependent);
                    const QString value = button->dependentValue(dependent);
                    if (!keyword.isEmpty() && value != QLatin1String("no_default"))
                        found.append({pageName + '/' + keyword + "/when off", keyword, value});
                }
            }
        }
    }
    for (const SoughtText &sought : soughtTexts)
        found.append({QString::fromLatin1(sought.context) + '/' + sought.keyword + "/sought \"" + sought.source + '"',
                      QString::fromLatin1(sought.keyword),
                      QCoreApplication::translate(sought.context, sought.source), true});
    QCoreApplication::removeTranslator(&translator);
    return found;
}

// The PPDs of the sample queues: every tests/fixtures/cups-*.ppd and every
// PPD the private CUPS script makes a queue of.
QStringList samplePpds()
{
    QStringList names = QDir(QStringLiteral(HALVANE_FIXTURES)).entryList({QStringLiteral("cups-*.ppd")}, QDir::Files);
    QFile script(QStringLiteral(HALVANE_HARNESS "/private-cups.sh"));
    if (!script.open(QIODevice::ReadOnly))
        qFatal("cannot read private-cups.sh");
    const QRegularExpression queueLine(QStringLiteral("\"[^\"\\n=]+=([^\"\\n/]+\\.ppd)\""));
    auto it = queueLine.globalMatch(QString::fromUtf8(script.readAll()));
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (!names.contains(name))
            names << name;
    }
    names.sort();
    return names;
}

// libcups takes the PPD's language from the environment once the C library
// runs in the C locale, as it does in the panel without that locale installed.
void useLanguage(const QByteArray &locale)
{
    std::setlocale(LC_ALL, "C");
    for (const char *name : {"LANG", "LC_ALL", "LC_MESSAGES"})
        qputenv(name, locale);
}

QString choiceList(const QStringList &texts)
{
    return QLatin1Char('"') + texts.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

} // namespace

class ChoiceTextsTest : public QObject
{
    Q_OBJECT

    DialogSession m_session{QStringLiteral("tst-choicetexts"), DialogSession::WithoutCups};

private slots:
    void initTestCase()
    {
        QVERIFY2(m_session.start() && m_session.freshUser(), m_session.whyNot());
        QVERIFY2(samplePpds().size() >= 3, qPrintable(samplePpds().join(' ')));
    }

    void pageTextsAreTheSamplePpdsTexts_data()
    {
        QTest::addColumn<QByteArray>("locale");
        for (const char *locale : {"en_US.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "it_IT.UTF-8", "pt_PT.UTF-8", "es_ES.UTF-8"})
            QTest::newRow(locale) << QByteArray(locale);
    }

    void pageTextsAreTheSamplePpdsTexts()
    {
        QFETCH(QByteArray, locale);
        const QList<MatchedText> english = pageTexts(QStringLiteral(":/strings/english"));
        const QList<MatchedText> translated = pageTexts(catalogueForLocaleName(QString::fromLatin1(locale)));
        QCOMPARE(translated.size(), english.size());
        QVERIFY2(english.size() > 20, "the pages match fewer texts than expected");
        useLanguage(locale);

        QStringList faults;
        int compared = 0;
        QSet<QString> soughtFound;
        for (const QString &name : samplePpds()) {
            const QByteArray path = QFile::encodeName(QStringLiteral(HALVANE_FIXTURES "/") + name);
            ppd_file_t *ppd = ppdOpenFile(path.constData());
            QVERIFY2(ppd, path.constData());
            // The English texts, before the import localises the PPD.
            QHash<QString, QStringList> englishNames, englishTexts;
            for (const MatchedText &item : english) {
                ppd_option_t *option = ppdFindOption(ppd, item.keyword.toUtf8().constData());
                if (!option || englishNames.contains(item.keyword))
                    continue;
                for (int c = 0; c < option->num_choices; ++c) {
                    englishNames[item.keyword] << QString::fromUtf8(option->choices[c].choice);
                    englishTexts[item.keyword] << QString::fromUtf8(option->choices[c].text);
                }
            }
            OptionStore store;
            importPpd(ppd, &store);
            ppdClose(ppd);

            for (int i = 0; i < english.size(); ++i) {
                const MatchedText &source = english.at(i);
                const MatchedText &shown = translated.at(i);
                QCOMPARE(shown.where, source.where);
                kOption *option = store.option(source.keyword);
                if (!englishNames.contains(source.keyword) || !option || !option->isFromPpd())
                    continue; // the PPD does not have the option
                const int englishIndex = englishTexts.value(source.keyword).indexOf(source.text);
                if (englishIndex < 0 && source.whereOffered)
                    continue;
                ++compared;
                if (source.whereOffered)
                    soughtFound << source.where;
                if (englishIndex < 0) {
                    faults << QStringLiteral("%1: %2 \"%3\" is no English choice text of %4 (%5)")
                                  .arg(name, source.where, source.text, source.keyword,
                                       choiceList(englishTexts.value(source.keyword)));
                    continue;
                }
                const QString choiceName = englishNames.value(source.keyword).at(englishIndex);
                const kChoice *choice = option->choiceByText(shown.text);
                QStringList texts;
                for (const kChoice *each : option->choices())
                    texts << each->text();
                if (!choice)
                    faults << QStringLiteral("%1: %2 \"%3\" is no %4 choice text of %5 (%6)")
                                  .arg(name, source.where, shown.text, QString::fromLatin1(locale), source.keyword,
                                       choiceList(texts));
                else if (choice->name() != choiceName)
                    faults << QStringLiteral("%1: %2 \"%3\" is the %4 text of %5 %6, in English of %7")
                                  .arg(name, source.where, shown.text, QString::fromLatin1(locale), source.keyword,
                                       choice->name(), choiceName);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
        // Every sought text is a choice of some sample PPD, or it was not checked.
        for (const MatchedText &item : english) {
            if (item.whereOffered)
                QVERIFY2(soughtFound.contains(item.where), qPrintable(item.where + " is offered by no sample PPD"));
        }
        QVERIFY2(compared > 20, "the sample PPDs have fewer of the pages' options than expected");
    }
};

QTEST_MAIN(ChoiceTextsTest)
#include "tst_choicetexts.moc"
