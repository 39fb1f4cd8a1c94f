// The console-window operations, on the layer's output (output.cpp, the one
// unit that writes escape sequences), keys (keys.cpp) and answers
// (answer.cpp). The first operation claims the terminal.
//
// What is written stays in stdout's buffer until the user must see it: before
// a read, a key wait and a pause, and at the end. A screen, or a step of an
// animation, thus reaches the terminal in one write.
#include "console.h"

#include "answer.h"
#include "cp850.h"
#include "keys.h"
#include "model.h"
#include "output.h"
#include "read_number.hpp"
#include "terminal.h"
#include "window.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>

namespace {

// Claims the terminal on the first operation; where answers can be edited
// on the screen, nothing typed shows by itself from then on.
void get_ready() {
    if (con.ready)
        return;
    con.ready = true;
    output_ready();
    answers_from_terminal();
    if (answers_editable()) {
        terminal_keep_quiet();
        terminal_mark_pastes();
    }
}

void put_text(const char *text, int n) {
    output_colours();
    for (int i = 0; i < n; i++) {
        unsigned char c = (unsigned char)text[i];
        if (c == '\n')
            output_new_line();
        else if (c >= 32 && c < 127)
            putchar(c);
        else
            fputs(cp850_glyph(c), stdout);
    }
}

// The screen drawn again, for a console-window program at a key wait.
void draw_again() {
    output_redraw();
    output_flush();
}

} // namespace

void clrscr(void) {
    get_ready();
    output_clear();
}

void gotoxy(int x, int y) {
    get_ready();
    int cols, rows;
    window_size(&cols, &rows);
    output_move(std::clamp(x, 1, cols), std::clamp(y, 1, rows));
}

void textcolor(int c) {
    get_ready();
    con.output.fg_wish = c & 15;
}

void textbackground(int c) {
    get_ready();
    con.output.bg_wish = c & 15;
}

void normvideo(void) {
    get_ready();
    con.output.fg_wish = con.output.bg_wish = -1;
    con.output.reverse_wish = false;
    output_colours();
}

void clreol(void) {
    get_ready();
    output_colours();
    output_erase_to_end();
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
    output_colours(); // the echo of the answer is in the current colours
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
    output_flush();
    bool own_mode = !terminal_quiet();
    if (own_mode)
        terminal_key_mode(true);
    int key = key_read(timeout_ms);
    if (own_mode)
        terminal_key_mode(false);
    if (key == CK_RESIZE) { // the caller draws again
        output_drawn();
        output_screen_back();
        output_flush();
    }
    return key;
}

// After a stop, on a resize and on Ctrl-L the screen is drawn again, and the
// wait goes on.
int getch(void) {
    get_ready();
    output_flush();
    if (!isatty(STDIN_FILENO))
        return getc(stdin);
    for (;;) {
        int key = console_key(-1);
        if (key == CK_RESIZE || key == key_ctrl_l)
            draw_again();
        else if (key != CK_NONE)
            return key;
    }
}

int console_positions(void) { return get_ready(), output_has("cup"); }

void console_window(int *cols, int *rows) {
    get_ready();
    window_size(cols, rows);
}

void console_cursor(int visible) {
    get_ready();
    con.output.cursor_wish = visible != 0;
    output_cursor(con.output.cursor_wish);
}

void console_reverse(int on) {
    get_ready();
    con.output.reverse_wish = on != 0;
}

void console_put(const char *text) {
    get_ready();
    output_colours();
    for (const char *p = text; *p != '\0'; p++)
        if ((unsigned char)*p >= 32 && *p != 127)
            putchar(*p);
}

void console_alternate(int on) {
    get_ready();
    con.output.alternate_wish = on != 0;
    output_alternate(con.output.alternate_wish);
}

void console_flush(void) {
    get_ready();
    output_flush();
}
