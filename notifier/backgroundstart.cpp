#include "backgroundstart.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int reportFd = -1;
}

void BackgroundStart::detach()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return;
    }
    if (pid > 0) {
        close(fds[1]);
        unsigned char status = 1;
        ssize_t n;
        do {
            n = read(fds[0], &status, 1);
        } while (n < 0 && errno == EINTR);
        // No report at all means the detached process died on the way.
        _exit(n == 1 ? status : 1);
    }
    close(fds[0]);
    setsid();
    reportFd = fds[1];
    // The terminal or pipe we were started with may go away; a diagnostic
    // written to it then must not end the notifier.
    signal(SIGPIPE, SIG_IGN);
}

void BackgroundStart::report(int status)
{
    if (reportFd < 0)
        return;
    const unsigned char byte = static_cast<unsigned char>(status);
    ssize_t n;
    do {
        n = write(reportFd, &byte, 1);
    } while (n < 0 && errno == EINTR);
    close(reportFd);
    reportFd = -1;
}
