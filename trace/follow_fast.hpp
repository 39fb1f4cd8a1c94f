// How the variables of the Shell sort, the merge sort, the quick sort and
// the heap sort follow the events of their logs, for their entries in the
// table of description.cpp, which alone includes this. Values are places
// from 0, as in the logs.
#pragma once

#include "description.hpp"

namespace trace {

namespace {

// The lines of the pseudocode (description.cpp) that an event runs where its
// kind alone does not tell which.
enum Code_line {
    merge_left_line = 12,
    merge_right_line = 14,
    quick_swap_line = 9,
    quick_pivot_line = 10,
    heap_build_line = 1,
    heap_root_line = 3,
    heap_sifted_line = 4,
    heap_children_line = 8,
    heap_parent_line = 10,
    heap_swap_line = 11,
};

// The Shell sort's gap after p passes: Knuth's 1, 4, 13, ... from the
// largest below n / 3, each pass dividing it by 3.
inline int shell_gap(int n, int p) {
    int h = 1;
    while (h < n / 3)
        h = 3 * h + 1;
    for (int k = 0; k < p; k++)
        h = h / 3;
    return h;
}

// Shell sort: h, i, j, chiave. A pass is an insertion sort of the elements h
// apart: the key taken from place i stands in the free place, where each
// shift of A[j] moves it h places left; a comparison elsewhere is of the
// next key. h is the pass's until the next one starts, h / 3 then. The last
// pass, with h 1, is the insertion sort's: the places up to i are in order
// but for the key's.
inline void follow_shell(Variables *v, const Event *e, const Moment &m) {
    int &h = v->value[0], &i = v->value[1], &j = v->value[2], &key = v->value[3];
    if (e == nullptr) {
        h = shell_gap(m.log->n, 0);
        i = key = h;
        j = -1;
    } else if (e->kind == compared_event) {
        if (m.pass_starts)
            h = shell_gap(m.log->n, m.state->steps.passes);
        if (m.pass_starts || e->j != key)
            i = key = e->j;
        j = e->i;
    } else if (e->kind == exchanged_event) {
        key = e->i;
        j = e->i - h;
    }
    v->at[1] = i;
    v->at[2] = j >= 0 ? j : -1;
    v->at[3] = key;
    int pass = m.state->steps.passes - (m.pass_over ? 1 : 0); // running, or just ended
    v->placed_to = e != nullptr && shell_gap(m.log->n, pass) == 1 ? i + 1 : 0;
    v->aside = m.pass_over ? -1 : key;
}

// Merge sort: p, q, r, i, j, k. A merge copies A[p..r] aside, into B, then
// writes A[k], for k from p to r, with B[i] of the left part (up to q) or
// B[j] of the right one; once merged, the part is one. Only the last merge,
// of the whole array, writes elements in their places.
inline void follow_merge(Variables *v, const Event *e, const Moment &m) {
    int &lo = v->value[0], &mid = v->value[1], &hi = v->value[2];
    int &i = v->value[3], &j = v->value[4], &k = v->value[5];
    if (e == nullptr) {
        lo = i = k = 0;
        hi = m.log->n - 1;
        mid = hi / 2;
        j = mid + 1;
    } else if (e->kind == part_event) {
        lo = i = k = e->i;
        hi = e->j;
        mid = lo + (hi - lo) / 2;
        j = mid + 1;
        v->part_from = lo;
        v->part_to = hi;
        v->part_split = mid;
        v->copied = true;
    } else if (e->kind == compared_event) {
        j = e->i;
        i = e->j;
        k = i + j - (mid + 1); // as many written as taken from both parts
    } else if (e->kind == moved_event) {
        k = e->j;
        if (e->i <= mid) {
            i = e->i + 1;
        } else {
            j = e->i + 1;
            v->line = merge_right_line;
        }
        if (lo == 0 && hi == m.log->n - 1)
            v->placed_to = k + 1;
    } else if (e->kind == pass_event) {
        v->part_split = -1;
        v->copied = false;
    }
    v->at[0] = lo;
    v->at[1] = mid;
    v->at[2] = hi;
    v->at[3] = i <= mid ? i : -1;
    v->at[4] = j <= hi ? j : -1;
    v->at[5] = k;
}

// Quick sort: p, r, pivot, i, j. A partition of A[p..r] runs j from p to
// r - 1 and takes the elements not greater than the pivot, A[r], to the
// front, up to i; then the pivot after them, in its place. So is a part of
// one element beside it, which no partition works on.
inline void follow_quick(Variables *v, const Event *e, const Moment &m) {
    int &lo = v->value[0], &hi = v->value[1], &pivot = v->value[2];
    int &i = v->value[3], &j = v->value[4];
    if (e == nullptr) {
        lo = j = 0;
        hi = pivot = m.log->n - 1;
        i = -1;
    } else if (e->kind == part_event) {
        lo = j = e->i;
        hi = pivot = e->j;
        i = lo - 1;
        v->part_from = lo;
        v->part_to = hi;
    } else if (e->kind == compared_event) {
        j = e->i;
    } else if (e->kind == exchanged_event && e->j != hi) {
        i = e->i;
    } else if (e->kind == exchanged_event) {
        pivot = e->i;
        v->line = quick_pivot_line;
        v->placed_one[pivot] = true;
        v->placed_one[lo] = v->placed_one[lo] || pivot - 1 == lo;
        v->placed_one[hi] = v->placed_one[hi] || pivot + 1 == hi;
    }
    v->at[0] = lo;
    v->at[1] = hi;
    v->at[2] = pivot;
    v->at[3] = i >= lo ? i : -1;
    v->at[4] = j < hi ? j : -1;
}

// Heap sort: fine, i, c. The heap is A[0..fine], the part worked on; the
// node i is sifted down while its greater child c is greater than it. The
// first pass builds the heap; each one after it exchanges the root with the
// heap's last element, which is then in place, and sifts the new root.
inline void follow_heap(Variables *v, const Event *e, const Moment &m) {
    int &end = v->value[0], &i = v->value[1], &c = v->value[2];
    if (e == nullptr) {
        end = m.log->n - 1;
        i = m.log->n / 2 - 1;
        c = -1;
    } else if (e->kind == compared_event && e->j >= 2 * e->i + 1) { // A[i] and its child
        i = e->i;
        c = e->j;
        v->line = heap_parent_line;
    } else if (e->kind == compared_event) { // the two children: c is the greater
        i = (e->i - 1) / 2;
        bool right = value_at(m.log, m.state, e->i) < value_at(m.log, m.state, e->j);
        c = right ? e->j : e->i;
    } else if (e->kind == exchanged_event && m.pass_over) { // the root to the end
        end = e->j - 1;
        i = 0;
        v->line = heap_root_line;
    } else if (e->kind == exchanged_event) {
        i = c = e->j;
    } else if (e->kind == pass_event && m.state->steps.passes == 1) {
        v->line = heap_build_line;
    }
    v->at[0] = end;
    v->at[1] = i;
    v->at[2] = c >= 0 && c <= end ? c : -1;
    v->placed_from = end + 1;
    v->placed_to = m.log->n;
    v->part_from = 0;
    v->part_to = end;
}

} // namespace

} // namespace trace
