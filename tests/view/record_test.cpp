// The recording shared by sort_trace and sort_view: replayed up to any event
// it gives the array the algorithm had there, and the counts of an
// independent counter; the first step that reorders equal values is caught;
// the variables of the Shell, merge, quick and heap sort follow the events;
// values are written so that different ones never read the same.
#include "description.hpp"

#include <gtest/gtest.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

using namespace trace;

// Runs the algorithm again on the values and, after every step, sets the
// array against the log replayed up to that step. The insertion and the
// Shell sort keep their key apart: the log shows it in the free place, where
// the array still holds the shifted element; a comparison away from the free
// place is of a new key.
struct Checker : Watcher {
    const Log *log;
    const float *a;
    int events = 0;
    Steps steps = {0, 0, 0};
    int hole = -1;
    float key = 0;

    Checker(const Log *recorded, const float *array) : log(recorded), a(array) {}

    void check() {
        State s;
        replay(log, ++events, &s);
        EXPECT_EQ(s.steps.comparisons, steps.comparisons);
        EXPECT_EQ(s.steps.exchanges, steps.exchanges);
        EXPECT_EQ(s.steps.passes, steps.passes);
        for (int k = 0; k < log->n; k++)
            EXPECT_EQ(value_at(log, &s, k), k == hole ? key : a[k])
                << "place " << k << " after event " << events;
    }
    void compared(int, int j) override {
        if (describe(log->algorithm).shifts && hole != j) {
            hole = j;
            key = a[hole];
        }
        steps.comparisons++;
        check();
    }
    void exchanged(int i, int) override {
        steps.exchanges++;
        if (describe(log->algorithm).shifts)
            hole = i;
        check();
    }
    void moved(int, int) override {
        steps.exchanges++;
        check();
    }
    void part(int, int) override { check(); }
    void pass_done() override {
        steps.passes++;
        hole = -1;
        check();
    }
};

// n values drawn from 1 to top.
std::vector<float> random_values(int n, int top) {
    std::vector<float> v(n);
    for (float &x : v)
        x = (float)(1 + rand() % top);
    return v;
}

TEST(Record, ReplayGivesTheArrayAfterEveryEventAndTheCounts) {
    std::vector<float> reverse100, ordered100(100), equal100(100, 5.0f);
    for (int i = 100; i >= 1; i--)
        reverse100.push_back((float)i);
    for (int i = 0; i < 100; i++)
        ordered100[i] = (float)i;
    srand(3);
    // The longest logs: the simple bubble sort's on reverse100, the quick
    // sort's on ordered100 and equal100.
    const std::vector<float> inputs[] = {
        {},
        {7},
        {1, 2, 3, 4, 5},
        {5.5f, 4.25f, 3, 2.75f, 1.125f},
        {3, -1, 0, -7, 2},
        {2, 2, 1, 2, 1},
        {5, 5, 5},
        reverse100,
        ordered100,
        equal100,
        random_values(100, 1000),
        random_values(37, 9),
        random_values(13, 3),
    };
    static Log log;
    for (const auto &values : inputs)
        for (int k = 0; k < algorithm_count; k++) {
            SCOPED_TRACE("algorithm " + std::to_string(k) + ", " + std::to_string(values.size()) +
                         " values");
            std::vector<float> a = values;
            int n = (int)a.size();
            record((Algorithm)k, a.data(), n, &log);
            Checker checker{&log, a.data()};
            describe((Algorithm)k).sort(a.data(), n, checker);
            EXPECT_EQ(checker.events, log.count);
            for (int i = 1; i < n; i++)
                EXPECT_LE(a[i - 1], a[i]);
        }
}

