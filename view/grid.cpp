// The grid of cells and its writer: the cells that changed since the last
// frame, written through the console layer as UTF-8 text.
#include "grid.hpp"

#include "console.h"
#include "utf8.hpp"

#include <stdio.h>

#include <algorithm>

namespace view {

namespace {

// The style the console layer writes in, and the text gathered for one
// write of it.
struct Pen {
    Style *current;
    char text[512];
    int length = 0;

    void flush() {
        if (length == 0)
            return;
        text[length] = '\0';
        console_put(text);
        length = 0;
    }
    void set(Style want) {
        Style &t = *current;
        if (want == t)
            return;
        flush();
        if ((want.fg == plain && t.fg != plain) || (want.bg == plain && t.bg != plain)) {
            normvideo(); // the terminal's own colours, and reverse video off
            t = {};
        }
        if (want.fg != t.fg)
            textcolor(want.fg);
        if (want.bg != t.bg)
            textbackground(want.bg);
        if (want.reverse != t.reverse)
            console_reverse(want.reverse);
        t = want;
    }
    void put(char32_t ch) {
        if (length + 4 >= (int)sizeof text)
            flush();
        length += utf8_bytes((long)ch, text + length);
    }
};

// A cell that is the same in both grids is written again rather than skipped
// when no more than this many such cells lie between two changed ones: that
// costs less than moving the cursor.
constexpr int gap = 3;

// The console layer keeps its style from one frame to the next.
Style console_style;

} // namespace

void clear_grid(Grid *g, int cols, int rows) {
    g->cols = std::max(cols, 0);
    g->rows = std::max(rows, 0);
    g->cells.assign((size_t)g->cols * (size_t)g->rows, Cell{});
}

void put_cell(Grid *g, int col, int row, char32_t ch, Style style) {
    if (col >= 1 && col <= g->cols && row >= 1 && row <= g->rows)
        g->cells[(size_t)(row - 1) * (size_t)g->cols + (size_t)(col - 1)] = {ch, style};
}

Cell get_cell(const Grid *g, int col, int row) {
    if (col >= 1 && col <= g->cols && row >= 1 && row <= g->rows)
        return g->cells[(size_t)(row - 1) * (size_t)g->cols + (size_t)(col - 1)];
    return {};
}

int put_text(Grid *g, int col, int row, const char *text, Style style) {
    while (*text != '\0') {
        put_cell(g, col, row, utf8_next(text), style);
        col++;
    }
    return col;
}

void show_grid(const Grid *next, Screen *screen) {
    Grid &shown = screen->shown;
    Pen pen{&console_style, {}, 0};
    if (screen->whole || shown.cols != next->cols || shown.rows != next->rows) {
        pen.set({});
        normvideo();
        clrscr();
        clear_grid(&shown, next->cols, next->rows);
        screen->whole = false;
    }
    for (int row = 1; row <= next->rows; row++) {
        const Cell *want = &next->cells[(size_t)(row - 1) * (size_t)next->cols];
        Cell *have = &shown.cells[(size_t)(row - 1) * (size_t)next->cols];
        for (int col = 1; col <= next->cols;) {
            if (want[col - 1] == have[col - 1]) {
                col++;
                continue;
            }
            int last = col;
            for (int k = col + 1; k <= next->cols && k - last <= gap + 1; k++)
                if (!(want[k - 1] == have[k - 1]))
                    last = k;
            pen.flush();
            gotoxy(col, row);
            for (int k = col; k <= last; k++) {
                pen.set(want[k - 1].style);
                pen.put(want[k - 1].ch);
                have[k - 1] = want[k - 1];
            }
            col = last + 1;
        }
    }
    pen.flush();
    console_flush();
}

} // namespace view
