// The console-window operations on a terminal. The escape sequences come from
// the terminal's terminfo entry and are all written by put_cap, through the
// C stdout stream; the terminal's modes belong to terminal.cpp.
#include "console.h"

#include "cp850.h"
#include "read_number.hpp"
#include "terminal.h"

#include <errno.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <term.h>

namespace {

// Terminal colour of each palette colour: the terminal counts blue, green,
// red as bits 4, 2, 1 where the palette counts them as 1, 2, 4; bright
// colours are 8 more on both.
constexpr int terminal_colour[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};

// The capabilities in use; nullptr where the terminal has none.
struct Caps {
    const char *cup, *clear, *el, *sc, *rc, *ind, *cud, *setaf, *setab, *sgr0, *op, *bold;
};

// Colours as the terminal takes them: -1 is the terminal's default colour.
struct Colours {
    int fg, bg;
    bool bold;
};

bool ready = false;
bool capable = false; // escape sequences are written
Caps caps = {};
int colour_count = 0; // 0 when no colours are written
// Palette colours asked for, -1 before any.
int fg_wish = -1;
int bg_wish = -1;
Colours shown = {-1, -1, false}; // what the terminal shows now

const char *cap(const char *name) {
    const char *s = tigetstr(name);
    return s == (char *)-1 ? nullptr : s;
}

// Claims the terminal on the first operation and looks up its capabilities.
void get_ready() {
    if (ready)
        return;
    ready = true;
    capable = terminal_claim();
    if (!capable)
        return;
    caps = {cap("cup"), cap("clear"), cap("el"),    cap("sc"),   cap("rc"), cap("ind"),
            cap("cud"), cap("setaf"), cap("setab"), cap("sgr0"), cap("op"), cap("bold")};
    int n = tigetnum("colors");
    colour_count = n >= 8 && caps.setaf != nullptr && caps.setab != nullptr ? n : 0;
}

int put_byte(int c) { return putchar(c); }

void put_cap(const char *s) {
    if (s != nullptr)
        tputs(s, 1, put_byte);
}

int clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

void window_size(int *cols, int *rows) {
    winsize size;
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
        *cols = size.ws_col;
        *rows = size.ws_row;
        return;
    }
    int c = tigetnum("cols");
    int r = tigetnum("lines");
    *cols = c > 0 ? c : 80;
    *rows = r > 0 ? r : 25;
}

// The colours asked for, as this terminal can show them: with only 8
// colours a bright foreground is its base colour in bold.
Colours wished() {
    Colours c = {-1, -1, false};
    if (fg_wish >= 0) {
        c.fg = terminal_colour[fg_wish];
        if (colour_count < 16 && c.fg >= 8) {
            c.fg -= 8;
            c.bold = true;
        }
    }
    if (bg_wish >= 0)
        c.bg = colour_count < 16 ? terminal_colour[bg_wish] % 8 : terminal_colour[bg_wish];
    return c;
}

// Brings the terminal's colours to those asked for, writing only what
// changes.
void show_colours() {
    if (colour_count == 0)
        return;
    if (terminal_colours_lost())
        shown = {-1, -1, false};
    Colours want = wished();
    if (shown.bold && !want.bold) {
        put_cap(caps.sgr0);
        shown = {-1, -1, false};
    }
    if ((want.fg < 0 && shown.fg >= 0) || (want.bg < 0 && shown.bg >= 0)) {
        put_cap(caps.op);
        shown.fg = shown.bg = -1;
    }
    if (want.bold && !shown.bold)
        put_cap(caps.bold);
    if (want.fg != shown.fg)
        put_cap(tiparm(caps.setaf, want.fg));
    if (want.bg != shown.bg)
        put_cap(tiparm(caps.setab, want.bg));
    shown = want;
}

