// Each algorithm described once, for the trace and the view alike: its
// names, what its pass is, its pseudocode and the line each kind of event
// runs there, the sort itself, its variables with how they follow the events
// of its log, and the words that tell each step and what it decides. Adding
// an algorithm is its name in Algorithm (record.hpp), its entry in the table
// of description.cpp and the function that follows its variables (there, or
// in follow_fast.hpp); its words have defaults.
#pragma once

#include "record.hpp"

namespace trace {

constexpr int max_variables = 6;
constexpr int max_code_lines = 16;

// The algorithm's variables at a point of its log, and what they tell: the
// line of the pseudocode being run (-1: none), the part of the array in
// place (from placed_from to placed_to - 1, but for the place aside, whose
// value is held apart; -1: none, and the places in place one by one, which
// make no range: the quick sort's pivots), the part of the array worked on
// (a merge's, a partition's, the heap).
struct Variables {
    int value[max_variables]; // in the order of the description's names
    int at[max_variables];    // the place each points at under the bars; -1: none
    int line;
    int placed_from, placed_to, aside;
    bool placed_one[capacity];
    // The part worked on, from part_from to part_to (-1: none), split after
    // part_split into the two parts a merge joins (-1: not split); copied
    // while the merge takes its elements back from the part's copy, B.
    int part_from, part_to, part_split;
    bool copied;
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

// A variable's value is a place (shown from 1, as every place), unless it is
// shown as the element at that place or it is a count (shown as it is).
struct Variable_name {
    const char *name;
    bool element;       // shown as the element at its place
    bool count = false; // a number, not a place
};

// What a comparison decides: the test it makes of the elements at its
// event's i and j (A[i] > A[j], A[i] < A[j], A[i] <= A[j]); none: only how
// they compare.
enum Test : unsigned char { no_test, greater_test, less_test, not_greater_test };

// The words that tell each step and its outcome. In them {i} and {j} stand
// for the places of the event (from 1), {x} and {y} for the values there once
// the event is done, {.name} for the algorithm's variable of that name as the
// variables show it ({.q+1}: a place, the one after it). A comparison reads
// as compared, then how the two values compare and, as the test holds or
// not, holds or fails ("Confronto A[5] = 8 e A[6] = 2: 8 > 2, si
// scambiano."); the end of a pass says what passed says, or else names the
// part in place, as placed says of one place or of more.
struct Words {
    const char *compared = "Confronto A[{i}] = {x} e A[{j}] = {y}";
    bool aside = false; // it compares the values of the copy a part made (a merge)
    Test test = no_test;
    const char *holds = "";
    const char *fails = "";
    const char *exchanged = "Scambio A[{i}] e A[{j}]: ora A[{i}] = {x} e A[{j}] = {y}";
    const char *self = "Scambio A[{i}] con se stesso: {x} resta dov'è";
    const char *moved = "Dalla copia, {y} torna in A[{j}]";
    const char *moved_rest = nullptr; // no comparison chose it: the other part is used up
    const char *part = "Si lavora sulla parte A[{i}…{j}]";
    const char *placed[2] = {"al suo posto", "al loro posto"};
    const char *passed = nullptr;       // what a pass did, after "Fine del passo 2: "
    const char *first_passed = nullptr; // the same of the first pass, where it differs
};

struct Description {
    const char *name;                 // in the trace's tables and summary, the view's titles
    const char *short_name;           // in the race's narrow summary
    const char *pass;                 // what each of its passes does, under the trace's name
    const char *code[max_code_lines]; // in Italian, places from 1 to n as textbooks have them
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
    Words words = {};
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
