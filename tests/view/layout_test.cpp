// The layout in-process, a view and a window drawn into a grid: the values
// under the bars never touch, the positions count from 1, the part of the
// array shown follows the step or is moved by hand, the race's clock stops at
// its last comparison, the help fits and a key only closes it, the status
// line says what space does and, from 80 columns, the race, the algorithm
// and the speed keys.
#include "draw.hpp"
#include "in_process.hpp"
#include "numbers.hpp"
#include "options.hpp"
#include "play.hpp"

#include "console.h"
#include "keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace trace;

std::vector<float> generated(view::Source kind, int n, unsigned seed) {
    std::vector<float> a(n);
    view::generate(kind, n, seed, a.data());
    return a;
}

std::vector<float> reversed(int n) {
    std::vector<float> a;
    for (int i = n; i >= 1; i--)
        a.push_back((float)i);
    return a;
}

view::View view_of(const std::vector<float> &values) {
    view::View v;
    v.logs = logs_of(values).data();
    std::fill_n(v.racing, algorithm_count, true);
    return v;
}

view::Grid drawn(const view::View &v, int cols, int rows, view::Drawn *d = nullptr) {
    view::Grid g;
    view::clear_grid(&g, cols, rows);
    view::Drawn ignored;
    EXPECT_TRUE(view::draw(&v, &g, d != nullptr ? d : &ignored));
    return g;
}

std::vector<std::string> words_of(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    std::sort(words.begin(), words.end());
    return words;
}

// Every value under the bars, lettered when it repeats, apart from its
// neighbours: one row, or two adjacent rows, hold them all as words.
TEST(Layout, ValuesUnderTheBarsNeverTouch) {
    std::vector<float> reals = {3.25f, 1.75f, 2.5f, -4.5f, 6.75f, 0.25f, 9.5f, 8.25f, 5.5f, 7.75f};
    std::vector<float> twelve = reals;
    twelve.insert(twelve.end(), {12.125f, -0.75f});
    const struct {
        const char *name;
        std::vector<float> values;
        int cols, rows;
    } cases[] = {
        {"ten reals", reals, 80, 24},
        {"twelve reals", twelve, 80, 24},
        {"twelve reals, narrow", twelve, 40, 12},
        {"few distinct", generated(view::few_distinct_numbers, 12, 4), 80, 50},
        {"nearly ordered", generated(view::nearly_ordered_numbers, 40, 7), 80, 24},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        view::View v = view_of(k.values);
        view::Grid g = drawn(v, k.cols, k.rows);
        std::vector<std::string> labels;
        for (int p = 0; p < (int)k.values.size(); p++) {
            char text[32];
            view::label(v.logs, p, text);
            labels.push_back(text);
        }
        std::sort(labels.begin(), labels.end());
        auto bars_side = [&](int row) { // left of the pseudocode
            std::string text = row_text(g, row);
            return text.substr(0, text.find("│"));
        };
        bool found = false;
        for (int row = 2; row < k.rows && !found; row++)
            found = words_of(bars_side(row)) == labels ||
                    words_of(bars_side(row) + " " + bars_side(row + 1)) == labels;
        EXPECT_TRUE(found);
    }
    // 100 values in 80 columns: only those of the step, under their places.
    view::View v = view_of(reversed(100));
    v.pos = 1; // 2 and 1 compared at places 99 and 100
    view::Grid g = drawn(v, 80, 24);
    EXPECT_EQ(row_text(g, 17), std::string(78, ' ') + "2");
}

// The positions under the bars count from 1: each one, or where they would
// touch every 2nd, 5th, 10th... with the first place shown.
TEST(Layout, PositionsFromOne) {
    const struct {
        std::vector<float> values;
        int pos, row;
        const char *positions;
    } cases[] = {
        {generated(view::nearly_ordered_numbers, 40, 7), 0, 20,
         "1 2   4   6   8   10  12  14  16  18  20  22  24  26  28  30  32  34  36  38  40"},
        {reversed(100), 0, 20,
         "1   5    10   15   20   25   30   35   40   45   50   55   60   65   70   75  80"},
        {reversed(100), 1, 20,
         "21  25   30   35   40   45   50   55   60   65   70   75   80   85   90   95 100"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.positions);
        view::View v = view_of(k.values);
        v.pos = k.pos;
        EXPECT_EQ(row_text(drawn(v, 80, 24), k.row).substr(0, strlen(k.positions)), k.positions);
    }
}

