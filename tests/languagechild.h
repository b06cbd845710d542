#pragma once

// Tests that run once in each of the six languages. libcups and QLocale read
// the language from the environment once per process, so the test program
// runs itself again for each language, in a child with LANG, LC_ALL and
// LC_MESSAGES set and the language named in a variable of its own; in the
// child the checks run. A test lists this header among its sources (it holds
// a Q_OBJECT class) and ends in
//   int main(int argc, char **argv) { return languagechild::main<Checks>(argc, argv, "VARIABLE"); }
// where Checks is the test class, built with the language ("de", ...).

#include "processrunner.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QtTest>

namespace languagechild {

// Rows "language" (en, fr, ...) and "locale" (en_US.UTF-8, ...) for the
// test function's data table.
inline void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("locale");
    QTest::newRow("English") << "en" << "en_US.UTF-8";
    QTest::newRow("French") << "fr" << "fr_FR.UTF-8";
    QTest::newRow("German") << "de" << "de_DE.UTF-8";
    QTest::newRow("Italian") << "it" << "it_IT.UTF-8";
    QTest::newRow("Portuguese") << "pt" << "pt_PT.UTF-8";
    QTest::newRow("Spanish") << "es" << "es_ES.UTF-8";
}

// Runs this program in the locale with variable=language; fails the running
// test when the child fails, after passing on its own report line by line
// (a failure message would be cut short).
inline void runChild(const char *variable, const QString &language, const QString &locale)
{
    const ProcessResult child = ProcessRunner::run(
        QStringLiteral("env"),
        {"LANG=" + locale, "LC_ALL=" + locale, "LC_MESSAGES=" + locale,
         QString::fromLatin1(variable) + "=" + language, QCoreApplication::applicationFilePath()},
        120000);
    if (!child.succeeded()) {
        const QList<QByteArray> lines = child.standardOutput.split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("QINFO") || line.startsWith("FAIL") || line.startsWith("   Loc:"))
                qInfo().noquote() << QString::fromUtf8(line);
        }
    }
    QVERIFY2(child.succeeded(), qPrintable(language + QStringLiteral(": the child's report is above")));
}

// Runs the child once per language.
class Children : public QObject
{
    Q_OBJECT

public:
    explicit Children(const char *variable) : m_variable(variable) {}

private slots:
    void language_data() { addLanguageRows(); }

    void language()
    {
        QFETCH(QString, language);
        QFETCH(QString, locale);
        runChild(m_variable, language, locale);
    }

private:
    const char *m_variable;
};

template <typename Checks>
int main(int argc, char **argv, const char *variable)
{
    QApplication app(argc, argv);
    const QString language = qEnvironmentVariable(variable);
    if (!language.isEmpty()) {
        Checks checks(language);
        return QTest::qExec(&checks, argc, argv);
    }
    Children children(variable);
    return QTest::qExec(&children, argc, argv);
}

} // namespace languagechild
