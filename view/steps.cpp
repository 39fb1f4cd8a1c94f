// Positions in the logs: the race's clock, and the jumps by passes; the part
// of the array shown, moved by hand.
#include "view.hpp"

#include <algorithm>

namespace view {

using trace::Log;

int race_position(const Log *log, int tick) {
    int seen = 0;
    for (int e = 0; e < log->count; e++)
        if (log->events[e].kind == trace::compared_event && seen++ == tick)
            return e;
    return log->count;
}

int race_end(const View *v) {
    int end = 0;
    for (int k = 0; k < trace::algorithm_count; k++)
        if (v->racing[k])
            end = std::max(end, v->logs[k].totals.comparisons);
    return end;
}

int current_step(const View *v) { return v->race ? v->tick : v->pos; }

int last_step(const View *v) { return v->race ? race_end(v) : v->logs[v->algorithm].count; }

void go_to(View *v, int to) {
    to = std::clamp(to, 0, last_step(v));
    if (v->race)
        v->tick = to;
    else
        v->pos = to;
    v->part = -1;
}

void move_part(View *v, const Drawn &drawn, int direction) {
    int n = v->logs[0].n;
    if (drawn.count <= 0 || drawn.count >= n)
        return;
    int from = v->part >= 0 ? v->part : drawn.first;
    v->part = std::clamp(from + direction * std::max(drawn.count / 2, 1), 0, n - drawn.count);
}

namespace {

// The step at which the nearest end of a pass after (forward) or before the
// current step shows; none gives the last step or 0. In the race a pass ends
// at the tick of the comparisons made before it, for each algorithm racing.
int pass_step(const View *v, bool forward) {
    int now = current_step(v);
    int best = forward ? last_step(v) : 0;
    for (int k = 0; k < trace::algorithm_count; k++) {
        if (v->race ? !v->racing[k] : k != v->algorithm)
            continue;
        const Log *log = &v->logs[k];
        int compares = 0;
        for (int e = 0; e < log->count; e++) {
            const trace::Event &ev = log->events[e];
            if (ev.kind == trace::compared_event)
                compares++;
            if (ev.kind != trace::pass_event)
                continue;
            int at = v->race ? compares : e + 1;
            if (forward && at > now && at < best)
                best = at;
            if (!forward && at < now && at > best)
                best = at;
        }
    }
    return best;
}

} // namespace

int pass_forward(const View *v) { return pass_step(v, true); }
int pass_back(const View *v) { return pass_step(v, false); }

} // namespace view
