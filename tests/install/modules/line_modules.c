/* A C program linked from the fifteen installed line-mode modules alone (no
 * library): each routine once, the readers on the input the test gives it. */
#include <ordina/ordina.h>

#include <stdio.h>
#include <string.h>

static void print_reals(const float *a, int n) {
    for (int i = 0; i < n; i++)
        printf("[%g]", a[i]);
    printf("\n");
}

static void print_ints(const int *a, int n) {
    for (int i = 0; i < n; i++)
        printf("[%d]", a[i]);
    printf("\n");
}

/* The faster sorts, each on a copy of the same four numbers; the merge
 * sorts with a work area of their own. */
static const float four_reals[4] = {0.5f, -2.0f, 8.0f, -0.25f};
static const int four_ints[4] = {7, -3, 0, 7};

static void merge_reals(float *a, int n) {
    float work[4];
    ord_merge(a, n, work);
}

static void merge_ints(int *a, int n) {
    int work[4];
    ord_merge_int(a, n, work);
}

static void sort_reals(void (*sort)(float *a, int n)) {
    float a[4];
    memcpy(a, four_reals, sizeof a);
    sort(a, 4);
    print_reals(a, 4);
}

static void sort_ints(void (*sort)(int *a, int n)) {
    int a[4];
    memcpy(a, four_ints, sizeof a);
    sort(a, 4);
    print_ints(a, 4);
}

int main(void) {
    float a[100];
    int ints[3] = {4, -4, 0};
    int n = letdim();
    leggiArr(a, n);
    bubble(a, n);
    print_reals(a, n);
    letval(a, 3);
    SeqSel(a, 3);
    print_reals(a, 3);
    a[0] = 1.5f;
    a[1] = -1.5f;
    funzinsert(a, 2);
    print_reals(a, 2);
    scrivi(ints, 3);
    sort_reals(ord_shell);
    sort_reals(merge_reals);
    sort_reals(ord_quick);
    sort_reals(ord_heap);
    sort_ints(ord_shell_int);
    sort_ints(merge_ints);
    sort_ints(ord_quick_int);
    sort_ints(ord_heap_int);
    return 0;
}
