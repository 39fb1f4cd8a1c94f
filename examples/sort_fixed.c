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
    printf("%-14s", name);
    for (int i = 0; i < n; i++)
        printf(" %g", a[i]);
    printf("\n");
}

static void print_integers(const char *name, const int *a, int n) {
    printf("%-14s", name);
    for (int i = 0; i < n; i++)
        printf(" %d", a[i]);
    printf("\n");
}

/* The merge sorts want a work area as long as the array. */
static void merge_reals(float *a, int n) {
    float work[COUNT];
    ord_merge(a, n, work);
}

static void merge_integers(int *a, int n) {
    int work[COUNT];
    ord_merge_int(a, n, work);
}

/* Sorts a copy of the reals with one routine and prints it. */
static void sort_copy(const char *name, void (*sort)(float *a, int n)) {
    float a[COUNT];
    for (int i = 0; i < COUNT; i++)
        a[i] = reals[i];
    sort(a, COUNT);
    print_reals(name, a, COUNT);
}

/* The same for the integers. */
static void sort_integers(const char *name, void (*sort)(int *a, int n)) {
    int a[COUNT];
    for (int i = 0; i < COUNT; i++)
        a[i] = integers[i];
    sort(a, COUNT);
    print_integers(name, a, COUNT);
}

int main(void) {
    print_reals("unsorted", reals, COUNT);
    sort_copy("bubble", bubble);
    sort_copy("SeqSel", SeqSel);
    sort_copy("funzinsert", funzinsert);
    sort_copy("ord_shell", ord_shell);
    sort_copy("ord_merge", merge_reals);
    sort_copy("ord_quick", ord_quick);
    sort_copy("ord_heap", ord_heap);

    print_integers("unsorted", integers, COUNT);
    sort_integers("ord_shell_int", ord_shell_int);
    sort_integers("ord_merge_int", merge_integers);
    sort_integers("ord_quick_int", ord_quick_int);
    sort_integers("ord_heap_int", ord_heap_int);

    int a[COUNT];
    for (int i = 0; i < COUNT; i++)
        a[i] = integers[i];
    bubblesort(a, COUNT);
    printf("bubblesort (one per line, by scrivi):\n");
    scrivi(a, COUNT);
    return 0;
}
