/* The Shell, merge, quick and heap sorts as plain C, once for reals and once
 * for integers: the reference for their generic instances, as reference.c
 * is for the four others. Same bounds, tests, recursion and early return as
 * the generic ones, with the same guards against overflow.
 *
 * The Shell sort's loops are a static function that its routine calls, as
 * the generic instance is the template inlined into its routine: GCC gives a
 * body inlined other registers, and its blocks another order, than the same
 * body written in place (46 of the same 69 instructions differ), which would
 * hide whether the generic writing costs anything. */
#include "sorts.h"

static void shell_real(float *a, int n) {
    int h, i, j;
    float key;
    if (n <= 1)
        return;
    h = 1;
    while (h < n / 3)
        h = 3 * h + 1;
    while (h >= 1) {
        for (i = h; i <= n - 1; i++) {
            key = a[i];
            j = i - h;
            while (j >= 0 && a[j] > key) {
                a[j + h] = a[j];
                j = j - h;
            }
            a[j + h] = key;
        }
        h = h / 3;
    }
}

void c_shell_real(float *a, int n) { shell_real(a, n); }

static void shell_int(int *a, int n) {
    int h, i, j, key;
    if (n <= 1)
        return;
    h = 1;
    while (h < n / 3)
        h = 3 * h + 1;
    while (h >= 1) {
        for (i = h; i <= n - 1; i++) {
            key = a[i];
            j = i - h;
            while (j >= 0 && a[j] > key) {
                a[j + h] = a[j];
                j = j - h;
            }
            a[j + h] = key;
        }
        h = h / 3;
    }
}

void c_shell_int(int *a, int n) { shell_int(a, n); }

static void merge_parts_real(float *a, float *aux, int lo, int mid, int hi) {
    int i = lo, j = mid + 1, k, from_right;
    for (k = lo; k <= hi; k++)
        aux[k] = a[k];
    for (k = lo; k <= hi; k++) {
        if (i > mid)
            from_right = 1;
        else if (j > hi)
            from_right = 0;
        else
            from_right = aux[j] < aux[i];
        if (from_right) {
            a[k] = aux[j];
            j++;
        } else {
            a[k] = aux[i];
            i++;
        }
    }
}

static void merge_range_real(float *a, float *aux, int lo, int hi) {
    int mid;
    if (lo >= hi)
        return;
    mid = lo + (hi - lo) / 2;
    merge_range_real(a, aux, lo, mid);
    merge_range_real(a, aux, mid + 1, hi);
    merge_parts_real(a, aux, lo, mid, hi);
}

void c_merge_real(float *a, int n, float *work) {
    if (n <= 1)
        return;
    merge_range_real(a, work, 0, n - 1);
}

static void merge_parts_int(int *a, int *aux, int lo, int mid, int hi) {
    int i = lo, j = mid + 1, k, from_right;
    for (k = lo; k <= hi; k++)
        aux[k] = a[k];
    for (k = lo; k <= hi; k++) {
        if (i > mid)
            from_right = 1;
        else if (j > hi)
            from_right = 0;
        else
            from_right = aux[j] < aux[i];
        if (from_right) {
            a[k] = aux[j];
            j++;
        } else {
            a[k] = aux[i];
            i++;
        }
    }
}

static void merge_range_int(int *a, int *aux, int lo, int hi) {
    int mid;
    if (lo >= hi)
        return;
    mid = lo + (hi - lo) / 2;
    merge_range_int(a, aux, lo, mid);
    merge_range_int(a, aux, mid + 1, hi);
    merge_parts_int(a, aux, lo, mid, hi);
}

void c_merge_int(int *a, int n, int *work) {
    if (n <= 1)
        return;
    merge_range_int(a, work, 0, n - 1);
}

static int partition_real(float *a, int lo, int hi) {
    float pivot = a[hi], tmp;
    int i = lo - 1, j;
    for (j = lo; j <= hi - 1; j++)
        if (a[j] <= pivot) {
            i++;
            tmp = a[i];
            a[i] = a[j];
            a[j] = tmp;
        }
    tmp = a[i + 1];
    a[i + 1] = a[hi];
    a[hi] = tmp;
    return i + 1;
}

static void quick_range_real(float *a, int lo, int hi, int depth) {
    int p, left_called;
    while (lo < hi) {
        p = partition_real(a, lo, hi);
        left_called = depth < 64 || p - lo <= hi - p;
        if (left_called && p + 1 >= hi) {
            hi = p - 1;
        } else if (left_called) {
            quick_range_real(a, lo, p - 1, depth + 1);
            lo = p + 1;
        } else {
            quick_range_real(a, p + 1, hi, depth + 1);
            hi = p - 1;
        }
    }
}

void c_quick_real(float *a, int n) {
    if (n <= 1)
        return;
    quick_range_real(a, 0, n - 1, 0);
}

static int partition_int(int *a, int lo, int hi) {
    int pivot = a[hi], tmp;
    int i = lo - 1, j;
    for (j = lo; j <= hi - 1; j++)
        if (a[j] <= pivot) {
            i++;
            tmp = a[i];
            a[i] = a[j];
            a[j] = tmp;
        }
    tmp = a[i + 1];
    a[i + 1] = a[hi];
    a[hi] = tmp;
    return i + 1;
}

static void quick_range_int(int *a, int lo, int hi, int depth) {
    int p, left_called;
    while (lo < hi) {
        p = partition_int(a, lo, hi);
        left_called = depth < 64 || p - lo <= hi - p;
        if (left_called && p + 1 >= hi) {
            hi = p - 1;
        } else if (left_called) {
            quick_range_int(a, lo, p - 1, depth + 1);
            lo = p + 1;
        } else {
            quick_range_int(a, p + 1, hi, depth + 1);
            hi = p - 1;
        }
    }
}

void c_quick_int(int *a, int n) {
    if (n <= 1)
        return;
    quick_range_int(a, 0, n - 1, 0);
}

static void sift_real(float *a, int i, int size) {
    int c;
    float tmp;
    while (i < size / 2) {
        c = 2 * i + 1;
        if (c + 1 < size && a[c] < a[c + 1])
            c = c + 1;
        if (!(a[i] < a[c]))
            break;
        tmp = a[i];
        a[i] = a[c];
        a[c] = tmp;
        i = c;
    }
}

void c_heap_real(float *a, int n) {
    int i, end;
    float tmp;
    if (n <= 1)
        return;
    for (i = n / 2 - 1; i >= 0; i--)
        sift_real(a, i, n);
    for (end = n - 1; end >= 1; end--) {
        tmp = a[0];
        a[0] = a[end];
        a[end] = tmp;
        sift_real(a, 0, end);
    }
}

static void sift_int(int *a, int i, int size) {
    int c, tmp;
    while (i < size / 2) {
        c = 2 * i + 1;
        if (c + 1 < size && a[c] < a[c + 1])
            c = c + 1;
        if (!(a[i] < a[c]))
            break;
        tmp = a[i];
        a[i] = a[c];
        a[c] = tmp;
        i = c;
    }
}

void c_heap_int(int *a, int n) {
    int i, end, tmp;
    if (n <= 1)
        return;
    for (i = n / 2 - 1; i >= 0; i--)
        sift_int(a, i, n);
    for (end = n - 1; end >= 1; end--) {
        tmp = a[0];
        a[0] = a[end];
        a[end] = tmp;
        sift_int(a, 0, end);
    }
}
