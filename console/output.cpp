// The console layer's output. The escape sequences come from the terminal's
// terminfo entry and are all written here; each is followed in the model of
// the screen (model.h) as it is written.
//
// Standard output is a stream of the layer's own, fully buffered: the text of
// the program and of the layer collects in it, and reaches the terminal only
// when the stream is flushed (before a read, a key wait, a pause, and at the
// end), in one write. Its write function sees every byte of text, in order,
// and gives it to the model. The layer's own sequences do not go through the
// stream's buffer: the text before them is taken from it first (queued), then
// they are queued behind it, and a byte 0 left in the stream, which shows
// nothing, makes the next flush write what is queued.
#include "output.h"

#include "keys.h"
#include "model.h"
#include "terminal.h"
#include "window.h"

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <term.h>

Console con;

namespace {

Output &o = con.output;

// Terminal colour of each palette colour: the terminal counts blue, green,
// red as bits 4, 2, 1 where the palette counts them as 1, 2, 4; bright
// colours are 8 more on both.
constexpr short terminal_colour[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};

const char *cap(const char *name) {
    const char *s = tigetstr(name);
    return s == (char *)-1 ? nullptr : s;
}

// Writes what is queued to the terminal; false when it cannot be written
// (what could not is dropped).
bool write_queued() {
    const char *p = o.queued;
    size_t left = (size_t)o.queued_length;
    o.queued_length = 0;
    while (left > 0) {
        ssize_t n = write(STDOUT_FILENO, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= (size_t)n;
    }
    return true;
}

// A full queue is written at once; a failure shows at the next flush.
bool queue(char c) {
    bool written = true;
    if (o.queued_length == (int)sizeof o.queued)
        written = write_queued();
    o.queued[o.queued_length++] = c;
    return written;
}

int queue_byte(int c) {
    o.failed = !queue((char)c) || o.failed;
    return c;
}

bool redraw_due() {
    return terminal_continues() != o.drawn_continues || terminal_resizes() != o.drawn_resizes;
}

// The stream's write: text for the model and the terminal. After a stop or
// a resize the screen is drawn again first, so that the text lands on it.
ssize_t write_stream(void *, const char *bytes, size_t count) {
    o.in_stream = true; // the stream is being flushed: not to be used now
    if (!o.queuing)
        terminal_notice_foreground();
    if (redraw_due())
        output_redraw();
    o.in_stream = false;
    for (size_t i = 0; i < count; i++)
        if (bytes[i] != '\0') {
            model_text(bytes + i, 1);
            queue_byte(bytes[i]);
        }
    if (!o.queuing)
        o.failed = !write_queued() || o.failed;
    bool failed = o.failed && !o.queuing;
    if (failed)
        o.failed = false;
    return failed ? -1 : (ssize_t)count;
}

// The text in the stream's buffer, queued (and modelled) before what follows.
void take_text() {
    o.queuing = true;
    fflush(stdout);
    o.queuing = false;
}

} // namespace

// Queues one of the terminal's sequences behind the text before it.
void output_emit(const char *s) {
    if (s == nullptr)
        return;
    if (o.in_stream) { // drawing again from the stream's write: behind what is queued
        tputs(s, 1, queue_byte);
        return;
    }
    if (redraw_due())
        output_redraw();
    take_text();
    tputs(s, 1, queue_byte);
    putc('\0', stdout);
}

// Brings the terminal's colours and attributes to want, writing only what
// changes.
void output_show(Colours want) {
    if (!o.capable)
        return;
    if (terminal_colours_lost())
        o.shown = plain;
    Colours &s = o.shown;
    if ((s.bold && !want.bold) || (s.reverse && !want.reverse)) {
        output_emit(o.caps.sgr0);
        s = plain;
    }
    if ((want.fg < 0 && s.fg >= 0) || (want.bg < 0 && s.bg >= 0)) {
        output_emit(o.caps.op);
        s.fg = s.bg = -1;
    }
    if (want.bold && !s.bold)
        output_emit(o.caps.bold);
    if (want.reverse && !s.reverse)
        output_emit(o.caps.rev);
    if (want.fg != s.fg)
        output_emit(tiparm(o.caps.setaf, want.fg));
    if (want.bg != s.bg)
        output_emit(tiparm(o.caps.setab, want.bg));
    s = want;
    model_pen(s);
    terminal_coloured(s.fg >= 0 || s.bg >= 0 || s.bold || s.reverse);
}

namespace {

// The colours asked for, as this terminal can show them: with only 8
// colours a bright foreground is its base colour in bold.
Colours wished() {
    Colours c = {-1, -1, false, o.reverse_wish};
    if (o.fg_wish >= 0) {
        c.fg = terminal_colour[o.fg_wish];
        if (o.colour_count < 16 && c.fg >= 8) {
            c.fg = (short)(c.fg - 8);
            c.bold = true;
        }
    }
    if (o.bg_wish >= 0)
        c.bg = o.colour_count < 16 ? terminal_colour[o.bg_wish] % 8 : terminal_colour[o.bg_wish];
    if (o.colour_count == 0)
        c.fg = c.bg = -1, c.bold = false;
    return c;
}

void look_up_caps() {
    o.caps = {cap("cup"),   cap("clear"), cap("el"),   cap("sc"),    cap("rc"),    cap("ind"),
              cap("cud"),   cap("cub"),   cap("cub1"), cap("setaf"), cap("setab"), cap("sgr0"),
              cap("op"),    cap("bold"),  cap("rev"),  cap("civis"), cap("cnorm"), cap("u7"),
              cap("smcup"), cap("rmcup"), cap("cuu1")};
    int n = tigetnum("colors");
    o.colour_count = n >= 8 && o.caps.setaf != nullptr && o.caps.setab != nullptr ? n : 0;
}

// A program ending with its cursor within a row ends the row, so that the
// shell's prompt starts a line of its own.
void end_the_row() {
    bool known;
    if (!model_at_row_start(&known) && known) {
        output_plain(); // a row scrolled in takes no colour
        fputs(o.capable ? "\r\n" : "\n", stdout);
    }
    fflush(stdout);
}

// Standard output, when it is a terminal, becomes the layer's stream.
void take_stdout() {
    cookie_io_functions_t io = {nullptr, write_stream, nullptr, nullptr};
    FILE *stream = isatty(STDOUT_FILENO) ? fopencookie(nullptr, "w", io) : nullptr;
    if (stream == nullptr) {
        setvbuf(stdout, o.stream_buffer, _IOFBF, sizeof o.stream_buffer);
        return;
    }
    fflush(stdout);
    setvbuf(stream, o.stream_buffer, _IOFBF, sizeof o.stream_buffer);
    o.terminal_stream = stdout;
    stdout = stream;
    int cols, rows;
    window_size(&cols, &rows);
    termios modes;
    bool returns = tcgetattr(STDOUT_FILENO, &modes) != 0 ||
                   ((modes.c_oflag & OPOST) != 0 && (modes.c_oflag & ONLCR) != 0);
    model_start(cols, rows, returns, o.capable && tigetflag("bce") > 0);
    atexit(end_the_row);
}

} // namespace

bool output_ready() {
    if (o.ready)
        return o.capable;
    o.ready = true;
    o.fg_wish = o.bg_wish = -1;
    o.cursor_wish = true;
    o.shown = plain;
    o.capable = terminal_claim();
    if (o.capable)
        look_up_caps();
    o.drawn_resizes = terminal_resizes();
    o.drawn_continues = terminal_continues();
    take_stdout();
    return o.capable;
}

bool output_has(const char *name) { return o.capable && cap(name) != nullptr; }

void output_colours() { output_show(wished()); }

void output_plain() { output_show(plain); }

void output_move(int col, int row) {
    if (!o.capable || o.caps.cup == nullptr)
        return;
    output_emit(tiparm(o.caps.cup, row - 1, col - 1));
    model_move(col, row);
}

void output_clear() {
    if (!o.capable)
        return;
    output_colours();
    output_emit(o.caps.clear);
    model_clear();
}

void output_erase_to_end() {
    if (!o.capable)
        return;
    output_emit(o.caps.el);
    model_erase_to_end();
}

void output_back(int cells) {
    if (!o.capable || cells <= 0)
        return;
    if (o.caps.cub != nullptr)
        output_emit(tiparm(o.caps.cub, cells));
    else
        for (int i = 0; i < cells; i++)
            output_emit(o.caps.cub1);
    model_back(cells);
}

void output_up() {
    if (!o.capable || o.caps.cuu1 == nullptr)
        return;
    output_emit(o.caps.cuu1);
    model_up();
}

// One row down in the same column. A plain line feed scrolls at the last row
// but also returns to column 1 (the terminal adds the carriage return), and a
// plain cursor-down does not scroll; so: save the position, line feed (which
// scrolls at the last row), back to the saved position and one row down,
// which stays put at the last row.
void output_new_line() {
    Caps &c = o.caps;
    if (!o.capable || c.sc == nullptr || c.rc == nullptr || c.cud == nullptr) {
        putchar('\n');
        return;
    }
    output_emit(c.sc);
    output_emit(c.ind != nullptr ? c.ind : "\n");
    output_emit(c.rc);
    output_emit(tiparm(c.cud, 1));
    model_down();
}

void output_cursor(bool visible) {
    if (!o.capable)
        return;
    output_emit(visible ? o.caps.cnorm : o.caps.civis);
    terminal_cursor_hidden(!visible);
}

// Only when it changes: entering the alternate screen again would make the
// terminal save its state again, over what it saved from the normal screen.
void output_alternate(bool on) {
    Caps &c = o.caps;
    if (!o.capable || c.smcup == nullptr || c.rmcup == nullptr || terminal_on_alternate() == on)
        return;
    output_emit(on ? c.smcup : c.rmcup);
    terminal_alternate(on);
    model_forget();
}

bool output_ask_position(int *col, int *row) {
    if (!o.capable || o.caps.u7 == nullptr || o.position_unanswered)
        return false;
    // Ctrl-Z waits for the answer: given to the shell's modes, it would reach
    // the shell as a line typed there.
    sigset_t stop, old;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigprocmask(SIG_BLOCK, &stop, &old);
    output_emit(o.caps.u7);
    fflush(stdout);
    int got = key_position_answer(col, row);
    sigprocmask(SIG_SETMASK, &old, nullptr);
    // A terminal that let the first request go unanswered is not asked
    // again; one whose answer was behind too much typed ahead is.
    if (!o.position_asked && got == 0)
        o.position_unanswered = true;
    o.position_asked = o.position_asked || got >= 0;
    if (got == 1)
        model_move(*col, *row);
    return got == 1;
}

void output_raw(const char *bytes, int count) {
    for (int i = 0; i < count; i++)
        queue_byte(bytes[i]);
}

void output_screen_back() {
    Caps &c = o.caps;
    if (!o.capable)
        return;
    if (o.alternate_wish && !terminal_on_alternate() && c.smcup != nullptr) {
        output_emit(c.smcup);
        terminal_alternate(true);
    }
    if (!o.cursor_wish)
        output_cursor(false);
}

void output_flush() { fflush(stdout); }

void output_drawn() {
    o.drawn_resizes = terminal_resizes();
    o.drawn_continues = terminal_continues();
}
