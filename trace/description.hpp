// Each algorithm described once, for the trace and the view alike: its
// names, what its pass is, its pseudocode and the line each kind of event
// runs there, the sort itself, and its variables with how they follow the
// events of its log. Adding an algorithm is its name in Algorithm
// (record.hpp), its entry in the table of description.cpp and the function
// that follows its variables (there, or in follow_fast.hpp).
#pragma once

#include "record.hpp"

namespace trace {

constexpr int max_variables = 6;
constexpr int max_code_lines = 16;

// The algorithm's variables at a point of its log, and what they tell: the
// line of the pseudocode being run (-1: none), the part of the array in
// place (from placed_from to placed_to - 1, but for the place aside, whose
// value is held apart; -1: none).
struct Variables {
    int value[max_variables]; // in the order of the description's names
    int at[max_variables];    // the place each points at under the bars; -1: none
    int line;
    int placed_from, placed_to, aside;
};

// What an algorithm's variables follow an event with: the log, the state
// after the event, whether the event is the first comparison of a pass, and
// whether a pass has ended and the next has not started (also before the
// first one).
struct Moment {
    const Log *log;
    const State *state;
    bool pass_starts;
    bool pass_over;
};

// A log read event by event: the array and its counts, and the algorithm's
// variables.
struct Reading {
    State state;
    Variables variables;
    bool pass_over;
};

struct Variable_name {
    const char *name;
    bool element; // its value is a place, shown as the element there
};

struct Description {
    const char *name;                 // in the trace's tables and summary, the view's titles
    const char *short_name;           // in the race's narrow summary
    const char *pass;                 // what each of its passes does, under the trace's name
    const char *code[max_code_lines]; // in Italian, places from 0 as in C
    // The line each kind of event runs (compared, exchanged, pass, moved,
    // part, as Event_kind has them); -1: none.
    signed char line_of[event_kinds];
    bool shifts; // its exchanges shift elements past a key held apart
    Variable_name variables[max_variables];
    // Sorts a with every step seen by watch.
    void (*sort)(float *a, int n, Watcher &watch);
    // Reads its log (read_log): follow_events with the function that sets
    // the variables as they are before the first event (e null) or as an
    // event leaves them (the line set to line_of before).
    void (*read)(const Log *log, int first, int end, Reading *r);
};

const Description &describe(Algorithm algorithm);

// Counts of the lines of code and of the variables.
int code_lines(const Description &d);
int variable_count(const Description &d);

// Reads the events from first to end - 1 of the log into r: each applied to
// the state, then followed by the variables. Reading from the first event
// (first 0) starts from the values as given.
void read_log(const Log *log, int first, int end, Reading *r);

} // namespace trace
