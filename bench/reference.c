/* The four sorting algorithms as plain C loops, once for reals and once for
 * integers: the reference that shows what writing them once, generically,
 * costs. Same bounds, directions and strict tests as the generic ones, and
 * the same early return for a count of 1 or less. */
#include "sorts.h"

void c_simple_bubble_real(float *a, int n) {
    int pass, j;
    float tmp;
    if (n <= 1)
        return;
    for (pass = 0; pass < n - 1; pass++)
        for (j = n - 1; j >= 1; j--)
            if (a[j - 1] > a[j]) {
                tmp = a[j - 1];
                a[j - 1] = a[j];
                a[j] = tmp;
            }
}

void c_simple_bubble_int(int *a, int n) {
    int pass, j, tmp;
    if (n <= 1)
        return;
    for (pass = 0; pass < n - 1; pass++)
        for (j = n - 1; j >= 1; j--)
            if (a[j - 1] > a[j]) {
                tmp = a[j - 1];
                a[j - 1] = a[j];
                a[j] = tmp;
            }
}

void c_bounded_bubble_real(float *a, int n) {
    int bound = 0, mark, i;
    float tmp;
    if (n <= 1)
        return;
    do {
        mark = 0;
        for (i = n - 1; i > bound; i--)
            if (a[i - 1] > a[i]) {
                tmp = a[i - 1];
                a[i - 1] = a[i];
                a[i] = tmp;
                mark = i;
            }
        bound = mark;
    } while (mark != 0);
}

void c_bounded_bubble_int(int *a, int n) {
    int bound = 0, mark, i, tmp;
    if (n <= 1)
        return;
    do {
        mark = 0;
        for (i = n - 1; i > bound; i--)
            if (a[i - 1] > a[i]) {
                tmp = a[i - 1];
                a[i - 1] = a[i];
                a[i] = tmp;
                mark = i;
            }
        bound = mark;
    } while (mark != 0);
}

void c_selection_real(float *a, int n) {
    int i, j, m;
    float tmp;
    if (n <= 1)
        return;
    for (i = 0; i < n - 1; i++) {
        m = i;
        for (j = i + 1; j <= n - 1; j++)
            if (a[j] < a[m])
                m = j;
        tmp = a[i];
        a[i] = a[m];
        a[m] = tmp;
    }
}

void c_selection_int(int *a, int n) {
    int i, j, m, tmp;
    if (n <= 1)
        return;
    for (i = 0; i < n - 1; i++) {
        m = i;
        for (j = i + 1; j <= n - 1; j++)
            if (a[j] < a[m])
                m = j;
        tmp = a[i];
        a[i] = a[m];
        a[m] = tmp;
    }
}

void c_insertion_real(float *a, int n) {
    int i, j;
    float key;
    if (n <= 1)
        return;
    for (i = 1; i <= n - 1; i++) {
        key = a[i];
        j = i - 1;
        while (j >= 0 && a[j] > key) {
            a[j + 1] = a[j];
            j = j - 1;
        }
        a[j + 1] = key;
    }
}

void c_insertion_int(int *a, int n) {
    int i, j, key;
    if (n <= 1)
        return;
    for (i = 1; i <= n - 1; i++) {
        key = a[i];
        j = i - 1;
        while (j >= 0 && a[j] > key) {
            a[j + 1] = a[j];
            j = j - 1;
        }
        a[j + 1] = key;
    }
}
