// The curses credits of curses_demo, left on the terminal as text: curses
// draws them on the terminal's alternate screen, which its end would wipe,
// so once they are drawn the rows of the drawing are written again on the
// normal screen, where they stay with what came before them. A terminal that
// curses cannot drive (no type, an unknown one, one without cursor
// addressing, or no terminal at all) gets the same rows as plain text, drawn
// by curses on a standard terminal type that nobody sees.
//
// Internal linkage, for the main unit of curses_demo and for the test driver
// that runs the same credits. The terminal owner must have claimed the
// terminal first.
#pragma once

#include "grafical.h"
#include "terminal_owner.hpp"

#include <curses.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

namespace {

// The rows of the drawing; the cursor is left at the start of the next.
constexpr int credits_rows = 22;
constexpr int credits_row_bytes = 256;

// The terminal type of the drawing that nobody sees.
const char *const unseen_type = "vt100";

inline bool has_cap(const char *name) {
    const char *s = tigetstr(name);
    return s != nullptr && s != (char *)-1;
}

// The rows of curses' standard screen, trailing blanks dropped.
inline void copy_rows(char rows[][credits_row_bytes]) {
    for (int r = 0; r < credits_rows; r++) {
        int n = mvwinnstr(stdscr, r, 0, rows[r], credits_row_bytes - 1);
        if (n < 0)
            n = 0;
        rows[r][n] = '\0';
        while (n > 0 && rows[r][n - 1] == ' ')
            rows[r][--n] = '\0';
    }
}

// Draws the credits with standard output on /dev/null and the unseen type,
// and copies them; false (nothing copied) when that type is not installed.
inline bool draw_unseen(char rows[][credits_row_bytes]) {
    fflush(stdout);
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    int saved = dup(STDOUT_FILENO);
    int error;
    bool drawn = null >= 0 && saved >= 0 && setupterm(unseen_type, null, &error) == OK;
    if (drawn) {
        char *type = getenv("TERM");
        char *was = type != nullptr ? strdup(type) : nullptr;
        setenv("TERM", unseen_type, 1);
        dup2(null, STDOUT_FILENO);
        grafical();
        copy_rows(rows);
        endwin();
        fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        if (was != nullptr)
            setenv("TERM", was, 1);
        else
            unsetenv("TERM");
        free(was);
    }
    if (null >= 0)
        close(null);
    if (saved >= 0)
        close(saved);
    return drawn;
}

// Ctrl-Z and the signals that end the program wait while curses has the
// terminal (a few milliseconds): the stop or the end then finds it on its
// normal screen, which it never leaves twice, with curses' attributes and
// cursor put back by curses itself.
inline void show_credits() {
    char rows[credits_rows][credits_row_bytes];
    sigset_t stop, old;
    sigemptyset(&stop);
    const int held[] = {SIGTSTP, SIGINT, SIGTERM, SIGHUP, SIGQUIT};
    for (int sig : held)
        sigaddset(&stop, sig);
    sigprocmask(SIG_BLOCK, &stop, &old);
    bool copied = true;
    if (owner::state.capable && has_cap("cup")) {
        bool alternate = has_cap("smcup") && has_cap("rmcup");
        owner::alternate = alternate; // until endwin, an end must leave it
        grafical();
        if (alternate) {
            copy_rows(rows);
            endwin();
            owner::alternate = 0;
        }
        copied = alternate; // otherwise on the screen itself, the cursor below
    } else {
        copied = draw_unseen(rows);
    }
    sigprocmask(SIG_SETMASK, &old, nullptr);
    if (copied)
        for (const char *row : rows)
            printf("%s\n", row);
}

} // namespace
