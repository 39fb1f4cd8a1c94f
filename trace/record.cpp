// The recording watcher, and the one way an event changes the state.
#include "record.hpp"

#include "description.hpp"

#include <algorithm>

namespace trace {

namespace {

// Logs each step and follows where every value goes, to catch the first
// exchange or write-back that moves a value past an equal one.
struct Recorder : Watcher {
    Log *log;
    State state;
    int part_from = 0;         // the part copied aside last
    bool taken[capacity] = {}; // of it, the elements written back

    void add(Event_kind kind, int i, int j) {
        Event e = {kind, (unsigned char)i, (unsigned char)j};
        if (log->count < max_events)
            log->events[log->count++] = e;
        apply(e, &state);
    }
    void compared(int i, int j) override { add(compared_event, i, j); }
    void exchanged(int i, int j) override {
        if (log->reordered_at < 0)
            check_order(std::min(i, j), std::max(i, j));
        add(exchanged_event, i, j);
    }
    void pass_done() override { add(pass_event, 0, 0); }
    void moved(int from, int to) override {
        if (log->reordered_at < 0)
            check_write_back(from);
        taken[from] = true;
        add(moved_event, from, to);
    }
    void part(int lo, int hi) override {
        part_from = lo;
        std::fill(taken + lo, taken + hi + 1, false);
        add(part_event, lo, hi);
    }

    // The values at lo and hi change places: each passes the values between
    // them, and the two pass each other.
    void check_order(int lo, int hi) {
        const float *v = log->values;
        const int *order = state.order;
        if (lo == hi)
            return;
        for (int k = lo + 1; k <= hi; k++)
            if (v[order[k]] == v[order[lo]])
                return note(order[lo], order[k]);
        for (int k = lo + 1; k < hi; k++)
            if (v[order[k]] == v[order[hi]])
                return note(order[k], order[hi]);
    }
    // A part is written back in the order of its places: the element taken
    // from the copy passes those before it there that are still to be taken.
    void check_write_back(int from) {
        const float *v = log->values;
        const int *aside = state.aside;
        for (int k = part_from; k < from; k++)
            if (!taken[k] && v[aside[k]] == v[aside[from]])
                return note(aside[k], aside[from]);
    }
    // The step about to be logged reorders the values given at p and q.
    void note(int p, int q) {
        log->reordered_at = log->count;
        log->reordered[0] = std::min(p, q);
        log->reordered[1] = std::max(p, q);
    }
};

} // namespace

void record(Algorithm algorithm, const float *a, int n, Log *log) {
    n = std::clamp(n, 0, capacity);
    log->algorithm = algorithm;
    log->n = n;
    log->count = 0;
    log->reordered_at = -1;
    log->reordered[0] = log->reordered[1] = -1;
    float copy[capacity];
    for (int i = 0; i < n; i++)
        log->values[i] = copy[i] = a[i];
    Recorder recorder;
    recorder.log = log;
    start_state(log, &recorder.state);
    describe(algorithm).sort(copy, n, recorder);
    log->totals = recorder.state.steps;
}

void start_state(const Log *log, State *s) {
    for (int k = 0; k < log->n; k++)
        s->order[k] = s->aside[k] = k;
    s->steps = {0, 0, 0};
}

void replay(const Log *log, int p, State *s) {
    p = std::clamp(p, 0, log->count);
    start_state(log, s);
    for (int e = 0; e < p; e++)
        apply(log->events[e], s);
}

bool keeps_order(const Log *log) {
    State s;
    replay(log, log->count, &s);
    for (int k = 1; k < log->n; k++)
        if (value_at(log, &s, k - 1) == value_at(log, &s, k) && s.order[k - 1] > s.order[k])
            return false;
    return true;
}

bool has_repeats(const float *a, int n) {
    for (int i = 0; i < n; i++)
        if (repeat_index(a, n, i) > 0)
            return true;
    return false;
}

int repeat_index(const float *a, int n, int p) {
    int before = 0;
    bool repeated = false;
    for (int q = 0; q < n; q++)
        if (q != p && a[q] == a[p]) {
            repeated = true;
            before += q < p;
        }
    return repeated ? before : -1;
}

} // namespace trace
