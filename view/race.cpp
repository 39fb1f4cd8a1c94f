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
    Slots s = draw_bars(g, v, log, &m, bars,
                        {.part = false,
                         .labels = true,
                         .marks = true,
                         .worked = false,
                         .copy = false,
                         .names = false,
                         .positions = true,
                         .least = (bars.rows + 1) / 2,
                         .widest = 3});
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
// their short names, in a short one without its title and its legend.
void draw_summary(Grid *g, const View *v, Box b, int count) {
    // The heading and a row each; the title and a blank row take 2 more, the
    // legend with a blank row before it 3 more.
    int rows = 1 + count;
    bool title = b.rows >= 2 + rows, legend = b.rows >= 2 + rows + 3;
    int row = b.row + (b.rows >= 1 + 2 + rows + 3); // a row apart from the title bar
    if (title) {
        put_centred(g, b, row++, "Riepilogo sugli stessi dati");
        row++;
    }
    char text[128];
    bool wide = b.cols >= 52;
    if (wide)
        trace::summary_heading(text, sizeof text);
    else
        snprintf(text, sizeof text, "%-10s%5s%10s%7s %s", "", trace::counter_names[0],
                 trace::counter_names[1], trace::counter_names[2], "stabile");
    int col = b.col + centred(b.cols, wide ? 52 : 40);
    put_text(g, col, row++, text);
    for (int k = 0; k < trace::algorithm_count; k++) {
        if (!v->racing[k])
            continue;
        const Log *log = &v->logs[k];
        trace::Steps s = log->totals;
        if (wide)
            trace::summary_row(text, sizeof text, log);
        else
            snprintf(text, sizeof text, "%-10s%5d%10d%7d %s",
                     trace::describe(log->algorithm).short_name, s.passes, s.comparisons,
                     s.exchanges, trace::stability(log));
        put_text(g, col, row++, text);
    }
    if (!legend)
        return;
    row++;
    put_cut(g, b, col, row++, "stabile: i valori uguali restano nell'ordine");
    put_cut(g, b, col, row, "in cui sono stati dati (- se nessuno si ripete).");
}

// The table of the counters under close panes: a row for each algorithm
// racing ("5 passi 1  confronti 4  scambi 2"), two a row where they fit;
// else the counters alone in columns under their names, two a row where
// those fit; else one a row. Each entry width columns, three between; its
// columns do not move while the race runs, being as wide as the race's
// last counters need.
struct Table {
    int across, width;
    bool heading;
    int rows(int count) const { return heading + (count + across - 1) / across; }
};

// The entry of the algorithm k with its counters, in a table with or
// without the heading.
void counters_entry(int k, trace::Steps steps, bool heading, char *text, int size) {
    int length = snprintf(text, (size_t)size, "%d ", k + 1);
    if (heading)
        snprintf(text + length, (size_t)(size - length), "%5d %9d %6d", steps.passes,
                 steps.comparisons, steps.exchanges);
    else
        trace::steps_text(text + length, size - length, steps);
}

// The table that the window's columns take.
Table table_of(const View *v, const int *racing, int count, int cols) {
    Table t = {1, 0, false};
    for (bool heading : {false, true}) {
        t.heading = heading;
        t.width = 0;
        for (int q = 0; q < count; q++) {
            char text[96];
            counters_entry(racing[q], v->logs[racing[q]].totals, heading, text, sizeof text);
            t.width = std::max(t.width, (int)strlen(text));
        }
        if (cols >= 2 * t.width + 3) {
            t.across = 2;
            return t;
        }
    }
    t.heading = false; // one a row, as wide as the window allows
    t.width = cols;
    return t;
}

