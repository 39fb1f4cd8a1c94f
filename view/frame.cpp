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

const char *const help_lines[] = {
    "spazio      avvia / ferma",
    "→ n  ← p    avanti / indietro di uno",
    "PagGiù/Su   alla fine del passo dopo / prima",
    "Inizio Fine l'inizio / la fine",
    "+ -         più / meno veloce, 1-1000/s",
    "1 2 3 4     l'algoritmo; in gara: chi corre",
    "a           la gara / un algoritmo solo",
    "c           lo pseudocodice, se non sta a lato",
    "r           nuovi valori dello stesso tipo",
    "Ctrl-L      ridisegna     ? questi tasti",
    "q Esc       esci",
};

// The keys that fit in the row, the last two always.
void keys_row(const View *v, int cols, char *status) {
    const char *const keys[] = {"spazio avvia",    v->race ? "←→ confronto" : "←→ evento",
                                "PagGiù/Su passo", "Inizio/Fine",
                                "1-4 algoritmo",   "a gara",
                                "+- velocità"};
    const char *const always = "? tasti  q esci";
    status[0] = '\0';
    int used = (int)strlen(always) + 1;
    for (const char *key : keys) {
        int length = utf8_columns(key);
        if (used + length + 2 > cols - 1)
            break;
        strcat(status, key);
        strcat(status, "  ");
        used += length + 2;
    }
    strcat(status, always);
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

void label(const trace::Log *log, int p, char *text) {
    int length = value_text(log->values[p], text);
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
    char status[256];
    keys_row(v, cols, status);
    put_text(g, 2, g->rows, status);
}

void draw_help(Grid *g) {
    for (int l = 0; l < (int)(sizeof help_lines / sizeof help_lines[0]); l++)
        put_cut(g, {2, 2, g->cols - 2, g->rows - 2}, 2, 2 + l, help_lines[l]);
}

bool draw(const View *v, Grid *g, int *need_cols, int *need_rows) {
    int cols = g->cols, rows = g->rows;
    clear_grid(g, cols, rows);
    *need_cols = min_cols;
    *need_rows = min_rows;
    if (cols < min_cols || rows < min_rows) {
        *need_cols = std::max(v->logs[0].n, min_cols);
        return false;
    }
    bool ok = v->race ? draw_race(v, g, need_cols, need_rows) : draw_single(v, g, need_cols);
    if (!ok)
        clear_grid(g, cols, rows);
    return ok;
}

} // namespace view
