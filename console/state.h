// The state of the console layer, in one structure that its units share:
// what the terminal can do and was asked to show, the model of the screen it
// was drawn, the window, the bytes read from the keyboard and the answer
// being given. What the signal handlers change lives with the terminal's
// owner (terminal_owner.hpp), as volatile flags.
#pragma once

#include <stdio.h>

// Colours and attributes as the terminal takes them: colour numbers of the
// terminal, -1 for its own colour.
struct Colours {
    short fg, bg;
    bool bold, reverse;
    bool operator==(const Colours &) const = default;
};
constexpr Colours plain = {-1, -1, false, false};

// The capabilities in use, from the terminal's terminfo entry; nullptr where
// it has none.
struct Caps {
    const char *cup, *clear, *el, *sc, *rc, *ind, *cud, *cub, *cub1, *setaf, *setab, *sgr0, *op,
        *bold, *rev, *civis, *cnorm, *u7, *smcup, *rmcup, *cuu1;
};

// What is written: stdout is a stream of the layer's own, whose bytes (the
// program's text and the layer's) reach the terminal through output.cpp.
struct Output {
    bool ready;
    bool capable; // escape sequences are written
    Caps caps;
    int colour_count; // 0 when no colours are written
    // Palette colours asked for, -1 before any.
    int fg_wish, bg_wish;
    bool reverse_wish, cursor_wish, alternate_wish;
    Colours shown;         // what the terminal shows now
    FILE *terminal_stream; // the C stream of standard output as the program started
    // What is to be written, in order: the text of the stream and the layer's
    // sequences. Written when the stream is flushed, or when it is full.
    char queued[256 * 1024];
    int queued_length;
    bool queuing;                   // a flush of the stream queues its text, and writes nothing
    bool failed;                    // a write failed since the stream last told
    bool in_stream;                 // the stream's write runs (and draws the screen again)
    char stream_buffer[256 * 1024]; // the stream's own
    // Whether the terminal was asked where the cursor is, and let the first
    // question go unanswered (it is not asked again).
    bool position_asked, position_unanswered;
    int drawn_resizes, drawn_continues; // taken into account by the last drawing
};

// One cell of the screen as drawn.
struct Cell {
    char32_t ch;
    Colours pen;
    bool operator==(const Cell &) const = default;
};
constexpr Cell blank_cell = {U' ', plain};

// The largest screen the model follows; a larger window is not drawn again.
constexpr int model_most_cols = 512;
constexpr int model_most_rows = 256;

// The screen as the layer drew it, followed as the terminal takes what is
// written: text at the cursor with deferred wrapping at the last column,
// scrolling at the last row. Positions from 1.
struct Model {
    int cols, rows;
    bool too_large; // the window is larger than the model
    Cell cells[model_most_cols * model_most_rows];
    int col, row;
    bool col_known, row_known; // what was written before tells where the cursor is
    bool wrap_pending;         // a character was written in the last column
    Colours pen;
    unsigned char utf8[4]; // a character whose bytes came in two writes
    int utf8_length;
    bool line_feed_returns; // the terminal's output adds a carriage return to a line end
    bool erase_in_pen;      // blanked cells take the pen's background
};

// The window's size, as last read, and the count of resizes then.
struct Window {
    int cols, rows;
    int read_at;
};

// Bytes read from the terminal and not yet taken as keys: bytes[taken] to
// bytes[filled - 1].
struct Input {
    unsigned char bytes[4096];
    int taken, filled;
    // The counts of resizes and continues that a key read has told.
    int told_resizes, told_continues;
    // Answers to position requests that did not come in time: when one comes
    // later among the keys, it is dropped.
    int late_answers;
};

// Bytes of one answer, as many as a terminal's own line editing takes.
constexpr int answer_capacity = 4096;

// The line being given to the program's stdin stream, and how much of it.
struct Answers {
    char line[answer_capacity + 1];
    int length, given;
};

struct Console {
    bool ready;      // claimed, and the program's standard streams are the layer's
    bool keep_quiet; // the terminal quiet whenever claimed (after a restore too)
    Output output;
    Model model;
    Window window;
    Input input;
    Answers answers;
};

extern Console con;
