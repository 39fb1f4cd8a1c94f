// The rows around the bars: above them the part of the array shown, when
// not all of it is; under them the values, never touching (in one row, in
// two alternate rows, or only those the step works on), the marks of what
// the last steps did, the part of the array worked on and the copy a merge
// made of it, the names of the variables at their places and the positions,
// from 1.
#include "draw.hpp"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace view {

namespace {

using trace::Log;

// The labels of the places shown, and their lengths (0: none there): of the
// array, or of the copy a merge made (B).
struct Labels {
    bool copy;
    char text[trace::capacity][32];
    int length[trace::capacity];
};

void make_labels(const Log *log, const Model *m, const Slots &s, Labels *l) {
    l->copy = false;
    for (int q = 0; q < s.count; q++) {
        label(log, m->state.order[s.first + q], l->text[q]);
        l->length[q] = (int)strlen(l->text[q]);
    }
}

// The copy's values still to be taken back: those of the part that no
// write-back since the part was copied has taken.
void make_copy_labels(const Log *log, const Model *m, const Slots &s, Labels *l) {
    bool taken[trace::capacity] = {};
    for (int e = m->last; e >= 0 && log->events[e].kind != trace::part_event; e--)
        if (log->events[e].kind == trace::moved_event)
            taken[log->events[e].i] = true;
    l->copy = true;
    const trace::Variables &v = m->variables;
    for (int q = 0; q < s.count; q++) {
        int k = s.first + q;
        l->length[q] = 0;
        if (k < v.part_from || k > v.part_to || taken[k])
            continue;
        label(log, m->state.aside[k], l->text[q]);
        l->length[q] = (int)strlen(l->text[q]);
    }
}

// Whether the labels of the places shown, every step-th from offset from,
// stand in a row with a blank between neighbours.
bool labels_fit(const Slots &s, Box b, const Labels &l, int from, int step) {
    int free_from = b.col;
    for (int q = from; q < s.count; q += step) {
        if (l.length[q] == 0)
            continue;
        int col = under_slot(s, b, s.first + q, l.length[q]);
        if (col < free_from || l.length[q] > b.cols)
            return false;
        free_from = col + l.length[q] + 1;
    }
    return true;
}

// Whether the step works on place k (of the copy, with copy): it compared or
// moved the value there, or a variable points at it.
bool works_on(const Model *m, int k, bool copy) {
    if (copy ? m->copy_compared[k] : m->compared[k] || m->moved[k] || m->flagged[k])
        return true;
    for (int at : m->variables.at)
        if (at == k)
            return true;
    return false;
}

// The colour of a label: of the array, its bar's; of the copy, compared or
// not (in reverse video without colours).
Style label_colour(const View *v, const Model *m, int k, bool copy) {
    if (!copy)
        return colour_of(v, m, k);
    Style st;
    if (v->colour)
        st.fg = m->copy_compared[k] ? compared_colour : normal_colour;
    else
        st.reverse = m->copy_compared[k];
    return st;
}

// A row of labels: of every step-th place shown from offset from, or with
// working of those the step works on; one that would touch the one before
// it is left out. Gives the columns of the first and last drawn, if any.
void draw_labels(Grid *g, const View *v, const Model *m, const Slots &s, Box b, const Labels &l,
                 int row, int from, int step, bool working, int *first = nullptr,
                 int *end = nullptr) {
    int free_from = b.col;
    for (int q = from; q < s.count; q += step) {
        int k = s.first + q;
        if (l.length[q] == 0 || (working && !works_on(m, k, l.copy)))
            continue;
        int col = under_slot(s, b, k, l.length[q]);
        if (col < free_from)
            continue;
        put_text(g, col, row, l.text[q], label_colour(v, m, k, l.copy));
        if (first != nullptr && free_from == b.col)
            *first = col;
        free_from = col + l.length[q] + 1;
        if (end != nullptr)
            *end = free_from - 1;
    }
}

// The copy a merge made, B, under the part: the values still to be taken,
// all or those the step works on, named B on their left, or else on their
// right.
void draw_copy(Grid *g, const View *v, const Log *log, const Model *m, const Slots &s, Box b,
               int row) {
    Labels l;
    make_copy_labels(log, m, s, &l);
    int first = -1, end = -1;
    draw_labels(g, v, m, s, b, l, row, 0, 1, !labels_fit(s, b, l, 0, 1), &first, &end);
    if (first - 2 >= b.col)
        put_text(g, first - 2, row, "B");
    else if (end >= 0 && end + 2 <= b.col + b.cols - 1)
        put_text(g, end + 2, row, "B");
}

// The part worked on under its places, "└───┘", a merge's two parts apart;
// a side beyond the places shown stays open.
void draw_bracket(Grid *g, const Slots &s, int from, int to, int row) {
    int last = s.first + s.count - 1;
    if (to < s.first || from > last)
        return;
    int bar = s.x0 + (s.w - s.bar) / 2; // the first column of the first bar shown
    int left = bar + (std::max(from, s.first) - s.first) * s.w;
    int right = bar + (std::min(to, last) - s.first) * s.w + s.bar - 1;
    for (int col = left; col <= right; col++)
        put_cell(g, col, row, U'─');
    if (left == right && from >= s.first && to <= last)
        put_cell(g, left, row, U'┴');
    else {
        if (from >= s.first)
            put_cell(g, left, row, U'└');
        if (to <= last)
            put_cell(g, right, row, U'┘');
    }
}

void draw_worked(Grid *g, const Model *m, const Slots &s, int row) {
    const trace::Variables &v = m->variables;
    if (v.part_split < 0) {
        draw_bracket(g, s, v.part_from, v.part_to, row);
        return;
    }
    draw_bracket(g, s, v.part_from, v.part_split, row);
    draw_bracket(g, s, v.part_split + 1, v.part_to, row);
}

// The part in place underlined; the marks: ! equal values reordered, *
// moved, ^ compared.
void draw_marks(Grid *g, const View *v, const Model *m, const Slots &s, int row) {
    for (int k = s.first; k < s.first + s.count; k++) {
        Style st = colour_of(v, m, k);
        int col = s.x0 + (k - s.first) * s.w;
        if (m->placed[k])
            for (int d = 0; d < s.w; d++)
                put_cell(g, col + d, row, U'─', st);
        char32_t mark = m->flagged[k] ? U'!' : m->moved[k] ? U'*' : m->compared[k] ? U'^' : 0;
        if (mark != 0)
            put_cell(g, slot_middle(s, k), row, mark, st);
    }
}

// The names of the variables that point at place k, joined by commas.
void names_at(const trace::Description &d, const Model *m, int k, char *text, int size) {
    text[0] = '\0';
    for (int q = 0; q < trace::variable_count(d); q++)
        if (m->variables.at[q] == k) {
            int length = (int)strlen(text);
            snprintf(text + length, (size_t)(size - length), "%s%s", length > 0 ? "," : "",
                     d.variables[q].name);
        }
}

// The variables under the places they point at; a name that would cover
// another is left out.
void draw_names(Grid *g, const Log *log, const Model *m, const Slots &s, Box b, int row) {
    if (m->done)
        return;
    const trace::Description &d = trace::describe(log->algorithm);
    int free_from = b.col;
    for (int k = s.first; k < s.first + s.count; k++) {
        char text[64];
        names_at(d, m, k, text, sizeof text);
        int length = (int)strlen(text);
        if (length == 0)
            continue;
        int col = under_slot(s, b, k, length);
        if (col < free_from)
            continue;
        put_text(g, col, row, text);
        free_from = col + length + 1;
    }
}

// The positions, from 1, of the places shown that are multiples of step:
// whether they stand apart, each drawn when g is given; the column of the
// first, or the box's end.
bool put_positions(Grid *g, const Slots &s, Box b, int row, int step, int *first_col) {
    int free_from = b.col;
    *first_col = b.col + b.cols;
    for (int k = s.first; k < s.first + s.count; k++) {
        if (trace::shown_place(k) % step != 0)
            continue;
        char text[8];
        int length = snprintf(text, sizeof text, "%d", trace::shown_place(k));
        int col = under_slot(s, b, k, length);
        if (col < free_from)
            return false;
        if (g != nullptr)
            put_text(g, col, row, text);
        free_from = col + length + 1;
        *first_col = std::min(*first_col, col);
    }
    return true;
}

// The positions of each place, or where they would touch of every 2nd, 5th,
// 10th... place; and of the first place shown when it stands clear of them.
void draw_positions(Grid *g, const Slots &s, Box b, int row) {
    const int steps[] = {1, 2, 5, 10, 20, 50, 100};
    int first_col;
    for (int step : steps)
        if (put_positions(nullptr, s, b, row, step, &first_col)) {
            put_positions(g, s, b, row, step, &first_col);
            char text[8];
            int length = snprintf(text, sizeof text, "%d", trace::shown_place(s.first));
            int col = under_slot(s, b, s.first, length);
            if (col + length < first_col)
                put_text(g, col, row, text);
            return;
        }
}

// The rows around the bars: the part above them, the rows of values (with
// working, one row of those the step works on), marks, the part worked on,
// the copy, names and positions under them.
struct Around {
    int part, labels, marks, worked, copy, names, positions;
    bool working;
    int rows() const { return part + labels + marks + worked + copy + names + positions; }
};

// Whether the algorithm works on parts of the array (it logs them, or its
// variables mark one from the start, as the heap), and whether it compares
// in the copy of one (a merge): then their rows stand at every step, so that
// the bars keep their height.
bool has_parts(const Log *log, const Model *m) {
    return trace::describe(log->algorithm).line_of[trace::part_event] >= 0 ||
           m->variables.part_from >= 0;
}

bool has_copy(const Log *log) { return trace::describe(log->algorithm).words.aside; }

// The rows asked for, the values in as few rows as hold them apart; then
// those that give way so that the bars keep their fewest rows.
Around rows_around(const Log *log, const Model *m, const Slots &s, Box b, Below below,
                   const Labels &l) {
    Around a = {below.part && s.count < log->n,
                below.labels,
                below.marks,
                below.worked && has_parts(log, m),
                below.copy && has_copy(log),
                below.names,
                below.positions,
                false};
    if (a.labels && !labels_fit(s, b, l, 0, 1)) {
        a.working = !labels_fit(s, b, l, 0, 2) || !labels_fit(s, b, l, 1, 2);
        a.labels = a.working ? 1 : 2;
    }
    auto short_of = [&] { return b.rows - a.rows() < below.least; };
    if (short_of())
        a.positions = 0;
    if (short_of())
        a.names = 0;
    if (short_of() && a.labels == 2) {
        a.labels = 1;
        a.working = true;
    }
    int *give_way[] = {&a.worked, &a.copy, &a.labels, &a.marks, &a.part};
    for (int *rows : give_way)
        if (short_of())
            *rows = 0;
    return a;
}

} // namespace

