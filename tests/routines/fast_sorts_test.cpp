// The Shell, merge, quick and heap sorts: their steps against cases worked
// out by hand and, on random arrays, against plain restatements of the four;
// the order of equal elements; the public routines of reals and integers.
#include "algorithms.hpp"
#include "elements.hpp"
#include "ordina.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <pthread.h>
#include <random>
#include <utility>
#include <vector>

namespace {

enum Algorithm { Shell, Merge, Quick, Heap };
const Algorithm all[] = {Shell, Merge, Quick, Heap};

template <typename T, typename W>
void sort_with(Algorithm algorithm, std::vector<T> &v, W &&watch) {
    int n = (int)v.size();
    std::vector<T> work(v.size());
    switch (algorithm) {
    case Shell:
        shell_sort(v.data(), n, watch);
        break;
    case Merge:
        merge_sort(v.data(), n, work.data(), watch);
        break;
    case Quick:
        quick_sort(v.data(), n, watch);
        break;
    case Heap:
        heap_sort(v.data(), n, watch);
        break;
    }
}

struct StepCase {
    Algorithm algorithm;
    std::vector<int> input;
    Counts expected;
};

TEST(FastSorts, CountTheStepsWorkedOutByHand) {
    const std::vector<int> ordered = {1, 2, 3}, reversed = {3, 2, 1}, equal = {7, 7, 7};
    const StepCase cases[] = {
        // Three elements have the gap 1 only: an insertion sort, in one pass.
        {Shell, ordered, {2, 0, 1}},
        {Shell, reversed, {3, 3, 1}},
        {Shell, equal, {2, 0, 1}},
        {Shell, {2, 1}, {1, 1, 1}},
        // Twelve reversed: gap 4 (12 comparisons, 12 shifts), then gap 1 (26, 18).
        {Shell, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {38, 30, 2}},
        // Merges of 0..1, then of 0..1 with 2; every element written back moves.
        {Merge, ordered, {3, 5, 2}},
        {Merge, reversed, {2, 5, 2}},
        {Merge, equal, {3, 5, 2}},
        {Merge, {2, 1}, {1, 2, 1}},
        // Every exchange counts, in place too: ordered and equal are the worst.
        {Quick, ordered, {3, 5, 2}},
        {Quick, reversed, {3, 3, 2}},
        {Quick, equal, {3, 5, 2}},
        {Quick, {2, 1}, {1, 1, 1}},
        // Building the heap is a pass, and so is each exchange to its end.
        {Heap, ordered, {3, 4, 3}},
        {Heap, reversed, {3, 3, 3}},
        {Heap, equal, {3, 2, 3}},
        {Heap, {1, 2}, {1, 2, 2}},
        {Heap, {2, 1}, {1, 1, 2}},
        // One element or none: nothing at all.
        {Shell, {}, {}},
        {Shell, {5}, {}},
        {Merge, {}, {}},
        {Merge, {5}, {}},
        {Quick, {}, {}},
        {Quick, {5}, {}},
        {Heap, {}, {}},
        {Heap, {5}, {}},
    };
    for (const StepCase &k : cases) {
        std::vector<int> v = k.input;
        Counts got;
        sort_with(k.algorithm, v, Counter{got});
        EXPECT_EQ(got, k.expected) << "algorithm " << k.algorithm << ", " << k.input.size()
                                   << " elements starting " << (v.empty() ? 0 : k.input[0]);
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
    }
}

// Every call of a watcher, in order.
struct Event {
    char kind; // compared, exchanged, moved, part, or P: the end of a pass
    int i, j;
    bool operator==(const Event &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Event &e) {
    return os << e.kind << '(' << e.i << ',' << e.j << ')';
}

struct Recorder {
    std::vector<Event> &log;
    void compared(int i, int j) { log.push_back({'c', i, j}); }
    void exchanged(int i, int j) { log.push_back({'x', i, j}); }
    void moved(int from, int to) { log.push_back({'m', from, to}); }
    void part(int lo, int hi) { log.push_back({'p', lo, hi}); }
    void pass_done() { log.push_back({'P', 0, 0}); }
};

// The four restated plainly, with the steps they must report.

// The key is carried down its chain by exchanges, so it stands at j + h.
void shell_restated(std::vector<int> &a, Recorder r) {
    int n = (int)a.size();
    std::vector<int> gaps = {1};
    while (gaps.back() < n / 3)
        gaps.push_back(3 * gaps.back() + 1);
    for (int g = (int)gaps.size() - 1; g >= 0 && n > 1; g--) {
        int h = gaps[(size_t)g];
        for (int i = h; i < n; i++)
            for (int j = i - h; j >= 0; j -= h) {
                r.compared(j, j + h);
                if (!(a[(size_t)(j + h)] < a[(size_t)j]))
                    break;
                std::swap(a[(size_t)j], a[(size_t)(j + h)]);
                r.exchanged(j, j + h);
            }
        r.pass_done();
    }
}

// The two halves copied apart; positions reported as in a[lo..hi].
void merge_restated(std::vector<int> &a, int lo, int hi, Recorder r) {
    if (hi <= lo)
        return;
    int mid = (lo + hi) / 2;
    merge_restated(a, lo, mid, r);
    merge_restated(a, mid + 1, hi, r);
    r.part(lo, hi);
    std::vector<int> left(a.begin() + lo, a.begin() + mid + 1);
    std::vector<int> right(a.begin() + mid + 1, a.begin() + hi + 1);
    size_t l = 0, q = 0;
    for (int k = lo; k <= hi; k++) {
        bool from_right = l == left.size();
        if (l < left.size() && q < right.size()) {
            r.compared(mid + 1 + (int)q, lo + (int)l);
            from_right = right[q] < left[l];
        }
        if (from_right) {
            a[(size_t)k] = right[q];
            r.moved(mid + 1 + (int)q++, k);
        } else {
            a[(size_t)k] = left[l];
            r.moved(lo + (int)l++, k);
        }
    }
    r.pass_done();
}

// The parts still to sort on a stack, the left one on top.
void quick_restated(std::vector<int> &a, Recorder r) {
    std::vector<std::pair<int, int>> parts = {{0, (int)a.size() - 1}};
    while (!parts.empty()) {
        auto [lo, hi] = parts.back();
        parts.pop_back();
        if (lo >= hi)
            continue;
        r.part(lo, hi);
        int next = lo; // where the next element not above the pivot goes
        for (int j = lo; j < hi; j++) {
            r.compared(j, hi);
            if (a[(size_t)j] <= a[(size_t)hi]) {
                std::swap(a[(size_t)next], a[(size_t)j]);
                r.exchanged(next++, j);
            }
        }
        std::swap(a[(size_t)next], a[(size_t)hi]);
        r.exchanged(next, hi);
        r.pass_done();
        parts.push_back({next + 1, hi});
        parts.push_back({lo, next - 1});
    }
}

void sift_restated(std::vector<int> &a, int i, int size, Recorder r) {
    int c = 2 * i + 1;
    if (c >= size)
        return;
    if (c + 1 < size) {
        r.compared(c, c + 1);
        c += a[(size_t)c] < a[(size_t)c + 1];
    }
    r.compared(i, c);
    if (a[(size_t)i] < a[(size_t)c]) {
        std::swap(a[(size_t)i], a[(size_t)c]);
        r.exchanged(i, c);
        sift_restated(a, c, size, r);
    }
}

void heap_restated(std::vector<int> &a, Recorder r) {
    int n = (int)a.size();
    if (n <= 1)
        return;
    for (int i = n / 2 - 1; i >= 0; i--)
        sift_restated(a, i, n, r);
    r.pass_done();
    for (int end = n - 1; end > 0; end--) {
        std::swap(a[0], a[(size_t)end]);
        r.exchanged(0, end);
        sift_restated(a, 0, end, r);
        r.pass_done();
    }
}

TEST(FastSorts, RandomArraysStepByStepAsRestated) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; round++) {
        std::vector<int> input(random() % 70);
        for (int &x : input)
            x = (int)(random() % 25) - 12; // plenty of equal elements
        std::vector<int> sorted = input;
        std::sort(sorted.begin(), sorted.end());
        for (Algorithm a : all) {
            std::vector<int> v = input, w = input;
            std::vector<Event> got, want;
            sort_with(a, v, Recorder{got});
            if (a == Shell)
                shell_restated(w, Recorder{want});
            else if (a == Merge)
                merge_restated(w, 0, (int)w.size() - 1, Recorder{want});
            else if (a == Quick)
                quick_restated(w, Recorder{want});
            else
                heap_restated(w, Recorder{want});
            ASSERT_EQ(got, want) << "algorithm " << a << ", round " << round;
            ASSERT_EQ(v, sorted) << "algorithm " << a << ", round " << round;
        }
    }
}

