// The owner of the terminal's state: the modes of standard input, the
// colours and the cursor. Whoever changes any of them claims the terminal
// first; from then on the terminal is put back as it was found at the end of
// the program, at the end of its input (exit) and when SIGINT, SIGTERM or
// SIGHUP end it. The screen's contents stay.
//
// It has internal linkage so that the one unit of a program that owns the
// terminal holds it whole, without linking anything else of the project: the
// console layer (see terminal.h), or the main unit of a program built from
// object modules alone. Include it in one unit of a program only.
//
// What the signal handlers do is limited to async-signal-safe calls:
// write(2), tcgetattr, tcsetattr, sigaction, sigprocmask and raise. The bytes
// they write are prepared when the terminal is claimed.
#pragma once

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <term.h>

namespace {
namespace owner {

bool claimed = false;
bool capable = false;    // standard output is a terminal with a terminfo entry
bool have_modes = false; // standard input is a terminal
termios found_modes;     // standard input's modes when the terminal was claimed
termios key_modes;
volatile sig_atomic_t key_mode_on = 0;
volatile sig_atomic_t colours_were_lost = 0;

// Resets the colours and shows the cursor.
char reset_bytes[256];
int reset_length = 0;

inline int add_reset_byte(int c) {
    if (reset_length < (int)sizeof reset_bytes)
        reset_bytes[reset_length++] = (char)c;
    return c;
}

inline void add_reset(const char *name) {
    const char *s = tigetstr(name);
    if (s != nullptr && s != (char *)-1)
        tputs(s, 1, add_reset_byte);
}

inline void write_out(const char *p, int n) {
    while (n > 0) {
        ssize_t w = write(STDOUT_FILENO, p, (size_t)n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return;
        p += w;
        n -= (int)w;
    }
}

inline bool same_modes(const termios *a, const termios *b) {
    if (a->c_iflag != b->c_iflag || a->c_oflag != b->c_oflag || a->c_cflag != b->c_cflag ||
        a->c_lflag != b->c_lflag)
        return false;
    for (int i = 0; i < NCCS; i++)
        if (a->c_cc[i] != b->c_cc[i])
            return false;
    return true;
}

// Changes the modes only when they differ, so a program that ends in the
// background, with its modes untouched, is not stopped by SIGTTOU.
inline void set_modes(const termios *modes) {
    termios now;
    if (tcgetattr(STDIN_FILENO, &now) == 0 && same_modes(&now, modes))
        return;
    tcsetattr(STDIN_FILENO, TCSADRAIN, modes);
}

inline void put_back() {
    write_out(reset_bytes, reset_length);
    if (have_modes)
        set_modes(&found_modes);
}

inline void catch_signal(int sig, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigfillset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
}

inline void set_default_action(int sig) {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
}

// Raises sig with its default action, at once: it is blocked while its
// handler runs.
inline void raise_unblocked(int sig) {
    set_default_action(sig);
    raise(sig);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

// SIGINT, SIGTERM, SIGHUP: the terminal as found, then the end the shell
// expects from that signal.
inline void on_end_signal(int sig) {
    put_back();
    raise_unblocked(sig);
}

// Continued: key mode again if a key is awaited; the colours the terminal
// shows are no longer known.
inline void on_continue(int) {
    int saved_errno = errno;
    if (key_mode_on)
        set_modes(&key_modes);
    colours_were_lost = 1;
    errno = saved_errno;
}

// Ctrl-Z: the shell gets the terminal as found; the process stops inside
// raise_unblocked and goes on from there when continued. Where it cannot
// stop (its process group has no shell to return to, so the stop is
// discarded) it goes on at once; either way it takes its modes back.
inline void on_stop(int) {
    int saved_errno = errno;
    put_back();
    raise_unblocked(SIGTSTP);
    catch_signal(SIGTSTP, on_stop);
    on_continue(SIGCONT);
    errno = saved_errno;
}

// A signal that the program was started with ignored stays ignored (nohup,
// background jobs of a shell without job control).
inline void catch_unless_ignored(int sig, void (*handler)(int)) {
    struct sigaction old;
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
        return;
    catch_signal(sig, handler);
}

// Key mode on standard input: no echo, no line editing, one byte at a time;
// signals from the keyboard (Ctrl-C, Ctrl-Z) still work. false puts back the
// modes as found. Nothing happens when standard input is not a terminal.
inline void key_mode(bool on) {
    if (!have_modes)
        return;
    // Ctrl-Z between the flag and the modes would leave them mixed up.
    sigset_t stop, old;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigaddset(&stop, SIGCONT);
    sigprocmask(SIG_BLOCK, &stop, &old);
    key_mode_on = on;
    set_modes(on ? &key_modes : &found_modes);
    sigprocmask(SIG_SETMASK, &old, nullptr);
}

// Puts the terminal back now: modes as found, colours reset, cursor visible.
// Whoever draws after it must set the colours again (colours_lost).
inline void restore() {
    if (!claimed)
        return;
    fflush(stdout);
    key_mode(false);
    put_back();
    colours_were_lost = 1;
}

inline void at_exit() { restore(); }

// First call only: saves the modes of standard input (when it is a terminal),
// loads the terminfo entry of standard output (when it is a terminal with an
// entry), prepares the bytes that reset the colours and show the cursor, and
// installs the exit and signal handlers. Every call answers whether escape
// sequences may be written to standard output: false means plain text only.
inline bool claim() {
    if (claimed)
        return capable;
    claimed = true;
    if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &found_modes) == 0) {
        have_modes = true;
        key_modes = found_modes;
        key_modes.c_lflag &= ~(tcflag_t)(ICANON | ECHO);
        key_modes.c_cc[VMIN] = 1;
        key_modes.c_cc[VTIME] = 0;
    }
    int error;
    capable = isatty(STDOUT_FILENO) &&
              (cur_term != nullptr || setupterm(nullptr, STDOUT_FILENO, &error) == 0 /* OK */);
    if (capable) {
        add_reset("sgr0");
        add_reset("op");
        add_reset("cnorm");
    }
    atexit(at_exit);
    catch_unless_ignored(SIGINT, on_end_signal);
    catch_unless_ignored(SIGTERM, on_end_signal);
    catch_unless_ignored(SIGHUP, on_end_signal);
    catch_unless_ignored(SIGTSTP, on_stop);
    catch_signal(SIGCONT, on_continue);
    return capable;
}

// True once after the terminal's colours were reset, by restore or while the
// program was stopped (Ctrl-Z): whoever remembers which colours the terminal
// shows must forget it.
inline bool colours_lost() {
    if (!colours_were_lost)
        return false;
    colours_were_lost = 0;
    return true;
}

} // namespace owner
} // namespace
