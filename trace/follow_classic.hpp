// How the variables of the four classic sorts (the two bubble sorts, the
// selection sort and the insertion sort) follow the events of their logs,
// for their entries in the table of description.cpp, which alone includes
// this. Values are places from 0, as in the logs.
#pragma once

#include "description.hpp"

namespace trace {

namespace {

// Simple bubble sort: passo, j. A pass carries the least of A[j-1] and A[j]
// from the end towards the start; the first passes places are in place.
inline void follow_simple_bubble(Variables *v, const Event *e, const Moment &m) {
    int &pass = v->value[0], &j = v->value[1];
    if (e == nullptr) {
        pass = 0;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            pass = m.state->steps.passes;
        j = e->j;
    }
    v->at[1] = j;
    v->placed_to = m.state->steps.passes;
}

// Bounded bubble sort: limite, ultimo, i. A pass runs i from the end down to
// limite + 1; ultimo, the place of its last exchange, is the next limite,
// and the places before limite are in place. i is shown under the bars from
// place 1, where a pass can have it.
inline void follow_bounded_bubble(Variables *v, const Event *e, const Moment &m) {
    int &bound = v->value[0], &last = v->value[1], &i = v->value[2];
    if (e == nullptr) {
        bound = last = i = 0;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            last = 0;
        i = e->j;
    } else if (e->kind == exchanged_event) {
        last = e->j;
    } else if (e->kind == pass_event) {
        i = bound; // where the pass stopped
        bound = last;
    }
    v->at[0] = bound;
    v->at[2] = i > 0 ? i : -1;
    v->placed_to = bound;
}

// Selection sort: i, j, m. The pass fills place i with the least value from
// i on, whose place m is, of those compared so far.
inline void follow_selection(Variables *v, const Event *e, const Moment &m) {
    int &i = v->value[0], &j = v->value[1], &least = v->value[2];
    if (e == nullptr) {
        i = least = 0;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            i = least = m.state->steps.passes;
        j = e->i;
        if (value_at(m.log, m.state, e->i) < value_at(m.log, m.state, e->j))
            least = e->i;
    }
    v->at[0] = i;
    v->at[1] = j;
    v->at[2] = least;
    v->placed_to = m.state->steps.passes;
}

// Insertion sort: i, j, chiave. The key taken from place i stands in the
// free place, where each shift of A[j] moves it one place left; the places
// up to i are in order but for the key's, until it is placed.
inline void follow_insertion(Variables *v, const Event *e, const Moment &m) {
    int &i = v->value[0], &j = v->value[1], &key = v->value[2];
    if (e == nullptr) {
        i = key = 1;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            i = key = m.state->steps.passes + 1;
        j = e->i;
    } else if (e->kind == exchanged_event) {
        key = e->i;
        j = e->i - 1;
    }
    v->at[0] = i;
    v->at[1] = j;
    v->at[2] = key;
    v->placed_to = e == nullptr ? 0 : i + 1;
    v->aside = m.pass_over ? -1 : key;
}

} // namespace

} // namespace trace
