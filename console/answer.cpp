// Answers typed at the cursor. In a program that owns the terminal, the C
// stdin stream reads through here, so that every read of the program (the
// numeric reader, a word, a character) gets its line from the editor below
// while the terminal is kept quiet: what was typed ahead shows at the prompt
// once the program asks, and the answer is edited within the rest of the
// cursor's row.
#include "console.h"
#include "keys.h"
#include "screen.h"
#include "terminal.h"
#include "utf8.hpp"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

namespace {

// Bytes of one answer, as many as a terminal's own line editing takes; what
// is typed beyond is not taken.
constexpr int answer_capacity = 4096;

struct Answer {
    char text[answer_capacity];
    int length; // bytes
    int count;  // characters, one cell each
    int width;  // cells of the row it may take, the cursor after them
    int shown;  // cells shown: the cursor is that far right of the start
};

bool continuation(char c) { return ((unsigned char)c & 0xC0) == 0x80; }

bool blank(const Answer &a) {
    for (int i = 0; i < a.length; i++)
        if (a.text[i] != ' ')
            return false;
    return true;
}

// The answer from the start of its field: the part that fits, its end kept
// in sight; the rest of the row blanked.
void draw(Answer &a) {
    screen_back(a.shown);
    int skip = a.count > a.width ? a.count - a.width : 0;
    int from = 0;
    for (int skipped = 0; skipped < skip; skipped++)
        do
            from++;
        while (from < a.length && continuation(a.text[from]));
    fwrite(a.text + from, 1, (size_t)(a.length - from), stdout);
    screen_erase_to_end();
    a.shown = a.count - skip;
}

void drop_last_character(Answer &a) {
    if (a.length == 0)
        return;
    do
        a.length--;
    while (a.length > 0 && continuation(a.text[a.length]));
    a.count--;
}

// Ctrl-W: the blanks at the end, then the word before them.
void drop_last_word(Answer &a) {
    while (a.length > 0 && a.text[a.length - 1] == ' ')
        drop_last_character(a);
    while (a.length > 0 && a.text[a.length - 1] != ' ')
        drop_last_character(a);
}

void add_character(Answer &a, int code) {
    char bytes[4];
    int n = utf8_bytes(code, bytes);
    if (a.length + n > answer_capacity)
        return;
    memcpy(a.text + a.length, bytes, (size_t)n);
    a.length += n;
    a.count++;
}

// The cells of the row from the cursor to its last column but one, where the
// cursor stays after a full field; half the window when the terminal cannot
// tell where the cursor is.
int field_width(int start_col, int cols) {
    int width = start_col > 0 ? cols - start_col : cols / 2;
    return width > 0 ? width : 1;
}

// Edits one answer at the cursor and gives it with its line end, which moves
// the cursor to the start of the next row. Enter on a blank answer gives a
// line end alone and leaves the cursor where it is. Returns the bytes given,
// 0 at the end of the input (Ctrl-D on an empty answer).
int edit(char *out) {
    Answer a = {};
    int cols, rows, col = 0, row = 0;
    screen_window(&cols, &rows);
    bool placed = screen_position(&col, &row);
    a.width = field_width(col, cols);
    for (;;) {
        bool changed = true;
        int key = key_read(-1);
        if (key == EOF || (key == key_ctrl_d && a.length == 0)) {
            draw(a);
            fflush(stdout);
            if (a.length == 0)
                return 0;
            memcpy(out, a.text, (size_t)a.length);
            return a.length; // the end follows
        }
        if (key == key_enter || key == key_return) {
            if (blank(a)) {
                a.length = a.count = 0;
                draw(a);
                fflush(stdout);
                out[0] = '\n';
                return 1;
            }
            draw(a);
            putchar('\n');
            fflush(stdout);
            memcpy(out, a.text, (size_t)a.length);
            out[a.length] = '\n';
            return a.length + 1;
        }
        if (key == CK_RESIZE) {
            // A new size, or back from a stop during which the shell wrote
            // on the terminal: the field from its start again.
            screen_window(&cols, &rows);
            if (col > cols)
                col = cols;
            a.width = field_width(col, cols);
            if (placed) {
                gotoxy(col, row);
                a.shown = 0;
            }
        } else if (key == key_backspace || key == key_ctrl_h) {
            drop_last_character(a);
        } else if (key == key_ctrl_u) {
            a.length = a.count = 0;
        } else if (key == key_ctrl_w) {
            drop_last_word(a);
        } else if (key == key_tab) {
            add_character(a, ' ');
        } else if ((key >= 32 && key < 127) || (key >= 0xA0 && key < CK_BASE)) {
            add_character(a, key);
        } else {
            changed = false; // keys that type no character, other controls
        }
        if (changed && !key_waiting()) {
            draw(a);
            fflush(stdout);
        }
    }
}

// The line being given to the stream, and how much of it was given.
char line[answer_capacity + 1];
int line_length = 0;
int line_given = 0;

bool editing() { return isatty(STDIN_FILENO) && terminal_quiet() && screen_editable(); }

// The stream's read: the rest of the line, a new answer, or plain bytes from
// a standard input that is not edited here. At its end the terminal's own
// colours come back, for the message that follows.
ssize_t read_stream(void *, char *buf, size_t size) {
    fflush(stdout);
    if (line_given == line_length) {
        line_given = line_length = 0;
        ssize_t n;
        if (editing()) {
            n = edit(line);
            line_length = (int)n;
        } else {
            do
                n = read(STDIN_FILENO, buf, size);
            while (n < 0 && errno == EINTR);
            if (n <= 0)
                screen_plain_colours();
            return n;
        }
        if (n == 0) {
            screen_plain_colours();
            return 0;
        }
    }
    size_t n = (size_t)(line_length - line_given);
    if (n > size)
        n = size;
    memcpy(buf, line + line_given, n);
    line_given += (int)n;
    return (ssize_t)n;
}

} // namespace

void answers_from_terminal() {
    cookie_io_functions_t io = {read_stream, nullptr, nullptr, nullptr};
    FILE *stream = fopencookie(nullptr, "r", io);
    if (stream != nullptr)
        stdin = stream;
}

void terminal_drop_typed() {
    line_given = line_length = 0;
    keys_drop();
}
