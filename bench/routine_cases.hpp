// What bench_routines measures and what its tables read: the sizes, the
// inputs and the algorithms by name, the steps a counting watcher found in
// each case, and the tables printed from them.
#pragma once

#include <map>
#include <string>

const int sizes[] = {10, 100, 1000, 10000};
const int size_count = 4;
const char *const input_names[] = {"random", "ordered", "reverse", "equal"};
const int input_count = 4;
const int algorithm_count = 8;
const char *const algorithm_names[algorithm_count] = {
    "simple bubble", "bounded bubble", "selection", "insertion", "shell", "merge", "quick", "heap"};

// The watcher of the untimed call: the merge sort's moves count with the
// exchanges.
struct Counts {
    long long comparisons = 0, exchanges = 0, passes = 0;
    void compared(int, int) { comparisons++; }
    void exchanged(int, int) { exchanges++; }
    void moved(int, int) { exchanges++; }
    void part(int, int) {}
    void pass_done() { passes++; }
};

// What the untimed calls found, by case name without the implementation.
struct Found {
    Counts counts;
    bool sorted_alike; // the generic instance and the C loop give the same array, in order
};
inline std::map<std::string, Found> found;

// "algorithm/type/implementation/input/size", blanks made underscores; the
// counts are kept under an empty implementation.
std::string case_name(const char *algorithm, const char *type, const char *impl, int kind, int n);

// The tables, from the counts found and the least time per call of every
// case (by case name, in nanoseconds).
void print_counts(const char *title, long long Counts::*field);
void print_times(const std::map<std::string, double> &least_ns);
void print_growth(const std::map<std::string, double> &least_ns);
void print_checks();
