/* sort_fixed: sorts the same fixed array with every public sort of the
 * routines and prints each result. It reads nothing.
 *
 * Built against an installed tree:
 *   cmake -S examples -B build-example -DCMAKE_PREFIX_PATH=<prefix>
 *   cmake --build build-example && build-example/sort_fixed
 * or by hand:
 *   cc sort_fixed.c $(pkg-config --cflags --libs ordina) -o sort_fixed */
#include <ordina/ordina.h>

#include <stdio.h>

#define COUNT 7

static const float reals[COUNT] = {3.5f, -1.25f, 8.0f, 0.0f, 3.5f, -7.75f, 2.0f};
static const int integers[COUNT] = {42, -3, 17, 0, 42, -100, 5};

static void print_reals(const char *name, const float *a, int n) {
    printf("%-11s", name);
    for (int i = 0; i < n; i++)
        printf(" %g", a[i]);
    printf("\n");
}

/* Sorts a copy of the reals with one routine and prints it. */
static void sort_copy(const char *name, void (*sort)(float *a, int n)) {
    float a[COUNT];
    for (int i = 0; i < COUNT; i++)
        a[i] = reals[i];
    sort(a, COUNT);
    print_reals(name, a, COUNT);
}

int main(void) {
    print_reals("unsorted", reals, COUNT);
    sort_copy("bubble", bubble);
    sort_copy("SeqSel", SeqSel);
    sort_copy("funzinsert", funzinsert);

    int a[COUNT];
    for (int i = 0; i < COUNT; i++)
        a[i] = integers[i];
    bubblesort(a, COUNT);
    printf("bubblesort (one per line, by scrivi):\n");
    scrivi(a, COUNT);
    return 0;
}
