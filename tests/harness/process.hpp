// Process plumbing shared by the pseudo-terminal runner and the piped runner.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace harness {

// Milliseconds on a monotonic clock.
long long now_ms();

// A descriptor that polls readable once the process has ended, or -1 where
// the kernel offers none (callers then poll in short slices).
int open_pidfd(pid_t pid);

// The strings of an argv or envp array and the null-terminated pointers to
// them; built before fork so the child only calls async-signal-safe functions.
struct CStrings {
    std::vector<std::string> store;
    std::vector<char *> ptrs;
};
void seal(CStrings &s);
CStrings make_argv(const std::string &path, const std::vector<std::string> &args);

// In the child, after fork: default dispositions and an empty signal mask, so
// the program does not inherit what the test process ignores or blocks.
void reset_signals();

// In the child: execve, and on failure write errno to err_fd and _exit(127).
[[noreturn]] void exec_or_report(const char *path, char *const argv[], char *const envp[],
                                 int err_fd);

// In the parent: closes the write end, then waits for the child's exec. Returns
// 0 when the exec happened, or the errno the child reported.
int exec_error(int err_pipe[2]);

// Restarts on EINTR.
ssize_t read_some(int fd, char *buf, size_t len);

} // namespace harness