TEST(FastSorts, OrderOfEqualElements) {
    const struct {
        Algorithm algorithm;
        std::vector<Tagged> input;
        const char *expected;
    } cases[] = {
        {Merge, {{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}, {0, 'e'}}, "ebdac"},
        // The gap 4 sorts positions 0, 4, 8 and carries e ahead of b.
        {Shell,
         {{5, 'a'},
          {2, 'b'},
          {6, 'c'},
          {7, 'd'},
          {2, 'e'},
          {8, 'f'},
          {9, 'g'},
          {9, 'h'},
          {9, 'i'},
          {9, 'j'},
          {9, 'k'},
          {9, 'l'}},
         "ebacdfghijkl"},
        // The pivot c goes first, in a's place; a then comes last.
        {Quick, {{2, 'a'}, {2, 'b'}, {1, 'c'}}, "cba"},
        // The root of the heap goes to the end.
        {Heap, {{1, 'a'}, {1, 'b'}}, "ba"},
    };
    for (const auto &k : cases) {
        std::vector<Tagged> v = k.input;
        sort_with(k.algorithm, v, Unwatched{});
        EXPECT_EQ(tags(v), k.expected) << "algorithm " << k.algorithm;
    }
    // The merge sort keeps equal elements in order on any data.
    std::mt19937 random(7);
    for (int round = 0; round < 100; round++) {
        std::vector<Tagged> v(random() % 60);
        for (size_t i = 0; i < v.size(); i++)
            v[i] = {(int)(random() % 5), (char)('!' + i)};
        std::vector<Tagged> stable = v;
        std::stable_sort(stable.begin(), stable.end());
        sort_with(Merge, v, Unwatched{});
        ASSERT_EQ(tags(v), tags(stable)) << "round " << round;
    }
}

