#pragma once

#include <QString>

// Which notices are meant for the user running the notifier. A notice names
// the user when it holds the login name as a name of its own: "ann" is not
// named in "joanna" nor in "ann.lee", but is in "user ann." or "ann: Quota".
class LoginName
{
public:
    // USER, or the account name of the real user when USER is unset or
    // empty; empty only when neither is known, and then no notice names it.
    static QString current();

    static bool isNamedIn(const QString &notice, const QString &loginName);

    // The notice with every standalone occurrence of the name replaced by
    // blanks, so that the name itself cannot select a reason.
    static QString blankedOut(const QString &notice, const QString &loginName);
};
