// A screen as a grid of cells, and the writer that brings the terminal from
// the grid it shows to the next one through the console layer, writing only
// the cells that changed.
#pragma once

#include <vector>

namespace view {

// Palette colours as the console layer numbers them; plain is the
// terminal's own colour.
constexpr signed char plain = -1;

struct Style {
    signed char fg = plain;
    signed char bg = plain;
    bool reverse = false;
    bool operator==(const Style &) const = default;
};

struct Cell {
    char32_t ch = U' ';
    Style style;
    bool operator==(const Cell &) const = default;
};

// Columns and rows counted from 1, as the console window counts them.
struct Grid {
    int cols = 0;
    int rows = 0;
    std::vector<Cell> cells;
};

// Blank cells in the terminal's own colours, cols x rows.
void clear_grid(Grid *g, int cols, int rows);

// Writes the UTF-8 text from (col, row) on, one cell per character, cut at
// the right edge; gives the column after it.
int put_text(Grid *g, int col, int row, const char *text, Style style = {});
void put_cell(Grid *g, int col, int row, char32_t ch, Style style = {});
Cell get_cell(const Grid *g, int col, int row);

// What the terminal shows. whole: the next show starts from a blank window
// (at the start, after a resize, Ctrl-L, or anything written around it).
struct Screen {
    Grid shown;
    bool whole = true;
};

// Draws next: only the cells that differ from what is shown, or every
// non-blank cell after blanking the window when the screen is whole.
void show_grid(const Grid *next, Screen *screen);

} // namespace view
