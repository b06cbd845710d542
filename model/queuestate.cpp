#include "queuestate.h"

#include "processrunner.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QVector>

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
// options ("lpstat -p -Evil" lists every queue). lpstat takes the list "all"
// for every queue, and "all,all" for the queue of that name alone.
QStringList lpstatArguments(const QString &queueList)
{
    if (queueList == QLatin1String("all"))
        return {QStringLiteral("-pall,all")};
    return {QStringLiteral("-p") + queueList};
}

QString stateOf(const ProcessResult &result)
{
    if (!result.succeeded())
        return lpstatFailedText();
    return printerStateText(lpstatOutputText(result.standardOutput));
}

enum class LineRole { Open, Header, Message };

// One line of lpstat's answer for several queues, as the split sees it.
struct AnswerLine
{
    int start = 0; // where it begins in the answer
    bool tabbed = false;
    LineRole role = LineRole::Open;
    int queue = -1;  // the name whose lines this header opens
    QSet<int> names; // names that stand in it as words and have no other header
};

// The lines lpstat's layout allows for each queue: one header line holding
// the queue's name as a word, then at most a state message, whose first line
// begins with a tab and whose later lines may read like anything. So the
// first line and a line right after a header are headers, and every name has
// exactly one. Settles what follows from that for every possible reading;
// false when no reading fits.
class AnswerSplit
{
public:
    AnswerSplit(QVector<AnswerLine> &lines, int nameCount) : m_lines(lines), m_headerOf(nameCount, -1) {}

    bool settle()
    {
        if (m_lines.isEmpty() || m_lines.first().tabbed)
            return false;
        for (AnswerLine &line : m_lines) {
            if (line.tabbed || line.names.isEmpty())
                line.role = LineRole::Message;
        }
        m_lines.first().role = LineRole::Header;
        m_changed = true;
        while (m_changed) {
            m_changed = false;
            if (!followHeaders() || !nameLoneHeaders() || !placeLoneNames() || !countHeaders())
                return false;
            closeCrowdedRuns();
        }
        return true;
    }

private:
    QVector<AnswerLine> &m_lines;
    QVector<int> m_headerOf; // line of each name's header, -1 while open
    bool m_changed = false;

    void place(int lineIndex, int name)
    {
        AnswerLine &header = m_lines[lineIndex];
        header.role = LineRole::Header;
        header.queue = name;
        m_headerOf[name] = lineIndex;
        for (int i = 0; i < m_lines.size(); ++i) {
            AnswerLine &line = m_lines[i];
            if (i == lineIndex || !line.names.remove(name))
                continue;
            if (line.names.isEmpty() && line.role == LineRole::Open)
                line.role = LineRole::Message;
        }
        m_changed = true;
    }

    // A header's message begins with a tab: an untabbed line after it is
    // the next header.
    bool followHeaders()
    {
        for (int i = 0; i + 1 < m_lines.size(); ++i) {
            AnswerLine &next = m_lines[i + 1];
            if (m_lines.at(i).role != LineRole::Header || next.tabbed)
                continue;
            if (next.role == LineRole::Message)
                return false;
            if (next.role == LineRole::Open) {
                next.role = LineRole::Header;
                m_changed = true;
            }
        }
        return true;
    }

    // A header that holds one name still without a header is that name's.
    bool nameLoneHeaders()
    {
        for (int i = 0; i < m_lines.size(); ++i) {
            const AnswerLine &line = m_lines.at(i);
            if (line.role != LineRole::Header || line.queue >= 0)
                continue;
            if (line.names.isEmpty())
                return false;
            if (line.names.size() == 1)
                place(i, *line.names.cbegin());
        }
        return true;
    }

    // A name that only one line could open opens that line.
    bool placeLoneNames()
    {
        QVector<int> candidates(m_headerOf.size(), 0);
        QVector<int> lastCandidate(m_headerOf.size(), -1);
        for (int i = 0; i < m_lines.size(); ++i) {
            const AnswerLine &line = m_lines.at(i);
            if (line.role == LineRole::Message || line.queue >= 0)
                continue;
            for (int name : line.names) {
                ++candidates[name];
                lastCandidate[name] = i;
            }
        }
        for (int name = 0; name < m_headerOf.size(); ++name) {
            if (m_headerOf.at(name) >= 0)
                continue;
            if (candidates.at(name) == 0)
                return false;
            // Placing another name may have taken this one's line.
            if (candidates.at(name) == 1 && m_lines.at(lastCandidate.at(name)).queue < 0)
                place(lastCandidate.at(name), name);
        }
        return true;
    }

