#include "queuestate.h"

#include "lpstatanswer.h"
#include "processrunner.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <climits>
#include <cstring>

#include <unistd.h>

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
QStringList lpstatArguments(const QStringList &queueNames)
{
    return {QStringLiteral("-p") + lpstatQueueList(queueNames)};
}

// The state from a run for one queue. A list of more than one item (a name
// with a comma, "all,all") also lists other queues: only the queue's own
// lines count, and without them it is not there.
QString stateOf(const QString &queueName, const ProcessResult &result)
{
    if (!result.succeeded())
        return lpstatFailedText();
    if (!lpstatQueueList({queueName}).contains(QLatin1Char(',')))
        return printerStateText(lpstatOutputText(result.standardOutput));
    const QByteArray own = lpstatOutputByQueue(result.standardOutput, {queueName}).first();
    if (own.isEmpty())
        return lpstatFailedText();
    return printerStateText(lpstatOutputText(own));
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

int lpstatListRoom()
{
    // Linux's MAX_ARG_STRLEN at its least (4 KiB pages): one argument, its
    // NUL included.
    constexpr qint64 oneArgument = 131072;
    // Linux takes at most three quarters of 8 MiB for the strings of exec,
    // whatever the stack limit that sysconf follows.
    constexpr qint64 execCap = 6 * 1024 * 1024;
    constexpr qint64 margin = 4096;
    qint64 argMax = sysconf(_SC_ARG_MAX);
    if (argMax <= 0)
        argMax = _POSIX_ARG_MAX;
    argMax = qMin(argMax, execCap);
    // lpstat gets this process's environment: its strings and pointers.
    qint64 taken = 0;
    for (char **variable = environ; variable && *variable; ++variable)
        taken += qint64(std::strlen(*variable)) + 1 + qint64(sizeof(char *));
    // The program's path twice (file name and argv[0]), the switch, the
    // pointers of both arguments and the ends of the lists.
    taken += 2 * PATH_MAX + 2 + 1 + 4 * qint64(sizeof(char *));
    const qint64 room = qMin(oneArgument - 1 - 2, argMax - taken) - margin;
    return int(qMax<qint64>(0, room));
}

QString printerState(const QString &queueName)
{
    // "-p" alone would ask for every queue.
    if (queueName.isEmpty())
        return lpstatFailedText();
    return stateOf(queueName,
                   ProcessRunner::run(QStringLiteral("lpstat"), lpstatArguments({queueName}), lpstatTimeoutMs));
}

QStringList printerStates(const QStringList &queueNames, int listRoom)
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

    // Each lpstat asks cupsd for every queue: one run for all the names, as
    // long as the command line takes them; the runs of a longer list go
    // together.
    QList<QList<int>> batches;
    QList<QStringList> batchNames;
    QList<QStringList> batchArguments;
    qint64 batchBytes = 0;
    for (int row : qAsConst(listed)) {
        const QString &name = queueNames.at(row);
        const qint64 nameBytes = QFile::encodeName(name).size();
        if (batches.isEmpty() || batchBytes + 1 + nameBytes > listRoom) {
            batches.append(QList<int>());
            batchNames.append(QStringList());
            batchBytes = nameBytes;
        } else {
            batchBytes += 1 + nameBytes;
        }
        batches.last().append(row);
        batchNames.last().append(name);
    }
    for (const QStringList &names : qAsConst(batchNames))
        batchArguments.append(lpstatArguments(names));
    const QList<ProcessResult> batchResults =
        ProcessRunner::runAll(QStringLiteral("lpstat"), batchArguments, lpstatTimeoutMs);
    for (int i = 0; i < batches.size(); ++i) {
        const QList<int> &batch = batches.at(i);
        // An unknown queue fails the whole query; a queue whose lines the
        // answer cannot tell apart from another's gets a run of its own.
        const QList<QByteArray> parts = batchResults.at(i).succeeded()
                                            ? lpstatOutputByQueue(batchResults.at(i).standardOutput, batchNames.at(i))
                                            : QList<QByteArray>();
        for (int k = 0; k < batch.size(); ++k) {
            if (parts.value(k).isEmpty())
                alone.append(batch.at(k));
            else
                states[batch.at(k)] = printerStateText(lpstatOutputText(parts.at(k)));
        }
    }

    QList<QStringList> aloneArguments;
    for (int row : qAsConst(alone))
        aloneArguments.append(lpstatArguments({queueNames.at(row)}));
    const QList<ProcessResult> aloneResults =
        ProcessRunner::runAll(QStringLiteral("lpstat"), aloneArguments, lpstatTimeoutMs);
    for (int i = 0; i < alone.size(); ++i)
        states[alone.at(i)] = stateOf(queueNames.at(alone.at(i)), aloneResults.at(i));
    return states;
}
