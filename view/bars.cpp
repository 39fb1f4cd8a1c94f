// The bars of a log: a bar per value, in eighths (or halves) of a cell,
// positive ones up from the zero line and negative ones down; under them the
// values, the marks of what the last steps did and the names of the
// variables at their places.
#include "draw.hpp"

#include <string.h>

#include <algorithm>

namespace view {

namespace {

using trace::Log;

// The glyph of a cell filled k eighths from its bottom (up) or its top.
Cell block(int k, bool up, bool eighths, Style st) {
    if (!eighths)
        k = k == 0 ? 0 : k <= 5 ? 4 : 8;
    if (k <= 0)
        return {U' ', {}};
    if (k >= 8)
        return {U'█', st};
    if (up)
        return {(char32_t)(U'▀' + k), st}; // U+2581 to U+2587
    if (k == 4)
        return {U'▀', st};
    // From the top: the block that leaves the rest, in reverse video.
    st.reverse = true;
    return {(char32_t)(U'▀' + 8 - k), st};
}

// Where the bars stand: a slot of w columns per value from column x0, a bar
// of bar columns in the middle of each; up rows above the zero line for the
// values above 0 (the largest, top, fills them), down rows below it for
// those under 0 (down to bottom).
struct Layout {
    int x0, w, bar;
    float top, bottom;
    int up, down;
};

// The rows above and below the zero line, in proportion to the largest
// value each side, at least one each side that has values.
void split_rows(Layout *l, int height) {
    l->up = height;
    l->down = 0;
    if (l->bottom >= 0)
        return;
    l->up = 0;
    if (l->top > 0)
        l->up = std::max((int)((float)height * (l->top / (l->top - l->bottom)) + 0.5f), 1);
    l->down = height - l->up;
    if (l->down < 1 && height > 1) {
        l->down = 1;
        l->up = height - 1;
    }
}

// The bar of value x, its first column col, from the zero line after row
// row0 + up - 1.
void draw_bar(Grid *g, const View *v, const Layout &l, float x, int col, int row0, Style st) {
    bool positive = x > 0;
    int rows = positive ? l.up : l.down;
    float range = positive ? l.top : -l.bottom;
    int eighths = 0;
    if (x != 0 && rows > 0 && range > 0)
        eighths = std::max((int)((positive ? x : -x) / range * (float)(rows * 8) + 0.5f), 1);
    for (int r = 0; r < rows; r++) {
        Cell c = block(std::clamp(eighths - 8 * r, 0, 8), positive, v->eighths, st);
        int row = positive ? row0 + l.up - 1 - r : row0 + l.up + r;
        for (int d = 0; d < l.bar; d++)
            put_cell(g, col + d, row, c.ch, c.style);
    }
}

void draw_labels(Grid *g, const View *v, const Log *log, const Model *m, const Layout &l, int row) {
    for (int k = 0; k < log->n; k++) {
        char text[32];
        label(log, m->state.order[k], text);
        int length = (int)strlen(text);
        if (length <= l.w)
            put_text(g, l.x0 + k * l.w + centred(l.w, length), row, text, colour_of(v, m, k));
    }
}

// The part in place underlined; the marks: ! equal values reordered, *
// moved, ^ compared.
void draw_marks(Grid *g, const View *v, const Log *log, const Model *m, const Layout &l, int row) {
    for (int k = 0; k < log->n; k++) {
        Style st = colour_of(v, m, k);
        if (m->placed[k])
            for (int d = 0; d < l.w; d++)
                put_cell(g, l.x0 + k * l.w + d, row, U'─', st);
        char32_t mark = m->flagged[k] ? U'!' : m->moved[k] ? U'*' : m->compared[k] ? U'^' : 0;
        if (mark != 0)
            put_cell(g, l.x0 + k * l.w + (l.w - 1) / 2, row, mark, st);
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
void draw_names(Grid *g, const Log *log, const Model *m, Box b, const Layout &l, int row) {
    if (m->done)
        return;
    const trace::Description &d = trace::describe(log->algorithm);
    int free_from = 0;
    for (int k = 0; k < log->n; k++) {
        char text[64];
        names_at(d, m, k, text, sizeof text);
        int length = (int)strlen(text);
        if (length == 0)
            continue;
        int col = std::max(l.x0 + k * l.w + (l.w - 1) / 2 - (length - 1) / 2, free_from);
        if (col + length - 1 > b.col + b.cols - 1)
            col = b.col + b.cols - length;
        if (col < free_from)
            continue;
        put_text(g, col, row, text);
        free_from = col + length + 1;
    }
}

} // namespace

void draw_bars(Grid *g, const View *v, const Log *log, const Model *m, Box b, Below below) {
    int n = log->n;
    int w = n > 0 ? b.cols / n : b.cols;
    if (n == 0 || w < 1)
        return;
    Layout l;
    l.x0 = b.col + (b.cols - n * w) / 2;
    l.w = w;
    l.bar = w == 1 ? 1 : std::min(w - 1, below.widest);
    l.top = l.bottom = 0;
    for (int k = 0; k < n; k++) {
        l.top = std::max(l.top, log->values[k]);
        l.bottom = std::min(l.bottom, log->values[k]);
    }
    int height = b.rows - below.labels - below.marks - below.names;
    split_rows(&l, height);
    for (int k = 0; k < n; k++)
        draw_bar(g, v, l, trace::value_at(log, &m->state, k), l.x0 + k * w + (w - l.bar) / 2, b.row,
                 colour_of(v, m, k));
    int row = b.row + height;
    if (below.labels)
        draw_labels(g, v, log, m, l, row++);
    if (below.marks)
        draw_marks(g, v, log, m, l, row++);
    if (below.names)
        draw_names(g, log, m, b, l, row);
}

} // namespace view
