#include "lpstatanswer.h"

#include <QHash>
#include <QSet>
#include <QVector>

namespace {

enum class LineRole { Open, Header, Message };

constexpr int openQueue = -1;    // a header whose queue is not known yet
constexpr int unaskedQueue = -2; // a header of a queue lpstat lists unasked

// One line of lpstat's answer for several queues, as the split sees it.
struct AnswerLine
{
    int start = 0; // where it begins in the answer
    bool tabbed = false;
    LineRole role = LineRole::Open;
    int queue = openQueue; // the name whose lines this header opens
    QSet<int> names;       // names that stand in it as words and have no other header
    bool unasked = false;  // may be the header of a queue listed unasked
};

// The lines lpstat's layout allows for each queue: one header line holding
// the queue's name as a word, then at most a state message, whose first line
// begins with a tab and whose later lines may read like anything. So the
// first line and a line right after a header are headers, and every name has
// exactly one; a queue listed unasked has a header holding its name too.
// Settles what follows from that for every possible reading; false when no
// reading fits.
class AnswerSplit
{
public:
    AnswerSplit(QVector<AnswerLine> &lines, const QVector<QVector<int>> &linesOfName)
        : m_lines(lines), m_linesOfName(linesOfName), m_headerOf(linesOfName.size(), -1)
    {
    }

