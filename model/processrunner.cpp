#include "processrunner.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int killGraceMs = 3000;
// While several programs run, an end that closes no pipe (a child that
// left its output to a grandchild) is noticed within this long.
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

// One program of runAll. It is started with posix_spawn, not QProcess: a
// fork of the whole panel costs more than the program itself, and QProcess
// forks once per start, one after another.
struct Child
{
    int index = -1;
    pid_t pid = -1;
    int output = -1; // read ends of its standard output and error
    int error = -1;
    QDeadlineTimer deadline;
};

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Reads what the pipe holds now; closes it at its end.
void drain(int &fd, QByteArray &into)
{
    char buffer[65536];
    while (fd >= 0) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0)
            into.append(buffer, int(got));
        else if (got < 0 && errno == EINTR)
            continue;
        else if (got < 0 && errno == EAGAIN)
            return;
        else
            closeFd(fd);
    }
}

// The program as QProcess finds it: through PATH unless the name has a "/".
QByteArray executablePath(const QString &program)
{
    if (!program.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty())
            return QFile::encodeName(found);
    }
    return QFile::encodeName(program);
}

// Started with standard input at its end at once and both outputs in pipes
// of their own; false when it could not be started.
bool spawnChild(const QByteArray &path, const QStringList &arguments, Child &child)
{
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return false;
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return false;
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        for (int fd : {in[0], in[1], out[0], out[1]})
            ::close(fd);
        return false;
    }

    // Its first word is the path found, as QProcess gives it.
    QList<QByteArray> words{path};
    for (const QString &argument : arguments)
        words.append(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    // As QProcess starts it: SIGPIPE back to its default (the panel may
    // ignore it), no signal blocked.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults, none;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    const int failed = posix_spawn(&child.pid, path.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    for (int fd : {in[0], in[1], out[1], err[1]})
        ::close(fd);
    if (failed) {
        ::close(out[0]);
        ::close(err[0]);
        return false;
    }
    child.output = out[0];
    child.error = err[0];
    ::fcntl(child.output, F_SETFL, O_NONBLOCK);
    ::fcntl(child.error, F_SETFL, O_NONBLOCK);
    return true;
}

// The child's end as QProcess reports it: exit code, or the signal's number
// for a crash.
void collectStatus(int status, ProcessResult &result)
{
    result.finished = true;
    result.crashed = !WIFEXITED(status);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status);
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
    QList<ProcessResult> results;
    results.reserve(argumentLists.size());
    for (int i = 0; i < argumentLists.size(); ++i)
        results.append(ProcessResult());
    const QByteArray path = executablePath(program);

    std::vector<Child> running;
    int next = 0;
    maxRunning = qMax(1, maxRunning);
    while (next < argumentLists.size() || !running.empty()) {
        while (next < argumentLists.size() && int(running.size()) < maxRunning) {
            Child child;
            child.index = next;
            if (spawnChild(path, argumentLists.at(next), child)) {
                results[next].started = true;
                // Its own limit, counted from its own start, as run() has it.
                child.deadline = QDeadlineTimer(timeoutMs);
                running.push_back(child);
            }
            ++next;
        }
        if (running.empty())
            continue;

        std::vector<pollfd> fds;
        for (const Child &child : running) {
            for (int fd : {child.output, child.error}) {
                if (fd >= 0)
                    fds.push_back({fd, POLLIN, 0});
            }
        }
        qint64 wait = pollSliceMs;
        for (const Child &child : running) {
            const qint64 left = child.deadline.remainingTime();
            if (left >= 0)
                wait = qMin(wait, left);
        }
        // Its answer is not needed: every child is looked at after it.
        ::poll(fds.data(), nfds_t(fds.size()), int(wait));

        for (auto it = running.begin(); it != running.end();) {
            ProcessResult &result = results[it->index];
            drain(it->output, result.standardOutput);
            drain(it->error, result.standardError);
            int status = 0;
            pid_t ended = ::waitpid(it->pid, &status, WNOHANG);
            if (ended == 0 && it->deadline.hasExpired()) {
                // Killed, with what it wrote until then, as run() does. One
                // that outlives the grace is left, as QProcess leaves it.
                ::kill(it->pid, SIGKILL);
                const QDeadlineTimer grace(killGraceMs);
                while (::waitpid(it->pid, &status, WNOHANG) == 0 && !grace.hasExpired())
                    ::usleep(1000);
                drain(it->output, result.standardOutput);
                drain(it->error, result.standardError);
            } else if (ended == 0) {
                ++it;
                continue;
            } else if (ended == it->pid) {
                // What it wrote before its end is still in the pipes.
                drain(it->output, result.standardOutput);
                drain(it->error, result.standardError);
                collectStatus(status, result);
            }
            closeFd(it->output);
            closeFd(it->error);
            it = running.erase(it);
        }
    }
    return results;
}
