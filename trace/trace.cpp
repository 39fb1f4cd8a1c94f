// The trace of one algorithm, read from its log: a table with the array as
// it starts, one row per pass and the totals. On a terminal the elements
// that a pass moved are in colour, through the console layer, which writes
// plain text otherwise.
#include "trace.hpp"

#include "console.h"
#include "read_number.hpp"

#include <stdio.h>

namespace {

constexpr int moved_colour = 12; // light red: readable on dark and light backgrounds

const char *const names[algorithm_count] = {"Bubble sort", "Bubble sort con limite",
                                            "Sequenziale selettivo", "Insertion sort"};

// What a pass of each algorithm is.
const char *const passes[algorithm_count] = {
    "Ogni passo confronta tutte le coppie vicine, dalla fine verso l'inizio.",
    "Ogni passo si ferma all'ultimo scambio del precedente; senza scambi si finisce.",
    "Ogni passo porta il minimo che resta al primo posto non ancora ordinato.",
    "Ogni passo inserisce la chiave che segue tra gli elementi già ordinati.",
};

const char *const legend =
    "Per ogni algoritmo, una riga per passo: l'array dopo il passo, i confronti e\n"
    "gli scambi del passo. Sul terminale sono in colore gli elementi spostati.\n"
    "Nell'insertion sort ogni spostamento di un elemento conta come uno scambio.\n";

// The algorithm's name, what its pass is, and the headings of the columns:
// the labels ("passo", "inizio", the pass number, "totale"), one column per
// value, and the two counts, as wide as their headings.
void print_heading(Algorithm algorithm, int n, int width) {
    printf("\n%s\n%s\n%-6s", names[algorithm], passes[algorithm], "passo");
    for (int i = 0; i < n; i++) {
        char heading[16];
        snprintf(heading, sizeof heading, "A[%d]", i + 1);
        printf(" %*s", width, heading);
    }
    printf(" confr. scambi\n");
}

// Each value right-aligned in its column; those marked moved (when moved is
// given) in colour, the blanks before them not.
void print_values(const Log *log, const State *s, int width, const bool *moved) {
    for (int i = 0; i < log->n; i++) {
        char text[24];
        int length = value_text(value_at(log, s, i), text);
        printf("%*s", width + 1 - length, "");
        if (moved != nullptr && moved[i]) {
            textcolor(moved_colour);
            cprintf("%s", text);
            normvideo();
        } else {
            fputs(text, stdout);
        }
    }
}

} // namespace

const char *algorithm_name(Algorithm algorithm) { return names[algorithm]; }

int column_width(const float *a, int n) {
    char text[24];
    int width = snprintf(text, sizeof text, "A[%d]", n);
    for (int i = 0; i < n; i++) {
        int length = value_text(a[i], text);
        if (length > width)
            width = length;
    }
    return width;
}

// Replays the log, printing a row at the end of every pass with the
// positions the pass wrote in colour. An exchange of an element with itself
// (the selection sort makes them) counts but moves nothing.
void trace_sort(const Log *log, int width) {
    int n = log->n;
    print_heading(log->algorithm, n, width);
    State s;
    replay(log, 0, &s);
    printf("%-6s", "inizio");
    print_values(log, &s, width, nullptr);
    printf("\n");
    Steps before = s.steps;
    bool moved[capacity] = {};
    for (int e = 0; e < log->count; e++) {
        const Event &ev = log->events[e];
        if (ev.kind == exchanged_event && ev.i != ev.j)
            moved[ev.i] = moved[ev.j] = true;
        if (ev.kind != pass_event)
            continue;
        replay(log, e + 1, &s);
        printf("%6d", s.steps.passes);
        print_values(log, &s, width, moved);
        printf(" %6d %6d\n", s.steps.comparisons - before.comparisons,
               s.steps.exchanges - before.exchanges);
        before = s.steps;
        for (int i = 0; i < n; i++)
            moved[i] = false;
    }
    replay(log, log->count, &s);
    printf("%-6s%*s %6d %6d\n", "totale", n * (width + 1), "", s.steps.comparisons,
           s.steps.exchanges);
}

const char *stability(const Log *log) {
    if (!has_repeats(log->values, log->n))
        return "-";
    return keeps_order(log) ? "s\xc3\xac" : "no";
}

void summary_heading(char *text, int size) {
    snprintf(text, (size_t)size, "%-22s%6s%11s%8s  %s", "algoritmo", "passi", "confronti", "scambi",
             "stabile");
}

void summary_row(char *text, int size, const Log *log) {
    State s;
    replay(log, log->count, &s);
    snprintf(text, (size_t)size, "%-22s%6d%11d%8d  %s", names[log->algorithm], s.steps.passes,
             s.steps.comparisons, s.steps.exchanges, stability(log));
}

void print_trace(const float *a, int n) {
    static Log logs[algorithm_count];
    int width = column_width(a, n);
    printf("\n%s", legend);
    for (int k = 0; k < algorithm_count; k++) {
        record((Algorithm)k, a, n, &logs[k]);
        trace_sort(&logs[k], width);
    }
    char text[128];
    summary_heading(text, sizeof text);
    printf("\nRiepilogo sugli stessi dati\n%s\n", text);
    for (int k = 0; k < algorithm_count; k++) {
        summary_row(text, sizeof text, &logs[k]);
        printf("%s\n", text);
    }
    printf("stabile: i valori uguali restano nell'ordine in cui sono stati inseriti\n"
           "(- se nessun valore si ripete).\n");
}

int ask_values(float *a) {
    int n;
    do
        printf("Quanti valori vuoi ordinare? ");
    while (!read_int(&n) || n <= 0 || n > capacity);
    read_elements(a, n, "Inserire A[%d]: ");
    return n;
}
