#pragma once

#include <QString>
#include <QStringList>

// Which notices are meant for the user running the notifier. The sender's
// notice format is not ours to know: a notice names the user when it holds
// the login name anywhere, case as written ("ann" is named in "ann-job12"
// and in "joanna", not in "Ann").
class LoginName
{
public:
    // USER, or the account name of the real user when USER is unset or
    // empty; empty only when neither is known, and then no notice names it.
    static QString current();

    static bool isNamedIn(const QString &notice, const QString &loginName);

    // The notice with the name's occurrences replaced by blanks, so that the
    // name itself cannot select a reason ("colorado" is no colour
    // restriction). An occurrence inside a longer one of words, in any case,
    // stays: a short name must not take a reason's letters away ("ed" in
    // "Credit").
    static QString blankedOut(const QString &notice, const QString &loginName,
                              const QStringList &words = QStringList());
};