// Where the values do not all fit, the part shown holds the places the step
// works on (the one it goes on from when they are too far apart), at every
// step of every algorithm, alone and in the race's panes; the part is named.
TEST(Layout, PartShownFollowsTheStep) {
    std::vector<float> values = generated(view::random_numbers, 100, 3);
    for (int k = 0; k < algorithm_count; k++) {
        view::View v = view_of(values);
        v.algorithm = (Algorithm)k;
        const Log *log = &v.logs[k];
        for (int count : {80, 38}) {
            int samples = 0, moves = 0;
            for (int p = 0; p <= log->count; p += 7) {
                view::Model m;
                view::model_at(log, p, p - 1, &m);
                int at = view::part_first(&v, log, &m, count);
                SCOPED_TRACE("algorithm " + std::to_string(k) + " at " + std::to_string(p));
                ASSERT_TRUE(at >= 0 && at + count <= 100);
                if (m.hi - m.lo < count)
                    EXPECT_TRUE(m.lo >= at && m.hi < at + count);
                else
                    EXPECT_TRUE(m.lead >= at && m.lead < at + count);
                view::model_at(log, p + 1, p, &m); // and at the next step?
                samples++;
                moves += view::part_first(&v, log, &m, count) != at;
            }
            // Centred on each step, it would move at nearly every one.
            EXPECT_LT(moves, samples / 3) << "the part moves at one step in three at most";
        }
    }
    view::View v = view_of(reversed(100));
    v.pos = 1;
    view::Drawn d;
    view::Grid g = drawn(v, 80, 24, &d);
    EXPECT_EQ(d.first, 20);
    EXPECT_EQ(d.count, 80);
    EXPECT_EQ(row_text(g, 2), std::string(30, ' ') + "< A[21…100] di 100 >");
    v.race = true;
    v.tick = 1;
    g = drawn(v, 80, 24, &d);
    EXPECT_EQ(row_text(g, 2).rfind("1 Bubble sort          A[62…100] di 100 2", 0), 0u);
}

// A key moves the part by half of it, within the array; a step lets it
// follow the step again.
TEST(Layout, PartMovedByHand) {
    view::View v = view_of(reversed(100));
    view::Drawn d;
    drawn(v, 80, 24, &d);
    ASSERT_EQ(d.first, 0);
    const struct { int direction, first; } moves[] = {{1, 20}, {1, 20}, {-1, 0}, {-1, 0}, {1, 20}};
    for (const auto &k : moves) {
        view::move_part(&v, d, k.direction);
        drawn(v, 80, 24, &d);
        EXPECT_EQ(d.first, k.first);
    }
    view::go_to(&v, 0);
    drawn(v, 80, 24, &d);
    EXPECT_EQ(d.first, 0);
    // All the values shown: nothing to move.
    v = view_of({3, 1, 2});
    drawn(v, 80, 24, &d);
    view::move_part(&v, d, 1);
    EXPECT_EQ(v.part, -1);
}

// The race's clock ends at the most comparisons of those racing, where the
// summary stands.
TEST(Layout, RaceClockEndsAtTheLastComparison) {
    view::View v = view_of({3, 1, 2});
    v.race = true;
    EXPECT_EQ(view::race_end(&v), 4); // the simple bubble sort's (n - 1)^2
    v.racing[simple_bubble_sort] = false;
    EXPECT_EQ(view::race_end(&v), 3);
    view::go_to(&v, 99);
    EXPECT_EQ(v.tick, 3);
    std::string title = row_text(drawn(v, 80, 24), 1);
    EXPECT_NE(title.find("confronto 3/3"), std::string::npos) << title;
    EXPECT_EQ(row_text(drawn(v, 80, 24), 3), std::string(26, ' ') + "Riepilogo sugli stessi dati");
}

