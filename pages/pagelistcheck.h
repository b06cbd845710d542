#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rules of the page-insert list: "3, 7-9, 12". Kept apart from the page
// so they can be checked without widgets. Ranges are counted as intervals
// before anything is expanded, so "2-2147483647" costs no more than "2-3".
class PageListCheck
{
public:
    enum Outcome {
        Accepted,
        NoPages,          // nothing named yet (an open range alone): no message
        Unfinished,       // a trailing comma: no message, the mark is left alone
        EmptyList,
        BadSyntax,
        TooManyPages,
        BelowThree,       // both front cover sides printed: page 2 is taken
        OutsideRange
    };

    struct Result {
        Outcome outcome = EmptyList;
        QString normalForm; // accepted pages, ascending, comma-joined
    };

    // The closed interval a range or a single page stands for.
    struct Span {
        qint64 low = 0;
        qint64 high = 0;
    };

    static constexpr int maxPages = 50;
    static constexpr int firstPage = 2;
    static constexpr int firstPageAfterCover = 3;
    static constexpr int lastPage = 511;

    static Result check(const QString &text, bool bothFrontSidesPrinted);

    static bool hasInvalidCharacters(const QString &text);
    static QStringList splitPageList(const QString &text);
    static bool hasBadRange(const QStringList &entries);
    static bool hasEmptyEntry(const QStringList &entries);
    static bool hasBlankSeparatedNumbers(const QStringList &entries);
    // The spans of the entries in entry order; an open range adds none.
    static QList<Span> parsePageList(const QStringList &entries);
    static QString formatPageList(const QList<int> &pages);

    // Distinct pages of the spans together, without expanding them.
    static qint64 distinctPageCount(QList<Span> spans);
    static bool entryHoldsDigit(const QString &entry);
};
