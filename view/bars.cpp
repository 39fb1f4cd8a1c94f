// The bars of a log: a bar per value shown, in eighths (or halves) of a
// cell, positive ones up from the zero line and negative ones down; the
// slots they stand in and, when the values do not all fit, the part of the
// array shown, which follows the step.
#include "draw.hpp"

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

// How high the bars stand: up rows above the zero line for the values above
// 0 (the largest, top, fills them), down rows below it for those under 0
// (down to bottom).
struct Heights {
    float top, bottom;
    int up, down;
};

// The rows above and below the zero line, in proportion to the largest
// value each side, at least one each side that has values.
Heights split_rows(const Log *log, int height) {
    Heights h = {0, 0, height, 0};
    for (int k = 0; k < log->n; k++) {
        h.top = std::max(h.top, log->values[k]);
        h.bottom = std::min(h.bottom, log->values[k]);
    }
    if (h.bottom >= 0)
        return h;
    h.up = 0;
    if (h.top > 0)
        h.up = std::max((int)((float)height * (h.top / (h.top - h.bottom)) + 0.5f), 1);
    h.down = height - h.up;
    if (h.down < 1 && height > 1) {
        h.down = 1;
        h.up = height - 1;
    }
    return h;
}

// The bar of value x, its first column col, from the zero line after row
// row0 + up - 1.
void draw_bar(Grid *g, const View *v, const Heights &h, const Slots &s, float x, int col, int row0,
              Style st) {
    bool positive = x > 0;
    int rows = positive ? h.up : h.down;
    float range = positive ? h.top : -h.bottom;
    int eighths = 0;
    if (x != 0 && rows > 0 && range > 0)
        eighths = std::max((int)((positive ? x : -x) / range * (float)(rows * 8) + 0.5f), 1);
    for (int r = 0; r < rows; r++) {
        Cell c = block(std::clamp(eighths - 8 * r, 0, 8), positive, v->eighths, st);
        int row = positive ? row0 + h.up - 1 - r : row0 + h.up + r;
        for (int d = 0; d < s.bar; d++)
            put_cell(g, col + d, row, c.ch, c.style);
    }
}

// A slot per value, as wide as the box allows; where there are more values
// than columns, a column each for the part shown.
Slots slots_of(const View *v, const Log *log, const Model *m, Box b, int widest) {
    int n = log->n;
    Slots s;
    s.count = std::min(n, b.cols);
    s.w = s.count > 0 ? b.cols / s.count : 1;
    s.first = s.count < n ? part_first(v, log, m, s.count) : 0;
    s.x0 = b.col + (b.cols - s.count * s.w) / 2;
    s.bar = s.w == 1 ? 1 : std::min(s.w - 1, widest);
    return s;
}

} // namespace

int part_first(const View *v, const Log *log, const Model *m, int count) {
    int last_first = std::max(log->n - count, 0);
    if (v->part >= 0)
        return std::min(v->part, last_first);
    int half = std::max(count / 2, 1);
    int focus = m->hi - m->lo < count ? (m->lo + m->hi) / 2 : m->lead;
    // The page whose middle half holds the focus; then both ends of the
    // step's places in it, when they fit.
    int from = focus - count / 4;
    int first = (from >= 0 ? from / half : -((-from + half - 1) / half)) * half;
    if (m->hi - m->lo < count)
        first = std::clamp(first, m->hi - count + 1, m->lo);
    return std::clamp(first, 0, last_first);
}

int slot_middle(const Slots &s, int k) { return s.x0 + (k - s.first) * s.w + (s.w - 1) / 2; }

int under_slot(const Slots &s, Box b, int k, int length) {
    int col = slot_middle(s, k) - (length - 1) / 2;
    return std::max(std::min(col, b.col + b.cols - length), b.col);
}

Slots draw_bars(Grid *g, const View *v, const Log *log, const Model *m, Box b, Below below) {
    Slots s = slots_of(v, log, m, b, below.widest);
    if (s.count == 0)
        return s;
    Box bars = draw_around(g, v, log, m, s, b, below);
    Heights h = split_rows(log, bars.rows);
    for (int k = s.first; k < s.first + s.count; k++)
        draw_bar(g, v, h, s, trace::value_at(log, &m->state, k),
                 s.x0 + (k - s.first) * s.w + (s.w - s.bar) / 2, bars.row, colour_of(v, m, k));
    return s;
}

} // namespace view
