// The trace of the sorting algorithms: each one's log is printed as a table,
// the array after every pass with what the pass cost, and a summary sets
// them side by side. The counters' words are here, for the view too.
#pragma once

#include "record.hpp"

namespace trace {

// The counters as the trace and the view name them: passi, confronti,
// scambi.
extern const char *const counter_names[3];
int counter_value(Steps s, int k);

// "passi 3  confronti 9  scambi 3" (no line end).
void steps_text(char *text, int size, Steps s);

// Whether colours are wanted: not when NO_COLOR is set to a value.
bool colours_wanted();

// The width of a column of the trace: the widest value of a as value_text
// writes it, and at least the width of the heading "A[n]".
int column_width(const float *a, int n);

// Prints the table of one recorded sort, each value in a column of the
// given width, the elements each pass moved in colour when colour is set.
void print_table(const Log *log, int width, bool colour);

// "sì" when the sort kept equal values in the order given, "no" when it did
// not, "-" when no value repeats.
const char *stability(const Log *log);

// The heading of the summary and one of its rows (no line end).
void summary_heading(char *text, int size);
void summary_row(char *text, int size, const Log *log);

// All that sort_trace prints after reading the values: the legend, the
// tables and the summary, of the algorithms k whose traced[k] is set (all
// of them when traced is null).
void print_trace(const float *a, int n, const bool *traced = nullptr);

// "1,5,6": each number from 1 to algorithm_count chooses that algorithm in
// chosen, the others not; gives false for anything else, which the rule
// says is wrong ("gli algoritmi vanno da 1 a 8, separati da virgole").
bool read_algorithms(const char *list, bool *chosen);
const char *algorithms_rule();

// Asks how many values there are (1 to capacity) and then each one, with the
// system's numeric reader; gives the count.
int ask_values(float *a);

} // namespace trace
