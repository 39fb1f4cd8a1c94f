// The view in-process: the model of a position (the variables each
// algorithm shows, the part in place, the line of code) and each step in
// words, from 1, against positions worked out by hand; and the layout drawn
// into a grid: which windows are too small, the names of the variables under
// the bars, the race's counters in a table when its panes have no room for
// them.
#include "draw.hpp"
#include "in_process.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace trace;

std::string placed_places(const view::Model &m, int n) {
    std::string s;
    for (int k = 0; k < n; k++)
        s += m.placed[k] ? 'x' : '.';
    return s;
}

TEST(Model, VariablesPlacesInPlaceAndLineWorkedOutByHand) {
    // 3 1 2. Insertion: C01 X01 P C12 X12 C01 P; selection: C10 C21 X01 P
    // C21 X12 P; bounded bubble: C12 C01 X01 P C12 X12 P P.
    const struct {
        Algorithm algorithm;
        int p;
        std::vector<int> values, at;
        const char *placed;
        int line;
    } cases[] = {
        {insertion_sort, 0, {1, -1, 1}, {1, -1, 1}, "...", -1},
        {insertion_sort, 1, {1, 0, 1}, {1, 0, 1}, "x..", 2},
        {insertion_sort, 2, {1, -1, 0}, {1, -1, 0}, ".x.", 3}, // the key aside at 0
        {insertion_sort, 3, {1, -1, 0}, {1, -1, 0}, "xx.", 4},
        {insertion_sort, 5, {2, 0, 1}, {2, 0, 1}, "x.x", 3},
        {insertion_sort, 7, {2, 0, 1}, {2, 0, 1}, "xxx", -1},
        {selection_sort, 2, {0, 2, 1}, {0, 2, 1}, "...", 3},
        {selection_sort, 5, {1, 2, 2}, {1, 2, 2}, "x..", 3},
        // The end of the first pass: i where it stopped, hidden at place 0.
        {bounded_bubble_sort, 4, {1, 1, 0}, {1, -1, -1}, "x..", 7},
        {bounded_bubble_sort, 6, {1, 2, 2}, {1, -1, 2}, "x..", 5},
        {bounded_bubble_sort, 7, {2, 2, 1}, {2, -1, 1}, "xx.", 7},
        {simple_bubble_sort, 5, {1, 2}, {-1, 2}, "x..", 2},
    };
    std::vector<Log> &logs = logs_of({3, 1, 2});
    for (const auto &k : cases) {
        SCOPED_TRACE("algorithm " + std::to_string(k.algorithm) + " at " + std::to_string(k.p));
        view::Model m;
        view::model_at(&logs[k.algorithm], k.p, k.p - 1, &m);
        for (size_t q = 0; q < k.values.size(); q++) {
            EXPECT_EQ(m.variables.value[q], k.values[q]) << "variable " << q;
            EXPECT_EQ(m.variables.at[q], k.at[q]) << "variable " << q;
        }
        EXPECT_EQ(placed_places(m, 3), k.placed);
        EXPECT_EQ(m.line, k.line);
    }
}

// Every count of values is drawn from 40 x 12 up, with part of the values
// where they do not fit; smaller windows need 40 x 12.
TEST(Layout, WhatAWindowTooSmallNeeds) {
    const struct {
        int n;
        bool race;
        int cols, rows;
        bool drawn;
        int need_cols, need_rows;
    } cases[] = {
        {3, false, 40, 12, true, 0, 0},     {3, false, 39, 12, false, 40, 12},
        {3, false, 40, 11, false, 40, 12},  {60, false, 60, 8, false, 40, 12},
        {60, false, 59, 24, true, 0, 0},    {100, false, 40, 12, true, 0, 0},
        {100, false, 80, 24, true, 0, 0},   {3, true, 40, 12, true, 0, 0},
        {30, true, 60, 12, true, 0, 0},     {100, true, 40, 12, true, 0, 0},
        {100, true, 39, 40, false, 40, 12},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(std::to_string(k.n) + " values in " + std::to_string(k.cols) + "x" +
                     std::to_string(k.rows) + (k.race ? ", race" : ""));
        std::vector<float> values(k.n);
        for (int i = 0; i < k.n; i++)
            values[i] = (float)(k.n - i);
        view::View v;
        v.logs = logs_of(values).data();
        v.race = k.race;
        std::fill_n(v.racing, insertion_sort + 1, true); // the four that race at first
        view::Grid g;
        view::clear_grid(&g, k.cols, k.rows);
        view::Drawn drawn;
        EXPECT_EQ(view::draw(&v, &g, &drawn), k.drawn);
        if (!k.drawn) {
            EXPECT_EQ(drawn.need_cols, k.need_cols);
            EXPECT_EQ(drawn.need_rows, k.need_rows);
        }
    }
}

