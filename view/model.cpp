// The model of a position: the log read event by event, as its algorithm's
// description says, up to the position.
#include "model.hpp"

#include <algorithm>

namespace view {

namespace {

using trace::Event;
using trace::Log;

// What the event did, on the places it touched: compared (in the array, or
// in the copy of a part that the algorithm compares in), exchanged or
// written; and at the exchange that first changes the order of two equal
// values, those two, wherever they now are.
void mark_event(const Log *log, int e, Model *m) {
    const Event &ev = log->events[e];
    bool *compared = trace::describe(log->algorithm).words.aside ? m->copy_compared : m->compared;
    if (ev.kind == trace::compared_event)
        compared[ev.i] = compared[ev.j] = true;
    if (ev.kind == trace::exchanged_event)
        m->moved[ev.i] = m->moved[ev.j] = true;
    if (ev.kind == trace::moved_event)
        m->moved[ev.j] = true;
    if (e != log->reordered_at)
        return;
    for (int k = 0; k < log->n; k++) {
        int given = m->state.order[k];
        m->flagged[k] = given == log->reordered[0] || given == log->reordered[1];
    }
}

// The places the last event worked on or, at the start and after a pass,
// those the variables point at (the first place when none does).
void mark_work(const Log *log, Model *m) {
    const Event *e = m->last >= 0 ? &log->events[m->last] : nullptr;
    if (e != nullptr && e->kind != trace::pass_event) {
        bool moved = e->kind == trace::moved_event; // its i is a place of the copy
        m->lead = moved ? e->j : e->i;
        m->lo = moved ? e->j : std::min(e->i, e->j);
        m->hi = moved ? e->j : std::max(e->i, e->j);
        return;
    }
    m->lo = log->n;
    m->hi = -1;
    for (int at : m->variables.at)
        if (at >= 0 && at < log->n) {
            m->lo = std::min(m->lo, at);
            m->hi = std::max(m->hi, at);
        }
    if (m->hi < 0)
        m->lo = m->hi = 0;
    m->lead = m->lo;
}

} // namespace

void model_at(const Log *log, int p, int from, Model *m) {
    p = std::clamp(p, 0, log->count);
    from = std::clamp(from, 0, p);
    for (int k = 0; k < log->n; k++)
        m->compared[k] = m->copy_compared[k] = m->moved[k] = m->flagged[k] = false;
    trace::read_log(log, 0, from, m);
    for (int e = from; e < p; e++) {
        trace::read_log(log, e, e + 1, m);
        mark_event(log, e, m);
    }
    m->done = p == log->count;
    m->last = p - 1;
    m->line = p > 0 && !m->done ? m->variables.line : -1;
    const trace::Variables &v = m->variables;
    for (int k = 0; k < log->n; k++)
        m->placed[k] =
            m->done || v.placed_one[k] || (k >= v.placed_from && k < v.placed_to && k != v.aside);
    mark_work(log, m);
}

} // namespace view
