#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct ProcessResult
{
    bool started = false;   // the program could be started at all
    bool finished = false;  // it ended by itself within the time limit
    bool crashed = false;   // it ended by a signal
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;

    bool succeeded() const { return started && finished && !crashed && exitCode == 0; }
};

// The one place that starts outside programs. No shell is involved: the
// program gets exactly the given arguments. Standard input, when given, is
// written and closed before waiting; output is read to its end.
class ProcessRunner
{
public:
    static ProcessResult run(const QString &program, const QStringList &arguments,
                             int timeoutMs = 30000,
                             const QByteArray &standardInput = QByteArray());
};
