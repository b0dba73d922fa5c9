// Test support: a step run in a child process of its own, so that a step that
// hangs, reads for ever or crashes ends the child, not the test.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace devcap_test {

// What the child wrote to its pipe, and how it ended.
struct ChildRun {
    std::string out;
    int status = 0;       // as waitpid gives it
    bool bStuck = false;  // it fell silent for the deadline and was stopped
};

// Fork; the child runs step(write end of its pipe) and exits. A child silent
// for iSilentSeconds is sent iStopSignal (SIGABRT lets a crash handler say
// where it was), and SIGKILL if it stays silent as long again.
inline ChildRun RunInChild(const std::function<void(int iOutFd)> &step, int iSilentSeconds,
                           int iStopSignal) {
    ChildRun run;
    int aiPipe[2];
    if (pipe(aiPipe) != 0) return run;
    const pid_t pid = fork();
    if (pid == 0) {
        close(aiPipe[0]);
        step(aiPipe[1]);
        _exit(0);
    }
    close(aiPipe[1]);
    for (char acBuf[4096];;) {
        pollfd stPoll = {aiPipe[0], POLLIN, 0};
        if (poll(&stPoll, 1, iSilentSeconds * 1000) == 0) {
            kill(pid, run.bStuck ? SIGKILL : iStopSignal);
            run.bStuck = true;
            continue;
        }
        const ssize_t n = read(aiPipe[0], acBuf, sizeof(acBuf));
        if (n <= 0) break;
        run.out.append(acBuf, static_cast<size_t>(n));
    }
    close(aiPipe[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

// All of a text to a descriptor; false when the descriptor takes no more.
inline bool WriteAll(int iFd, const std::string &text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = write(iFd, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace devcap_test
