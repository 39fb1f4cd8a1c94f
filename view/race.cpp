// The race: one pane per algorithm racing, each a comparison at a time, in
// the roomiest layout the window takes; at its end, the summary that
// sort_trace prints.
#include "draw.hpp"

#include "trace.hpp"
#include "utf8.hpp"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace view {

namespace {

using trace::Log;

// The fewest rows of a race pane: its name, its counters, two rows of bars.
int counter_rows(int width) { return width >= 36 ? 1 : width >= 20 ? 2 : 3; }

// The three counters from the row on, each one on the next row when the
// box has no room for it.
void draw_counters(Grid *g, Box b, int row, trace::Steps st) {
    int col = b.col;
    for (int k = 0; k < 3; k++) {
        char part[24];
        int length = snprintf(part, sizeof part, "%s %d", trace::counter_names[k],
                              trace::counter_value(st, k));
        if (col > b.col && col + 2 + length > b.col + b.cols) {
            row++;
            col = b.col;
        } else if (col > b.col) {
            col += 2;
        }
        put_text(g, col, row, part);
        col += length;
    }
}

// A pane of the race: the name (and the part of the values shown, where not
// all are), the counters unless they stand in a table apart, the bars with
// their marks (and values and positions where there is room). Gives the
// part shown.
Slots draw_pane(Grid *g, const View *v, int k, Box b, bool counters) {
    const Log *log = &v->logs[k];
    Model m;
    int at = race_position(log, v->tick);
    int before = v->tick > 0 ? race_position(log, v->tick - 1) : at;
    model_at(log, at, before, &m);
    char title[64];
    snprintf(title, sizeof title, "%d %s%s", k + 1, trace::describe(log->algorithm).name,
             m.done ? ": fine" : "");
    Style st;
    st.reverse = true;
    for (int c = 0; c < b.cols; c++)
        put_cell(g, b.col + c, b.row, U' ', st);
    int used = 1;
    if (counters) {
        draw_counters(g, b, b.row + 1, m.state.steps);
        used += counter_rows(b.cols);
    }
    Box bars = {b.col, b.row + used, b.cols, b.rows - used};
    Slots s =
        draw_bars(g, v, log, &m, bars, {false, true, true, false, true, (bars.rows + 1) / 2, 3});
    int room = b.cols;
    if (s.count < log->n) {
        char part[48];
        part_text(s, log->n, part, sizeof part);
        if (utf8_columns(title) + 1 + utf8_columns(part) > b.cols)
            utf8_cut(strchr(part, ' '), 0); // "A[31…49]" without "di 100"
        room -= utf8_columns(part) + 1;
        put_text(g, b.col + b.cols - utf8_columns(part), b.row, part, st);
    }
    put_cut(g, {b.col, b.row, room, 1}, b.col, b.row, title, st);
    return s;
}

// sort_trace's summary of the algorithms racing; in a narrow window with
// their short names.
void draw_summary(Grid *g, const View *v, Box b) {
    int row = b.row;
    put_centred(g, b, row++, "Riepilogo sugli stessi dati");
    row++;
    char text[128];
    bool wide = b.cols >= 52;
    if (wide)
        trace::summary_heading(text, sizeof text);
    else
        snprintf(text, sizeof text, "%-11s%6s%10s%7s  %s", "", trace::counter_names[0],
                 trace::counter_names[1], trace::counter_names[2], "stabile");
    int col = b.col + centred(b.cols, wide ? 52 : 44);
    put_text(g, col, row++, text);
    for (int k = 0; k < trace::algorithm_count; k++) {
        if (!v->racing[k])
            continue;
        const Log *log = &v->logs[k];
        trace::Steps s = log->totals;
        if (wide)
            trace::summary_row(text, sizeof text, log);
        else
            snprintf(text, sizeof text, "%-11s%6d%10d%7d  %s",
                     trace::describe(log->algorithm).short_name, s.passes, s.comparisons,
                     s.exchanges, trace::stability(log));
        put_text(g, col, row++, text);
    }
    row++;
    put_cut(g, b, col, row++, "stabile: i valori uguali restano nell'ordine");
    put_cut(g, b, col, row, "in cui sono stati dati (- se nessuno si ripete).");
}

// How the panes stand: across a row, each width by height, a gap of rows
// between the rows of panes, and the counters in each pane or in a table
// of count rows under them (compact).
struct Panes {
    int count, across, width, height, gap;
    bool compact;
};

// The roomiest layout that fits: two panes a row, else one, each with its
// counters and a row between the rows of panes; else the same with the
// counters in a table under the panes and the rows of panes close. First
// with a column for every value in each pane; else with part of the values.
bool fit_panes(int count, int n, int cols, int rows, Panes *p) {
    for (int part = 0; part <= 1; part++)
        for (int compact = 0; compact <= 1; compact++)
            for (int across = count > 1 ? 2 : 1; across >= 1; across--) {
                int table = compact ? count : 0;
                int gap = compact ? 0 : 1;
                int down = (count + across - 1) / across;
                int width = (cols - (across - 1)) / across;
                int height = (rows - 2 - table - (down - 1) * gap) / down;
                int least = compact ? 1 + 1 + 1 : 1 + counter_rows(width) + 2 + 1;
                if ((part || width >= n) && height >= least) {
                    *p = {count, across, width, height, gap, compact != 0};
                    return true;
                }
            }
    return false;
}

// The panes, and the table of counters under them when compact; gives the
// part of the values the first pane shows.
Slots draw_panes(Grid *g, const View *v, const int *racing, const Panes &p) {
    Slots first;
    for (int q = 0; q < p.count; q++) {
        Box b = {1 + (q % p.across) * (p.width + 1), 2 + (q / p.across) * (p.height + p.gap),
                 p.width, p.height};
        Slots s = draw_pane(g, v, racing[q], b, !p.compact);
        if (q == 0)
            first = s;
    }
    if (!p.compact)
        return first;
    for (int q = 0; q < p.count; q++) {
        const Log *log = &v->logs[racing[q]];
        trace::State s;
        trace::replay(log, race_position(log, v->tick), &s);
        char text[96];
        int length = snprintf(text, sizeof text, "%d ", racing[q] + 1);
        trace::steps_text(text + length, (int)sizeof text - length, s.steps);
        put_cut(g, {1, 1, g->cols, g->rows}, 1, g->rows - p.count + q, text);
    }
    return first;
}

} // namespace

bool draw_race(const View *v, Grid *g, Drawn *drawn) {
    int n = v->logs[0].n;
    int racing[trace::algorithm_count];
    int count = 0;
    char title[64] = "Gara:";
    for (int k = 0; k < trace::algorithm_count; k++)
        if (v->racing[k]) {
            racing[count++] = k;
            snprintf(title + strlen(title), 8, " %d", k % 10 + 1);
        }
    Panes p;
    if (v->help || v->tick >= race_end(v)) {
        draw_frame(g, v, title);
        if (v->help)
            draw_help(g);
        else
            draw_summary(g, v, {1, 3, g->cols, g->rows - 3});
    } else if (fit_panes(count, n, g->cols, g->rows, &p)) {
        draw_frame(g, v, title);
        Slots s = draw_panes(g, v, racing, p);
        drawn->first = s.first;
        drawn->count = s.count;
    } else { // the least: two panes a row, close, with the table
        int across = count > 1 ? 2 : 1;
        drawn->need_rows = std::max(2 + count + 3 * ((count + across - 1) / across), min_rows);
        return false;
    }
    return true;
}

} // namespace view
