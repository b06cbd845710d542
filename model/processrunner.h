#pragma once

#include <QByteArray>
#include <QList>
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
    // The program once per argument list, up to maxRunning of them at a
    // time, each with the time limit run() gives one; waits for all. The
    // results stand in the order of the lists, each as run() gives it
    // (standard input closed at once).
    static QList<ProcessResult> runAll(const QString &program, const QList<QStringList> &argumentLists,
                                       int timeoutMs = 30000, int maxRunning = 16);
};
