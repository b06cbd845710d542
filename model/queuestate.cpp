#include "queuestate.h"

#include "processrunner.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

constexpr int lpstatTimeoutMs = 30000;
constexpr int maxOutputBytes = 1022;

struct StateClass
{
    const char *answer;
    QStringList words;
};

// Substrings, case-sensitive, trailing blanks meant; tested in this order.
const QList<StateClass> &stateClasses()
{
    static const QList<StateClass> classes = {
        {QT_TRANSLATE_NOOP("QObject", "Idle"),
         {"idle", "inactiva", "inattiva", "inativa", "inactive", "inaktiv", "in attesa", "Leerlauf",
          "leerlauf", "ociosa"}},
        {QT_TRANSLATE_NOOP("QObject", "Paused"),
         {"Paused", QString::fromUtf8("d\xc3\xa9sactiv\xc3\xa9" "e"), "deaktiviert", "disabilitata",
          "desativada"}},
        {QT_TRANSLATE_NOOP("QObject", "Printing"),
         {"printing", "stampando ", "imprimiendo ", "impression ", "druckt ", "imprimindo "}},
    };
    return classes;
}

QString lpstatFailedText()
{
    return QCoreApplication::translate("QObject", "Error: Printer does not exist or lpstat failed.");
}

// Attached to its switch, a name that begins with "-" cannot be read as
// options ("lpstat -p -Evil" lists every queue).
QStringList lpstatArguments(const QString &queueName)
{
    return {QStringLiteral("-p") + queueName};
}

QString stateOf(const ProcessResult &result)
{
    if (!result.succeeded())
        return lpstatFailedText();
    return printerStateText(lpstatOutputText(result.standardOutput));
}

} // namespace

QString lpstatOutputText(const QByteArray &standardOutput)
{
    QByteArray bytes = standardOutput;
    bytes.replace('\n', QByteArray());
    return QString::fromUtf8(bytes.left(maxOutputBytes));
}

QString printerStateText(const QString &output)
{
    for (const StateClass &stateClass : stateClasses()) {
        for (const QString &word : stateClass.words) {
            if (output.contains(word))
                return QCoreApplication::translate("QObject", stateClass.answer);
        }
    }
    return output;
}

QString printerState(const QString &queueName)
{
    // "-p" alone would ask for every queue.
    if (queueName.isEmpty())
        return lpstatFailedText();
    return stateOf(ProcessRunner::run(QStringLiteral("lpstat"), lpstatArguments(queueName), lpstatTimeoutMs));
}

QStringList printerStates(const QStringList &queueNames)
{
    QList<QStringList> argumentLists;
    for (const QString &name : queueNames) {
        if (!name.isEmpty())
            argumentLists.append(lpstatArguments(name));
    }
    const QList<ProcessResult> results =
        ProcessRunner::runAll(QStringLiteral("lpstat"), argumentLists, lpstatTimeoutMs);
    QStringList states;
    int next = 0;
    for (const QString &name : queueNames)
        states.append(name.isEmpty() ? lpstatFailedText() : stateOf(results.at(next++)));
    return states;
}

QString rotate180Label()
{
    return rotate180LabelFor(QLocale::system().name());
}

QString rotate180LabelFor(const QString &localeName)
{
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    static const QList<QPair<QString, QString>> captions = {
        {"en", QString::fromUtf8("Rotate 180\xc2\xb0")}, {"fr", QString::fromUtf8("Tourner 180\xc2\xb0")},
        {"de", QString::fromUtf8("Rotiert 180\xc2\xb0")}, {"it", QString::fromUtf8("Ruotato 180\xc2\xb0")},
        {"pt", QString::fromUtf8("Girar 180\xc2\xb0")},   {"es", QString::fromUtf8("Girado 180\xc2\xb0")},
    };
    for (const auto &caption : captions) {
        if (caption.first == language)
            return caption.second;
    }
    return captions.first().second;
}
