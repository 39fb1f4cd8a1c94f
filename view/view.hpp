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
    int speed = 10;    // steps a second
    bool code = false; // the pseudocode in place of the bars, where it does not fit beside
    bool help = false; // the list of keys
    bool colour = true;
    bool eighths = true; // bars in eighths of a cell, or in halves
};

// The race: each log at a tick stands before its comparison number tick + 1
// (at its end once it has made them all); the race ends one tick after the
// last comparison of the slowest, when the summary is shown.
int race_position(const trace::Log *log, int tick);
int race_end(const View *v);

// Moving: where the view is (pos or tick), its last step, and the step
// after the next end of a pass (or before the last one).
int current_step(const View *v);
int last_step(const View *v);
void go_to(View *v, int to);
int pass_forward(const View *v);
int pass_back(const View *v);

// Draws the view in a window of g's size (g cleared first). When the window
// is too small, draws nothing, gives false and the size needed.
bool draw(const View *v, Grid *g, int *need_cols, int *need_rows);

} // namespace view
