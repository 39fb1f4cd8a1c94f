// Answers typed at the cursor. In a program that owns the terminal, the C
// stdin stream reads through here, so that every read of the program (the
// numeric reader, a word, a character) gets its line from the editor below
// while the terminal is kept quiet: what was typed ahead shows at the prompt
// once the program asks, and the answer is edited within the rest of the
// cursor's row. After a stop, on a resize and on Ctrl-L the screen is drawn
// again, the answer with it.
#include "answer.h"

#include "console.h"
#include "keys.h"
#include "model.h"
#include "output.h"
#include "state.h"
#include "terminal.h"
#include "utf8.hpp"
#include "window.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

namespace {

// One answer being edited: what is typed beyond answer_capacity bytes is not
// taken.
struct Answer {
    char text[answer_capacity];
    int length;   // bytes
    int count;    // characters, one cell each
    int width;    // cells of the row it may take, the cursor after them
    int shown;    // cells shown: the cursor is that far right of the start
    int col, row; // where the field starts, (0, 0) when not known
};

bool blank(const Answer &a) {
    for (int i = 0; i < a.length; i++)
        if (a.text[i] != ' ')
            return false;
    return true;
}

// The answer from the start of its field: the part that fits, its end kept
// in sight; the rest of the row blanked.
void draw(Answer &a) {
    output_back(a.shown);
    int skip = a.count > a.width ? a.count - a.width : 0;
    int from = 0;
    for (int skipped = 0; skipped < skip; skipped++)
        do
            from++;
        while (from < a.length && utf8_continues(a.text[from]));
    fwrite(a.text + from, 1, (size_t)(a.length - from), stdout);
    output_erase_to_end();
    a.shown = a.count - skip;
}

void drop_last_character(Answer &a) {
    if (a.length == 0)
        return;
    do
        a.length--;
    while (a.length > 0 && utf8_continues(a.text[a.length]));
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
// cursor stays after a full field; half the window when it is not known
// where the cursor is.
int field_width(int start_col, int cols) {
    int width = start_col > 0 ? cols - start_col : cols / 2;
    return width > 0 ? width : 1;
}

// Where the field starts: as the layer drew the screen, or as the terminal
// tells; (0, 0) when neither knows.
void place(Answer &a) {
    int cols, rows;
    window_size(&cols, &rows);
    if (!model_cursor(&a.col, &a.row) && !output_ask_position(&a.col, &a.row))
        a.col = a.row = 0;
    a.width = field_width(a.col, cols);
}

// The screen again, and the field from its start, as wide as the window
// now lets it be.
void draw_again(Answer &a) {
    output_redraw();
    int cols, rows;
    window_size(&cols, &rows);
    a.col = a.col < cols ? a.col : cols;
    a.width = field_width(a.col, cols);
    if (a.col > 0) {
        gotoxy(a.col, a.row);
        a.shown = 0;
    }
}

// What a key does to the answer; false when it does nothing.
bool apply(Answer &a, int key) {
    if (key == CK_RESIZE || key == key_ctrl_l)
        draw_again(a);
    else if (key == key_backspace || key == key_ctrl_h)
        drop_last_character(a);
    else if (key == key_ctrl_u)
        a.length = a.count = 0;
    else if (key == key_ctrl_w)
        drop_last_word(a);
    else if (key == key_tab)
        add_character(a, ' ');
    else if ((key >= 32 && key < 127) || (key >= 0xA0 && key < CK_BASE))
        add_character(a, key);
    else
        return false; // keys that type no character, other controls
    return true;
}

// The answer given: at the end of the input what was typed, or nothing (0);
// on Enter the answer and its line end, which moves the cursor to the start
// of the next row, or a line end alone for a blank answer (the cursor stays).
int give(Answer &a, int key, char *out) {
    bool ended = key == EOF || key == key_ctrl_d;
    if (!ended && blank(a))
        a.length = a.count = 0;
    draw(a);
    if (!ended && a.length > 0)
        putchar('\n');
    fflush(stdout);
    memcpy(out, a.text, (size_t)a.length);
    if (ended)
        return a.length;
    out[a.length] = '\n';
    return a.length + 1;
}

// Edits one answer at the cursor and gives it (see give). The answer is
// drawn again once all that was read at once is taken.
int edit(char *out) {
    Answer a = {};
    place(a);
    for (;;) {
        int key = key_read(-1);
        if (key == EOF || (key == key_ctrl_d && a.length == 0) || key == key_enter ||
            key == key_return)
            return give(a, key, out);
        if (apply(a, key) && !key_waiting()) {
            draw(a);
            fflush(stdout);
        }
    }
}

bool editing() { return isatty(STDIN_FILENO) && terminal_quiet() && answers_editable(); }

// The stream's read: the rest of the line, a new answer, or plain bytes from
// a standard input that is not edited here. At its end the terminal's own
// colours come back, for the message that follows.
ssize_t read_stream(void *, char *buf, size_t size) {
    Answers &line = con.answers;
    fflush(stdout);
    if (line.given == line.length) {
        line.given = line.length = 0;
        ssize_t n;
        if (editing()) {
            n = edit(line.line);
            line.length = (int)n;
        } else {
            do
                n = read(STDIN_FILENO, buf, size);
            while (n < 0 && errno == EINTR);
        }
        if (n <= 0) {
            output_plain(); // for the message that follows
            output_flush();
        }
        if (n <= 0 || !editing())
            return n;
    }
    size_t n = (size_t)(line.length - line.given);
    if (n > size)
        n = size;
    memcpy(buf, line.line + line.given, n);
    line.given += (int)n;
    return (ssize_t)n;
}

} // namespace

void answers_from_terminal() {
    cookie_io_functions_t io = {read_stream, nullptr, nullptr, nullptr};
    FILE *stream = fopencookie(nullptr, "r", io);
    if (stream != nullptr)
        stdin = stream;
}

bool answers_editable() { return output_has("el") && (output_has("cub") || output_has("cub1")); }

void answers_drop() {
    con.answers.given = con.answers.length = 0;
    keys_drop();
}
