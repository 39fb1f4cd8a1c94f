// What the files that draw the view share: the colours of the bars, boxes
// of the window, text put into a box, the labels of values, the bars, the
// frame and the help. Each screen (single.cpp, race.cpp) draws with these.
#pragma once

#include "model.hpp"
#include "view.hpp"

namespace view {

// Palette colours of the bars.
constexpr signed char normal_colour = 3;    // cyan
constexpr signed char compared_colour = 14; // yellow
constexpr signed char moved_colour = 12;    // light red
constexpr signed char placed_colour = 10;   // light green
constexpr signed char flag_colour = 13;     // light magenta: equal values change order

// A part of the window: its first column and row, its size.
struct Box {
    int col, row, cols, rows;
};

int centred(int width, int length);
void put_centred(Grid *g, Box b, int row, const char *text, Style st = {});
// A text cut to the box's width.
void put_cut(Grid *g, Box b, int col, int row, const char *text, Style st = {});

// The value at position p as given, with a letter when it repeats: the
// first 5 is "5a", the second "5b".
void label(const trace::Log *log, int p, char *text);

// The colour of the value at place k: what the last steps did to it, or
// whether it is in place.
Style colour_of(const View *v, const Model *m, int k);

// The rows asked for below the bars: the values, the marks of what the last
// steps did, the names of the variables that point at places.
struct Below {
    bool labels, marks, names;
    int widest; // bar: wide bars cost bytes at every change of colour
};

// The bars of a log in the box: a bar per value over its slot, positive
// ones up from the zero line and negative ones down, then the rows below.
void draw_bars(Grid *g, const View *v, const trace::Log *log, const Model *m, Box b, Below below);

// The two rows that frame every screen: the title with where the view is,
// and the keys.
void draw_frame(Grid *g, const View *v, const char *title);
// The list of keys, in place of the body.
void draw_help(Grid *g);

bool draw_single(const View *v, Grid *g, int *need_cols);
bool draw_race(const View *v, Grid *g, int *need_cols, int *need_rows);

} // namespace view
