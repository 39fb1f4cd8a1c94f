// The trace of the four sorting algorithms: each one's log is printed as a
// table, the array after every pass with what the pass cost, and a summary
// sets the four side by side.
#pragma once

#include "record.hpp"

const char *algorithm_name(Algorithm algorithm);

// The width of a column of the trace: the widest value of a as value_text
// writes it, and at least the width of the heading "A[n]".
int column_width(const float *a, int n);

// Prints the table of one recorded sort, each value in a column of the
// given width.
void trace_sort(const Log *log, int width);

// "sì" when the sort kept equal values in the order given, "no" when it did
// not, "-" when no value repeats.
const char *stability(const Log *log);

// The heading of the summary and one of its rows (no line end).
void summary_heading(char *text, int size);
void summary_row(char *text, int size, const Log *log);

// All that sort_trace prints after reading the values: the legend, the four
// tables and the summary.
void print_trace(const float *a, int n);

// Asks how many values there are (1 to capacity) and then each one, with the
// system's numeric reader; gives the count.
int ask_values(float *a);