TEST(Layout, NamesUnderTheBarsAndTheRaceTable) {
    view::View v;
    v.logs = logs_of({3, 1, 2}).data();
    std::fill_n(v.racing, insertion_sort + 1, true); // the four that race at first
    view::Grid g;
    view::Drawn drawn;
    // Insertion at its fifth event in 80 x 24: slots of 15 columns from
    // column 1 (the bars beside the pseudocode take 45), each name centred
    // on its slot's column 8, on row 19, above the positions.
    v.algorithm = insertion_sort;
    v.pos = 5;
    view::clear_grid(&g, 80, 24);
    ASSERT_TRUE(view::draw(&v, &g, &drawn));
    EXPECT_EQ(row_text(g, 19).substr(0, 45), "       j            chiave           i       ");
    EXPECT_EQ(row_text(g, 20).substr(0, 45), "       1              2              3       ");
    EXPECT_EQ(row_text(g, 21), " passi 1  confronti 2  scambi 2");
    // The race at 40 x 12 after two comparisons: the counters under the panes.
    v.race = true;
    v.tick = 2;
    view::clear_grid(&g, 40, 12);
    ASSERT_TRUE(view::draw(&v, &g, &drawn));
    EXPECT_EQ(row_text(g, 8), "1 passi 1  confronti 2  scambi 1");
    EXPECT_EQ(row_text(g, 11), "4 passi 1  confronti 2  scambi 2");
}