    bool settle()
    {
        if (m_lines.isEmpty() || m_lines.first().tabbed)
            return false;
        for (AnswerLine &line : m_lines) {
            if (line.tabbed || (line.names.isEmpty() && !line.unasked))
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
    const QVector<QVector<int>> &m_linesOfName; // the lines holding each name
    QVector<int> m_headerOf;                    // line of each name's header, -1 while open
    bool m_changed = false;

    void place(int lineIndex, int name)
    {
        AnswerLine &header = m_lines[lineIndex];
        header.role = LineRole::Header;
        header.queue = name;
        m_headerOf[name] = lineIndex;
        for (int i : m_linesOfName.at(name)) {
            AnswerLine &line = m_lines[i];
            if (i == lineIndex || !line.names.remove(name))
                continue;
            if (line.names.isEmpty() && !line.unasked && line.role == LineRole::Open)
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

    // A header that holds one name still without a header, and no name of a
    // queue listed unasked, is that name's; one that holds only the latter
    // is such a queue's.
    bool nameLoneHeaders()
    {
        for (int i = 0; i < m_lines.size(); ++i) {
            AnswerLine &line = m_lines[i];
            if (line.role != LineRole::Header || line.queue != openQueue)
                continue;
            if (line.names.isEmpty()) {
                if (!line.unasked)
                    return false;
                line.queue = unaskedQueue;
                m_changed = true;
            } else if (line.names.size() == 1 && !line.unasked) {
                place(i, *line.names.cbegin());
            }
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
            if (line.role == LineRole::Message || line.queue != openQueue)
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
            if (candidates.at(name) == 1 && m_lines.at(lastCandidate.at(name)).queue == openQueue)
                place(lastCandidate.at(name), name);
        }
        return true;
    }

    // A header makes every untabbed line after it a header, up to the next
    // tab: an open line is none when such a run holds a message, or fewer
    // names than lines that must open an asked queue's part.
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
                if (line.queue == openQueue && !line.unasked) {
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

    // Every name has one header: once the headers are all known, no other
    // line is an asked queue's; when the lines that may be one are just
    // enough, all are.
    bool countHeaders()
    {
        int headers = 0;  // lines that must open an asked queue's part
        int possible = 0; // lines that may
        for (const AnswerLine &line : qAsConst(m_lines)) {
            if (line.role == LineRole::Header && (line.queue >= 0 || (line.queue == openQueue && !line.unasked)))
                ++headers;
            else if (line.role != LineRole::Message && line.queue == openQueue && !line.names.isEmpty())
                ++possible;
        }
        const int wanted = m_headerOf.size();
        if (headers > wanted || headers + possible < wanted)
            return false;
        if (possible == 0 || (headers < wanted && headers + possible > wanted))
            return true;
        for (AnswerLine &line : m_lines) {
            if (line.role == LineRole::Message || line.queue != openQueue || line.names.isEmpty())
                continue;
            if (line.role == LineRole::Header && !line.unasked)
                continue;
            if (headers == wanted) {
                line.names.clear();
                if (!line.unasked)
                    line.role = LineRole::Message;
                else if (line.role == LineRole::Header)
                    line.queue = unaskedQueue;
            } else {
                line.unasked = false;
                line.role = LineRole::Header;
            }
        }
        m_changed = true;
        return true;
    }
};

QByteArray asciiFolded(QByteArray bytes)
{
    for (char &c : bytes) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return bytes;
}

// The names of the queues lpstat lists beside the asked ones: those that
// equal, ignoring ASCII case, consecutive items of the list joined by commas,
// where that join is not itself a name asked.
class UnaskedNames
{
public:
    UnaskedNames(const QStringList &queueNames, const QHash<QByteArray, int> &asked)
        : m_items(lpstatQueueList(queueNames).toUtf8().split(',')), m_asked(asked)
    {
        for (int i = 0; i < m_items.size(); ++i)
            m_positions[asciiFolded(m_items.at(i))].append(i);
    }

    // Whether a word that is no name asked names a queue listed unasked.
    bool contains(const QByteArray &word)
    {
        auto known = m_known.constFind(word);
        if (known == m_known.constEnd())
            known = m_known.insert(word, find(word));
        return known.value();
    }

private:
    QList<QByteArray> m_items;
    const QHash<QByteArray, int> &m_asked;
    QHash<QByteArray, QVector<int>> m_positions; // of each folded item
    QHash<QByteArray, bool> m_known;             // words already looked up

    bool find(const QByteArray &word) const
    {
        const QList<QByteArray> pieces = asciiFolded(word).split(',');
        for (int first : m_positions.value(pieces.first())) {
            if (first + pieces.size() > m_items.size())
                continue;
            int k = 1;
            while (k < pieces.size() && asciiFolded(m_items.at(first + k)) == pieces.at(k))
                ++k;
            if (k == pieces.size() && !m_asked.contains(m_items.mid(first, k).join(',')))
                return true;
        }
        return false;
    }
};

} // namespace

QString lpstatQueueList(const QStringList &queueNames)
{
    const QString list = queueNames.join(QLatin1Char(','));
    if (list == QLatin1String("all"))
        return QStringLiteral("all,all");
    return list;
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
    UnaskedNames unasked(queueNames, distinct);

    QVector<AnswerLine> lines;
    QVector<QVector<int>> linesOfName(distinct.size());
    for (int start = 0; start < standardOutput.size();) {
        int end = standardOutput.indexOf('\n', start);
        if (end < 0)
            end = standardOutput.size();
        AnswerLine line;
        line.start = start;
        line.tabbed = end > start && standardOutput.at(start) == '\t';
        // A tabbed line is a message: the names in it do not count.
        if (!line.tabbed) {
            for (const QByteArray &word : standardOutput.mid(start, end - start).split(' ')) {
                if (word.isEmpty())
                    continue;
                const auto found = distinct.constFind(word);
                if (found == distinct.constEnd())
                    line.unasked = line.unasked || unasked.contains(word);
                else if (!line.names.contains(found.value())) {
                    line.names.insert(found.value());
                    linesOfName[found.value()].append(lines.size());
                }
            }
        }
        lines.append(line);
        start = end + 1;
    }

    QList<QByteArray> parts;
    for (int i = 0; i < queueNames.size(); ++i)
        parts.append(QByteArray());
    if (!AnswerSplit(lines, linesOfName).settle())
        return parts;
    QVector<QByteArray> distinctParts(distinct.size());
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).queue < 0)
            continue;
        int next = i + 1;
        while (next < lines.size() && lines.at(next).role == LineRole::Message)
            ++next;
        // A line that may still open another asked queue's part may end this
        // one; a line naming a queue listed unasked is never an asked queue's.
        if (next < lines.size() && lines.at(next).role == LineRole::Open && !lines.at(next).unasked)
            continue;
        const int end = next < lines.size() ? lines.at(next).start : standardOutput.size();
        distinctParts[lines.at(i).queue] = standardOutput.mid(lines.at(i).start, end - lines.at(i).start);
    }
    for (int i = 0; i < queueNames.size(); ++i)
        parts[i] = distinctParts.at(distinctOf.at(i));
    return parts;
}
