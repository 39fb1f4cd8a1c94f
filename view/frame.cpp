// The frame of every screen (the title row with where the view is, the row
// of keys), the list of keys, the text helpers the screens share, and the
// view drawn: one algorithm alone or the race. Nothing here writes to the
// terminal: the same view and window give the same grid.
#include "draw.hpp"

#include "utf8.hpp"

#include <stdio.h>
#include <string.h>

#include <algorithm>

namespace view {

namespace {

// The keys, each line within 38 columns so that all of them fit a window of
// 40 x 12 between the title and the status line.
const char *const help_lines[] = {
    "spazio      avvia / pausa",
    "→ n  ← p    un passo avanti / indietro",
    "PagGiù/Su   fine passo dopo / prima",
    "Inizio Fine l'inizio / la fine",
    "+ -         più / meno veloce",
    "1-%d         algoritmo, o chi corre",
    "a           gara / un algoritmo solo",
    "c  v        pseudocodice / valori",
    "< >         sposta la parte mostrata",
    "r  Ctrl-L   nuovi valori / ridisegna",
};

// What the kinds of generated values show, under the keys where the window
// has room for them.
const char *const lesson_lines[] = {
    "-g, i valori per le lezioni:",
    "ordinati    quick sort, caso peggiore",
    "ripetuti    chi è stabile e chi no",
};

// The keys that fit in the row, the most useful first; the last two always.
// What space does is what it will do now. The row leaves the window's last
// column alone: a terminal may scroll when its last cell is written.
void keys_row(const View *v, int cols, char *status, int size) {
    char algorithms[24];
    snprintf(algorithms, sizeof algorithms, "1-%d %s", trace::algorithm_count,
             v->race ? "in gara" : "algoritmo");
    const char *const keys[] = {v->playing ? "spazio pausa" : "spazio avvia",
                                v->race ? "←→ confronto" : "←→ evento",
                                algorithms,
                                "a gara",
                                "+- velocità",
                                "PagGiù/Su passo",
                                "Inizio/Fine"};
    const char *const always = "? tasti  q esci";
    status[0] = '\0';
    int used = utf8_columns(always); // from column 2
    for (const char *key : keys) {
        int length = utf8_columns(key);
        if (used + length + 2 > cols - 2)
            break;
        snprintf(status + strlen(status), (size_t)size - strlen(status), "%s  ", key);
        used += length + 2;
    }
    snprintf(status + strlen(status), (size_t)size - strlen(status), "%s", always);
}

} // namespace

int centred(int width, int length) { return width > length ? (width - length) / 2 : 0; }

void put_centred(Grid *g, Box b, int row, const char *text, Style st) {
    put_text(g, b.col + centred(b.cols, utf8_columns(text)), row, text, st);
}

void put_cut(Grid *g, Box b, int col, int row, const char *text, Style st) {
    char cut[256];
    snprintf(cut, sizeof cut, "%s", text);
    utf8_cut(cut, b.cols - (col - b.col));
    put_text(g, col, row, cut, st);
}

namespace {

// The text of a value, kept by the value's bits: value_text tries nine
// precisions, and a frame labels up to 100 places in each of eight panes.
int kept_value_text(float v, char *text) {
    static struct {
        unsigned bits;
        int length; // 0: none kept
        char text[24];
    } kept[256];
    unsigned bits;
    memcpy(&bits, &v, sizeof bits);
    auto &k = kept[(bits * 2654435761u) >> 24];
    if (k.length == 0 || k.bits != bits) {
        k.length = value_text(v, k.text);
        k.bits = bits;
    }
    memcpy(text, k.text, sizeof k.text);
    return k.length;
}

} // namespace

void label(const trace::Log *log, int p, char *text) {
    int length = kept_value_text(log->values[p], text);
    int r = trace::repeat_index(log->values, log->n, p); // below capacity
    if (r >= 0)
        text[length++] = (char)('a' + r % 26);
    if (r >= 26)
        text[length++] = (char)('0' + r / 26 % 10);
    text[length] = '\0';
}

Style colour_of(const View *v, const Model *m, int k) {
    Style st;
    if (!v->colour)
        return st;
    st.fg = m->flagged[k]    ? flag_colour
            : m->moved[k]    ? moved_colour
            : m->compared[k] ? compared_colour
            : m->placed[k]   ? placed_colour
                             : normal_colour;
    return st;
}

void draw_frame(Grid *g, const View *v, const char *title) {
    char right[64];
    int step = current_step(v), last = last_step(v);
    snprintf(right, sizeof right, "%s %d/%d  %s %d/s", v->race ? "confronto" : "evento", step, last,
             v->playing ? "►" : "pausa", v->speed);
    int cols = g->cols;
    Style bar;
    bar.reverse = true;
    for (int c = 1; c <= cols; c++)
        put_cell(g, c, 1, U' ', bar);
    int length = utf8_columns(right);
    if (utf8_columns(title) + length + 4 > cols) { // without the words
        snprintf(right, sizeof right, "%d/%d %s %d/s", step, last, v->playing ? "►" : "‖",
                 v->speed);
        length = utf8_columns(right);
    }
    put_text(g, cols - length, 1, right, bar);
    put_cut(g, {2, 1, cols - length - 3, 1}, 2, 1, title, bar);
    char status[256] = "un tasto qualsiasi chiude l'elenco";
    if (!v->help)
        keys_row(v, cols, status, sizeof status);
    put_cut(g, {2, g->rows, cols - 2, 1}, 2, g->rows, status);
}

void draw_help(Grid *g) {
    Box b = {2, 2, g->cols - 2, g->rows - 2};
    const int keys = sizeof help_lines / sizeof help_lines[0];
    const int lessons = sizeof lesson_lines / sizeof lesson_lines[0];
    for (int l = 0; l < keys && l < b.rows; l++) {
        char line[64];
        snprintf(line, sizeof line, help_lines[l], trace::algorithm_count);
        put_cut(g, b, 2, 2 + l, line);
    }
    for (int l = 0; l < lessons && keys + 1 + lessons <= b.rows; l++)
        put_cut(g, b, 2, 2 + keys + 1 + l, lesson_lines[l]);
}

bool draw(const View *v, Grid *g, Drawn *drawn) {
    int cols = g->cols, rows = g->rows;
    clear_grid(g, cols, rows);
    *drawn = {};
    if (cols < min_cols || rows < min_rows)
        return false;
    bool ok = v->race ? draw_race(v, g, drawn) : draw_single(v, g, drawn);
    if (!ok)
        clear_grid(g, cols, rows);
    return ok;
}

} // namespace view
