// sort_trace: reads up to 100 reals and shows, pass by pass, how each of the
// sorting algorithms orders a copy of them: the array after every pass
// (for the selection sort after every exchange, for the insertion sort after
// every key is placed) with that pass's comparisons and exchanges, then the
// totals; last, a summary of the four on the same data, with whether each
// kept equal values in the order they were typed.
//
// Every value stands in a column as wide as the widest value (the shortest
// text that reads back as the same real) or the heading "A[n]": up to 8
// values of up to 6 characters keep every line within 80 columns. Longer
// rows are not wrapped: they run on, one row per pass.
#include "program_end.hpp"
#include "trace.hpp"

int main(void) {
    at_program_end();
    float a[trace::capacity];
    int n = trace::ask_values(a);
    trace::print_trace(a, n);
    return 0;
}