// The table on the rows above the status line, with the counters at the tick.
void draw_table_of_counters(Grid *g, const View *v, const int *racing, int count, Table t) {
    int row = g->rows - t.rows(count);
    for (int c = 0; c < t.across && t.heading; c++) {
        char text[64];
        snprintf(text, sizeof text, "  %5s %9s %6s", trace::counter_names[0],
                 trace::counter_names[1], trace::counter_names[2]);
        put_text(g, 1 + c * (t.width + 3), row, text);
    }
    row += t.heading;
    for (int q = 0; q < count; q++) {
        const Log *log = &v->logs[racing[q]];
        trace::State s;
        trace::replay(log, race_position(log, v->tick), &s);
        char text[96];
        counters_entry(racing[q], s.steps, t.heading, text, sizeof text);
        int col = 1 + q % t.across * (t.width + 3);
        put_cut(g, {col, 1, t.width, 1}, col, row + q / t.across, text);
    }
}

// How the panes stand: shown of the count racing, across a row, each width
// by height, a gap of rows between the rows of panes, and the counters in
// each pane or in a table under them (compact).
struct Panes {
    int count, shown, across, width, height, gap;
    bool compact;
    Table table;
    int table_rows() const { return compact ? table.rows(count) : 0; }
};

// Whether shown panes fit as p asks for its across, compact and part (each
// pane narrower than the values); sets the rest of p.
bool panes_fit(int n, int cols, int rows, bool part, Panes *p) {
    int down = (p->shown + p->across - 1) / p->across;
    p->gap = p->compact ? 0 : 1;
    p->width = (cols - (p->across - 1)) / p->across;
    p->height = (rows - 2 - p->table_rows() - (down - 1) * p->gap) / down;
    int least = p->compact ? 1 + 1 + 1 : 1 + counter_rows(p->width) + 2 + 1;
    return (part || p->width >= n) && p->height >= least;
}

// The roomiest layout that fits: a pane for each algorithm racing, two a
// row, else one, each with its counters and a row between the rows of
// panes; else the same with the counters in a table under the panes and the
// rows of panes close. First with a column for every value in each pane;
// else with part of the values. Where all do not fit, the panes of the first
// ones racing that fit, the counters of all in the table; where none does,
// the table alone.
Panes fit_panes(int count, int n, int cols, int rows, Table table) {
    Panes p = {count, 0, 1, cols, 0, 0, true, table};
    for (p.shown = count; p.shown >= 1; p.shown--)
        for (int part = 0; part <= 1; part++)
            for (int compact = 0; compact <= 1; compact++)
                for (p.across = p.shown > 1 ? 2 : 1; p.across >= 1; p.across--) {
                    p.compact = compact != 0 || p.shown < count;
                    if (panes_fit(n, cols, rows, part != 0, &p))
                        return p;
                }
    p = {count, 0, 1, cols, 0, 0, true, table};
    return p;
}

// The panes, and the table of counters under them when compact; gives the
// part of the values the first pane shows.
Slots draw_panes(Grid *g, const View *v, const int *racing, const Panes &p) {
    Slots first = {0, 0, 1, 1, 1};
    for (int q = 0; q < p.shown; q++) {
        Box b = {1 + (q % p.across) * (p.width + 1), 2 + (q / p.across) * (p.height + p.gap),
                 p.width, p.height};
        Slots s = draw_pane(g, v, racing[q], b, !p.compact);
        if (q == 0)
            first = s;
    }
    if (p.compact)
        draw_table_of_counters(g, v, racing, p.count, p.table);
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
    draw_frame(g, v, title);
    if (v->help) {
        draw_help(g);
        return true;
    }
    if (v->tick >= race_end(v)) {
        draw_summary(g, v, {1, 2, g->cols, g->rows - 2}, count);
        return true;
    }
    Panes p = fit_panes(count, n, g->cols, g->rows, table_of(v, racing, count, g->cols));
    if (2 + p.table_rows() > g->rows) {
        drawn->need_rows = std::max(2 + p.table_rows(), min_rows);
        return false;
    }
    Slots s = draw_panes(g, v, racing, p);
    drawn->first = s.first;
    drawn->count = s.count;
    return true;
}

} // namespace view