TEST(Record, TheFirstExchangeThatReordersEqualValues) {
    const struct {
        std::vector<float> values;
        Algorithm algorithm;
        int reordered_at; // -1: never
        int first, second;
        bool keeps;
    } cases[] = {
        // The first 2 is exchanged with the 1 behind the second 2.
        {{2, 2, 1}, selection_sort, 2, 0, 1, false},
        // Its exchanges never carry a value past an equal one.
        {{2, 1, 1}, selection_sort, -1, -1, -1, true},
        // The second pass carries the first 3 past the second.
        {{3, 1, 3, 1}, selection_sort, 7, 0, 2, false},
        {{2, 2, 1}, simple_bubble_sort, -1, -1, -1, true},
        {{3, 1, 3, 1}, insertion_sort, -1, -1, -1, true},
        {{5, 5}, selection_sort, -1, -1, -1, true},
        // The first partition's last exchange takes the pivot 1 to the front,
        // the first 2 to the end.
        {{2, 2, 1}, quick_sort, 3, 0, 1, false},
        // After building the heap, its root exchanged to the end.
        {{2, 2, 1}, heap_sort, 3, 0, 1, false},
        // Gap 4: the first shift takes 2 four places right, the key 1 (given
        // fifth) past the 1 given second, which it stays before.
        {{2, 1, 1, 1, 1, 1}, shell_sort, 1, 1, 4, false},
        // The root exchanges take each last 1 past the others, and back.
        {{2, 1, 1, 1, 1, 1}, heap_sort, 6, 1, 5, true},
        {{2, 2, 1, 2, 1}, merge_sort, -1, -1, -1, true},
    };
    static Log log;
    for (const auto &k : cases) {
        record(k.algorithm, k.values.data(), (int)k.values.size(), &log);
        EXPECT_EQ(log.reordered_at, k.reordered_at);
        EXPECT_EQ(log.reordered[0], k.first);
        EXPECT_EQ(log.reordered[1], k.second);
        EXPECT_EQ(keeps_order(&log), k.keeps);
    }
}

// Whether two equal values stand in the state in the order opposite to the
// one given.
bool reversed_equals(const Log *log, const State &s) {
    for (int j = 1; j < log->n; j++)
        for (int i = 0; i < j; i++)
            if (value_at(log, &s, i) == value_at(log, &s, j) && s.order[i] > s.order[j])
                return true;
    return false;
}

// On random values with repeats, the event logged as the first that
// reorders equal values is the first after which two of them stand
// reversed. A merge's state is whole
// again only at its end: for the merge sort, the event is one of the first
// merge after which two stand reversed.
TEST(Record, TheFirstReorderAgainstEveryStateOfTheLog) {
    static Log log;
    srand(5);
    int reordered[algorithm_count] = {};
    for (int round = 0; round < 60; round++) {
        std::vector<float> values = random_values(2 + rand() % 24, 1 + rand() % 4);
        for (int k = 0; k < algorithm_count; k++) {
            SCOPED_TRACE("algorithm " + std::to_string(k) + ", round " + std::to_string(round));
            record((Algorithm)k, values.data(), (int)values.size(), &log);
            State s;
            start_state(&log, &s);
            int first = -1, since = 0; // since: the start of a merge
            for (int e = 0; e < log.count && first < 0; e++) {
                apply(log.events[e], &s);
                bool whole = k != merge_sort || log.events[e].kind == pass_event;
                if (whole && reversed_equals(&log, s))
                    first = e;
                else if (whole)
                    since = e + 1;
            }
            if (first < 0 || log.reordered_at < 0) {
                EXPECT_EQ(log.reordered_at, first);
                continue;
            }
            EXPECT_GE(log.reordered_at, since);
            EXPECT_LE(log.reordered_at, first);
            reordered[k]++;
        }
    }
    for (Algorithm k : {selection_sort, shell_sort, quick_sort, heap_sort})
        EXPECT_GT(reordered[k], 10) << "algorithm " << k;
    for (Algorithm k : {simple_bubble_sort, bounded_bubble_sort, insertion_sort, merge_sort})
        EXPECT_EQ(reordered[k], 0) << "algorithm " << k;
}

// A merge copies its part aside and writes each element back from the
// copy: the state follows the copy, and each element written back counts.
TEST(Record, ElementsWrittenBackFromTheCopyOfAPart) {
    const struct {
        std::vector<Event> events;
        std::vector<float> sorted;
        int exchanges;
    } cases[] = {
        {{{part_event, 0, 2}, {moved_event, 1, 0}, {moved_event, 2, 1}, {moved_event, 0, 2}},
         {1, 2, 3},
         3},
        // The copy is of the part as the exchange before left it.
        {{{exchanged_event, 0, 1}, {part_event, 1, 2}, {moved_event, 2, 1}, {moved_event, 1, 2}},
         {1, 2, 3},
         3},
    };
    static Log log;
    const float values[] = {3, 1, 2};
    record(selection_sort, values, 3, &log);
    for (const auto &k : cases) {
        log.count = (int)k.events.size();
        for (int e = 0; e < log.count; e++)
            log.events[e] = k.events[e];
        State s;
        replay(&log, log.count, &s);
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(value_at(&log, &s, i), k.sorted[i]) << "place " << i;
        EXPECT_EQ(s.steps.exchanges, k.exchanges);
    }
}

