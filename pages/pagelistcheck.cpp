#include "pagelistcheck.h"

#include <QRegExp>

#include <algorithm>

namespace {
// Classic QRegExp patterns, each matched against the whole text.
const QString characterPattern = QStringLiteral("(\\d|-|,| )*");
const QString closedRangePattern = QStringLiteral("( *\\d+ *\\- *\\d+ *$)");
const QString digitPattern = QStringLiteral(".*\\d+.*");
const QString twoNumberPattern = QStringLiteral(" *\\d+ +\\d+ *");
// A range still being typed: its start has no leading zero and is at least 2.
const QString openRangePattern = QStringLiteral(" *([2-9]|[1-9]\\d+) *- *");

bool matchesWhole(const QString &pattern, const QString &text)
{
    QRegExp expression(pattern, Qt::CaseSensitive, QRegExp::RegExp);
    return expression.exactMatch(text);
}

// Decimal, as the field shows it; anything that is not a number, or does not
// fit a signed 32-bit integer, reads as 0.
int readNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

bool closedRange(const QString &entry, qint64 *low, qint64 *high)
{
    if (!matchesWhole(closedRangePattern, entry))
        return false;
    const int dash = entry.indexOf(QLatin1Char('-'));
    const qint64 first = readNumber(entry.left(dash));
    const qint64 second = readNumber(entry.mid(dash + 1));
    *low = std::min(first, second);
    *high = std::max(first, second);
    return true;
}
}

bool PageListCheck::hasInvalidCharacters(const QString &text)
{
    return !matchesWhole(characterPattern, text);
}

QStringList PageListCheck::splitPageList(const QString &text)
{
    return text.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

bool PageListCheck::hasBadRange(const QStringList &entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        if (!entry.contains(QLatin1Char('-')) || matchesWhole(closedRangePattern, entry))
            continue;
        const bool last = i == entries.size() - 1;
        if (!last || !matchesWhole(openRangePattern, entry))
            return true;
    }
    return false;
}

bool PageListCheck::hasEmptyEntry(const QStringList &entries)
{
    if (entries.size() < 2)
        return false;
    for (int i = 0; i < entries.size() - 1; ++i) {
        if (!entryHoldsDigit(entries.at(i)))
            return true;
    }
    return false;
}

bool PageListCheck::hasBlankSeparatedNumbers(const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (matchesWhole(twoNumberPattern, entry))
            return true;
    }
    return false;
}

bool PageListCheck::entryHoldsDigit(const QString &entry)
{
    return matchesWhole(digitPattern, entry);
}

QList<PageListCheck::Span> PageListCheck::parsePageList(const QStringList &entries)
{
    QList<Span> spans;
    for (const QString &raw : entries) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty())
            continue;
        if (!entry.contains(QLatin1Char('-'))) {
            const qint64 page = readNumber(entry);
            spans.append({page, page});
            continue;
        }
        Span span;
        if (closedRange(entry, &span.low, &span.high))
            spans.append(span);
        // An open range names no page yet.
    }
    return spans;
}

QString PageListCheck::formatPageList(const QList<int> &pages)
{
    QStringList parts;
    parts.reserve(pages.size());
    for (int page : pages)
        parts.append(QString::number(page));
    return parts.join(QLatin1Char(','));
}

qint64 PageListCheck::distinctPageCount(QList<Span> spans)
{
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.low < b.low; });
    qint64 count = 0;
    qint64 coveredUpTo = -1; // pages are never negative
    for (const Span &span : qAsConst(spans)) {
        const qint64 start = std::max(span.low, coveredUpTo + 1);
        if (span.high >= start)
            count += span.high - start + 1;
        coveredUpTo = std::max(coveredUpTo, span.high);
    }
    return count;
}

PageListCheck::Result PageListCheck::check(const QString &text, bool bothFrontSidesPrinted)
{
    Result result;
    if (text.isEmpty()) {
        result.outcome = EmptyList;
        return result;
    }
    result.outcome = BadSyntax;
    if (hasInvalidCharacters(text))
        return result;
    const QStringList entries = splitPageList(text);
    if (hasBadRange(entries) || hasEmptyEntry(entries) || hasBlankSeparatedNumbers(entries))
        return result;

    const QList<Span> spans = parsePageList(entries);
    if (spans.isEmpty()) {
        result.outcome = NoPages;
        return result;
    }
    qint64 smallest = spans.first().low;
    qint64 largest = spans.first().high;
    for (const Span &span : spans) {
        smallest = std::min(smallest, span.low);
        largest = std::max(largest, span.high);
    }
    if (distinctPageCount(spans) > maxPages) {
        result.outcome = TooManyPages;
        return result;
    }
    if (smallest < firstPageAfterCover && bothFrontSidesPrinted) {
        result.outcome = BelowThree;
        return result;
    }
    if (largest > lastPage || smallest < firstPage) {
        result.outcome = OutsideRange;
        return result;
    }
    if (!entryHoldsDigit(entries.last())) {
        result.outcome = Unfinished;
        return result;
    }

    // At most 50 distinct pages, all within 2 to 511: expanding is cheap now.
    QList<int> pages;
    for (const Span &span : spans) {
        for (qint64 page = span.low; page <= span.high; ++page)
            pages.append(static_cast<int>(page));
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    result.outcome = Accepted;
    result.normalForm = formatPageList(pages);
    return result;
}
