// All the values as a table, "A[12] = 3.5b" in columns down the box, each in
// the colour of its bar: for values too many or too wide to stand under the
// bars. Where the table does not hold them all, it shows a page of them,
// with the place where the step works or the part chosen by hand, and says
// which.
#include "draw.hpp"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace view {

namespace {

void entry(const trace::Log *log, const Model *m, int k, char *text, int size) {
    char value[32];
    label(log, m->state.order[k], value);
    snprintf(text, (size_t)size, "A[%d] = %s", trace::shown_place(k), value);
}

} // namespace

Slots draw_table(Grid *g, const View *v, const trace::Log *log, const Model *m, Box b) {
    int n = log->n, width = 1;
    char text[64];
    for (int k = 0; k < n; k++) {
        entry(log, m, k, text, sizeof text);
        width = std::max(width, (int)strlen(text) + 2);
    }
    int across = std::max((b.cols + 2) / width, 1);
    int down = b.rows;
    if (across * down < n) // a row to say which page
        down--;
    Slots s = {0, std::min(n, across * down), b.col, width, 0};
    if (s.count < n) {
        s.first = part_first(v, log, m, s.count);
        part_text(s, n, text, sizeof text);
        put_cut(g, b, b.col, b.row + down, text);
    }
    for (int q = 0; q < s.count; q++) {
        int k = s.first + q;
        entry(log, m, k, text, sizeof text);
        put_cut(g, b, b.col + q / down * width, b.row + q % down, text, colour_of(v, m, k));
    }
    return s;
}

} // namespace view
