// The trace of each algorithm, read from its log: a table with the array as
// it starts, one row per pass and the totals. On a terminal the elements
// that a pass moved are in colour, through the console layer, which writes
// plain text otherwise.
#include "trace.hpp"

#include "console.h"
#include "description.hpp"
#include "read_number.hpp"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>

namespace trace {

namespace {

constexpr int moved_colour = 12; // light red: readable on dark and light backgrounds

const char *const legend =
    "Per ogni algoritmo, una riga per passo: l'array dopo il passo, i confronti e\n"
    "gli scambi del passo. Sul terminale sono in colore gli elementi spostati.\n"
    "Nell'insertion sort e nello Shell sort ogni spostamento di un elemento conta\n"
    "come uno scambio, nel merge sort ogni elemento riscritto dall'array di appoggio.\n";

// The algorithm's name, what its pass is, and the headings of the columns:
// the labels ("passo", "inizio", the pass number, "totale"), one column per
// value, and the two counts, as wide as their headings.
void print_heading(const Description &d, int n, int width) {
    printf("\n%s\n%s\n%-6s", d.name, d.pass, "passo");
    for (int i = 0; i < n; i++) {
        char heading[16];
        snprintf(heading, sizeof heading, "A[%d]", shown_place(i));
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

// The row of a pass: its number, the array, what it cost since before.
void print_pass(const Log *log, const State *s, int width, const bool *moved, Steps before) {
    printf("%6d", s->steps.passes);
    print_values(log, s, width, moved);
    printf(" %6d %6d\n", s->steps.comparisons - before.comparisons,
           s->steps.exchanges - before.exchanges);
}

// The places an event writes: both of an exchange, but an element
// exchanged with itself (the selection sort does so) moves nowhere; the
// place a moved element is written to.
void mark_written(const Event &e, bool *written) {
    if (e.kind == exchanged_event && e.i != e.j)
        written[e.i] = written[e.j] = true;
    if (e.kind == moved_event)
        written[e.j] = true;
}

bool chosen(const bool *traced, int k) { return traced == nullptr || traced[k]; }

} // namespace

const char *const counter_names[3] = {"passi", "confronti", "scambi"};

int counter_value(Steps s, int k) {
    return k == 0 ? s.passes : k == 1 ? s.comparisons : s.exchanges;
}

void steps_text(char *text, int size, Steps s) {
    snprintf(text, (size_t)size, "%s %d  %s %d  %s %d", counter_names[0], s.passes,
             counter_names[1], s.comparisons, counter_names[2], s.exchanges);
}

bool colours_wanted() {
    const char *no_colour = getenv("NO_COLOR");
    return no_colour == nullptr || no_colour[0] == '\0';
}

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

// Reads the log event by event, printing a row at the end of every pass
// with the places the pass wrote in colour.
void print_table(const Log *log, int width, bool colour) {
    print_heading(describe(log->algorithm), log->n, width);
    State s;
    start_state(log, &s);
    printf("%-6s", "inizio");
    print_values(log, &s, width, nullptr);
    printf("\n");
    Steps before = s.steps;
    bool written[capacity] = {};
    for (int e = 0; e < log->count; e++) {
        const Event &ev = log->events[e];
        apply(ev, &s);
        mark_written(ev, written);
        if (ev.kind != pass_event)
            continue;
        print_pass(log, &s, width, colour ? written : nullptr, before);
        before = s.steps;
        std::fill(written, written + capacity, false);
    }
    printf("%-6s%*s %6d %6d\n", "totale", log->n * (width + 1), "", s.steps.comparisons,
           s.steps.exchanges);
}

const char *stability(const Log *log) {
    if (!has_repeats(log->values, log->n))
        return "-";
    return keeps_order(log) ? "s\xc3\xac" : "no";
}

void summary_heading(char *text, int size) {
    snprintf(text, (size_t)size, "%-22s%6s%11s%8s  %s", "algoritmo", counter_names[0],
             counter_names[1], counter_names[2], "stabile");
}

void summary_row(char *text, int size, const Log *log) {
    Steps s = log->totals;
    snprintf(text, (size_t)size, "%-22s%6d%11d%8d  %s", describe(log->algorithm).name, s.passes,
             s.comparisons, s.exchanges, stability(log));
}

void print_trace(const float *a, int n, const bool *traced) {
    static Log logs[algorithm_count];
    int width = column_width(a, n);
    bool colour = colours_wanted();
    printf("\n%s", legend);
    for (int k = 0; k < algorithm_count; k++) {
        if (!chosen(traced, k))
            continue;
        record((Algorithm)k, a, n, &logs[k]);
        print_table(&logs[k], width, colour);
    }
    char text[128];
    summary_heading(text, sizeof text);
    printf("\nRiepilogo sugli stessi dati\n%s\n", text);
    for (int k = 0; k < algorithm_count; k++) {
        if (!chosen(traced, k))
            continue;
        summary_row(text, sizeof text, &logs[k]);
        printf("%s\n", text);
    }
    printf("stabile: i valori uguali restano nell'ordine in cui sono stati inseriti\n"
           "(- se nessun valore si ripete).\n");
}

bool read_algorithms(const char *list, bool *chosen) {
    std::fill(chosen, chosen + algorithm_count, false);
    for (const char *at = list;;) {
        char *end;
        long k = strtol(at, &end, 10);
        if (*at < '0' || *at > '9' || k < 1 || k > algorithm_count)
            return false;
        chosen[k - 1] = true;
        if (*end == '\0')
            return true;
        if (*end != ',')
            return false;
        at = end + 1;
    }
}

const char *algorithms_rule() {
    static char rule[64];
    snprintf(rule, sizeof rule, "gli algoritmi vanno da 1 a %d, separati da virgole",
             algorithm_count);
    return rule;
}

int ask_values(float *a) {
    int n;
    do
        printf("Quanti valori vuoi ordinare? ");
    while (!read_int(&n) || n <= 0 || n > capacity);
    read_elements(a, n, "Inserire A[%d]: ");
    return n;
}

} // namespace trace
