#include "piped.hpp"

#include "process.hpp"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

extern char **environ;

namespace harness {

namespace {

void close_fd(int &fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// Appends what is there to read; closes fd at the end of the stream.
void drain(int &fd, std::string &to) {
    char buf[65536];
    for (;;) {
        ssize_t n = read_some(fd, buf, sizeof buf);
        if (n > 0) {
            to.append(buf, (size_t)n);
            continue;
        }
        if (n == 0 || errno != EAGAIN)
            close_fd(fd);
        return;
    }
}

// Writes what the pipe takes; closes fd when all is written or the reader is gone.
void feed(int &fd, const std::string &input, size_t &done) {
    while (done < input.size()) {
        ssize_t n = write(fd, input.data() + done, input.size() - done);
        if (n > 0) {
            done += (size_t)n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            return;
        } else {
            break; // EPIPE: the program closed its input
        }
    }
    close_fd(fd);
}

// A write to a pipe whose reader has gone raises SIGPIPE, which would end the
// test process: it stays blocked while the input is fed, and a pending one is
// taken off before the mask is put back.
struct SigpipeBlocked {
    sigset_t old;
    SigpipeBlocked() {
        sigset_t s;
        sigemptyset(&s);
        sigaddset(&s, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &s, &old);
    }
    ~SigpipeBlocked() {
        sigset_t s;
        sigemptyset(&s);
        sigaddset(&s, SIGPIPE);
        timespec zero = {0, 0};
        while (sigtimedwait(&s, nullptr, &zero) == SIGPIPE) {
        }
        pthread_sigmask(SIG_SETMASK, &old, nullptr);
    }
};

} // namespace

Run run_piped(const std::string &path, const std::vector<std::string> &args,
              const std::string &input, int timeout_ms, Output output) {
    CStrings argv = make_argv(path, args);
    int in[2], out[2], err[2], exec_err[2];
    int *pipes[] = {in, out, err, exec_err};
    int made = 0;
    for (; made < 4; made++)
        if (pipe2(pipes[made], O_CLOEXEC) < 0)
            break;
    // The program's standard output. For a reader gone, the read end is
    // closed before the program starts: no write of it ever finds a reader.
    int out_to = made == 4 ? out[1] : -1;
    if (made == 4 && output == Output::full_device)
        out_to = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (made == 4 && output == Output::reader_gone) {
        close(out[0]);
        out[0] = -1;
    }
    pid_t pid = out_to >= 0 ? fork() : -1;
    if (pid == 0) {
        reset_signals();
        setsid();
        dup2(in[0], 0);
        dup2(out_to, 1);
        dup2(err[1], 2);
        exec_or_report(argv.ptrs[0], argv.ptrs.data(), environ, exec_err[1]);
    }
    int saved = errno;
    if (out_to >= 0 && out_to != out[1])
        close(out_to); // the program has its own copy
    if (pid < 0) {
        for (int i = 0; i < made; i++) {
            close(pipes[i][0]);
            close(pipes[i][1]);
        }
        throw std::runtime_error(std::string("cannot start a process: ") + strerror(saved));
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    int exec_errno = exec_error(exec_err);
    if (exec_errno != 0) {
        waitpid(pid, nullptr, 0);
        for (int fd : {in[1], out[0], err[0]})
            close(fd);
        throw std::runtime_error("cannot run " + path + ": " + strerror(exec_errno));
    }

    int in_fd = in[1], out_fd = out[0], err_fd = err[0];
    for (int fd : {in_fd, out_fd, err_fd})
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    int pidfd = open_pidfd(pid);
    Run run;
    size_t written = 0;
    bool reaped = false;
    int status = 0;
    // The program has given up when it neither reads nor writes for timeout_ms.
    long long deadline = now_ms() + timeout_ms;
    {
        SigpipeBlocked blocked;
        if (input.empty())
            close_fd(in_fd);
        while (!reaped || out_fd >= 0 || err_fd >= 0) {
            long long left = deadline - now_ms();
            if (left <= 0) {
                if (!reaped) {
                    kill(-pid, SIGKILL);
                    kill(pid, SIGKILL);
                    run.timed_out = true;
                }
                break;
            }
            pollfd fds[4];
            int nfds = 0;
            for (int fd : {in_fd, out_fd, err_fd, reaped ? -1 : pidfd})
                if (fd >= 0)
                    fds[nfds++] = {fd, (short)(fd == in_fd ? POLLOUT : POLLIN), 0};
            int slice = (int)std::min(left, pidfd >= 0 || reaped ? left : 10LL);
            size_t before = written + run.out.size() + run.err.size();
            if (poll(fds, (nfds_t)nfds, slice) > 0) {
                for (int i = 0; i < nfds; i++) {
                    if (fds[i].revents == 0)
                        continue;
                    if (fds[i].fd == in_fd)
                        feed(in_fd, input, written);
                    else if (fds[i].fd == out_fd)
                        drain(out_fd, run.out);
                    else if (fds[i].fd == err_fd)
                        drain(err_fd, run.err);
                }
            }
            if (written + run.out.size() + run.err.size() != before)
                deadline = now_ms() + timeout_ms;
            if (!reaped && waitpid(pid, &status, WNOHANG) == pid) {
                reaped = true;
                // A program that ended without reading all its input: nothing more to feed.
                close_fd(in_fd);
            }
        }
    }
    if (!reaped)
        waitpid(pid, &status, 0);
    for (int *fd : {&in_fd, &out_fd, &err_fd, &pidfd})
        close_fd(*fd);
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.term_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return run;
}

} // namespace harness
