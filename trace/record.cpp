// The recording watcher and the replay.
#include "record.hpp"

namespace {

// Logs each step and follows where every value goes, to catch the first
// exchange that moves a value past an equal one.
struct Recorder {
    Log *log;
    int order[capacity];

    void add(Event_kind kind, int i, int j) {
        if (log->count < max_events)
            log->events[log->count++] = {kind, (unsigned char)i, (unsigned char)j};
    }
    void compared(int i, int j) { add(compared_event, i, j); }
    void exchanged(int i, int j) {
        add(exchanged_event, i, j);
        if (log->reordered_at < 0)
            check_order(i < j ? i : j, i < j ? j : i);
        int t = order[i];
        order[i] = order[j];
        order[j] = t;
    }
    void pass_done() { add(pass_event, 0, 0); }

    // The values at lo and hi change places: each passes the values between
    // them, and the two pass each other.
    void check_order(int lo, int hi) {
        const float *v = log->values;
        if (lo == hi)
            return;
        for (int k = lo + 1; k <= hi; k++)
            if (v[order[k]] == v[order[lo]])
                return note(order[lo], order[k]);
        for (int k = lo + 1; k < hi; k++)
            if (v[order[k]] == v[order[hi]])
                return note(order[k], order[hi]);
    }
    void note(int p, int q) {
        log->reordered_at = log->count - 1;
        log->reordered[0] = p < q ? p : q;
        log->reordered[1] = p < q ? q : p;
    }
};

} // namespace

void record(Algorithm algorithm, const float *a, int n, Log *log) {
    n = n < 0 ? 0 : n > capacity ? capacity : n;
    log->algorithm = algorithm;
    log->n = n;
    log->count = 0;
    log->reordered_at = -1;
    log->reordered[0] = log->reordered[1] = -1;
    Recorder recorder;
    recorder.log = log;
    float copy[capacity];
    for (int i = 0; i < n; i++) {
        log->values[i] = copy[i] = a[i];
        recorder.order[i] = i;
    }
    run(algorithm, copy, n, recorder);
}

void replay(const Log *log, int p, State *s) {
    p = p < 0 ? 0 : p > log->count ? log->count : p;
    for (int k = 0; k < log->n; k++)
        s->order[k] = k;
    s->steps = {0, 0, 0};
    for (int e = 0; e < p; e++) {
        const Event &ev = log->events[e];
        if (ev.kind == compared_event) {
            s->steps.comparisons++;
        } else if (ev.kind == exchanged_event) {
            s->steps.exchanges++;
            int t = s->order[ev.i];
            s->order[ev.i] = s->order[ev.j];
            s->order[ev.j] = t;
        } else {
            s->steps.passes++;
        }
    }
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
