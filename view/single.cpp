// One algorithm alone: its bars (or all its values in a table), its
// pseudocode with the line being run and its variables (beside the bars
// where the window is wide enough, in their place on c), its counters, and
// what the last step did and what it decides, in words, on two rows.
#include "draw.hpp"

#include "trace.hpp"
#include "utf8.hpp"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace view {

namespace {

using trace::Log;

constexpr int code_width = 34;
// The words of a step take two rows, always: a body that changed height from
// one step to the next would be drawn again whole.
constexpr int line_rows = 2;

// The variables ("i = 3  j = 1") from the row on, each whole: one that does
// not fit in the row goes to the next (g null: only counted). Gives the
// rows they take.
int put_variables(Grid *g, Box b, int row, const char *text) {
    int rows = 1, col = b.col;
    for (const char *p = text; *p != '\0';) {
        const char *end = strstr(p, "  ");
        int length = end != nullptr ? (int)(end - p) : (int)strlen(p);
        char one[64];
        snprintf(one, sizeof one, "%.*s", length, p);
        if (col > b.col && col + utf8_columns(one) > b.col + b.cols) {
            rows++;
            col = b.col;
        }
        if (g != nullptr)
            put_cut(g, b, col, row + rows - 1, one);
        col += utf8_columns(one) + 2;
        p = end != nullptr ? end + 2 : p + length;
    }
    return rows;
}

// The rows the variables take with their widest values, at every step
// alike, so that the code above them does not move.
int variable_rows(const Log *log, Box b) {
    const trace::Description &d = trace::describe(log->algorithm);
    int place = 1, element = 1;
    for (int k = log->n; k >= 10; k /= 10)
        place++;
    for (int p = 0; p < log->n; p++) {
        char text[32];
        label(log, p, text);
        element = std::max(element, utf8_columns(text));
    }
    char widest[160] = "";
    for (int q = 0; q < trace::variable_count(d); q++) {
        int length = (int)strlen(widest);
        snprintf(widest + length, sizeof widest - (size_t)length, "%s%s = %.*s", q > 0 ? "  " : "",
                 d.variables[q].name, d.variables[q].element ? element : place,
                 "0000000000000000000000000000000");
    }
    return put_variables(nullptr, b, 0, widest);
}

// The pseudocode, scrolled to keep the line being run in view, and under
// it the variables.
void draw_code(Grid *g, const Log *log, const Model *m, Box b) {
    const trace::Description &d = trace::describe(log->algorithm);
    char text[96] = "";
    if (m->done)
        snprintf(text, sizeof text, "Ordinati.");
    else if (m->last >= 0)
        variables_text(log, m, text, sizeof text);
    int lines = trace::code_lines(d);
    int room = b.rows - 1 - variable_rows(log, b);
    int first = lines > room ? std::clamp(m->line - room / 2, 0, lines - room) : 0;
    for (int l = first; l < lines && l - first < room; l++) {
        Style st;
        st.reverse = l == m->line;
        put_cut(g, b, b.col, b.row + l - first, d.code[l], st);
    }
    put_variables(g, b, b.row + std::min(lines, room) + 1, text);
}

// The values as bars, or in a table on v.
Slots draw_values(Grid *g, const View *v, const Log *log, const Model *m, Box b) {
    if (v->values)
        return draw_table(g, v, log, m, b);
    return draw_bars(g, v, log, m, b,
                     {.part = true,
                      .labels = true,
                      .marks = true,
                      .worked = true,
                      .copy = true,
                      .names = true,
                      .positions = true,
                      .least = 3,
                      .widest = 4});
}

// The bars and the pseudocode in the box between the title and the
// counters; gives the part of the values shown.
Slots draw_body(Grid *g, const View *v, const Log *log, const Model *m, Box body) {
    int cols = g->cols;
    if (cols - code_width - 1 >= std::max(2 * log->n, 24)) { // the pseudocode beside
        Box bars = {1, body.row, cols - code_width - 1, body.rows};
        for (int r = 0; r < body.rows; r++)
            put_cell(g, bars.cols + 1, body.row + r, U'│');
        draw_code(g, log, m, {cols - code_width + 1, body.row + 1, code_width, body.rows - 1});
        return draw_values(g, v, log, m, bars);
    }
    if (!v->code)
        return draw_values(g, v, log, m, body);
    draw_code(g, log, m, {2, body.row + 1, cols - 2, body.rows - 1});
    return {0, log->n, 1, 1, 1};
}

// The text in the box, broken at blanks into its rows; the last row cut.
void put_wrapped(Grid *g, Box b, const char *text, Style st) {
    const char *p = text;
    for (int r = 0; r < b.rows && *p != '\0'; r++) {
        const char *end = utf8_skip(p, b.cols);
        if (*end != '\0' && r < b.rows - 1) {
            const char *blank = end;
            while (blank > p && *blank != ' ')
                blank--;
            if (blank > p)
                end = blank;
        }
        char row[256];
        snprintf(row, sizeof row, "%.*s", (int)(end - p), p);
        put_text(g, b.col, b.row + r, row, st);
        p = end;
        while (*p == ' ')
            p++;
    }
}

// What the last step did, in words, flagged when it reordered equal values.
void step_line(const Log *log, const Model *m, char *line, int size, bool *flagged) {
    event_text(log, m, line, size);
    *flagged = m->last >= 0 && m->last == log->reordered_at;
    if (*flagged) {
        char x[32], y[32];
        label(log, log->reordered[0], x);
        label(log, log->reordered[1], y);
        int length = (int)strlen(line);
        snprintf(line + length, (size_t)(size - length), " ! %s e %s cambiano d'ordine.", x, y);
    }
}

// The counters on the row, then whether equal values were reordered (from
// the step that did it) or, at the end, kept in order.
void draw_counters(Grid *g, const View *v, const Log *log, const Model *m, int row) {
    char text[160];
    trace::steps_text(text, sizeof text, m->state.steps);
    int col = put_text(g, 2, row, text);
    Box whole = {1, 1, g->cols, g->rows};
    if (log->reordered_at >= 0 && m->last >= log->reordered_at) {
        char x[32], y[32];
        label(log, log->reordered[0], x);
        label(log, log->reordered[1], y);
        snprintf(text, sizeof text, "  %s e %s scambiati d'ordine all'evento %d", x, y,
                 log->reordered_at + 1);
        Style flag;
        flag.fg = v->colour ? flag_colour : plain;
        put_cut(g, whole, col, row, text, flag);
    } else if (m->done) {
        snprintf(text, sizeof text, "  stabile: %s", trace::stability(log));
        put_cut(g, whole, col, row, text);
    }
}

} // namespace

bool draw_single(const View *v, Grid *g, Drawn *drawn) {
    const Log *log = &v->logs[v->algorithm];
    Model m;
    model_at(log, v->pos, v->pos - 1, &m);
    char title[64];
    snprintf(title, sizeof title, "%d %s", v->algorithm + 1, trace::describe(v->algorithm).name);
    draw_frame(g, v, title);
    if (v->help) {
        draw_help(g);
        return true;
    }
    char line[320];
    bool flagged;
    step_line(log, &m, line, sizeof line, &flagged);
    Slots s = draw_body(g, v, log, &m, {1, 2, g->cols, g->rows - 3 - line_rows});
    draw_counters(g, v, log, &m, g->rows - 1 - line_rows);
    Style st;
    if (flagged) {
        st.fg = v->colour ? flag_colour : plain;
        st.reverse = true;
    }
    put_wrapped(g, {2, g->rows - line_rows, g->cols - 2, line_rows}, line, st);
    drawn->first = s.first;
    drawn->count = s.count;
    return true;
}

} // namespace view