// Each step in words with what it decides, places from 1, and the variables
// as the pseudocode has them, and the places in place: 3 1 2 2 worked out by
// hand. Merge: part 1-2, C21 M21 M12 P, part 3-4, C43 M33 M44 P, part 1-4,
// C31 M11 C32 M32 C42 M43 M24 P. Quick: part 1-4, C14 C24 X12 C34 X23 X34 P,
// part 1-2, C12 X11 X22 P. Heap: C24 X24 C23 C12 P X14 C23 C12 X12 P.
TEST(Words, EachStepWithItsOutcome) {
    const struct {
        Algorithm algorithm;
        int p;
        const char *words, *variables;
        const char *placed = nullptr; // x: in place; null: not looked at
    } cases[] = {
        {simple_bubble_sort, 3, "Confronto A[1] = 3 e A[2] = 1: 3 > 1, si scambiano.",
         "passo = 1  j = 2"},
        {simple_bubble_sort, 5, "Fine del passo 1: A[1] al suo posto.", "passo = 1  j = 2"},
        {bounded_bubble_sort, 0, "Inizio: i valori come sono stati dati.",
         "limite = 1  ultimo = 1  i = 1"},
        {bounded_bubble_sort, 9, "Fine del passo 2: A[1…2] al loro posto.",
         "limite = 3  ultimo = 3  i = 2"},
        {bounded_bubble_sort, 13, "Fine del passo 4: l'array è ordinato.",
         "limite = 4  ultimo = 4  i = 4"},
        {selection_sort, 1,
         "Confronto A[2] = 1 con il minimo A[1] = 3: 1 < 3, il minimo ora è A[2].",
         "i = 1  j = 2  m = 2"},
        {selection_sort, 2,
         "Confronto A[3] = 2a con il minimo A[2] = 1: 2a ≥ 1, il minimo resta A[2].",
         "i = 1  j = 3  m = 2"},
        {selection_sort, 8, "Scambio A[2] e A[3]: il minimo 2a va in A[2].", "i = 2  j = 4  m = 3"},
        {insertion_sort, 1,
         "Confronto A[1] = 3 con la chiave 1: 3 > 1, 3 si sposta a destra e la chiave prosegue.",
         "i = 2  j = 1  chiave = 1"},
        {insertion_sort, 2, "3 passa da A[1] in A[2]; la chiave 1 ora è in A[1].",
         "i = 2  j = 0  chiave = 1"},
        {insertion_sort, 6,
         "Confronto A[1] = 1 con la chiave 2a: 1 ≤ 2a, la chiave si ferma in A[2].",
         "i = 3  j = 1  chiave = 2a"},
        {insertion_sort, 7, "Fine del passo 2: A[1…3] in ordine tra loro.",
         "i = 3  j = 1  chiave = 2a"},
        {merge_sort, 1, "Fondo A[1…1] e A[2…2], già ordinate: le copio in B.",
         "p = 1  q = 1  r = 2  i = 1  j = 2  k = 1", "...."},
        {merge_sort, 4, "L'altra parte è esaurita: 3 va da B[1] in A[2] senza confronto.",
         "p = 1  q = 1  r = 2  i = 2  j = 3  k = 2", "...."},
        {merge_sort, 5, "Fine del passo 1: A[1…2] fusa, in ordine.",
         "p = 1  q = 1  r = 2  i = 2  j = 3  k = 2", "...."},
        // The last merge writes elements in their places.
        {merge_sort, 15, "2a va da B[3] in A[2].", "p = 1  q = 2  r = 4  i = 2  j = 4  k = 2",
         "xx.."},
        {merge_sort, 19, "Fine del passo 3: l'array è ordinato.",
         "p = 1  q = 2  r = 4  i = 3  j = 5  k = 4", "xxxx"},
        {quick_sort, 1, "Partiziono A[1…4] intorno al pivot A[4] = 2b.",
         "p = 1  r = 4  pivot = 2b  i = 0  j = 1", "...."},
        // The pivot in place, and the part of one element after it.
        {quick_sort, 8, "Fine del passo 1: il pivot 2b è al suo posto, A[3].",
         "p = 1  r = 4  pivot = 2b  i = 2  j = 3", "..xx"},
        {quick_sort, 12, "Scambio A[2] con se stesso: 2a resta dov'è.",
         "p = 1  r = 2  pivot = 2a  i = 1  j = 1", "xxxx"},
        {heap_sort, 5, "Fine del passo 1: A[1…4] è uno heap, il massimo in A[1].",
         "fine = 4  i = 1  c = 2", "...."},
        {heap_sort, 10, "Fine del passo 2: A[4] al suo posto.", "fine = 3  i = 2  c = 2", "...x"},
    };
    std::vector<Log> &logs = logs_of({3, 1, 2, 2});
    for (const auto &k : cases) {
        SCOPED_TRACE("algorithm " + std::to_string(k.algorithm) + " at " + std::to_string(k.p));
        view::Model m;
        view::model_at(&logs[k.algorithm], k.p, k.p - 1, &m);
        char text[320];
        view::event_text(&logs[k.algorithm], &m, text, sizeof text);
        EXPECT_STREQ(text, k.words);
        view::variables_text(&logs[k.algorithm], &m, text, sizeof text);
        EXPECT_STREQ(text, k.variables);
        if (k.placed != nullptr) {
            EXPECT_EQ(placed_places(m, 4), k.placed);
        }
    }
    // The selection sort exchanging the least value with itself.
    view::Model m;
    view::model_at(&logs_of({1, 2})[selection_sort], 2, 1, &m);
    char text[320];
    view::event_text(&logs_of({1, 2})[selection_sort], &m, text, sizeof text);
    EXPECT_STREQ(text, "Il minimo 1 è già in A[1]: lo scambio con se stesso non lo sposta.");
    // The Shell sort's first pass, of gap 4, on 5 8 1 7 2 6 3 4.
    view::model_at(&logs_of({5, 8, 1, 7, 2, 6, 3, 4})[shell_sort], 8, 7, &m);
    view::event_text(&logs_of({5, 8, 1, 7, 2, 6, 3, 4})[shell_sort], &m, text, sizeof text);
    EXPECT_STREQ(text, "Fine del passo 1: gli elementi a distanza 4 sono in ordine tra loro.");
}

} // namespace