// One row down in the same column. A plain line feed scrolls at the last row
// but also returns to column 1 (the terminal adds the carriage return), and a
// plain cursor-down does not scroll; so: save the position, line feed (which
// scrolls at the last row), back to the saved position and one row down,
// which stays put at the last row.
void new_line() {
    if (!capable || caps.sc == nullptr || caps.rc == nullptr || caps.cud == nullptr) {
        putchar('\n');
        return;
    }
    put_cap(caps.sc);
    put_cap(caps.ind != nullptr ? caps.ind : "\n");
    put_cap(caps.rc);
    put_cap(tiparm(caps.cud, 1));
}

void put_text(const char *text, int n) {
    for (int i = 0; i < n; i++) {
        unsigned char c = (unsigned char)text[i];
        if (c == 0)
            continue;
        show_colours();
        if (c == '\n')
            new_line();
        else if (c >= 32 && c < 127)
            putchar(c);
        else
            fputs(cp850_glyph(c), stdout);
    }
}

} // namespace

void clrscr(void) {
    get_ready();
    if (capable) {
        show_colours();
        put_cap(caps.clear);
    }
    fflush(stdout);
}

void gotoxy(int x, int y) {
    get_ready();
    if (capable && caps.cup != nullptr) {
        int cols, rows;
        window_size(&cols, &rows);
        put_cap(tiparm(caps.cup, clamp(y, 1, rows) - 1, clamp(x, 1, cols) - 1));
    }
    fflush(stdout);
}

void textcolor(int c) {
    get_ready();
    fg_wish = c & 15;
}

void textbackground(int c) {
    get_ready();
    bg_wish = c & 15;
}

void normvideo(void) {
    get_ready();
    fg_wish = -1;
    bg_wish = -1;
    show_colours();
    fflush(stdout);
}

void clreol(void) {
    get_ready();
    if (capable) {
        show_colours();
        put_cap(caps.el);
    }
    fflush(stdout);
}

int cprintf(const char *format, ...) {
    get_ready();
    char small[256];
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    int n = vsnprintf(small, sizeof small, format, args);
    va_end(args);
    char *text = small;
    int shown_bytes = n < (int)sizeof small ? n : (int)sizeof small - 1;
    if (n >= (int)sizeof small) {
        char *large = (char *)malloc((size_t)n + 1);
        if (large != nullptr) {
            vsnprintf(large, (size_t)n + 1, format, again);
            text = large;
            shown_bytes = n;
        }
    }
    va_end(again);
    put_text(text, shown_bytes);
    if (text != small)
        free(text);
    fflush(stdout);
    return n;
}

int cscanf(const char *format, ...) {
    get_ready();
    show_colours(); // the echo of the answer is in the current colours
    fflush(stdout);
    va_list args;
    va_start(args, format);
    int stored = 0;
    for (const char *p = format; *p != '\0'; p++) {
        if (is_separator(*p))
            continue;
        bool ok = false;
        if (p[0] == '%' && p[1] == 'd')
            ok = read_int(va_arg(args, int *));
        else if (p[0] == '%' && p[1] == 'f')
            ok = read_real(va_arg(args, float *));
        if (!ok)
            break;
        stored++;
        p++;
    }
    va_end(args);
    return stored;
}

int getch(void) {
    get_ready();
    fflush(stdout);
    if (!isatty(STDIN_FILENO))
        return getc(stdin);
    terminal_key_mode(true);
    unsigned char key;
    ssize_t n;
    do
        n = read(STDIN_FILENO, &key, 1);
    while (n < 0 && errno == EINTR);
    terminal_key_mode(false);
    return n == 1 ? key : EOF;
}

// First versions, to be replaced by whole-key reading and the size note.
int console_key(int) { return getch(); }

void console_window(int *cols, int *rows) {
    get_ready();
    window_size(cols, rows);
}

void console_size_note(int, int) {}

int console_fit(int, int) { return 1; }

void console_cursor(int) {}

void console_reverse(int) {}

void console_flush(void) { fflush(stdout); }
