// The recording of a sort: an algorithm runs once on a copy of the values
// with a watcher that logs every comparison, exchange (shift, for the
// insertion and the Shell sort), element written back from an auxiliary
// array, part begun and end of a pass, with the positions involved. What
// sort_trace prints and what sort_view shows is then read from the log: the
// state after any number of events is the log replayed up to there, each
// event applied in turn by apply.
#pragma once

#include "value_text.hpp"

#include <utility>

namespace trace {

// The arrays hold as many elements as every other array of the system.
constexpr int capacity = 100;

// Places count from 0 in the logs and the code, as in C; whatever shows one
// shows it from 1, as the system's prompts do ("Inserire A[1]: ").
constexpr int shown_place(int place) { return place + 1; }

// The algorithms, in the order they are shown; each has its description
// (description.hpp).
enum Algorithm {
    simple_bubble_sort,
    bounded_bubble_sort,
    selection_sort,
    insertion_sort,
    shell_sort,
    merge_sort,
    quick_sort,
    heap_sort
};
constexpr int algorithm_count = 8;

struct Steps {
    int passes;
    int comparisons;
    int exchanges; // and shifts, and elements moved back from an auxiliary array
};

// What a sort is seen to do, with the positions i and j: compare the
// elements there; exchange them (for the insertion and the Shell sort:
// shift the element at i into j); end a pass; write the element at i of an
// auxiliary array back into j; start on the part from i to j (a merge, a
// partition).
enum Event_kind : unsigned char {
    compared_event,
    exchanged_event,
    pass_event,
    moved_event,
    part_event
};
constexpr int event_kinds = 5;

// Positions are below capacity, so a byte holds them.
struct Event {
    Event_kind kind;
    unsigned char i, j;
};

// The longest log of the eight for 100 values: the simple bubble sort's on
// values in reverse order, 99 * 99 comparisons, 99 * 100 / 2 exchanges and
// 99 passes (14,850 events). The others make fewer:
// - the quick sort's worst, on ordered (or equal) values, partitions 100,
//   99, ..., 2 values: for m values a part, m - 1 comparisons, m exchanges
//   and a pass, 2m + 1 events, 10,197 in all;
// - the Shell sort's gaps 40, 13, 4 and 1 sort chains of at most 3, 8, 25
//   and 100 elements: at most 6,566 comparisons, as many shifts and 4
//   passes, fewer than 13,140;
// - the merge sort makes 99 merges (a part and a pass each), at most 573
//   comparisons and 672 elements written back, fewer than 1,450;
// - the heap sort makes 100 passes and sifts at most 6 levels deep, two
//   comparisons and an exchange a level: fewer than 2,300.
constexpr int max_events = 99 * 99 + 99 * 100 / 2 + 99;

struct Log {
    Algorithm algorithm;
    int n;
    float values[capacity]; // as given
    int count;              // of events
    Event events[max_events];
    Steps totals; // after the last event
    // The event that first changed the order of two equal values, and their
    // positions as given (first, second); -1 while it never happened.
    int reordered_at;
    int reordered[2];
};

// Sorts a copy of a (positions 0 to n-1, n from 0 to capacity) with the
// algorithm and logs every step.
void record(Algorithm algorithm, const float *a, int n, Log *log);

// What a sort tells its watcher, as the algorithms of the routines call it.
struct Watcher {
    virtual void compared(int i, int j) = 0;
    virtual void exchanged(int i, int j) = 0;
    virtual void pass_done() = 0;
    virtual void moved(int, int) {}
    virtual void part(int, int) {}
};

// The array after some events: order[k] is the position as given of the
// value now at place k (the key of the insertion and the Shell sort is at
// the free place), and aside[k] the same for the auxiliary array.
struct State {
    int order[capacity];
    int aside[capacity];
    Steps steps;
};

// The values as given, before the first event.
void start_state(const Log *log, State *s);

// The state after one event more.
inline void apply(const Event &e, State *s) {
    if (e.kind == compared_event) {
        s->steps.comparisons++;
    } else if (e.kind == exchanged_event) {
        s->steps.exchanges++;
        std::swap(s->order[e.i], s->order[e.j]);
    } else if (e.kind == pass_event) {
        s->steps.passes++;
    } else if (e.kind == moved_event) { // written back from the copy the part made
        s->steps.exchanges++;
        s->order[e.j] = s->aside[e.i];
    } else { // part_event: the part copied aside
        for (int k = e.i; k <= e.j; k++)
            s->aside[k] = s->order[k];
    }
}

// The state after the first p events.
void replay(const Log *log, int p, State *s);

inline float value_at(const Log *log, const State *s, int k) { return log->values[s->order[k]]; }

// Whether equal values end in the order they were given.
bool keeps_order(const Log *log);

bool has_repeats(const float *a, int n);

// Which of equal values the one at position p (as given) is: 0 for the
// first, 1 for the second, ...; -1 when no other value equals it.
int repeat_index(const float *a, int n, int p);

} // namespace trace