    // A header makes every untabbed line after it a header, up to the next
    // tab: an open line is none when such a run holds a message, or fewer
    // names than lines still without one.
    void closeCrowdedRuns()
    {
        for (int i = 0; i < m_lines.size(); ++i) {
            if (m_lines.at(i).role != LineRole::Open)
                continue;
            QSet<int> names;
            int unnamed = 0;
            bool message = false;
            for (int j = i; j < m_lines.size() && !m_lines.at(j).tabbed && !message; ++j) {
                const AnswerLine &line = m_lines.at(j);
                message = line.role == LineRole::Message;
                if (line.queue < 0) {
                    ++unnamed;
                    names.unite(line.names);
                }
            }
            if (message || names.size() < unnamed) {
                m_lines[i].role = LineRole::Message;
                m_changed = true;
            }
        }
    }

    // Every name has one header: once the headers are all known, the other
    // lines are messages; when the open lines are just enough, all are headers.
    bool countHeaders()
    {
        int headers = 0;
        int open = 0;
        for (const AnswerLine &line : qAsConst(m_lines)) {
            headers += line.role == LineRole::Header;
            open += line.role == LineRole::Open;
        }
        const int wanted = m_headerOf.size();
        if (headers > wanted || headers + open < wanted)
            return false;
        if (open == 0 || (headers < wanted && headers + open > wanted))
            return true;
        for (AnswerLine &line : m_lines) {
            if (line.role == LineRole::Open)
                line.role = headers == wanted ? LineRole::Message : LineRole::Header;
        }
        m_changed = true;
        return true;
    }
};

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
    return stateOf(ProcessRunner::run(QStringLiteral("lpstat"), lpstatArguments(queueName), lpstatTimeoutMs));
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
        batchArguments.append(lpstatArguments(names.join(QLatin1Char(','))));
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
        aloneArguments.append(lpstatArguments(queueNames.at(row)));
    const QList<ProcessResult> aloneResults =
        ProcessRunner::runAll(QStringLiteral("lpstat"), aloneArguments, lpstatTimeoutMs);
    for (int i = 0; i < alone.size(); ++i)
        states[alone.at(i)] = stateOf(aloneResults.at(i));
    return states;
}

QList<QByteArray> lpstatOutputByQueue(const QByteArray &standardOutput, const QStringList &queueNames)
{
    // Each name once: lpstat prints a queue asked for twice only once.
    QHash<QByteArray, int> distinct;
    QVector<int> distinctOf;
    for (const QString &name : queueNames) {
        const QByteArray bytes = name.toUtf8();
        if (!distinct.contains(bytes))
            distinct.insert(bytes, distinct.size());
        distinctOf.append(distinct.value(bytes));
    }

    QVector<AnswerLine> lines;
    for (int start = 0; start < standardOutput.size();) {
        int end = standardOutput.indexOf('\n', start);
        if (end < 0)
            end = standardOutput.size();
        AnswerLine line;
        line.start = start;
        line.tabbed = end > start && standardOutput.at(start) == '\t';
        for (const QByteArray &word : standardOutput.mid(start, end - start).split(' ')) {
            const auto found = distinct.constFind(word);
            if (!word.isEmpty() && found != distinct.constEnd())
                line.names.insert(found.value());
        }
        lines.append(line);
        start = end + 1;
    }

    QList<QByteArray> parts;
    for (int i = 0; i < queueNames.size(); ++i)
        parts.append(QByteArray());
    if (!AnswerSplit(lines, distinct.size()).settle())
        return parts;
    QVector<QByteArray> distinctParts(distinct.size());
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).queue < 0)
            continue;
        int next = i + 1;
        while (next < lines.size() && lines.at(next).role == LineRole::Message)
            ++next;
        // A line that may still open another queue's part may end this one.
        if (next < lines.size() && lines.at(next).role == LineRole::Open)
            continue;
        const int end = next < lines.size() ? lines.at(next).start : standardOutput.size();
        distinctParts[lines.at(i).queue] = standardOutput.mid(lines.at(i).start, end - lines.at(i).start);
    }
    for (int i = 0; i < queueNames.size(); ++i)
        parts[i] = distinctParts.at(distinctOf.at(i));
    return parts;
}
