#pragma once
// Runs part of a test in a forked child, for what must not happen in the test
// process itself: lowering limits, dropping root's privileges. The child
// reports back one line of text through a pipe.

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// The unprivileged user tests switch to when they run as root.
constexpr uid_t NOBODY = 65534;

// In a child that runs as root, becomes an unprivileged user, so that file
// permissions apply to it. Returns false when that fails.
inline bool DropRootPrivileges() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(NOBODY) == 0 && ::setuid(NOBODY) == 0;
}

// The text the child's body returned, or a description of how it died.
inline std::string RunInChild(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no fork";
    if (child == 0) {
        ::close(channel[0]);
        const std::string report = body();
        const ssize_t ignored = ::write(channel[1], report.data(), report.size());
        (void)ignored;
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) continue;
            break;
        }
        report.append(buffer, std::size_t(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child died: " + std::to_string(status);
    return report;
}
