#include "processrunner.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <memory>
#include <vector>

namespace {

constexpr int killGraceMs = 3000;
// While several programs run, the wait blocks on one of them for at most
// this long before it looks at the others: one that ended, or that filled
// its pipe, waits no longer than that.
constexpr int pollSliceMs = 2;

void readOutput(QProcess &process, ProcessResult &result)
{
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
}

void collectFinished(QProcess &process, ProcessResult &result)
{
    result.finished = true;
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    readOutput(process, result);
}

// Past its time limit: killed, with what it wrote until then.
void stopOverdue(QProcess &process, ProcessResult &result)
{
    process.kill();
    process.waitForFinished(killGraceMs);
    readOutput(process, result);
}

} // namespace

ProcessResult ProcessRunner::run(const QString &program, const QStringList &arguments,
                                 int timeoutMs, const QByteArray &standardInput)
{
    ProcessResult result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return result;
    result.started = true;

    if (!standardInput.isEmpty())
        process.write(standardInput);
    process.closeWriteChannel();

    if (!process.waitForFinished(timeoutMs))
        stopOverdue(process, result);
    else
        collectFinished(process, result);
    return result;
}

QList<ProcessResult> ProcessRunner::runAll(const QString &program, const QList<QStringList> &argumentLists,
                                           int timeoutMs, int maxRunning)
{
    struct Run
    {
        std::unique_ptr<QProcess> process;
        int index;
        QDeadlineTimer deadline;
    };

    QList<ProcessResult> results;
    results.reserve(argumentLists.size());
    for (int i = 0; i < argumentLists.size(); ++i)
        results.append(ProcessResult());

    std::vector<Run> running;
    int next = 0;
    maxRunning = qMax(1, maxRunning);
    while (next < argumentLists.size() || !running.empty()) {
        while (next < argumentLists.size() && int(running.size()) < maxRunning) {
            auto process = std::make_unique<QProcess>();
            process->start(program, argumentLists.at(next));
            if (process->waitForStarted(timeoutMs)) {
                results[next].started = true;
                process->closeWriteChannel();
                // Its own limit, counted from its own start, as run() has it.
                running.push_back({std::move(process), next, QDeadlineTimer(timeoutMs)});
            }
            ++next;
        }
        if (running.empty())
            continue;

        const qint64 left = running.front().deadline.remainingTime();
        running.front().process->waitForFinished(left < 0 ? pollSliceMs : int(qMin<qint64>(left, pollSliceMs)));
        for (auto it = running.begin(); it != running.end();) {
            QProcess &process = *it->process;
            // waitForFinished(0) reads what is in the pipes and notices an end.
            if (process.state() != QProcess::NotRunning && !process.waitForFinished(0)
                && !it->deadline.hasExpired()) {
                ++it;
                continue;
            }
            if (process.state() == QProcess::NotRunning)
                collectFinished(process, results[it->index]);
            else
                stopOverdue(process, results[it->index]);
            it = running.erase(it);
        }
    }
    return results;
}
