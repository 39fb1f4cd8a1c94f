// sort_trace: reads up to 100 reals and shows, pass by pass, how each of the
// four sorting algorithms orders a copy of them: the array after every pass
// (for the selection sort after every exchange, for the insertion sort after
// every key is placed) with that pass's comparisons and exchanges, then the
// totals; last, a summary of the four on the same data, with whether each
// kept equal values in the order they were typed.
//
// Every value stands in a column as wide as the widest value ("%.3g") or the
// heading "A[n]": up to 8 values of up to 6 characters keep every line within
// 80 columns. Longer rows are not wrapped: they run on, one row per pass.
#include "output_check.hpp"
#include "read_number.hpp"
#include "trace.hpp"

#include <stdio.h>

namespace {

const char *const legend =
    "Per ogni algoritmo, una riga per passo: l'array dopo il passo, i confronti e\n"
    "gli scambi del passo. Sul terminale sono in colore gli elementi spostati.\n"
    "Nell'insertion sort ogni spostamento di un elemento conta come uno scambio.\n";

// An element that remembers where it was typed; it compares by its value only,
// as the reals do, so that the order of equal values can be read afterwards.
struct Tagged {
    float value;
    int position;
    bool operator>(const Tagged &o) const { return value > o.value; }
    bool operator<(const Tagged &o) const { return value < o.value; }
};

bool has_repeats(const float *a, int n) {
    for (int i = 0; i < n; i++)
        for (int j = i + 1; j < n; j++)
            if (a[i] == a[j])
                return true;
    return false;
}

// Sorts a tagged copy of a: equal values, which end up side by side, must
// still be in the order they were typed.
bool keeps_order(Algorithm algorithm, const float *a, int n) {
    Tagged t[capacity];
    for (int i = 0; i < n; i++)
        t[i] = {a[i], i};
    Unwatched quiet;
    run(algorithm, t, n, quiet);
    for (int i = 1; i < n; i++)
        if (t[i - 1].value == t[i].value && t[i - 1].position > t[i].position)
            return false;
    return true;
}

void print_summary(const float *a, int n, const Steps *steps) {
    bool repeats = has_repeats(a, n);
    printf("\nRiepilogo sugli stessi dati\n");
    printf("%-22s%6s%11s%8s  %s\n", "algoritmo", "passi", "confronti", "scambi", "stabile");
    for (int k = 0; k < algorithm_count; k++) {
        Algorithm algorithm = (Algorithm)k;
        const char *stable = !repeats ? "-" : keeps_order(algorithm, a, n) ? "s\xc3\xac" : "no";
        printf("%-22s%6d%11d%8d  %s\n", algorithm_name(algorithm), steps[k].passes,
               steps[k].comparisons, steps[k].exchanges, stable);
    }
    printf("stabile: i valori uguali restano nell'ordine in cui sono stati inseriti\n"
           "(- se nessun valore si ripete).\n");
}

} // namespace

int main(void) {
    check_output_at_exit();
    float a[capacity];
    int n;
    do
        printf("Quanti valori vuoi ordinare? ");
    while (!read_int(&n) || n <= 0 || n > capacity);
    read_elements(a, n, "Inserire A[%d]: ");

    int width = column_width(a, n);
    printf("\n%s", legend);
    Steps steps[algorithm_count];
    for (int k = 0; k < algorithm_count; k++) {
        float copy[capacity];
        for (int i = 0; i < n; i++)
            copy[i] = a[i];
        steps[k] = trace_sort((Algorithm)k, copy, n, width);
    }
    print_summary(a, n, steps);
    return 0;
}
