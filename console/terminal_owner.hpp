// The owner of the terminal's state: the modes of the terminal that is drawn
// on, its colours, the cursor's visibility, the alternate screen and the
// marks around pastes. Whoever changes any of them claims the terminal first;
// from then on the terminal is put back as it was found at the end of the
// program, at the end of its input (exit), when SIGINT, SIGTERM, SIGHUP or
// SIGQUIT end it, when it crashes (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT)
// and while Ctrl-Z has stopped it. What is put back is only what the program
// changed. At every ending (not while stopped) what is still typed for the
// program is discarded, a paste that is still arriving read to its end
// first, so that none of it reaches the shell.
//
// It has internal linkage so that the one unit of a program that owns the
// terminal holds it whole, without linking anything else of the project: the
// console layer (see terminal.h), or the main unit of a program built from
// object modules alone. A program holds it in one unit only: the symbol
// below would be defined twice, and the link fails.
//
// What the signal handlers do is limited to async-signal-safe calls:
// write(2), read(2), poll, tcgetattr, tcsetattr, tcflush, tcgetpgrp, getpgrp,
// isatty, sigaction, sigprocmask and raise. They read the state set when the
// terminal is claimed (the modes, the bytes they write) and the flags below.
#pragma once

#include "paste_marks.hpp"
#include "signal_actions.hpp"
#include "typed_input.hpp"

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <term.h>

extern "C" const char ordina_terminal_owner = 1;