// The variables of the Shell, merge, quick and heap sort after p events,
// worked out by hand, with the line run, the places in place (x) and the part
// worked on (from, to, split after; -1: none) and whether its copy is in use.
TEST(Record, VariablesOfTheFasterSortsWorkedOutByHand) {
    const std::vector<float> four = {3, 1, 4, 2}, eight = {5, 8, 1, 7, 2, 6, 3, 4};
    const struct {
        Algorithm algorithm;
        const std::vector<float> &values;
        int p;
        std::vector<int> values_now; // in the order of the description's names
        int line;
        const char *placed;
        int part_from, part_to, part_split;
        bool copied;
    } cases[] = {
        // h, i, j, chiave. Gap 4: 2 shifted from place 0 to 4, the key 2 at 0.
        {shell_sort, eight, 2, {4, 4, -4, 0}, 6, "........", -1, -1, -1, false},
        // The end of the pass of gap 4: h is still its gap.
        {shell_sort, eight, 8, {4, 7, -1, 3}, 8, "........", -1, -1, -1, false},
        // Gap 1, the key 1 from place 2 at 1 after a shift: places to 2 in
        // order but the key's.
        {shell_sort, eight, 12, {1, 2, 0, 1}, 5, "x.x.....", -1, -1, -1, false},
        // p, q, r, i, j, k. A[0..1] merged: 1 taken from the right, in order
        // but not in its place.
        {merge_sort, four, 3, {0, 0, 1, 0, 2, 0}, 14, "....", 0, 1, 0, true},
        {merge_sort, four, 5, {0, 0, 1, 1, 2, 1}, 5, "....", 0, 1, -1, false},
        // Merging the whole A[0..3]: B[3] against B[1] for A[2], two written.
        {merge_sort, four, 16, {0, 1, 3, 1, 3, 2}, 11, "xx..", 0, 3, 1, true},
        // p, r, pivot, i, j. The pivot 2 to place 1, and A[0] alone beside it.
        {quick_sort, four, 6, {0, 3, 1, 0, 2}, 10, "xx..", 0, 3, -1, false},
        {quick_sort, four, 8, {2, 3, 3, 1, 2}, 6, "xx..", 2, 3, -1, false},
        // The pivot 3 to place 2, and A[3] alone beside it: all in place.
        {quick_sort, four, 10, {2, 3, 2, 1, 2}, 10, "xxxx", 2, 3, -1, false},
        // fine, i, c. Sifting the root: of its children 2 and 4, c at 4.
        {heap_sort, four, 3, {3, 0, 2}, 8, "....", 0, 3, -1, false},
        {heap_sort, four, 7, {2, 0, 2}, 3, "...x", 0, 2, -1, false}, // 4 taken to the end
    };
    static Log log;
    for (const auto &k : cases) {
        SCOPED_TRACE("algorithm " + std::to_string(k.algorithm) + " at " + std::to_string(k.p));
        record(k.algorithm, k.values.data(), (int)k.values.size(), &log);
        Reading r;
        read_log(&log, 0, k.p, &r);
        const Variables &v = r.variables;
        for (size_t q = 0; q < k.values_now.size(); q++)
            EXPECT_EQ(v.value[q], k.values_now[q]) << "variable " << q;
        EXPECT_EQ(v.line, k.line);
        std::string placed;
        for (int i = 0; i < log.n; i++)
            placed += v.placed_one[i] || (i >= v.placed_from && i < v.placed_to && i != v.aside)
                          ? 'x'
                          : '.';
        EXPECT_EQ(placed, k.placed);
        EXPECT_EQ(v.part_from, k.part_from);
        EXPECT_EQ(v.part_to, k.part_to);
        EXPECT_EQ(v.part_split, k.part_split);
        EXPECT_EQ(v.copied, k.copied);
    }
}

TEST(Record, ValuesInTheShortestTextThatReadsBack) {
    const struct {
        float value;
        const char *text;
    } cases[] = {
        {1.001f, "1.001"}, {1.002f, "1.002"},      {1000, "1000"},
        {100000, "1e+05"}, {0.1f, "0.1"},          {-0.0f, "-0"},
        {1e-7f, "1e-07"},  {16777216, "16777216"}, {3.4028235e38f, "3.4028235e+38"},
    };
    for (const auto &k : cases) {
        char text[24];
        EXPECT_EQ(value_text(k.value, text), (int)strlen(k.text));
        EXPECT_STREQ(text, k.text);
    }
    srand(1);
    for (int i = 0; i < 10000; i++) {
        unsigned bits = (unsigned)rand() << 16 ^ (unsigned)rand();
        float v;
        memcpy(&v, &bits, sizeof v);
        if (!isfinite(v))
            continue;
        char text[24];
        value_text(v, text);
        EXPECT_EQ(strtof(text, nullptr), v) << text;
    }
}

} // namespace
