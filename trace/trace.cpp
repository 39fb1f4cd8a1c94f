// The trace of one algorithm: a table with the array as it starts, one row
// per pass and the totals. On a terminal the elements that a pass moved are
// in colour, through the console layer, which writes plain text otherwise.
#include "trace.hpp"

#include "console.h"

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
void print_values(const float *a, int n, int width, const bool *moved) {
    for (int i = 0; i < n; i++) {
        char text[32];
        int length = snprintf(text, sizeof text, "%.3g", (double)a[i]);
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

// Watches the algorithm: counts the steps of the pass, marks the positions
// it wrote, and prints its row when it is over. An exchange of an element
// with itself (the selection sort makes them) counts but moves nothing.
struct Tracer {
    const float *a;
    int n;
    int width;
    Steps pass;
    Steps total;
    bool moved[capacity];

    void compared() { pass.comparisons++; }
    void exchanged(int i, int j) {
        pass.exchanges++;
        if (i != j)
            moved[i] = moved[j] = true;
    }
    void pass_done() {
        total.passes++;
        total.comparisons += pass.comparisons;
        total.exchanges += pass.exchanges;
        printf("%6d", total.passes);
        print_values(a, n, width, moved);
        printf(" %6d %6d\n", pass.comparisons, pass.exchanges);
        pass = {0, 0, 0};
        for (int i = 0; i < n; i++)
            moved[i] = false;
    }
};

} // namespace

const char *algorithm_name(Algorithm algorithm) { return names[algorithm]; }

int column_width(const float *a, int n) {
    char text[32];
    int width = snprintf(text, sizeof text, "A[%d]", n);
    for (int i = 0; i < n; i++) {
        int length = snprintf(text, sizeof text, "%.3g", (double)a[i]);
        if (length > width)
            width = length;
    }
    return width;
}

Steps trace_sort(Algorithm algorithm, float *a, int n, int width) {
    print_heading(algorithm, n, width);
    printf("%-6s", "inizio");
    print_values(a, n, width, nullptr);
    printf("\n");
    Tracer tracer = {a, n, width, {0, 0, 0}, {0, 0, 0}, {}};
    run(algorithm, a, n, tracer);
    printf("%-6s%*s %6d %6d\n", "totale", n * (width + 1), "", tracer.total.comparisons,
           tracer.total.exchanges);
    return tracer.total;
}