// The help between the title and the status line, whole, from 40 x 12 up; a
// key only closes it, q and Esc too; while the note of a window too small is
// shown only q, Esc, Ctrl-L and the end of the input (Ctrl-D) act.
TEST(Layout, HelpFitsAndAKeyOnlyClosesIt) {
    for (int size : {0, 1, 2}) {
        int cols = 40 + 40 * size, rows = 12 + 12 * size;
        SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows));
        view::View v = view_of({3, 1, 2});
        v.help = true;
        view::Grid g = drawn(v, cols, rows);
        EXPECT_EQ(row_text(g, 2), " spazio      avvia / pausa");
        EXPECT_EQ(row_text(g, 11), " r  Ctrl-L   nuovi valori / ridisegna");
        EXPECT_EQ(row_text(g, rows), " un tasto qualsiasi chiude l'elenco");
    }
    const struct {
        bool help, noting;
        int key;
        bool goes_on;
    } keys[] = {
        {true, false, ' ', false},       {true, false, 'q', false},
        {true, false, key_esc, false},   {true, false, CK_RESIZE, true},
        {true, false, EOF, true},        {false, true, 'n', false},
        {false, true, 'q', true},        {false, true, key_esc, true},
        {false, true, key_ctrl_l, true}, {false, false, 'n', true},
        {false, true, key_ctrl_d, true}, {true, false, key_ctrl_d, false},
    };
    for (const auto &k : keys) {
        SCOPED_TRACE("key " + std::to_string(k.key));
        view::View v;
        v.help = k.help;
        EXPECT_EQ(view::key_goes_on(&v, k.noting, k.key), k.goes_on);
        EXPECT_EQ(v.help, k.help && k.key < 0);
    }
}

// The keys row: what space does now, and from 80 columns the race, the
// algorithm and the speed keys; the last two always.
TEST(Layout, StatusLineSaysWhatSpaceDoes) {
    view::View v = view_of({3, 1, 2});
    std::string count = "1-" + std::to_string(algorithm_count);
    std::string keys = count + " algoritmo  a gara  +- velocità";
    const struct {
        bool playing, race;
        int cols;
        std::string status;
    } cases[] = {
        {false, false, 80, " spazio avvia  ←→ evento  " + keys + "  ? tasti  q esci"},
        {true, false, 80, " spazio pausa  ←→ evento  " + keys + "  ? tasti  q esci"},
        {false, true, 80,
         " spazio avvia  ←→ confronto  " + count +
             " in gara  a gara  +- velocità  ? tasti  q esci"},
        {true, false, 40, " spazio pausa  ? tasti  q esci"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.status);
        v.playing = k.playing;
        v.race = k.race;
        EXPECT_EQ(row_text(drawn(v, k.cols, 24), 24), k.status);
    }
}

// A merge under way: its two parts marked under the bars, and under them
// the copy B with the values still to be taken back, named B.
TEST(Layout, MergeShowsItsPartsAndItsCopy) {
    view::View v = view_of({3, 1, 2, 2});
    v.algorithm = merge_sort;
    const struct {
        int pos;
        const char *parts, *copy;
    } cases[] = {
        // Merging A[1…4]: B[3] and B[1] compared, B[1] then taken back.
        {12, "   └─────────────┘       └─────────────┘",
         "   B 1          3          2a         2b"},
        {13, "   └─────────────┘       └─────────────┘",
         "              B 3          2a         2b"},
        // A[1…2] merged, one part: no copy until the next merge.
        {5, "   └─────────────┘", ""},
    };
    auto bars_side = [](const view::Grid &g, int row) { // left of the pseudocode
        std::string text = row_text(g, row);
        text = text.substr(0, text.find("│"));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    };
    for (const auto &k : cases) {
        SCOPED_TRACE("at " + std::to_string(k.pos));
        v.pos = k.pos;
        view::Grid g = drawn(v, 80, 24);
        EXPECT_EQ(bars_side(g, 17), k.parts);
        EXPECT_EQ(bars_side(g, 18), k.copy);
    }
    // The values compared are those of B, not those of A at their places.
    v.pos = 12;
    view::Grid g = drawn(v, 80, 24);
    EXPECT_EQ(view::get_cell(&g, 6, 18).style.fg, view::compared_colour);
    EXPECT_EQ(view::get_cell(&g, 6, 15).style.fg, view::normal_colour);
}

