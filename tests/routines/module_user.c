/* A C program that uses one object module alone, built once per module
 * (USE_<routine> names it) with the C compiler and linked with nothing else of the
 * project. It prints what the routine left, so that tests can check it. */
#include "ordina.h"

#include <stdio.h>

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

int main(void) {
    float reals[3] = {2.5f, -1.0f, 0.25f};
    int ints[2] = {3, -1};
    float real_work[3];
    int int_work[2];
    (void)reals; /* each variant uses what it needs */
    (void)ints;
    (void)real_work;
    (void)int_work;
    (void)print_reals;
    (void)print_ints;
#if defined(USE_bubble)
    bubble(reals, 3);
    print_reals(reals, 3);
#elif defined(USE_SeqSel)
    SeqSel(reals, 3);
    print_reals(reals, 3);
#elif defined(USE_funzinsert)
    funzinsert(reals, 3);
    print_reals(reals, 3);
#elif defined(USE_ord_shell)
    ord_shell(reals, 3);
    print_reals(reals, 3);
#elif defined(USE_ord_shell_int)
    ord_shell_int(ints, 2);
    print_ints(ints, 2);
#elif defined(USE_ord_merge)
    ord_merge(reals, 3, real_work);
    print_reals(reals, 3);
#elif defined(USE_ord_merge_int)
    ord_merge_int(ints, 2, int_work);
    print_ints(ints, 2);
#elif defined(USE_ord_quick)
    ord_quick(reals, 3);
    print_reals(reals, 3);
#elif defined(USE_ord_quick_int)
    ord_quick_int(ints, 2);
    print_ints(ints, 2);
#elif defined(USE_ord_heap)
    ord_heap(reals, 3);
    print_reals(reals, 3);
#elif defined(USE_ord_heap_int)
    ord_heap_int(ints, 2);
    print_ints(ints, 2);
#elif defined(USE_leggiArr)
    leggiArr(reals, 2);
    print_reals(reals, 3);
#elif defined(USE_letval)
    letval(reals, 2);
    print_reals(reals, 3);
#elif defined(USE_letdim)
    printf("[%d]\n", letdim());
#elif defined(USE_scrivi)
    scrivi(ints, 2);
    scrivi(ints, 0);
    scrivi(ints, -5);
#endif
    return 0;
}
