// What the files that draw the view share: the colours of the bars, boxes
// of the window, text put into a box, the labels of values, the slots of the
// bars and the rows under them, the words of a step, the frame and the help.
// Each screen (single.cpp, race.cpp) draws with these.
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

// The first of count places shown of the n of the log: where the view put
// the part by hand, or else where the step works, on pages of half the part
// so that it moves seldom.
int part_first(const View *v, const trace::Log *log, const Model *m, int count);

// Where the bars stand: the places shown, first to first + count - 1, a slot
// of w columns for each from column x0, a bar of bar columns in the middle.
struct Slots {
    int first, count, x0, w, bar;
};

// The column of the middle of place k's slot, and where a text of length
// columns stands centred under it, kept within the box.
int slot_middle(const Slots &s, int k);
int under_slot(const Slots &s, Box b, int k, int length);

// The rows asked for below the bars: the part shown (where not all is), the
// values, the marks of what the last steps did, the part worked on (a
// merge's, a partition's, the heap) and the copy a merge made of it, the
// names of the variables that point at places, the positions; the fewest
// rows of bars, which rows below give way to (positions, names, the second
// row of values, the part worked on, the copy, values, marks, part shown, in
// this order).
struct Below {
    bool part, labels, marks, worked, copy, names, positions;
    int least;
    int widest; // bar: wide bars cost bytes at every change of colour
};

// The bars of a log in the box: a bar per value shown over its slot,
// positive ones up from the zero line and negative ones down, with the rows
// around them. Gives the slots.
Slots draw_bars(Grid *g, const View *v, const trace::Log *log, const Model *m, Box b, Below below);

// Draws the rows asked for around the bars that leave them their fewest
// rows: the part shown above them; under them the values (in one row, in two
// alternate rows, or only those the step works on, never touching), the
// marks, the part worked on, the copy, the names, the positions. Gives the
// box left to the bars.
Box draw_around(Grid *g, const View *v, const trace::Log *log, const Model *m, const Slots &s,
                Box b, Below below);

// All the values in a table in the box, each in the colour of its bar: the
// page with the part shown. Gives the part it shows.
Slots draw_table(Grid *g, const View *v, const trace::Log *log, const Model *m, Box b);

// "A[31…68] di 100": the part of the array shown.
void part_text(const Slots &s, int n, char *text, int size);

// What the last step did and its outcome, in words; the variables with their
// values ("i = 3  j = 1  chiave = 5a").
void event_text(const trace::Log *log, const Model *m, char *text, int size);
void variables_text(const trace::Log *log, const Model *m, char *text, int size);

// The two rows that frame every screen: the title with where the view is,
// and the keys.
void draw_frame(Grid *g, const View *v, const char *title);
// The list of keys, in place of the body.
void draw_help(Grid *g);

bool draw_single(const View *v, Grid *g, Drawn *drawn);
bool draw_race(const View *v, Grid *g, Drawn *drawn);

} // namespace view
