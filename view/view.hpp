// What sort_view shows, as a value: the logs of the same numbers, the
// algorithm shown or the ones racing, the position in the log (or on the
// race's clock) and the settings of the screen. Drawing is a function of it
// and of the window's size; the keys only change it.
#pragma once

#include "grid.hpp"
#include "record.hpp"

namespace view {

// The smallest window the view is drawn in.
constexpr int min_cols = 40;
constexpr int min_rows = 12;

struct View {
    const trace::Log *logs = nullptr; // algorithm_count logs of the same values
    trace::Algorithm algorithm = trace::simple_bubble_sort; // the one shown alone
    bool race = false;
    bool racing[trace::algorithm_count] = {};
    int pos = 0;  // events applied of the log shown alone
    int tick = 0; // comparisons made by each algorithm in the race
    bool playing = false;
    int speed = 2;       // steps a second
    bool code = false;   // the pseudocode in place of the bars, where it does not fit beside
    bool values = false; // all the values in a table, in place of the bars
    int part = -1;       // the first place shown where not all are, moved by hand; -1: the
                         // part follows the step
    bool help = false;   // the list of keys
    bool colour = true;
    bool eighths = true; // bars in eighths of a cell, or in halves
};

// The race: each log at a tick stands before its comparison number tick + 1
// (at its end once it has made them all); the race ends at the tick of the
// last comparison of the slowest, where the summary is shown.
int race_position(const trace::Log *log, int tick);
int race_end(const View *v);

// Moving: where the view is (pos or tick), its last step, and the step
// after the next end of a pass (or before the last one). A move lets the
// part shown follow the step again.
int current_step(const View *v);
int last_step(const View *v);
void go_to(View *v, int to);
int pass_forward(const View *v);
int pass_back(const View *v);

// What a drawing tells: the size the window needs when it is too small, and
// the part of the array shown (places first to first + count - 1; of the
// first pane in the race).
struct Drawn {
    int need_cols = min_cols, need_rows = min_rows;
    int first = 0, count = 0;
};

// Moves the part shown by half of it, towards the end (direction 1) or the
// start (-1), from the part drawn.
void move_part(View *v, const Drawn &drawn, int direction);

// Draws the view in a window of g's size (g cleared first). When the window
// is too small, draws nothing and gives false.
bool draw(const View *v, Grid *g, Drawn *drawn);

} // namespace view