void part_text(const Slots &s, int n, char *text, int size) {
    snprintf(text, (size_t)size, "A[%d…%d] di %d", trace::shown_place(s.first),
             trace::shown_place(s.first + s.count - 1), n);
}

Box draw_around(Grid *g, const View *v, const Log *log, const Model *m, const Slots &s, Box b,
                Below below) {
    Labels l;
    make_labels(log, m, s, &l);
    Around a = rows_around(log, m, s, b, below, l);
    if (a.part) {
        char text[64], line[80];
        part_text(s, log->n, text, sizeof text);
        snprintf(line, sizeof line, "< %s >", text);
        put_centred(g, b, b.row, line);
    }
    int row = b.row + b.rows - (a.rows() - a.part);
    for (int r = 0; r < a.labels; r++)
        draw_labels(g, v, m, s, b, l, row++, a.working ? 0 : r, a.labels, a.working);
    if (a.marks)
        draw_marks(g, v, m, s, row++);
    if (a.worked)
        draw_worked(g, m, s, row++);
    if (a.copy && m->variables.copied)
        draw_copy(g, v, log, m, s, b, row);
    row += a.copy;
    if (a.names)
        draw_names(g, log, m, s, b, row++);
    if (a.positions)
        draw_positions(g, s, b, row);
    return {b.col, b.row + a.part, b.cols, b.rows - a.rows()};
}

} // namespace view
