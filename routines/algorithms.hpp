// The four sorting algorithms, written once and generic in the element type.
//
// Every sorting routine of the system is one instance of these templates.
// They have internal linkage (anonymous namespace), so a unit that
// instantiates them exports nothing but its own routine.
//
// The optional watcher sees every comparison with the two positions compared,
// every exchange (for the insertion sort: every shift of an element one place
// right) and the end of every pass; the default one does nothing and costs
// nothing: its instances are the same machine code as the plain loops.
// The insertion sort holds its key apart while it shifts; it is compared, and
// counted, as standing in the free place j + 1, so every comparison and shift
// is between the neighbours j and j + 1.
// Tests and the trace programs pass their own to count, show and record each
// step.
#pragma once

namespace {

struct Unwatched {
    void compared(int, int) {}
    void exchanged(int, int) {}
    void pass_done() {}
};

// Simple bubble sort: n-1 full passes, each running from the end of the array
// towards its start and carrying the smallest remaining element forward.
template <typename T, typename W = Unwatched> void simple_bubble(T *a, int n, W &&watch = W{}) {
    if (n <= 1) // also keeps n - 1 from overflowing
        return;
    for (int pass = 0; pass < n - 1; pass++) {
        for (int j = n - 1; j >= 1; j--) {
            watch.compared(j - 1, j);
            if (a[j - 1] > a[j]) {
                T tmp = a[j - 1];
                a[j - 1] = a[j];
                a[j] = tmp;
                watch.exchanged(j - 1, j);
            }
        }
        watch.pass_done();
    }
}

// Bounded bubble sort: each pass stops at the lowest position where the pass
// before it exchanged; a pass without exchanges ends the sort.
template <typename T, typename W = Unwatched> void bounded_bubble(T *a, int n, W &&watch = W{}) {
    if (n <= 1)
        return;
    int bound = 0;
    int mark;
    do {
        mark = 0;
        for (int i = n - 1; i > bound; i--) {
            watch.compared(i - 1, i);
            if (a[i - 1] > a[i]) {
                T tmp = a[i - 1];
                a[i - 1] = a[i];
                a[i] = tmp;
                mark = i;
                watch.exchanged(i - 1, i);
            }
        }
        watch.pass_done();
        bound = mark;
    } while (mark != 0);
}

// Selection sort: the first of the smallest remaining elements is exchanged
// into place, also when it is already there.
template <typename T, typename W = Unwatched> void selection(T *a, int n, W &&watch = W{}) {
    if (n <= 1)
        return;
    for (int i = 0; i < n - 1; i++) {
        int m = i;
        for (int j = i + 1; j <= n - 1; j++) {
            watch.compared(j, m);
            if (a[j] < a[m])
                m = j;
        }
        T tmp = a[i];
        a[i] = a[m];
        a[m] = tmp;
        watch.exchanged(i, m);
        watch.pass_done();
    }
}

// Insertion sort: each key is shifted left past the greater elements before
// it; the strict test keeps equal elements in their order.
template <typename T, typename W = Unwatched> void insertion(T *a, int n, W &&watch = W{}) {
    if (n <= 1)
        return;
    for (int i = 1; i <= n - 1; i++) {
        T key = a[i];
        int j = i - 1;
        while (j >= 0) {
            watch.compared(j, j + 1);
            if (!(a[j] > key))
                break;
            a[j + 1] = a[j];
            watch.exchanged(j, j + 1);
            j = j - 1;
        }
        a[j + 1] = key;
        watch.pass_done();
    }
}

} // namespace
