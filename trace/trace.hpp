// The trace of the four sorting algorithms: each one sorts a copy of the same
// reals while a watcher prints the array after every pass, with what the pass
// cost; a summary then sets the four side by side.
#pragma once

#include "algorithms.hpp"

// The arrays hold as many elements as every other array of the system.
constexpr int capacity = 100;

// The four algorithms, in the order they are shown.
enum Algorithm { simple_bubble_sort, bounded_bubble_sort, selection_sort, insertion_sort };
constexpr int algorithm_count = 4;

struct Steps {
    int passes;
    int comparisons;
    int exchanges;
};

const char *algorithm_name(Algorithm algorithm);

// The width of a column of the trace: the widest value of a as "%.3g" shows
// it, and at least the width of the heading "A[n]".
int column_width(const float *a, int n);

// Prints the trace of one algorithm sorting a (positions 0 to n-1), each
// value in a column of the given width, and gives the steps it counted.
Steps trace_sort(Algorithm algorithm, float *a, int n, int width);

namespace {

// Sorts a with the algorithm, every step seen by watch.
template <typename T, typename W> void run(Algorithm algorithm, T *a, int n, W &watch) {
    switch (algorithm) {
    case simple_bubble_sort:
        simple_bubble(a, n, watch);
        break;
    case bounded_bubble_sort:
        bounded_bubble(a, n, watch);
        break;
    case selection_sort:
        selection(a, n, watch);
        break;
    case insertion_sort:
        insertion(a, n, watch);
        break;
    }
}

} // namespace
