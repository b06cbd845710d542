#include "queuestate.h"

#include "processrunner.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QVector>

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
          "desativada", "disabled", "deshabilitada", "desabilitada"}},
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

QStringList printerStates(const QStringList &queueNames, int queuesPerQuery)
{
    QStringList states;
    QList<int> listed; // rows that go into a query of several queues
    QList<int> alone;  // rows that need a run of their own
    for (int row = 0; row < queueNames.size(); ++row) {
        const QString &name = queueNames.at(row);
        states.append(name.isEmpty() ? lpstatFailedText() : QString());
        if (name.contains(QLatin1Char(',')))
            alone.append(row); // the list's separator
        else if (!name.isEmpty())
            listed.append(row);
    }

    // One lpstat for a batch of queues, so its command line stays short;
    // the batches run together.
    queuesPerQuery = qMax(1, queuesPerQuery);
    QList<QList<int>> batches;
    QList<QStringList> batchNames;
    QList<QStringList> batchArguments;
    for (int first = 0; first < listed.size(); first += queuesPerQuery) {
        const QList<int> batch = listed.mid(first, queuesPerQuery);
        QStringList names;
        for (int row : batch)
            names.append(queueNames.at(row));
        batches.append(batch);
        batchNames.append(names);
        batchArguments.append(lpstatArguments(names.join(QLatin1Char(','))));
    }
    const QList<ProcessResult> batchResults =
        ProcessRunner::runAll(QStringLiteral("lpstat"), batchArguments, lpstatTimeoutMs);
    for (int i = 0; i < batches.size(); ++i) {
        const QList<int> &batch = batches.at(i);
        // An unknown queue fails the whole query; an answer that does not
        // split cleanly by queue is not trusted either.
        const QList<QByteArray> parts = batchResults.at(i).succeeded()
                                            ? lpstatOutputByQueue(batchResults.at(i).standardOutput, batchNames.at(i))
                                            : QList<QByteArray>();
        if (parts.isEmpty()) {
            alone.append(batch);
            continue;
        }
        for (int k = 0; k < batch.size(); ++k)
            states[batch.at(k)] = printerStateText(lpstatOutputText(parts.at(k)));
    }

    QList<QStringList> aloneArguments;
    for (int row : qAsConst(alone))
        aloneArguments.append(lpstatArguments(queueNames.at(row)));
    const QList<ProcessResult> aloneResults =
        ProcessRunner::runAll(QStringLiteral("lpstat"), aloneArguments, lpstatTimeoutMs);
    for (int i = 0; i < alone.size(); ++i)
        states[alone.at(i)] = stateOf(aloneResults.at(i));
    return states;
}

QList<QByteArray> lpstatOutputByQueue(const QByteArray &standardOutput, const QStringList &queueNames)
{
    QList<QByteArray> names;
    for (const QString &name : queueNames)
        names.append(name.toUtf8());
    QList<QByteArray> parts;
    for (int i = 0; i < names.size(); ++i)
        parts.append(QByteArray());
    QVector<bool> found(names.size(), false);

    // A line that does not begin with a tab opens a queue's part; the
    // queue is the one name of the list that stands in it as a word.
    int current = -1;
    const QList<QByteArray> lines = standardOutput.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (i == lines.size() - 1 && line.isEmpty())
            break; // after the last line feed
        if (!line.startsWith('\t')) {
            const QList<QByteArray> words = line.split(' ');
            current = -1;
            for (int n = 0; n < names.size(); ++n) {
                if (!words.contains(names.at(n)))
                    continue;
                if (current >= 0)
                    return {}; // two names in one line
                current = n;
            }
            if (current < 0 || found.at(current))
                return {};
            found[current] = true;
        } else if (current < 0) {
            return {};
        }
        parts[current] += line + '\n';
    }
    if (found.contains(false))
        return {};
    return parts;
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
