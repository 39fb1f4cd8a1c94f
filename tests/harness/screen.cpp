#include "screen.hpp"

#include "process.hpp"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vterm.h>

#include <algorithm>
#include <stdexcept>

extern char **environ;

namespace harness {

// libvterm's callbacks, with access to the terminal they report to.
struct Callbacks {
    static void output(const char *s, size_t len, void *user) {
        static_cast<Terminal *>(user)->replies_.append(s, len);
    }
    static int termprop(VTermProp prop, VTermValue *val, void *user) {
        Terminal *t = static_cast<Terminal *>(user);
        if (prop == VTERM_PROP_ALTSCREEN)
            t->alt_screen_ = val->boolean != 0;
        else if (prop == VTERM_PROP_CURSORVISIBLE)
            t->cursor_visible_ = val->boolean != 0;
        return 1;
    }
};

namespace {

// The screen layer keeps a pointer to this table, so it lives as long as the program.
const VTermScreenCallbacks screen_callbacks = {
    nullptr, nullptr, nullptr, Callbacks::termprop, nullptr, nullptr, nullptr, nullptr,
};

std::string variable_name(const std::string &entry) { return entry.substr(0, entry.find('=')); }

// The test process's environment with TERM set, COLUMNS and LINES removed,
// then each extra entry applied in turn ("NAME=value" sets, "NAME" removes).
CStrings make_environment(const std::string &term, const std::vector<std::string> &extras) {
    CStrings env;
    for (char **e = environ; *e != nullptr; e++)
        env.store.push_back(*e);
    std::vector<std::string> changes = {"TERM", "COLUMNS", "LINES"};
    if (!term.empty())
        changes.push_back("TERM=" + term);
    changes.insert(changes.end(), extras.begin(), extras.end());
    for (const std::string &change : changes) {
        std::string name = variable_name(change);
        std::erase_if(env.store, [&](const std::string &e) { return variable_name(e) == name; });
        if (change.size() > name.size())
            env.store.push_back(change);
    }
    seal(env);
    return env;
}

void append_utf8(std::string &s, uint32_t c) {
    if (c < 0x80) {
        s += (char)c;
    } else if (c < 0x800) {
        s += (char)(0xC0 | (c >> 6));
        s += (char)(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += (char)(0xE0 | (c >> 12));
        s += (char)(0x80 | ((c >> 6) & 0x3F));
        s += (char)(0x80 | (c & 0x3F));
    } else {
        s += (char)(0xF0 | (c >> 18));
        s += (char)(0x80 | ((c >> 12) & 0x3F));
        s += (char)(0x80 | ((c >> 6) & 0x3F));
        s += (char)(0x80 | (c & 0x3F));
    }
}

int palette_index(const VTermColor &c, bool is_default) {
    if (is_default)
        return -1;
    if (VTERM_COLOR_IS_INDEXED(&c))
        return c.indexed.idx;
    return -2;
}

void set_nonblocking_cloexec(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
}

void close_fd(int &fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// What the child does between forkpty and exec; async-signal-safe only.
[[noreturn]] void start_child(const CStrings &argv, const CStrings &env, int go_fd, int err_fd,
                              int stderr_fd) {
    reset_signals();
    char go;
    while (read(go_fd, &go, 1) < 0 && errno == EINTR) {
    }
    if (stderr_fd >= 0)
        dup2(stderr_fd, 2);
    // A program ended by SIGQUIT or a crash leaves no core file behind.
    rlimit no_core = {0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    // Nothing of the test process but the three standard streams reaches the program.
    close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    exec_or_report(argv.ptrs[0], argv.ptrs.data(), env.ptrs.data(), err_fd);
}

} // namespace

Terminal::Terminal(const std::string &path, const std::vector<std::string> &args, int cols,
                   int rows, const std::string &term, const std::vector<std::string> &env,
                   Stderr err)
    : cols_(cols), rows_(rows) {
    if (cols < 1 || rows < 1)
        throw std::invalid_argument("terminal size must be positive");
    CStrings argv = make_argv(path, args);
    CStrings envp = make_environment(term, env);

    int go[2], exec_err[2], err_pipe[2] = {-1, -1};
    if (pipe2(go, O_CLOEXEC) < 0)
        throw std::runtime_error("pipe failed");
    if (pipe2(exec_err, O_CLOEXEC) < 0) {
        close(go[0]);
        close(go[1]);
        throw std::runtime_error("pipe failed");
    }
    if (err == Stderr::pipe && pipe2(err_pipe, O_CLOEXEC) < 0) {
        for (int fd : {go[0], go[1], exec_err[0], exec_err[1]})
            close(fd);
        throw std::runtime_error("pipe failed");
    }

    winsize ws{};
    ws.ws_row = (unsigned short)rows;
    ws.ws_col = (unsigned short)cols;
    pid_ = forkpty(&master_, nullptr, nullptr, &ws);
    if (pid_ == 0)
        start_child(argv, envp, go[0], exec_err[1], err_pipe[1]);
    int fork_errno = errno;
    close(go[0]);
    close_fd(err_pipe[1]);
    stderr_fd_ = err_pipe[0];
    if (pid_ < 0) {
        for (int fd : {go[1], exec_err[0], exec_err[1]})
            close(fd);
        close_fd(stderr_fd_);
        throw std::runtime_error(std::string("forkpty failed: ") + strerror(fork_errno));
    }
    set_nonblocking_cloexec(master_);
    if (stderr_fd_ >= 0)
        set_nonblocking_cloexec(stderr_fd_);

    // The modes are read before the program may change them; then it may start.
    tcgetattr(master_, &initial_modes_);
    ssize_t n = write(go[1], "g", 1);
    (void)n;
    close(go[1]);
    int exec_errno = exec_error(exec_err);
    if (exec_errno != 0) {
        int status;
        waitpid(pid_, &status, 0);
        close_fd(master_);
        close_fd(stderr_fd_);
        throw std::runtime_error("cannot run " + path + ": " + strerror(exec_errno));
    }
    pidfd_ = open_pidfd(pid_);
    last_output_ms_ = last_progress_ms_ = now_ms();

    vt_ = vterm_new(rows, cols);
    vterm_set_utf8(vt_, 1);
    vterm_output_set_callback(vt_, Callbacks::output, this);
    screen_ = vterm_obtain_screen(vt_);
    vterm_screen_enable_altscreen(screen_, 1);
    vterm_screen_set_callbacks(screen_, &screen_callbacks, this);
    vterm_screen_reset(screen_, 1);
}

Terminal::~Terminal() {
    if (!reaped_) {
        // Still a zombie at worst, so the group id cannot belong to anyone else yet.
        kill(-pid_, SIGKILL);
        kill(pid_, SIGKILL);
        reap(0);
    }
    close_fd(pidfd_);
    close_fd(stderr_fd_);
    close_fd(master_);
    vterm_free(vt_);
}

void Terminal::resize(int cols, int rows) {
    pump(0); // what was drawn at the old size lands there
    winsize size = {};
    size.ws_col = (unsigned short)cols;
    size.ws_row = (unsigned short)rows;
    ioctl(master_, TIOCSWINSZ, &size);
    vterm_set_size(vt_, rows, cols);
    cols_ = cols;
    rows_ = rows;
}

void Terminal::scribble(const std::string &bytes) {
    pump(0); // what the program wrote lands first
    vterm_input_write(vt_, bytes.data(), bytes.size());
}

void Terminal::reap(int options) {
    if (reaped_)
        return;
    int status;
    pid_t r;
    do
        r = waitpid(pid_, &status, options);
    while (r < 0 && errno == EINTR);
    if (r == pid_) {
        reaped_ = true;
        wait_status_ = status;
        close_fd(pidfd_);
    }
}

void Terminal::read_master() {
    char buf[65536];
    for (;;) {
        ssize_t n = read_some(master_, buf, sizeof buf);
        if (n > 0) {
            output_.append(buf, (size_t)n);
            vterm_input_write(vt_, buf, (size_t)n);
            last_output_ms_ = last_progress_ms_ = now_ms();
            continue;
        }
        // Once every holder of the other side has closed it, Linux answers EIO.
        if (n == 0 || errno != EAGAIN)
            master_eof_ = true;
        return;
    }
}

void Terminal::read_stderr() {
    char buf[65536];
    for (;;) {
        ssize_t n = read_some(stderr_fd_, buf, sizeof buf);
        if (n > 0) {
            stderr_.append(buf, (size_t)n);
            last_output_ms_ = last_progress_ms_ = now_ms();
            continue;
        }
        if (n == 0 || errno != EAGAIN)
            close_fd(stderr_fd_);
        return;
    }
}

void Terminal::flush_replies() {
    if (!answering_)
        replies_.clear();
    while (!replies_.empty() && !master_eof_) {
        ssize_t n = write(master_, replies_.data(), replies_.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the rest goes out at the next pump
        replies_.erase(0, (size_t)n);
    }
}

void Terminal::pump(int timeout_ms) {
    flush_replies();
    pollfd fds[3];
    int nfds = 0, master_at = -1, stderr_at = -1;
    if (!master_eof_) {
        master_at = nfds;
        fds[nfds++] = {master_, POLLIN, 0};
    }
    if (stderr_fd_ >= 0) {
        stderr_at = nfds;
        fds[nfds++] = {stderr_fd_, POLLIN, 0};
    }
    if (!reaped_ && pidfd_ >= 0)
        fds[nfds++] = {pidfd_, POLLIN, 0};
    else if (!reaped_)
        timeout_ms = std::min(timeout_ms, 10); // no exit notice: look again soon
    if (poll(fds, (nfds_t)nfds, timeout_ms) > 0) {
        if (master_at >= 0 && fds[master_at].revents != 0)
            read_master();
        if (stderr_at >= 0 && fds[stderr_at].revents != 0)
            read_stderr();
    }
    reap(WNOHANG);
    flush_replies();
}

bool Terminal::wait_for(const std::function<bool()> &cond, int limit_ms) {
    long long started = now_ms();
    pump(0);
    for (;;) {
        if (cond())
            return true;
        long long left = std::max(started, last_progress_ms_) + limit_ms - now_ms();
        if (left <= 0)
            return false;
        pump((int)std::min(left, 20LL));
    }
}

void Terminal::idle(int ms) {
    long long until = now_ms() + ms;
    for (long long left = ms; left > 0; left = until - now_ms())
        pump((int)std::min(left, 20LL));
}

bool Terminal::wait_text(int col, int row, const std::string &text, int limit_ms) {
    return wait_for(
        [&] {
            std::string s;
            for (int c = col; c <= cols_ && s.size() < text.size(); c++)
                s += cell(c, row).text;
            return s.compare(0, text.size(), text) == 0;
        },
        limit_ms);
}

bool Terminal::wait_screen_contains(const std::string &text, int limit_ms) {
    return wait_for([&] { return screen_text().find(text) != std::string::npos; }, limit_ms);
}

bool Terminal::wait_exit(int limit_ms) {
    if (!wait_for([&] { return reaped_; }, limit_ms))
        return false;
    // Then whatever is still on its way from the terminal and the stderr pipe.
    wait_for([&] { return master_eof_ && stderr_fd_ < 0; }, limit_ms);
    return true;
}

bool Terminal::wait_quiet(int quiet_ms, int limit_ms) {
    return wait_for([&] { return now_ms() - last_output_ms_ >= quiet_ms; }, limit_ms);
}

void Terminal::type(const std::string &bytes) {
    size_t done = 0;
    long long started = now_ms();
    while (done < bytes.size()) {
        ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += (size_t)n;
            last_progress_ms_ = now_ms();
        } else if (n < 0 && errno == EAGAIN) {
            // The program is not reading; keep reading its output meanwhile.
            // Once it has ended nothing reads the rest: keys go nowhere.
            if (reaped_)
                return;
            if (now_ms() - std::max(started, last_progress_ms_) > no_progress_ms)
                throw std::runtime_error("the program does not read what is typed");
            pollfd p = {master_, POLLOUT, 0};
            poll(&p, 1, 20);
            pump(0);
        } else if (n < 0 && errno != EINTR) {
            return; // the terminal is gone: keys go nowhere, as on a closed window
        }
    }
}

void Terminal::end_input() {
    termios m;
    char eof = tcgetattr(master_, &m) == 0 ? (char)m.c_cc[VEOF] : '\x04';
    type(std::string(1, eof));
}

void Terminal::signal(int sig) {
    if (reaped_)
        return;
    pid_t group = tcgetpgrp(master_);
    if (group <= 0)
        group = pid_;
    if (kill(-group, sig) < 0)
        kill(pid_, sig);
}

Cell Terminal::cell(int col, int row) const {
    if (col < 1 || col > cols_ || row < 1 || row > rows_)
        throw std::out_of_range("cell (" + std::to_string(col) + ", " + std::to_string(row) +
                                ") is off the screen");
    VTermScreenCell c;
    vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &c);
    Cell out;
    if (c.chars[0] == 0)
        out.text = " ";
    else if (c.chars[0] != (uint32_t)-1) // -1 marks the right half of a wide glyph
        for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && c.chars[i] != 0; i++)
            append_utf8(out.text, c.chars[i]);
    out.fg = palette_index(c.fg, VTERM_COLOR_IS_DEFAULT_FG(&c.fg));
    out.bg = palette_index(c.bg, VTERM_COLOR_IS_DEFAULT_BG(&c.bg));
    out.bold = c.attrs.bold;
    out.reverse = c.attrs.reverse;
    return out;
}

std::string Terminal::text_at(int col, int row, int count) const {
    std::string s;
    for (int c = col; c < col + count && c <= cols_; c++)
        s += cell(c, row).text;
    return s;
}

std::string Terminal::row_text(int row) const {
    std::string s = text_at(1, row, cols_);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

int Terminal::number_after(int row, const std::string &word) const {
    std::string text = row_text(row);
    size_t at = text.find(word);
    return at == std::string::npos ? -1 : atoi(text.c_str() + at + word.size());
}

std::string Terminal::screen_text() const {
    std::string s;
    for (int row = 1; row <= rows_; row++) {
        if (row > 1)
            s += '\n';
        s += row_text(row);
    }
    return s;
}

Pos Terminal::cursor() const {
    VTermPos p;
    vterm_state_get_cursorpos(vterm_obtain_state(vt_), &p);
    return Pos{p.col + 1, p.row + 1};
}

int Terminal::exit_status() const {
    if (!reaped_)
        throw std::logic_error("the program is still running");
    return WIFEXITED(wait_status_) ? WEXITSTATUS(wait_status_) : -1;
}

int Terminal::term_signal() const {
    if (!reaped_)
        throw std::logic_error("the program is still running");
    return WIFSIGNALED(wait_status_) ? WTERMSIG(wait_status_) : 0;
}

pid_t Terminal::foreground() const { return tcgetpgrp(master_); }

termios Terminal::modes() const {
    termios m{};
    if (tcgetattr(master_, &m) < 0)
        throw std::runtime_error(std::string("cannot read the terminal modes: ") + strerror(errno));
    return m;
}

bool same_modes(const termios &a, const termios &b) {
    if (a.c_iflag != b.c_iflag || a.c_oflag != b.c_oflag || a.c_lflag != b.c_lflag ||
        a.c_cflag != b.c_cflag)
        return false;
    for (int i : {VMIN, VTIME, VEOF, VINTR, VERASE})
        if (a.c_cc[i] != b.c_cc[i])
            return false;
    return true;
}

} // namespace harness