// The public routines, the three without a work area taking one they ignore.
template <typename T> using Routine = void (*)(T *, int, T *);
const struct {
    const char *name;
    Routine<float> reals;
    Routine<int> integers;
} routines[] = {
    {"ord_shell", [](float *a, int n, float *) { ord_shell(a, n); },
     [](int *a, int n, int *) { ord_shell_int(a, n); }},
    {"ord_merge", ord_merge, ord_merge_int},
    {"ord_quick", [](float *a, int n, float *) { ord_quick(a, n); },
     [](int *a, int n, int *) { ord_quick_int(a, n); }},
    {"ord_heap", [](float *a, int n, float *) { ord_heap(a, n); },
     [](int *a, int n, int *) { ord_heap_int(a, n); }},
};

template <typename T> void expect_sorts(Routine<T> sort, std::vector<T> v) {
    std::vector<T> work(v.size()), expected = v;
    std::sort(expected.begin(), expected.end());
    sort(v.data(), (int)v.size(), work.data());
    EXPECT_EQ(v, expected);
}

TEST(FastSorts, PublicRoutinesOfRealsAndIntegers) {
    for (const auto &r : routines) {
        SCOPED_TRACE(r.name);
        expect_sorts(r.reals, {5.5f, 4.25f, 3.0f, 2.75f, 1.125f});
        expect_sorts(r.reals, {0.5f, -2.25f, 9, 0.5f, -7, 3, 3, -2.25f, 1e6f, -0.125f, 0, 8});
        expect_sorts(r.integers, {3, -1, 0, -7, 2});
        expect_sorts(r.integers, {INT_MAX, 4, INT_MIN, 4, -4, 0, 17, -100, 0, 2, 9, -1});
        // A count of 1 or less touches neither the array nor the work area.
        for (int n : {1, 0, -1, INT_MIN}) {
            float v[] = {3, 2, 1}, fw[] = {9, 9};
            int w[] = {2, 1}, iw[] = {9, 9};
            r.reals(v, n, fw);
            r.integers(w, n, iw);
            EXPECT_EQ(std::vector<float>(v, v + 3), (std::vector<float>{3, 2, 1})) << n;
            EXPECT_EQ(std::vector<int>(w, w + 2), (std::vector<int>{2, 1})) << n;
            EXPECT_EQ(fw[0] + fw[1] + (float)iw[0] + (float)iw[1], 36) << n;
        }
    }
}

// Input that makes the quick sort quadratic must not also make it deep: the
// public routine sorts on a thread whose stack holds a few hundred calls,
// ordered input (every part ends at its pivot) and input whose parts beside
// the pivot keep two elements on the right all the way down.
std::vector<int> right_parts_of_two(int n) {
    std::vector<int> v;
    int m = n;
    while (m > 2)
        m -= 3;
    for (int x = 1; x <= m; x++)
        v.push_back(x);
    for (; m < n; m += 3) // the pivot m + 1 last, its greater two before it
        v.insert(v.end(), {m + 2, m + 3, m + 1});
    return v;
}

void *quick_sort_of(void *v) {
    auto *values = static_cast<std::vector<int> *>(v);
    ord_quick_int(values->data(), (int)values->size());
    return nullptr;
}

TEST(FastSorts, QuadraticInputDoesNotGoDeep) {
    std::vector<int> ordered(20000);
    for (int i = 0; i < 20000; i++)
        ordered[(size_t)i] = i;
    for (std::vector<int> v : {ordered, right_parts_of_two(24000)}) {
        std::vector<int> expected = v;
        std::sort(expected.begin(), expected.end());
        pthread_attr_t small;
        pthread_attr_init(&small);
        pthread_attr_setstacksize(&small, 128 * 1024);
        pthread_t sorter;
        ASSERT_EQ(pthread_create(&sorter, &small, quick_sort_of, &v), 0);
        pthread_join(sorter, nullptr);
        pthread_attr_destroy(&small);
        EXPECT_EQ(v, expected);
    }
}

} // namespace
