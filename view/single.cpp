// One algorithm alone: its bars, its pseudocode with the line being run and
// its variables (beside the bars where the window is wide enough, in their
// place on c), its counters, and what the last step did, in words.
#include "draw.hpp"

#include "trace.hpp"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace view {

namespace {

using trace::Event;
using trace::Log;

constexpr int code_width = 34;

// What a comparison or an exchange did; the insertion sort's are with its
// key, held apart, and shifts.
void step_text(const Log *log, const Model *m, const Event &ev, char *text, int size) {
    char x[32], y[32];
    bool shifts = trace::describe(log->algorithm).shifts;
    label(log, m->state.order[ev.i], x);
    label(log, m->state.order[ev.j], y);
    if (ev.kind == trace::compared_event && shifts)
        snprintf(text, (size_t)size, "Confronto A[%d] = %s con la chiave %s.", ev.i, x, y);
    else if (ev.kind == trace::compared_event)
        snprintf(text, (size_t)size, "Confronto A[%d] = %s e A[%d] = %s.", ev.i, x, ev.j, y);
    else if (shifts)
        snprintf(text, (size_t)size, "A[%d] = %s passa in A[%d].", ev.i, y, ev.j);
    else if (ev.i == ev.j)
        snprintf(text, (size_t)size, "Scambio A[%d] con se stesso.", ev.i);
    else
        snprintf(text, (size_t)size, "Scambio A[%d] e A[%d].", ev.i, ev.j);
}

// What the last step did, in words.
void event_text(const Log *log, const Model *m, char *text, int size) {
    text[0] = '\0';
    if (m->last < 0) {
        snprintf(text, (size_t)size, "Inizio: i valori come sono stati dati.");
        return;
    }
    const Event &ev = log->events[m->last];
    if (ev.kind == trace::pass_event)
        snprintf(text, (size_t)size, "Fine del passo %d.", m->state.steps.passes);
    else if (ev.kind == trace::compared_event || ev.kind == trace::exchanged_event)
        step_text(log, m, ev, text, size);
}

// "i = 2  j = 0  chiave = 5a": each variable, an element by its label.
void variables_text(const Log *log, const Model *m, char *text, int size) {
    const trace::Description &d = trace::describe(log->algorithm);
    text[0] = '\0';
    for (int q = 0; q < trace::variable_count(d); q++) {
        int value = m->variables.value[q];
        char shown[32];
        if (d.variables[q].element)
            label(log, m->state.order[value < log->n ? value : 0], shown);
        else
            snprintf(shown, sizeof shown, "%d", value);
        int length = (int)strlen(text);
        snprintf(text + length, (size_t)(size - length), "%s%s = %s", q > 0 ? "  " : "",
                 d.variables[q].name, shown);
    }
}

// The pseudocode, scrolled to keep the line being run in view, and under
// it the variables.
void draw_code(Grid *g, const Log *log, const Model *m, Box b) {
    const trace::Description &d = trace::describe(log->algorithm);
    int lines = trace::code_lines(d);
    int room = b.rows - 2;
    int first = lines > room ? std::clamp(m->line - room / 2, 0, lines - room) : 0;
    for (int l = first; l < lines && l - first < room; l++) {
        Style st;
        st.reverse = l == m->line;
        put_cut(g, b, b.col, b.row + l - first, d.code[l], st);
    }
    char text[96] = "";
    if (m->done)
        snprintf(text, sizeof text, "Ordinati.");
    else if (m->last >= 0)
        variables_text(log, m, text, sizeof text);
    put_cut(g, b, b.col, b.row + std::min(lines, room) + 1, text);
}

// The bars and the pseudocode between the frame's rows and the counters.
void draw_body(Grid *g, const View *v, const Log *log, const Model *m) {
    int cols = g->cols;
    Box body = {1, 2, cols, g->rows - 4};
    Below below = {true, true, true, 4};
    if (cols - code_width - 1 >= std::max(2 * log->n, 24)) { // the pseudocode beside
        Box bars = {1, 2, cols - code_width - 1, body.rows};
        for (int r = 0; r < body.rows; r++)
            put_cell(g, bars.cols + 1, 2 + r, U'│');
        draw_bars(g, v, log, m, bars, below);
        draw_code(g, log, m, {cols - code_width + 1, 3, code_width, body.rows - 1});
    } else if (v->code) {
        draw_code(g, log, m, {2, 3, cols - 2, body.rows - 1});
    } else {
        draw_bars(g, v, log, m, body, below);
    }
}

// The two rows above the keys: the counters, then whether equal values
// were reordered (from the step that did it) or, at the end, kept in order;
// last, what the last step did, flagged when it reordered equal values.
void draw_notes(Grid *g, const View *v, const Log *log, const Model *m) {
    int cols = g->cols, rows = g->rows;
    char text[160], x[32] = "", y[32] = "";
    trace::steps_text(text, sizeof text, m->state.steps);
    int col = put_text(g, 2, rows - 2, text);
    if (log->reordered_at >= 0) {
        label(log, log->reordered[0], x);
        label(log, log->reordered[1], y);
    }
    Style flag;
    flag.fg = v->colour ? flag_colour : plain;
    bool reordered = log->reordered_at >= 0 && m->last >= log->reordered_at;
    if (reordered) {
        snprintf(text, sizeof text, "  %s e %s scambiati d'ordine all'evento %d", x, y,
                 log->reordered_at + 1);
        put_cut(g, {1, 1, cols, rows}, col, rows - 2, text, flag);
    } else if (m->done) {
        snprintf(text, sizeof text, "  stabile: %s", trace::stability(log));
        put_cut(g, {1, 1, cols, rows}, col, rows - 2, text);
    }
    event_text(log, m, text, sizeof text);
    if (m->last >= 0 && m->last == log->reordered_at) {
        char line[256];
        snprintf(line, sizeof line, "%s ! %s e %s cambiano d'ordine.", text, x, y);
        flag.reverse = true;
        put_cut(g, {1, 1, cols - 1, rows}, 2, rows - 1, line, flag);
    } else {
        put_cut(g, {1, 1, cols - 1, rows}, 2, rows - 1, text);
    }
}

} // namespace

bool draw_single(const View *v, Grid *g, int *need_cols) {
    const Log *log = &v->logs[v->algorithm];
    if (g->cols < log->n) {
        *need_cols = log->n;
        return false;
    }
    Model m;
    model_at(log, v->pos, v->pos - 1, &m);
    char title[64];
    snprintf(title, sizeof title, "%d %s", v->algorithm + 1, trace::describe(v->algorithm).name);
    draw_frame(g, v, title);
    if (v->help) {
        draw_help(g);
        return true;
    }
    draw_body(g, v, log, &m);
    draw_notes(g, v, log, &m);
    return true;
}

} // namespace view
