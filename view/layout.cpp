// The view drawn into a grid: one algorithm with its bars, the indices it
// works with, its pseudocode and its counters; or the race, one pane per
// algorithm, and its summary at the end. Nothing here writes to the
// terminal: the same view and window give the same grid.
#include "trace.hpp"
#include "view.hpp"

#include <stdio.h>
#include <string.h>

namespace {

// Palette colours of the bars.
constexpr signed char normal_colour = 3;    // cyan
constexpr signed char compared_colour = 14; // yellow
constexpr signed char moved_colour = 12;    // light red
constexpr signed char placed_colour = 10;   // light green
constexpr signed char flag_colour = 13;     // light magenta: equal values change order

const char *const short_names[algorithm_count] = {"Bubble", "Con limite", "Selettivo", "Insertion"};

// The algorithms as pseudocode, indices from 0 as in the code.
const char *const code[algorithm_count][9] = {
    {"per passo da 0 a n-2:", "  per j da n-1 giù a 1:", "    se A[j-1] > A[j]:",
     "      scambia A[j-1] e A[j]"},
    {"limite = 0", "ripeti:", "  ultimo = 0",
     "  per i da n-1 giù a limite+1:", "    se A[i-1] > A[i]:", "      scambia A[i-1] e A[i]",
     "      ultimo = i", "  limite = ultimo", "finché ultimo ≠ 0"},
    {"per i da 0 a n-2:", "  m = i", "  per j da i+1 a n-1:", "    se A[j] < A[m]: m = j",
     "  scambia A[i] e A[m]"},
    {"per i da 1 a n-1:", "  chiave = A[i]; j = i-1",
     "  finché j ≥ 0 e A[j] > chiave:", "    A[j+1] = A[j]; j = j-1", "  A[j+1] = chiave"},
};
const int code_lines[algorithm_count] = {4, 9, 5, 5};
// The line that each kind of event runs: comparison, exchange, end of a pass.
const int event_line[algorithm_count][3] = {{2, 3, 0}, {4, 5, 7}, {3, 4, 0}, {2, 3, 4}};
constexpr int code_width = 34;

// A log seen at a position: the array, the counts, what the last steps did,
// the part in place and the algorithm's variables (-1 where unset).
struct Look {
    State s;
    bool compared[capacity];
    bool moved[capacity];
    bool placed[capacity];
    bool flagged[capacity]; // equal values that changed order in the last steps
    bool done;
    int line;
    int i, j, m, bound, mark, key;
    int last; // the last event applied, -1 at the start
};

void look_at(const Log *log, int p, int from, Look *lk) {
    int n = log->n;
    Algorithm a = log->algorithm;
    p = p < 0 ? 0 : p > log->count ? log->count : p;
    from = from < 0 ? 0 : from > p ? p : from;
    State &s = lk->s;
    for (int k = 0; k < n; k++) {
        s.order[k] = k;
        lk->compared[k] = lk->moved[k] = lk->placed[k] = lk->flagged[k] = false;
    }
    s.steps = {0, 0, 0};
    lk->i = a == insertion_sort ? 1 : 0;
    lk->j = -1;
    lk->m = 0;
    lk->bound = lk->mark = 0;
    lk->key = 1;
    // The variables of a pass stay as its end left them until the next pass
    // starts, with its first comparison.
    bool pass_over = false;
    for (int e = 0; e < p; e++) {
        const Event &ev = log->events[e];
        bool seen = e >= from;
        if (ev.kind == compared_event) {
            s.steps.comparisons++;
            if (pass_over) {
                lk->i = s.steps.passes + (a == insertion_sort ? 1 : 0);
                lk->m = lk->key = lk->i;
                lk->mark = 0;
                pass_over = false;
            }
            if (a == simple_bubble_sort || a == bounded_bubble_sort)
                (a == simple_bubble_sort ? lk->j : lk->i) = ev.j;
            else
                lk->j = ev.i;
            if (a == selection_sort && value_at(log, &s, ev.i) < value_at(log, &s, ev.j))
                lk->m = ev.i;
            if (seen)
                lk->compared[ev.i] = lk->compared[ev.j] = true;
        } else if (ev.kind == exchanged_event) {
            s.steps.exchanges++;
            int t = s.order[ev.i];
            s.order[ev.i] = s.order[ev.j];
            s.order[ev.j] = t;
            lk->mark = ev.j;
            if (a == insertion_sort) {
                lk->key = ev.i;
                lk->j = ev.i - 1;
            }
            if (seen)
                lk->moved[ev.i] = lk->moved[ev.j] = true;
            if (seen && e == log->reordered_at)
                for (int k = 0; k < n; k++)
                    lk->flagged[k] =
                        s.order[k] == log->reordered[0] || s.order[k] == log->reordered[1];
        } else {
            s.steps.passes++;
            pass_over = true;
            if (a == bounded_bubble_sort) {
                lk->i = lk->bound; // where the pass stopped
                lk->bound = lk->mark;
            }
        }
    }
    lk->done = p == log->count;
    lk->last = p - 1;
    lk->line = p > 0 && !lk->done ? event_line[a][log->events[p - 1].kind] : -1;
    int passes = s.steps.passes;
    for (int k = 0; k < n; k++) {
        bool in_place = a == simple_bubble_sort || a == selection_sort ? k < passes
                        : a == bounded_bubble_sort                     ? k < lk->bound
                        : p == 0                                       ? false
                        : pass_over                                    ? k <= lk->i
                                                                       : k <= lk->i && k != lk->key;
        lk->placed[k] = lk->done || in_place;
    }
}

// The value at position p as given, with a letter when it repeats: the
// first 5 is "5a", the second "5b".
void label(const Log *log, int p, char *text) {
    int length = value_text(log->values[p], text);
    int r = repeat_index(log->values, log->n, p); // below capacity
    if (r >= 0)
        text[length++] = (char)('a' + r % 26);
    if (r >= 26)
        text[length++] = (char)('0' + r / 26 % 10);
    text[length] = '\0';
}

Style colour_of(const View *v, const Look *lk, int k) {
    Style st;
    if (!v->colour)
        return st;
    st.fg = lk->flagged[k]    ? flag_colour
            : lk->moved[k]    ? moved_colour
            : lk->compared[k] ? compared_colour
            : lk->placed[k]   ? placed_colour
                              : normal_colour;
    return st;
}

struct Box {
    int col, row, cols, rows;
};

int columns_of(const char *text) {
    int columns = 0;
    for (const char *c = text; *c != '\0'; c++)
        columns += ((unsigned char)*c & 0xc0) != 0x80;
    return columns;
}

int centred(int width, int length) { return width > length ? (width - length) / 2 : 0; }

void put_centred(Grid *g, Box b, int row, const char *text, Style st = {}) {
    int length = 0;
    for (const char *c = text; *c != '\0'; c++)
        length += ((unsigned char)*c & 0xc0) != 0x80;
    put_text(g, b.col + centred(b.cols, length), row, text, st);
}

// A text cut to the box's width.
void put_cut(Grid *g, Box b, int col, int row, const char *text, Style st = {}) {
    char cut[256];
    snprintf(cut, sizeof cut, "%s", text);
    int columns = 0;
    for (char *c = cut; *c != '\0'; c++)
        if (((unsigned char)*c & 0xc0) != 0x80 && ++columns > b.cols - (col - b.col)) {
            *c = '\0';
            break;
        }
    put_text(g, col, row, cut, st);
}

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

// The bars of a log in the box: a bar per value over its slot, positive
// ones up from the zero line and negative ones down, then the rows asked
// for below: the values, the marks of what the last steps did, the names of
// the indices. Gives false when the values need more columns than the box.
struct Below {
    bool labels, marks, names;
    int widest; // bar: wide bars cost bytes at every change of colour
};

int slot_width(int cols, int n) { return n > 0 ? cols / n : cols; }

void draw_bars(Grid *g, const View *v, const Log *log, const Look *lk, Box b, Below below) {
    int n = log->n;
    int w = slot_width(b.cols, n);
    if (n == 0 || w < 1)
        return;
    int bar = w == 1 ? 1 : w - 1 > below.widest ? below.widest : w - 1;
    int x0 = b.col + (b.cols - n * w) / 2;
    int extra = below.labels + below.marks + below.names;
    int height = b.rows - extra;
    float top = 0, bottom = 0;
    for (int k = 0; k < n; k++) {
        float x = log->values[k];
        top = x > top ? x : top;
        bottom = x < bottom ? x : bottom;
    }
    int up = height, down = 0;
    if (bottom < 0) {
        up = top > 0 ? (int)((float)height * (top / (top - bottom)) + 0.5f) : 0;
        up = top > 0 && up < 1 ? 1 : up;
        down = height - up;
        if (down < 1 && height > 1) {
            down = 1;
            up = height - 1;
        }
    }
    for (int k = 0; k < n; k++) {
        float x = value_at(log, &lk->s, k);
        Style st = colour_of(v, lk, k);
        int col = x0 + k * w + (w - bar) / 2;
        bool positive = x > 0;
        int rows = positive ? up : down;
        float range = positive ? top : -bottom;
        int eighths = 0;
        if (x != 0 && rows > 0 && range > 0) {
            eighths = (int)((positive ? x : -x) / range * (float)(rows * 8) + 0.5f);
            eighths = eighths < 1 ? 1 : eighths;
        }
        for (int r = 0; r < rows; r++) {
            int fill = eighths - 8 * r;
            fill = fill < 0 ? 0 : fill > 8 ? 8 : fill;
            Cell c = block(fill, positive, v->eighths, st);
            int row = positive ? b.row + up - 1 - r : b.row + up + r;
            for (int d = 0; d < bar; d++)
                put_cell(g, col + d, row, c.ch, c.style);
        }
    }
    int row = b.row + height;
    if (below.labels) {
        for (int k = 0; k < n; k++) {
            char text[32];
            label(log, lk->s.order[k], text);
            int length = (int)strlen(text);
            if (length <= w)
                put_text(g, x0 + k * w + centred(w, length), row, text, colour_of(v, lk, k));
        }
        row++;
    }
    if (below.marks) {
        for (int k = 0; k < n; k++) {
            Style st = colour_of(v, lk, k);
            if (lk->placed[k])
                for (int d = 0; d < w; d++)
                    put_cell(g, x0 + k * w + d, row, U'─', st);
            char32_t mark = lk->flagged[k]    ? U'!'
                            : lk->moved[k]    ? U'*'
                            : lk->compared[k] ? U'^'
                                              : 0;
            if (mark != 0)
                put_cell(g, x0 + k * w + (w - 1) / 2, row, mark, st);
        }
        row++;
    }
    if (below.names) {
        // The indices of the algorithm, each under its place; names at the
        // same place are joined, and a name that would cover another is left
        // out.
        Algorithm a = log->algorithm;
        struct {
            const char *name;
            int at;
        } names[3] = {};
        int count = 0;
        if (!lk->done) {
            if (a == simple_bubble_sort) {
                names[count++] = {"j", lk->j};
            } else if (a == bounded_bubble_sort) {
                names[count++] = {"i", lk->i > 0 ? lk->i : -1};
                names[count++] = {"limite", lk->bound};
            } else if (a == selection_sort) {
                names[count++] = {"i", lk->i};
                names[count++] = {"j", lk->j};
                names[count++] = {"m", lk->m};
            } else {
                names[count++] = {"i", lk->i};
                names[count++] = {"j", lk->j};
                names[count++] = {"chiave", lk->key};
            }
        }
        int free_from = 0;
        for (int k = 0; k < n; k++) {
            char text[32] = "";
            for (int q = 0; q < count; q++)
                if (names[q].at == k) {
                    if (text[0] != '\0')
                        strcat(text, ",");
                    strcat(text, names[q].name);
                }
            int length = (int)strlen(text);
            if (length == 0)
                continue;
            int col = x0 + k * w + (w - 1) / 2 - (length - 1) / 2;
            col = col < free_from ? free_from : col;
            if (col + length - 1 > b.col + b.cols - 1)
                col = b.col + b.cols - length;
            if (col < free_from)
                continue;
            put_text(g, col, row, text);
            free_from = col + length + 1;
        }
    }
}

void steps_text(char *text, int size, Steps st) {
    snprintf(text, (size_t)size, "passi %d  confronti %d  scambi %d", st.passes, st.comparisons,
             st.exchanges);
}

// What the last step did, in words.
void event_text(const Log *log, const Look *lk, char *text, int size) {
    if (lk->last < 0) {
        snprintf(text, (size_t)size, "Inizio: i valori come sono stati dati.");
        return;
    }
    const Event &ev = log->events[lk->last];
    Algorithm a = log->algorithm;
    char x[32], y[32];
    if (ev.kind == pass_event) {
        snprintf(text, (size_t)size, "Fine del passo %d.", lk->s.steps.passes);
    } else if (a == insertion_sort && ev.kind == compared_event) {
        label(log, lk->s.order[ev.i], x);
        label(log, lk->s.order[ev.j], y);
        snprintf(text, (size_t)size, "Confronto A[%d] = %s con la chiave %s.", ev.i, x, y);
    } else if (a == insertion_sort) {
        label(log, lk->s.order[ev.j], x);
        snprintf(text, (size_t)size, "A[%d] = %s passa in A[%d].", ev.i, x, ev.j);
    } else if (ev.kind == compared_event) {
        label(log, lk->s.order[ev.i], x);
        label(log, lk->s.order[ev.j], y);
        snprintf(text, (size_t)size, "Confronto A[%d] = %s e A[%d] = %s.", ev.i, x, ev.j, y);
    } else if (ev.i == ev.j) {
        snprintf(text, (size_t)size, "Scambio A[%d] con se stesso.", ev.i);
    } else {
        snprintf(text, (size_t)size, "Scambio A[%d] e A[%d].", ev.i, ev.j);
    }
}

void variables_text(const Log *log, const Look *lk, char *text, int size) {
    char key[32];
    switch (log->algorithm) {
    case simple_bubble_sort:
        snprintf(text, (size_t)size, "passo = %d  j = %d", lk->i, lk->j);
        break;
    case bounded_bubble_sort:
        snprintf(text, (size_t)size, "limite = %d  ultimo = %d  i = %d", lk->bound, lk->mark,
                 lk->i);
        break;
    case selection_sort:
        snprintf(text, (size_t)size, "i = %d  j = %d  m = %d", lk->i, lk->j, lk->m);
        break;
    case insertion_sort:
        label(log, lk->s.order[lk->key < log->n ? lk->key : 0], key);
        snprintf(text, (size_t)size, "i = %d  j = %d  chiave = %s", lk->i, lk->j, key);
        break;
    }
}

void draw_code(Grid *g, const Log *log, const Look *lk, Box b) {
    Algorithm a = log->algorithm;
    int lines = code_lines[a];
    int room = b.rows - 2;
    int first = 0;
    if (lines > room) {
        first = lk->line - room / 2;
        first = first < 0 ? 0 : first > lines - room ? lines - room : first;
    }
    for (int l = first; l < lines && l - first < room; l++) {
        Style st;
        st.reverse = l == lk->line;
        put_cut(g, b, b.col, b.row + l - first, code[a][l], st);
    }
    char text[96] = "";
    if (lk->done)
        snprintf(text, sizeof text, "Ordinati.");
    else if (lk->last >= 0)
        variables_text(log, lk, text, sizeof text);
    put_cut(g, b, b.col, b.row + (lines < room ? lines : room) + 1, text);
}

// The fewest rows of a race pane: its name, its counters, two rows of bars.
int counter_rows(int width) { return width >= 36 ? 1 : width >= 20 ? 2 : 3; }

void draw_counters(Grid *g, Box b, int row, Steps st) {
    char parts[3][24];
    snprintf(parts[0], sizeof parts[0], "passi %d", st.passes);
    snprintf(parts[1], sizeof parts[1], "confronti %d", st.comparisons);
    snprintf(parts[2], sizeof parts[2], "scambi %d", st.exchanges);
    int col = b.col;
    for (const char *part : parts) {
        int length = (int)strlen(part);
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

// A pane of the race: the name, the counters unless they stand in a table
// apart, the bars with their marks (and values where there is room).
void draw_pane(Grid *g, const View *v, Algorithm k, Box b, bool counters) {
    const Log *log = &v->logs[k];
    Look lk;
    int at = race_position(log, v->tick);
    int before = v->tick > 0 ? race_position(log, v->tick - 1) : at;
    look_at(log, at, before, &lk);
    char title[64];
    snprintf(title, sizeof title, "%d %s%s", k + 1, algorithm_name(k), lk.done ? ": fine" : "");
    Style st;
    st.reverse = true;
    for (int c = 0; c < b.cols; c++)
        put_cell(g, b.col + c, b.row, U' ', st);
    put_cut(g, b, b.col, b.row, title, st);
    int used = 1;
    if (counters) {
        draw_counters(g, b, b.row + 1, lk.s.steps);
        used += counter_rows(b.cols);
    }
    Box bars = {b.col, b.row + used, b.cols, b.rows - used};
    bool labels = bars.rows >= 5;
    draw_bars(g, v, log, &lk, bars, {labels, true, false, 3});
}

void draw_summary(Grid *g, const View *v, Box b) {
    int row = b.row;
    put_centred(g, b, row++, "Riepilogo sugli stessi dati");
    row++;
    char text[128];
    bool wide = b.cols >= 52;
    if (wide) {
        summary_heading(text, sizeof text);
    } else {
        snprintf(text, sizeof text, "%-11s%6s%10s%7s  %s", "", "passi", "confronti", "scambi",
                 "stabile");
    }
    int col = b.col + centred(b.cols, wide ? 52 : 44);
    put_text(g, col, row++, text);
    for (int k = 0; k < algorithm_count; k++) {
        if (!v->racing[k])
            continue;
        const Log *log = &v->logs[k];
        if (wide) {
            summary_row(text, sizeof text, log);
        } else {
            State s;
            replay(log, log->count, &s);
            snprintf(text, sizeof text, "%-11s%6d%10d%7d  %s", short_names[k], s.steps.passes,
                     s.steps.comparisons, s.steps.exchanges, stability(log));
        }
        put_text(g, col, row++, text);
    }
    row++;
    put_cut(g, b, col, row++, "stabile: i valori uguali restano nell'ordine");
    put_cut(g, b, col, row, "in cui sono stati dati (- se nessuno si ripete).");
}

// The two rows that frame every screen: the title with where the view is,
// and the keys.
void draw_frame(Grid *g, const View *v, const char *title) {
    char right[64];
    int last = last_step(v);
    snprintf(right, sizeof right, "%s %d/%d  %s %d/s", v->race ? "confronto" : "evento", step(v),
             last, v->playing ? "►" : "pausa", v->speed);
    int cols = g->cols;
    Style bar;
    bar.reverse = true;
    for (int c = 1; c <= cols; c++)
        put_cell(g, c, 1, U' ', bar);
    int length = columns_of(right);
    if (columns_of(title) + length + 4 > cols) { // without the words
        snprintf(right, sizeof right, "%d/%d %s %d/s", step(v), last, v->playing ? "►" : "‖",
                 v->speed);
        length = columns_of(right);
    }
    put_text(g, cols - length, 1, right, bar);
    put_cut(g, {2, 1, cols - length - 3, 1}, 2, 1, title, bar);

    const char *const keys[] = {"spazio avvia",    v->race ? "←→ confronto" : "←→ evento",
                                "PagGiù/Su passo", "Inizio/Fine",
                                "1-4 algoritmo",   "a gara",
                                "+- velocità"};
    const char *const always = "? tasti  q esci";
    char status[256] = "";
    int used = (int)strlen(always) + 1;
    for (const char *key : keys) {
        int length_key = 0;
        for (const char *c = key; *c != '\0'; c++)
            length_key += ((unsigned char)*c & 0xc0) != 0x80;
        if (used + length_key + 2 > cols - 1)
            break;
        strcat(status, key);
        strcat(status, "  ");
        used += length_key + 2;
    }
    strcat(status, always);
    put_text(g, 2, g->rows, status);
}

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

bool draw_single(const View *v, Grid *g, int *need_cols) {
    const Log *log = &v->logs[v->algorithm];
    int n = log->n;
    int cols = g->cols, rows = g->rows;
    if (cols < n) {
        *need_cols = n;
        return false;
    }
    Look lk;
    look_at(log, v->pos, v->pos - 1, &lk);
    char title[64];
    snprintf(title, sizeof title, "%d %s", v->algorithm + 1, algorithm_name(v->algorithm));
    draw_frame(g, v, title);

    Box body = {1, 2, cols, rows - 4};
    if (v->help) {
        for (int l = 0; l < (int)(sizeof help_lines / sizeof help_lines[0]); l++)
            put_cut(g, {2, 2, cols - 2, rows - 2}, 2, 2 + l, help_lines[l]);
        return true;
    }
    bool beside = cols - code_width - 1 >= (2 * n > 24 ? 2 * n : 24);
    if (beside) {
        Box bars = {1, 2, cols - code_width - 1, body.rows};
        for (int r = 0; r < body.rows; r++)
            put_cell(g, bars.cols + 1, 2 + r, U'│');
        draw_bars(g, v, log, &lk, bars, {true, true, true, 4});
        draw_code(g, log, &lk, {cols - code_width + 1, 3, code_width, body.rows - 1});
    } else if (v->code) {
        draw_code(g, log, &lk, {2, 3, cols - 2, body.rows - 1});
    } else {
        draw_bars(g, v, log, &lk, body, {true, true, true, 4});
    }

    char text[160];
    steps_text(text, sizeof text, lk.s.steps);
    int col = put_text(g, 2, rows - 2, text);
    if (log->reordered_at >= 0 && lk.last >= log->reordered_at) {
        char x[32], y[32], note[128];
        label(log, log->reordered[0], x);
        label(log, log->reordered[1], y);
        snprintf(note, sizeof note, "  %s e %s scambiati d'ordine all'evento %d", x, y,
                 log->reordered_at + 1);
        Style st;
        st.fg = v->colour ? flag_colour : plain;
        put_cut(g, {1, 1, cols, rows}, col, rows - 2, note, st);
    } else if (lk.done) {
        snprintf(text, sizeof text, "  stabile: %s", stability(log));
        put_cut(g, {1, 1, cols, rows}, col, rows - 2, text);
    }
    event_text(log, &lk, text, sizeof text);
    if (lk.last >= 0 && lk.last == log->reordered_at) {
        char x[32], y[32], flag[256];
        label(log, log->reordered[0], x);
        label(log, log->reordered[1], y);
        snprintf(flag, sizeof flag, "%s ! %s e %s cambiano d'ordine.", text, x, y);
        Style st;
        st.fg = v->colour ? flag_colour : plain;
        st.reverse = true;
        put_cut(g, {1, 1, cols - 1, rows}, 2, rows - 1, flag, st);
    } else {
        put_cut(g, {1, 1, cols - 1, rows}, 2, rows - 1, text);
    }
    return true;
}

bool draw_race(const View *v, Grid *g, int *need_cols, int *need_rows) {
    int n = v->logs[0].n;
    int cols = g->cols, rows = g->rows;
    Algorithm racing[algorithm_count];
    int count = 0;
    for (int k = 0; k < algorithm_count; k++)
        if (v->racing[k])
            racing[count++] = (Algorithm)k;
    char title[64] = "Gara:";
    for (int q = 0; q < count; q++)
        snprintf(title + strlen(title), 8, " %d", (int)racing[q] % 10 + 1);
    if (v->help || v->tick >= race_end(v)) {
        draw_frame(g, v, title);
        if (v->help) {
            for (int l = 0; l < (int)(sizeof help_lines / sizeof help_lines[0]); l++)
                put_cut(g, {2, 2, cols - 2, rows - 2}, 2, 2 + l, help_lines[l]);
        } else {
            draw_summary(g, v, {1, 3, cols, rows - 3});
        }
        return true;
    }
    // The roomiest layout that fits: two panes a row, else one, each with
    // its counters and a row between the rows of panes; else the same with
    // the counters in a table under the panes and the rows of panes close.
    for (int compact = 0; compact <= 1; compact++)
        for (int across = count > 1 ? 2 : 1; across >= 1; across--) {
            int table = compact ? count : 0;
            int gap = compact ? 0 : 1;
            int down = (count + across - 1) / across;
            int width = (cols - (across - 1)) / across;
            int height = (rows - 2 - table - (down - 1) * gap) / down;
            int least = compact ? 1 + 1 + 1 : 1 + counter_rows(width) + 2 + 1;
            if (width < n || height < least)
                continue;
            draw_frame(g, v, title);
            for (int q = 0; q < count; q++) {
                Box b = {1 + (q % across) * (width + 1), 2 + (q / across) * (height + gap), width,
                         height};
                draw_pane(g, v, racing[q], b, !compact);
            }
            for (int q = 0; q < table; q++) {
                const Log *log = &v->logs[racing[q]];
                State s;
                replay(log, race_position(log, v->tick), &s);
                char text[96];
                snprintf(text, sizeof text, "%d passi %d  confronti %d  scambi %d", racing[q] + 1,
                         s.steps.passes, s.steps.comparisons, s.steps.exchanges);
                put_cut(g, {1, 1, cols, rows}, 1, rows - table + q, text);
            }
            return true;
        }
    // The least: two panes a row, close, with the table.
    int across = count > 1 ? 2 : 1;
    *need_cols = across * n + across - 1 > min_cols ? across * n + across - 1 : min_cols;
    int rows_needed = 2 + count + 3 * ((count + across - 1) / across);
    *need_rows = rows_needed > min_rows ? rows_needed : min_rows;
    return false;
}

} // namespace

bool draw(const View *v, Grid *g, int *need_cols, int *need_rows) {
    int cols = g->cols, rows = g->rows;
    clear_grid(g, cols, rows);
    *need_cols = min_cols;
    *need_rows = min_rows;
    if (cols < min_cols || rows < min_rows) {
        int n = v->logs[0].n;
        *need_cols = n > min_cols ? n : min_cols;
        return false;
    }
    bool ok = v->race ? draw_race(v, g, need_cols, need_rows) : draw_single(v, g, need_cols);
    if (!ok)
        clear_grid(g, cols, rows);
    return ok;
}
