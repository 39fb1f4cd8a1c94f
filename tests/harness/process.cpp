#include "process.hpp"

#include <errno.h>
#include <signal.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace harness {

long long now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

int open_pidfd(pid_t pid) {
#ifdef SYS_pidfd_open
    return (int)syscall(SYS_pidfd_open, pid, 0);
#else
    (void)pid;
    return -1;
#endif
}

void seal(CStrings &s) {
    s.ptrs.clear();
    for (std::string &str : s.store)
        s.ptrs.push_back(str.data());
    s.ptrs.push_back(nullptr);
}

CStrings make_argv(const std::string &path, const std::vector<std::string> &args) {
    CStrings a;
    a.store.push_back(path);
    a.store.insert(a.store.end(), args.begin(), args.end());
    seal(a);
    return a;
}

void reset_signals() {
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; sig++)
        sigaction(sig, &dfl, nullptr);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
}

void exec_or_report(const char *path, char *const argv[], char *const envp[], int err_fd) {
    execve(path, argv, envp);
    int err = errno;
    ssize_t n = write(err_fd, &err, sizeof err);
    (void)n;
    _exit(127);
}

int exec_error(int err_pipe[2]) {
    close(err_pipe[1]);
    int err = 0;
    ssize_t n;
    do
        n = read(err_pipe[0], &err, sizeof err);
    while (n < 0 && errno == EINTR);
    close(err_pipe[0]);
    return n == (ssize_t)sizeof err ? err : 0;
}

ssize_t read_some(int fd, char *buf, size_t len) {
    ssize_t n;
    do
        n = read(fd, buf, len);
    while (n < 0 && errno == EINTR);
    return n;
}

} // namespace harness
