// The sorting algorithms, written once and generic in the element type: the
// four quadratic ones, then the Shell sort, the merge sort, the quick sort and
// the heap sort.
//
// Every sorting routine of the system is one instance of these templates.
// They have internal linkage (anonymous namespace), so a unit that
// instantiates them exports nothing but its own routine.
//
// The optional watcher sees every comparison of two elements with the two
// positions compared (in the order the test names them), every exchange (for
// the insertion and the Shell sort: every shift of an element one place, or
// one gap, right), every element the merge writes back (moved), the range a
// merge or a partition is about to work on (part), and the end of every pass;
// the default one does nothing and costs nothing: its instances are the same
// machine code as the plain loops.
// The insertion sort holds its key apart while it shifts; it is compared, and
// counted, as standing in the free place j + 1, so every comparison and shift
// is between the neighbours j and j + 1 (for the Shell sort, between j and
// j + h).
// The merge sort's positions are those of a[lo..hi], which its auxiliary
// copy keeps: moved(from, to) takes aux[from] into a[to].
// Tests and the trace programs pass their own to count, show and record each
// step.
//
// Exchanges are written out where they happen, through a temporary, as the
// plain C loops have them: with a helper function for them GCC inlines the
// recursive sorts differently, and their instances grow tenfold.
#pragma once

namespace {

struct Unwatched {
    void compared(int, int) {}
    void exchanged(int, int) {}
    void moved(int, int) {}
    void part(int, int) {}
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

// Shell sort with Knuth's gaps 1, 4, 13, 40, ...: from the largest gap below
// n / 3 down to 1, an insertion sort of the elements that stand h apart; each
// gap is one pass. Equal elements in different chains may change their order.
template <typename T, typename W = Unwatched> void shell_sort(T *a, int n, W &&watch = W{}) {
    if (n <= 1)
        return;
    int h = 1;
    while (h < n / 3) // so 3 * h + 1 stays below n
        h = 3 * h + 1;
    while (h >= 1) {
        for (int i = h; i <= n - 1; i++) {
            T key = a[i];
            int j = i - h;
            while (j >= 0) {
                watch.compared(j, j + h);
                if (!(a[j] > key))
                    break;
                a[j + h] = a[j];
                watch.exchanged(j, j + h);
                j = j - h;
            }
            a[j + h] = key;
        }
        watch.pass_done();
        h = h / 3;
    }
}

// Merges the ordered parts a[lo..mid] and a[mid+1..hi] through aux, which
// keeps their indices; of two equal elements the left one goes first. One pass.
template <typename T, typename W>
void merge_parts(T *a, T *aux, int lo, int mid, int hi, W &watch) {
    watch.part(lo, hi);
    for (int k = lo; k <= hi; k++)
        aux[k] = a[k];
    int i = lo, j = mid + 1;
    for (int k = lo; k <= hi; k++) {
        bool from_right;
        if (i > mid)
            from_right = true;
        else if (j > hi)
            from_right = false;
        else {
            watch.compared(j, i);
            from_right = aux[j] < aux[i];
        }
        if (from_right) {
            a[k] = aux[j];
            watch.moved(j, k);
            j++;
        } else {
            a[k] = aux[i];
            watch.moved(i, k);
            i++;
        }
    }
    watch.pass_done();
}

template <typename T, typename W> void merge_range(T *a, T *aux, int lo, int hi, W &watch) {
    if (lo >= hi)
        return;
    int mid = lo + (hi - lo) / 2; // (lo + hi) / 2, which could overflow
    merge_range(a, aux, lo, mid, watch);
    merge_range(a, aux, mid + 1, hi, watch);
    merge_parts(a, aux, lo, mid, hi, watch);
}

// Merge sort, top down: each half sorted, then the two merged. work is the
// caller's auxiliary array of n elements.
template <typename T, typename W = Unwatched>
void merge_sort(T *a, int n, T *work, W &&watch = W{}) {
    if (n <= 1)
        return;
    merge_range(a, work, 0, n - 1, watch);
}

// Lomuto's partition of a[lo..hi] around its last element: the elements not
// greater than the pivot are exchanged, in turn, to the front, then the pivot
// after them. Returns the pivot's place. One pass.
template <typename T, typename W> int lomuto_partition(T *a, int lo, int hi, W &watch) {
    watch.part(lo, hi);
    T pivot = a[hi];
    int i = lo - 1;
    for (int j = lo; j <= hi - 1; j++) {
        watch.compared(j, hi);
        if (a[j] <= pivot) {
            i++;
            T tmp = a[i];
            a[i] = a[j];
            a[j] = tmp;
            watch.exchanged(i, j);
        }
    }
    T tmp = a[i + 1];
    a[i + 1] = a[hi];
    a[hi] = tmp;
    watch.exchanged(i + 1, hi);
    watch.pass_done();
    return i + 1;
}

// The part left of the pivot is sorted first, then the part right of it, as
// the textbook has it; but only a part that has another after it is a call of
// its own: the last one (the right, or the left when the right has less than
// two elements) is taken by the loop. Ordered, reverse and equal input thus
// sort at a depth of one call, where plain recursion goes n deep and a large
// array overflows the stack. Input made to keep both parts large all the way
// down could still go deep: past 64 calls, the smaller part is the call and
// the larger the loop, which changes only the order in which the parts are
// sorted, never a comparison or an exchange, and holds the depth to
// 64 + log2 n. Fewer than 190 elements never go that deep.
template <typename T, typename W> void quick_range(T *a, int lo, int hi, int depth, W &watch) {
    while (lo < hi) {
        int p = lomuto_partition(a, lo, hi, watch);
        bool left_called = depth < 64 || p - lo <= hi - p;
        if (left_called && p + 1 >= hi) {
            hi = p - 1;
        } else if (left_called) {
            quick_range(a, lo, p - 1, depth + 1, watch);
            lo = p + 1;
        } else {
            quick_range(a, p + 1, hi, depth + 1, watch);
            hi = p - 1;
        }
    }
}

template <typename T, typename W = Unwatched> void quick_sort(T *a, int n, W &&watch = W{}) {
    if (n <= 1)
        return;
    quick_range(a, 0, n - 1, 0, watch);
}

// Sifts a[i] down the max-heap a[0..size-1]: while a child of it is greater,
// it is exchanged with the greater child (the left one of two equal).
template <typename T, typename W> void sift(T *a, int i, int size, W &watch) {
    while (i < size / 2) { // that is, while 2i + 1 < size, which could overflow
        int c = 2 * i + 1;
        if (c + 1 < size) {
            watch.compared(c, c + 1);
            if (a[c] < a[c + 1])
                c = c + 1;
        }
        watch.compared(i, c);
        if (!(a[i] < a[c]))
            break;
        T tmp = a[i];
        a[i] = a[c];
        a[c] = tmp;
        watch.exchanged(i, c);
        i = c;
    }
}

// Heap sort: the array made a max-heap (one pass), then the greatest element
// exchanged to the end of the heap, which shrinks by one, and the new root
// sifted down (one pass each).
template <typename T, typename W = Unwatched> void heap_sort(T *a, int n, W &&watch = W{}) {
    if (n <= 1)
        return;
    for (int i = n / 2 - 1; i >= 0; i--)
        sift(a, i, n, watch);
    watch.pass_done();
    for (int end = n - 1; end >= 1; end--) {
        T tmp = a[0];
        a[0] = a[end];
        a[end] = tmp;
        watch.exchanged(0, end);
        sift(a, 0, end, watch);
        watch.pass_done();
    }
}

} // namespace