namespace {
namespace owner {

// The bytes that undo each change, or make one, as the terminal's entry
// spells them.
struct Bytes {
    char text[128];
    int length;
};

// Set when the terminal is claimed, read from then on.
struct State {
    bool claimed;
    bool capable;        // standard output is a terminal with a terminfo entry
    int tty;             // the terminal drawn on: standard output's, else input's
    termios found_modes; // its modes when the terminal was claimed
    termios quiet_modes; // no echo, no line editing; signals from the keyboard
    Bytes colour_reset, cursor_show, normal_screen, pastes_marked, pastes_unmarked;
};
State state = {false, false, -1, {}, {}, {}, {}, {}, {}, {}};

// Changed by the handlers, or read by them.
volatile sig_atomic_t quiet_on = 0;
volatile sig_atomic_t colours_were_lost = 0;
// What the program changed and the end must undo.
volatile sig_atomic_t coloured = 0;
volatile sig_atomic_t cursor_hidden = 0;
volatile sig_atomic_t alternate = 0;
volatile sig_atomic_t marking_pastes = 0;
volatile sig_atomic_t pastes_wanted = 0; // marked while the terminal is quiet
// Counted by the handlers, read by whoever waits: the window's size changed;
// the program was given the terminal back after a stop.
volatile sig_atomic_t resizes = 0;
volatile sig_atomic_t continues = 0;
// Continued in the background: the terminal was given to others meanwhile.
volatile sig_atomic_t in_background = 0;

inline void add(Bytes *bytes, const char *name) {
    static Bytes *filling;
    const char *s = tigetstr(name);
    filling = bytes;
    if (s != nullptr && s != (char *)-1)
        tputs(s, 1, [](int c) {
            if (filling->length < (int)sizeof filling->text)
                filling->text[filling->length++] = (char)c;
            return c;
        });
}

inline void write_out(const Bytes &bytes) {
    const char *p = bytes.text;
    int n = bytes.length;
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

// Whether the program's process group is the terminal's foreground: only
// then may it change the terminal's modes. A terminal that is not the
// program's controlling one has no foreground for it.
inline bool in_foreground() {
    if (state.tty < 0)
        return false;
    pid_t foreground = tcgetpgrp(state.tty);
    return foreground < 0 || foreground == getpgrp();
}

// Changes the modes only when they differ, so that a program that ends in
// the background, its modes already given back, is not stopped by SIGTTOU.
inline void set_modes(const termios *modes) {
    termios now;
    if (state.tty < 0 || (tcgetattr(state.tty, &now) == 0 && same_modes(&now, modes)))
        return;
    tcsetattr(state.tty, TCSADRAIN, modes);
}

// Undoes what the program changed on the terminal, now.
// The normal screen first: leaving the alternate one brings back what the
// terminal saved on entering it, which may include the pen and the cursor.
inline void put_back() {
    if (alternate)
        write_out(state.normal_screen);
    if (coloured)
        write_out(state.colour_reset);
    if (cursor_hidden)
        write_out(state.cursor_show);
    if (marking_pastes)
        write_out(state.pastes_unmarked);
    coloured = 0;
    cursor_hidden = 0;
    alternate = 0;
    marking_pastes = 0;
    set_modes(&state.found_modes);
}

// Pastes marked again on a quiet terminal in the foreground, where the
// program asked for them: after a stop, or on taking the terminal back.
inline void mark_pastes_if_quiet() {
    if (quiet_on && pastes_wanted && !marking_pastes && in_foreground()) {
        write_out(state.pastes_marked);
        marking_pastes = 1;
    }
}

// At an ending: while the terminal is still quiet (so that nothing of it is
// echoed), a paste still arriving is read to its end, then what waits for
// the program is discarded.
inline void drop_typed() {
    if (isatty(STDIN_FILENO) && tcgetpgrp(STDIN_FILENO) == getpgrp())
        paste_marks::drop_open_paste();
    discard_typed_input();
}

// SIGINT, SIGTERM, SIGHUP, SIGQUIT and the crashes: the terminal as found,
// then the end the shell expects from that signal.
inline void on_end_signal(int sig, siginfo_t *info, void *) {
    drop_typed();
    put_back();
    end_as_before(sig, info);
}

// Continued: if it is in the foreground, the program takes its modes back;
// the terminal's colours are no longer known, nor what it shows. In the
// background it leaves the terminal alone; the shell continues it again when
// it brings it to the foreground.
inline void on_continue(int, siginfo_t *, void *) {
    int saved_errno = errno;
    if (in_foreground()) {
        if (quiet_on)
            set_modes(&state.quiet_modes);
        mark_pastes_if_quiet();
        colours_were_lost = 1;
        continues = continues + 1;
        in_background = 0;
    } else {
        in_background = 1;
    }
    errno = saved_errno;
}

// A program continued in the background and later given the foreground
// without being continued again (a shell may do so) takes it as a continue.
inline void notice_foreground() {
    if (in_background && in_foreground())
        on_continue(SIGCONT, nullptr, nullptr);
}

inline void on_resize(int, siginfo_t *, void *) { resizes = resizes + 1; }

// Ctrl-Z: the shell gets the terminal as found; the process stops inside
// raise and goes on from there when continued. Where it cannot stop (its
// process group has no shell to return to, so the stop is discarded) it goes
// on at once; either way it takes its modes back if it is in the foreground.
inline void on_stop(int, siginfo_t *, void *) {
    int saved_errno = errno;
    put_back();
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigaction(SIGTSTP, &action, nullptr);
    raise(SIGTSTP);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    catch_signal(SIGTSTP, on_stop);
    on_continue(SIGCONT, nullptr, nullptr);
    errno = saved_errno;
}

// Quiet mode on the terminal: no echo, no line editing, reads that do not
// wait; signals from the keyboard (Ctrl-C, Ctrl-Z, Ctrl-\) still work. false
// puts back the modes as found. Nothing happens when no stream is a
// terminal; in the background the modes are taken when the shell continues
// the program in the foreground.
inline void quiet(bool on) {
    if (state.tty < 0)
        return;
    // Ctrl-Z between the flag and the modes would leave them mixed up.
    sigset_t stop, old;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigaddset(&stop, SIGCONT);
    sigprocmask(SIG_BLOCK, &stop, &old);
    quiet_on = on;
    if (!on || in_foreground())
        set_modes(on ? &state.quiet_modes : &state.found_modes);
    if (!on && marking_pastes) {
        write_out(state.pastes_unmarked);
        marking_pastes = 0;
    }
    mark_pastes_if_quiet();
    sigprocmask(SIG_SETMASK, &old, nullptr);
}

// Before the program waits for input. In the foreground a quiet terminal is
// made quiet again if it is not (a shell may give the terminal to a job that
// runs in the background without continuing it, so no SIGCONT tells). In the
// background, a program about to read the terminal stops, as the terminal
// would stop it at its read, until the shell continues it in the foreground.
inline void before_input() {
    if (!quiet_on || state.tty < 0)
        return;
    notice_foreground();
    if (in_foreground()) {
        set_modes(&state.quiet_modes);
        mark_pastes_if_quiet();
    } else if (isatty(STDIN_FILENO)) {
        raise(SIGTTIN);
    }
}

// Puts the terminal back now: modes as found, what the program changed
// undone. Whoever draws after it must set the colours again (colours_lost).
inline void restore() {
    if (!state.claimed)
        return;
    fflush(stdout);
    quiet(false);
    put_back();
    colours_were_lost = 1;
}

inline void at_exit() {
    fflush(stdout);
    drop_typed();
    restore();
}

// Asks the terminal to mark pastes, while it is quiet, so that a paste still
// arriving at an ending can be read to its end (drop_typed).
inline void mark_pastes() {
    if (!state.claimed || !isatty(STDIN_FILENO) || state.pastes_marked.length == 0)
        return;
    pastes_wanted = 1;
    mark_pastes_if_quiet();
}

// The terminal drawn on (standard output's, or standard input's when only
// that one is a terminal) and its modes, as found and quiet.
inline void find_terminal() {
    int tty = isatty(STDOUT_FILENO) ? STDOUT_FILENO : isatty(STDIN_FILENO) ? STDIN_FILENO : -1;
    if (tty < 0 || tcgetattr(tty, &state.found_modes) != 0)
        return;
    state.tty = tty;
    state.quiet_modes = state.found_modes;
    state.quiet_modes.c_lflag &= ~(tcflag_t)(ICANON | ECHO);
    // A read takes what is there and does not wait: the program waits in
    // poll, where a signal or a deadline can end the wait; what poll found
    // may be gone by the read (Ctrl-C and Ctrl-Z drop it).
    state.quiet_modes.c_cc[VMIN] = 0;
    state.quiet_modes.c_cc[VTIME] = 0;
}

// First call only: finds the terminal, loads the terminfo entry of standard
// output (when it is a terminal with an entry), prepares the bytes that undo
// each change, and installs the exit and signal handlers. Every call answers
// whether escape sequences may be written to standard output: false means
// plain text only.
inline bool claim() {
    if (state.claimed)
        return state.capable;
    state.claimed = true;
    find_terminal();
    int error;
    state.capable = isatty(STDOUT_FILENO) &&
                    (cur_term != nullptr || setupterm(nullptr, STDOUT_FILENO, &error) == 0);
    if (state.capable) {
        add(&state.colour_reset, "sgr0");
        add(&state.colour_reset, "op");
        add(&state.cursor_show, "cnorm");
        add(&state.normal_screen, "rmcup");
        add(&state.pastes_marked, "BE");
        add(&state.pastes_unmarked, "BD");
    }
    atexit(at_exit);
    const int ends[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
    for (int sig : ends)
        catch_unless_ignored(sig, on_end_signal);
    catch_unless_ignored(SIGTSTP, on_stop);
    catch_signal(SIGCONT, on_continue);
    catch_signal(SIGWINCH, on_resize);
    return state.capable;
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
