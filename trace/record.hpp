// The recording of a sort: one of the four algorithms runs once on a copy of
// the values with a watcher that logs every comparison, exchange (shift, for
// the insertion sort) and end of a pass, with the positions involved. What
// sort_trace prints and what sort_view shows is then read from the log: the
// state after any number of events is the log replayed up to there.
#pragma once

#include "algorithms.hpp"
#include "value_text.hpp"

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

enum Event_kind : unsigned char { compared_event, exchanged_event, pass_event };

// Positions are below capacity, so a byte holds them.
struct Event {
    Event_kind kind;
    unsigned char i, j; // the positions compared or exchanged
};

// The longest log: the simple bubble sort on 100 values in reverse order
// makes 99 * 99 comparisons, 99 * 100 / 2 exchanges and 99 passes.
constexpr int max_events = 99 * 99 + 99 * 100 / 2 + 99;

struct Log {
    Algorithm algorithm;
    int n;
    float values[capacity]; // as given
    int count;              // of events
    Event events[max_events];
    // The event that first changed the order of two equal values, and their
    // positions as given (first, second); -1 while it never happened.
    int reordered_at;
    int reordered[2];
};

// Sorts a copy of a (positions 0 to n-1, n from 0 to capacity) with the
// algorithm and logs every step.
void record(Algorithm algorithm, const float *a, int n, Log *log);

// The array after the first p events: order[k] is the position as given of
// the value now at place k. The insertion sort's key is at the free place.
struct State {
    int order[capacity];
    Steps steps;
};

void replay(const Log *log, int p, State *s);

inline float value_at(const Log *log, const State *s, int k) { return log->values[s->order[k]]; }

// Whether equal values end in the order they were given.
bool keeps_order(const Log *log);

bool has_repeats(const float *a, int n);

// Which of equal values the one at position p (as given) is: 0 for the
// first, 1 for the second, ...; -1 when no other value equals it.
int repeat_index(const float *a, int n, int p);

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
