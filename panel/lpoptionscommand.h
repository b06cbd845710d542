#pragma once

#include "processrunner.h"
#include "settingsfile.h"

#include <QString>
#include <QStringList>

// Makes the PPD options the user's default options for a queue through
// lpoptions. Each "-o KEY=VALUE" is one argument, byte for byte: nothing is
// split at blanks, and no shell sees any of it.
class LpoptionsCommand
{
public:
    static constexpr int timeoutMs = 30000;

    // What became of the settings sent to a queue.
    enum class Outcome {
        Taken,      // the queue's user defaults hold them
        NotTaken,   // lpoptions failed, or CUPS answered without them
        Unanswered, // CUPS gave no answer
    };

    // The keywords of the options of the PPD's top-level groups, in file
    // order (options of sub-groups are left out). False when the file cannot
    // be opened as a PPD.
    static bool ppdFileKeywords(const QString &ppdPath, QStringList *keywords);
    // The same for a queue's PPD fetched from CUPS; the temporary copy is
    // removed again. unanswered, when given, tells a failed fetch for want of
    // an answer from CUPS.
    static bool queuePpdKeywords(const QString &queueName, QStringList *keywords, bool *unanswered = nullptr);

    // "-pQUEUE", then "-o KEY=VALUE" for every keyword, in the keywords'
    // order, whose snapshot value (the one added last) is not empty.
    static QStringList arguments(const QString &queueName, const QStringList &keywords,
                                 const SettingsSnapshot &snapshot);

    // lpoptions run with the arguments; it succeeded only when it ended by
    // itself in time with status 0.
    static ProcessResult run(const QStringList &arguments, int timeout = timeoutMs);

    // After a run with the arguments: whether the queue's user defaults now
    // hold what each "-o" set, as lpoptions read it.
    static Outcome readBack(const QString &queueName, const QStringList &arguments);

    // The whole road: the PPD's keywords, lpoptions with the snapshot's
    // values, then the read-back. Taken only when the run succeeded too.
    static Outcome apply(const QString &queueName, const SettingsSnapshot &snapshot, int timeout = timeoutMs);
};