// The race of any set: a pane for each, two a row, with its counters where
// the window has room, else close with the counters in a table under them.
TEST(Layout, RaceOfAnySet) {
    const struct {
        std::vector<int> racing; // from 1
        int cols, rows;
        std::vector<std::pair<int, int>> titles; // column and row of each pane's
        int table_row;                           // of the first counters in the table; 0: none
    } cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8},
         80,
         24,
         {{1, 2}, {41, 2}, {1, 6}, {41, 6}, {1, 10}, {41, 10}, {1, 14}, {41, 14}},
         20},
        {{1, 2, 3, 4, 5, 6, 7, 8},
         120,
         40,
         {{1, 2}, {61, 2}, {1, 11}, {61, 11}, {1, 20}, {61, 20}, {1, 29}, {61, 29}},
         0},
        {{1, 6, 7}, 80, 24, {{1, 2}, {41, 2}, {1, 13}}, 0},
    };
    view::View v = view_of({3, 1, 2, 2});
    v.race = true;
    v.tick = 2;
    for (const auto &k : cases) {
        SCOPED_TRACE(std::to_string(k.racing.size()) + " in " + std::to_string(k.cols) + "x" +
                     std::to_string(k.rows));
        std::fill_n(v.racing, algorithm_count, false);
        for (int a : k.racing)
            v.racing[a - 1] = true;
        view::Grid g = drawn(v, k.cols, k.rows);
        for (size_t q = 0; q < k.titles.size(); q++) {
            auto [col, row] = k.titles[q];
            std::string name =
                std::to_string(k.racing[q]) + " " + describe((Algorithm)(k.racing[q] - 1)).name;
            EXPECT_EQ(row_text(g, row).substr(col - 1, name.size()), name);
            if (k.table_row == 0) {
                EXPECT_EQ(row_text(g, row + 1).substr(col - 1, 6), "passi ");
            }
        }
        if (k.table_row != 0) {
            EXPECT_EQ(row_text(g, k.table_row),
                      "1 passi 0  confronti 2  scambi 0   2 passi 0  confronti 2  scambi 0");
            EXPECT_EQ(row_text(g, k.table_row + 3),
                      "7 passi 0  confronti 2  scambi 1   8 passi 0  confronti 2  scambi 1");
        }
    }
    // With 100 values the rows of the table would not stand two a row: the
    // counters alone under their names do, and leave the panes two rows of
    // bars.
    v = view_of(reversed(100));
    v.race = true;
    v.tick = 10;
    view::Grid g = drawn(v, 80, 24);
    EXPECT_EQ(row_text(g, 19), "  passi confronti scambi     passi confronti scambi");
    EXPECT_EQ(row_text(g, 20), "1     0        10     10   2     0        10     10");
    EXPECT_EQ(row_text(g, 14).substr(0, 12), "7 Quick sort");
}

// --gara (-G) chooses who races, and starts on the race.
TEST(Options, TheRaceChosen) {
    const struct {
        std::vector<const char *> args;
        const char *racing; // x: racing
        bool race;
    } cases[] = {
        {{"3", "1"}, "xxxx....", false},
        {{"--gara=1,5,6", "3", "1"}, "x...xx..", true},
        {{"-G", "8,2", "-g", "ordinati"}, ".x.....x", true},
        {{"-G8"}, ".......x", true},
    };
    for (const auto &k : cases) {
        std::vector<char *> argv = {(char *)"sort_view"};
        for (const char *a : k.args)
            argv.push_back((char *)a);
        argv.push_back(nullptr);
        view::Options o;
        view::read_options((int)argv.size() - 1, argv.data(), &o);
        std::string racing;
        for (bool r : o.racing)
            racing += r ? 'x' : '.';
        EXPECT_EQ(racing, k.racing) << k.args[0];
        EXPECT_EQ(o.race, k.race) << k.args[0];
    }
}

} // namespace
