// The console-window operations on a terminal. The escape sequences come from
// the terminal's terminfo entry and are all written here, by put_cap, through
// the C stdout stream; the terminal's modes belong to terminal.cpp, the keys
// to keys.cpp, the answers to answer.cpp.
//
// What is written stays in stdout's buffer until the user must see it: before
// a read, a key wait and a pause, and at the end. A screen, or a step of an
// animation, thus reaches the terminal in one write.
#include "console.h"

#include "cp850.h"
#include "keys.h"
#include "read_number.hpp"
#include "screen.h"
#include "terminal.h"

#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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
    const char *cup, *clear, *el, *sc, *rc, *ind, *cud, *cub, *cub1, *setaf, *setab, *sgr0, *op,
        *bold, *rev, *civis, *cnorm, *u7, *smcup, *rmcup;
};

// Colours and attributes as the terminal takes them: -1 is the terminal's
// default colour.
struct Colours {
    int fg, bg;
    bool bold, reverse;
};
constexpr Colours plain = {-1, -1, false, false};

// Large enough for a whole screen of a large window in one write.
char out_buffer[256 * 1024];

bool ready = false;
bool capable = false; // escape sequences are written
Caps caps = {};
int colour_count = 0; // 0 when no colours are written
// Palette colours asked for, -1 before any.
int fg_wish = -1;
int bg_wish = -1;
bool reverse_wish = false;
bool cursor_wish = true;
bool alternate_wish = false;
Colours shown = plain; // what the terminal shows now
// The window's size, as last read, and the count of resizes then.
int window_cols = 0, window_rows = 0;
int size_read_at = -1;

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
    caps = {cap("cup"),   cap("clear"), cap("el"),  cap("sc"),    cap("rc"),
            cap("ind"),   cap("cud"),   cap("cub"), cap("cub1"),  cap("setaf"),
            cap("setab"), cap("sgr0"),  cap("op"),  cap("bold"),  cap("rev"),
            cap("civis"), cap("cnorm"), cap("u7"),  cap("smcup"), cap("rmcup")};
    int n = tigetnum("colors");
    colour_count = n >= 8 && caps.setaf != nullptr && caps.setab != nullptr ? n : 0;
    setvbuf(stdout, out_buffer, _IOFBF, sizeof out_buffer);
    answers_from_terminal();
    // Where answers can be edited here, nothing typed shows by itself.
    if (screen_editable()) {
        terminal_keep_quiet();
        terminal_mark_pastes();
    }
}

int put_byte(int c) { return putchar(c); }

void put_cap(const char *s) {
    if (s != nullptr)
        tputs(s, 1, put_byte);
}

int clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

void read_window_size() {
    int resizes = terminal_resizes();
    if (resizes == size_read_at)
        return;
    size_read_at = resizes;
    winsize size;
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
        window_cols = size.ws_col;
        window_rows = size.ws_row;
        return;
    }
    int c = tigetnum("cols");
    int r = tigetnum("lines");
    window_cols = c > 0 ? c : 80;
    window_rows = r > 0 ? r : 25;
}

// The colours asked for, as this terminal can show them: with only 8
// colours a bright foreground is its base colour in bold.
Colours wished() {
    Colours c = {-1, -1, false, reverse_wish};
    if (fg_wish >= 0) {
        c.fg = terminal_colour[fg_wish];
        if (colour_count < 16 && c.fg >= 8) {
            c.fg -= 8;
            c.bold = true;
        }
    }
    if (bg_wish >= 0)
        c.bg = colour_count < 16 ? terminal_colour[bg_wish] % 8 : terminal_colour[bg_wish];
    if (colour_count == 0)
        c.fg = c.bg = -1, c.bold = false;
    return c;
}

// Brings the terminal's colours and attributes to those asked for, writing
// only what changes.
void show(Colours want) {
    if (!capable)
        return;
    if (terminal_colours_lost())
        shown = plain;
    if ((shown.bold && !want.bold) || (shown.reverse && !want.reverse)) {
        put_cap(caps.sgr0);
        shown = plain;
    }
    if ((want.fg < 0 && shown.fg >= 0) || (want.bg < 0 && shown.bg >= 0)) {
        put_cap(caps.op);
        shown.fg = shown.bg = -1;
    }
    if (want.bold && !shown.bold)
        put_cap(caps.bold);
    if (want.reverse && !shown.reverse)
        put_cap(caps.rev);
    if (want.fg != shown.fg)
        put_cap(tiparm(caps.setaf, want.fg));
    if (want.bg != shown.bg)
        put_cap(tiparm(caps.setab, want.bg));
    shown = want;
    terminal_coloured(shown.fg >= 0 || shown.bg >= 0 || shown.bold || shown.reverse);
}

void show_colours() { show(wished()); }

void show_cursor(bool visible) {
    if (!capable)
        return;
    put_cap(visible ? caps.cnorm : caps.civis);
    terminal_cursor_hidden(!visible);
}

