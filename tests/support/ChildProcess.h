#pragma once
// Runs part of a test in a child process: to limit what the child may do
// (file size, permissions) without touching the test program itself. A test
// of an unwritable or unreadable file runs its child unprivileged, so that it
// proves something when the tests run as root; without root the child keeps
// the caller's user, and the test takes away its permissions with chmod.

#include <cerrno>
#include <functional>

#ifdef _WIN32
// Windows has no fork: the body runs in the test program itself. What refuses
// the cases that run there is a file's read-only attribute, which binds every
// user alike.
inline const auto RunUnprivileged = [](const std::function<int()>& body) { return body(); };
#else
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

constexpr uid_t UNPRIVILEGED_ID = 65534;

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// The child's exit code (what body returned), or 128 + the signal that
// ended it, or -1 when there was no child or it could not be waited for.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body());
    if (child < 0) return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return -1; // only a signal's interruption is worth a retry
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// As RunInChild, with the child giving up root first (exit code 127 when it cannot).
inline int RunUnprivileged(const std::function<int()>& body) {
    return RunInChild([&body] {
        if (RunningAsRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(UNPRIVILEGED_ID) != 0 ||
                                ::setuid(UNPRIVILEGED_ID) != 0)) {
            return 127;
        }
        return body();
    });
}
#endif
