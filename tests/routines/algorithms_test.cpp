// The four sorting algorithms: results, counted steps, the order of equal
// elements, and the public members that instantiate them.
#include "algorithms.hpp"
#include "elements.hpp"
#include "ordina.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

namespace {

enum Algorithm { SimpleBubble, BoundedBubble, Selection, Insertion };

template <typename T> Counts run(Algorithm algorithm, std::vector<T> &v) {
    Counts c;
    int n = (int)v.size();
    switch (algorithm) {
    case SimpleBubble:
        simple_bubble(v.data(), n, Counter{c});
        break;
    case BoundedBubble:
        bounded_bubble(v.data(), n, Counter{c});
        break;
    case Selection:
        selection(v.data(), n, Counter{c});
        break;
    case Insertion:
        insertion(v.data(), n, Counter{c});
        break;
    }
    return c;
}

// Steps worked out by hand for five elements.
struct StepCase {
    Algorithm algorithm;
    std::vector<int> input;
    Counts expected;
};

TEST(Algorithms, CountTheStepsWorkedOutByHand) {
    const std::vector<int> ordered = {1, 2, 3, 4, 5}, reversed = {5, 4, 3, 2, 1};
    const StepCase cases[] = {
        // (n-1)^2 comparisons always, n-1 passes even when nothing moves.
        {SimpleBubble, ordered, {16, 0, 4}},
        {SimpleBubble, reversed, {16, 10, 4}},
        // One pass of n-1 comparisons on ordered input.
        {BoundedBubble, ordered, {4, 0, 1}},
        {BoundedBubble, reversed, {10, 10, 5}},
        {BoundedBubble, {2, 1, 3, 4, 5}, {4 + 3, 1, 2}},
        // n(n-1)/2 comparisons and an exchange in every pass, even in place.
        {Selection, ordered, {10, 4, 4}},
        {Selection, reversed, {10, 4, 4}},
        // Insertion counts shifts as exchanges.
        {Insertion, ordered, {4, 0, 4}},
        {Insertion, reversed, {10, 10, 4}},
    };
    for (const StepCase &k : cases) {
        std::vector<int> v = k.input;
        Counts got = run(k.algorithm, v);
        SCOPED_TRACE(testing::Message()
                     << "algorithm " << k.algorithm << ", input starts " << k.input[0]);
        EXPECT_EQ(got.comparisons, k.expected.comparisons);
        EXPECT_EQ(got.exchanges, k.expected.exchanges);
        EXPECT_EQ(got.passes, k.expected.passes);
        EXPECT_EQ(v, ordered);
    }
}

TEST(Algorithms, SimpleBubbleComparesEveryPairInEveryPass) {
    for (int n = 1; n <= 12; n++) {
        std::vector<int> v(n, 7);
        EXPECT_EQ(run(SimpleBubble, v).comparisons, (n - 1) * (n - 1)) << "n = " << n;
    }
}

TEST(Algorithms, OrderOfEqualElements) {
    const std::vector<Tagged> input = {{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}, {0, 'e'}};
    const struct {
        Algorithm algorithm;
        std::vector<Tagged> input;
        const char *expected;
    } cases[] = {
        {SimpleBubble, input, "ebdac"},
        {BoundedBubble, input, "ebdac"},
        {Insertion, input, "ebdac"},
        // The first of equal minima is chosen...
        {Selection, {{2, 'a'}, {1, 'b'}, {1, 'c'}}, "bca"},
        // ...and the exchange may carry a[i] behind an equal element.
        {Selection, {{2, 'a'}, {2, 'b'}, {1, 'c'}}, "cba"},
    };
    for (const auto &k : cases) {
        std::vector<Tagged> v = k.input;
        run(k.algorithm, v);
        EXPECT_EQ(tags(v), k.expected) << "algorithm " << k.algorithm;
    }
}

TEST(Algorithms, RandomArraysAgainstAReferenceSort) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 400; round++) {
        int n = (int)(random() % 101);
        std::vector<int> ints(n);
        std::vector<float> reals(n);
        for (int i = 0; i < n; i++) {
            ints[i] = (int)(random() % 41) - 20; // plenty of equal elements
            reals[i] = (float)((int)(random() % 2001) - 1000) / 8.0f;
        }
        std::vector<int> int_ref = ints;
        std::vector<float> real_ref = reals;
        std::sort(int_ref.begin(), int_ref.end());
        std::sort(real_ref.begin(), real_ref.end());
        for (Algorithm a : {SimpleBubble, BoundedBubble, Selection, Insertion}) {
            std::vector<int> vi = ints;
            std::vector<float> vr = reals;
            run(a, vi);
            run(a, vr);
            ASSERT_EQ(vi, int_ref) << "algorithm " << a << ", round " << round;
            ASSERT_EQ(vr, real_ref) << "algorithm " << a << ", round " << round;
        }
    }
}

// The public members, each on the cases every sort must meet.
TEST(PublicSorts, RealMembers) {
    using Sort = void (*)(float *, int);
    const struct {
        const char *name;
        Sort sort;
    } members[] = {{"bubble", bubble}, {"SeqSel", SeqSel}, {"funzinsert", funzinsert}};
    for (const auto &m : members) {
        SCOPED_TRACE(m.name);
        float reversed[] = {5.5f, 4.25f, 3.0f, 2.75f, 1.125f};
        m.sort(reversed, 5);
        EXPECT_EQ(std::vector<float>(reversed, reversed + 5),
                  (std::vector<float>{1.125f, 2.75f, 3.0f, 4.25f, 5.5f}));
        float pair[] = {2, 1};
        m.sort(pair, 2);
        EXPECT_EQ(pair[0], 1);
        EXPECT_EQ(pair[1], 2);
        // A count of 1 or less touches nothing, however negative.
        for (int n : {1, 0, -1, INT_MIN}) {
            float v[] = {3, 2, 1};
            m.sort(v, n);
            EXPECT_EQ(std::vector<float>(v, v + 3), (std::vector<float>{3, 2, 1})) << "n = " << n;
        }
    }
}

TEST(PublicSorts, IntegerMember) {
    int v[] = {3, -1, 0, -7, 2};
    bubblesort(v, 5);
    EXPECT_EQ(std::vector<int>(v, v + 5), (std::vector<int>{-7, -1, 0, 2, 3}));
    for (int n : {1, 0, INT_MIN}) {
        int w[] = {2, 1};
        bubblesort(w, n);
        EXPECT_EQ(w[0], 2) << "n = " << n;
    }
}

} // namespace