// Only when it changes: entering the alternate screen again would make the
// terminal save its state again, over what it saved from the normal screen.
void show_alternate(bool on) {
    if (!capable || caps.smcup == nullptr || caps.rmcup == nullptr || terminal_on_alternate() == on)
        return;
    put_cap(on ? caps.smcup : caps.rmcup);
    terminal_alternate(on);
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

// The size note: what the window is and what is needed, cut to the window;
// whether a key goes on.
void write_size_note(int need_cols, int need_rows, bool key_goes_on) {
    char note[160];
    snprintf(note, sizeof note,
             "La finestra \xc3\xa8 %d\xc3\x97%d, ne serve una di %d\xc3\x97%d: allargala%s.",
             window_cols, window_rows, need_cols, need_rows,
             key_goes_on ? " o premi un tasto" : "");
    show(plain);
    putchar('\r');
    int room = window_cols - 1;
    for (const char *p = note; *p != '\0'; p++) {
        bool starts_character = ((unsigned char)*p & 0xC0) != 0x80;
        if (starts_character && room-- == 0)
            break;
        putchar(*p);
    }
    put_cap(caps.el);
}

} // namespace

// What the other units of the layer write through this one.

bool screen_editable() {
    return capable && caps.el != nullptr && (caps.cub != nullptr || caps.cub1 != nullptr);
}

void screen_back(int cells) {
    if (cells <= 0)
        return;
    if (caps.cub != nullptr)
        put_cap(tiparm(caps.cub, cells));
    else
        for (int i = 0; i < cells; i++)
            put_cap(caps.cub1);
}

void screen_erase_to_end() { put_cap(caps.el); }

bool screen_position(int *col, int *row) {
    static bool answers = true; // the terminal answered the first request
    static bool asked = false;
    if (!capable || caps.u7 == nullptr || !answers)
        return false;
    // Ctrl-Z waits for the answer: given to the shell's modes, it would reach
    // the shell as a line typed there.
    sigset_t stop, old;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigprocmask(SIG_BLOCK, &stop, &old);
    put_cap(caps.u7);
    fflush(stdout);
    int got = key_position_answer(col, row);
    sigprocmask(SIG_SETMASK, &old, nullptr);
    // A terminal that let the first request go unanswered is not asked
    // again; one whose answer was behind too much typed ahead is.
    if (!asked && got == 0)
        answers = false;
    asked = asked || got >= 0;
    return got == 1;
}

void screen_window(int *cols, int *rows) {
    get_ready();
    read_window_size();
    *cols = window_cols;
    *rows = window_rows;
}

void screen_plain_colours() {
    if (ready) {
        show(plain);
        fflush(stdout);
    }
}

void clrscr(void) {
    get_ready();
    if (capable) {
        show_colours();
        put_cap(caps.clear);
    }
}

void gotoxy(int x, int y) {
    get_ready();
    if (capable && caps.cup != nullptr) {
        read_window_size();
        put_cap(tiparm(caps.cup, clamp(y, 1, window_rows) - 1, clamp(x, 1, window_cols) - 1));
    }
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
    reverse_wish = false;
    show_colours();
}

void clreol(void) {
    get_ready();
    if (capable) {
        show_colours();
        put_cap(caps.el);
    }
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
    return n;
}

int cscanf(const char *format, ...) {
    get_ready();
    show_colours(); // the echo of the answer is in the current colours
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

int console_key(int timeout_ms) {
    get_ready();
    fflush(stdout);
    bool own_mode = !terminal_quiet();
    if (own_mode)
        terminal_key_mode(true);
    int key = key_read(timeout_ms);
    if (own_mode)
        terminal_key_mode(false);
    if (key == CK_RESIZE) { // a stop may have undone these
        if (alternate_wish)
            show_alternate(true);
        if (!cursor_wish)
            show_cursor(false);
        fflush(stdout);
    }
    return key;
}

int getch(void) {
    get_ready();
    fflush(stdout);
    if (!isatty(STDIN_FILENO))
        return getc(stdin);
    int key;
    do
        key = console_key(-1);
    while (key == CK_RESIZE || key == CK_NONE);
    return key;
}

int console_positions(void) {
    get_ready();
    return capable && caps.cup != nullptr;
}

void console_window(int *cols, int *rows) { screen_window(cols, rows); }

void console_size_note(int cols, int rows) {
    get_ready();
    read_window_size();
    if (capable)
        write_size_note(cols, rows, false);
}

int console_fit(int cols, int rows) {
    get_ready();
    if (!capable || !isatty(STDIN_FILENO))
        return 1;
    bool noted = false;
    int fits = 1;
    for (;;) {
        read_window_size();
        if (window_cols >= cols && window_rows >= rows)
            break;
        write_size_note(cols, rows, true);
        noted = true;
        int key = console_key(-1);
        if (key != CK_RESIZE && key != CK_NONE) {
            fits = 0;
            break;
        }
    }
    if (noted) {
        putchar('\r');
        put_cap(caps.el);
    }
    return fits;
}

void console_cursor(int visible) {
    get_ready();
    cursor_wish = visible != 0;
    show_cursor(cursor_wish);
}

void console_reverse(int on) {
    get_ready();
    reverse_wish = on != 0;
}

void console_put(const char *text) {
    get_ready();
    show_colours();
    for (const char *p = text; *p != '\0'; p++)
        if ((unsigned char)*p >= 32 && *p != 127)
            putchar(*p);
}

void console_alternate(int on) {
    get_ready();
    alternate_wish = on != 0;
    show_alternate(alternate_wish);
}

void console_flush(void) {
    get_ready();
    fflush(stdout);
}
