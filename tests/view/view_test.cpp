// sort_view run as built: a step of three values cell by cell, with and
// without colours; steps back and forth giving back the same screen; the race
// panes and the summary; the size note only below 40 x 12, keys that do
// nothing and time not played while it is shown; usage errors; and off a
// terminal, what sort_trace prints.
#include "piped.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string program = ORDINA_BIN_DIR "/sort_view";
const std::string trace = ORDINA_BIN_DIR "/sort_trace";

// Terminal colours of the palette colours drawn.
const int cyan = 6, yellow = 11, light_red = 9, own = -1;

struct Expected {
    int col, row;
    const char *text;
    int fg; // with colours
    bool reverse = false;
};

void expect_cells(const harness::Terminal &t, const std::vector<Expected> &cells, bool colour) {
    for (const Expected &e : cells) {
        harness::Cell c = t.cell(e.col, e.row);
        SCOPED_TRACE("cell " + std::to_string(e.col) + "," + std::to_string(e.row));
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.fg, colour ? e.fg : own);
        EXPECT_EQ(c.reverse, e.reverse);
    }
}

// 3 1 2 at 80 x 25: three slots of 15 columns, bars 4 wide from columns 6,
// 21 and 36, 16 rows of bars (2 to 17), values on row 18, marks on row 19,
// names on row 20, positions on row 21, the counters on row 22 and the step
// in words on rows 23 and 24; the pseudocode from column 47, row 3.
TEST(SortView, ThreeValuesStepByStepWithAndWithoutColours) {
    for (bool colour : {true, false}) {
        SCOPED_TRACE(colour ? "colours" : "NO_COLOR");
        harness::Terminal t(program, {"3", "1", "2"}, 80, 25, "xterm-256color",
                            {colour ? "NO_COLOR=" : "NO_COLOR=1"});
        ASSERT_TRUE(t.wait_text(2, 22, "passi 0  confronti 0  scambi 0"));
        t.type("n");
        ASSERT_TRUE(t.wait_text(2, 22, "passi 0  confronti 1  scambi 0"));
        // A[2] and A[3] compared: marked and in the colour of a comparison.
        expect_cells(t,
                     {{6, 2, "█", cyan},
                      {21, 17, "█", yellow},
                      {36, 17, "█", yellow},
                      {23, 19, "^", yellow},
                      {38, 19, "^", yellow},
                      {8, 19, " ", own},
                      {47, 5, " ", own, true}}, // "se A[j-1] > A[j]:"
                     colour);
        EXPECT_EQ(t.row_text(23), " Confronto A[2] = 1 e A[3] = 2: 1 ≤ 2, restano.");
        t.type("nn");
        ASSERT_TRUE(t.wait_text(2, 22, "passi 0  confronti 2  scambi 1"));
        // 3 and 1 exchanged: 1 is 43 eighths high (5 rows and 3 eighths), 3
        // the whole height; 2 as it was.
        expect_cells(t,
                     {{6, 17, "█", light_red},
                      {6, 12, "▃", light_red},
                      {6, 11, " ", own},
                      {21, 2, "█", light_red},
                      {36, 17, "█", cyan},
                      {8, 18, "1", light_red},
                      {23, 18, "3", light_red},
                      {38, 18, "2", cyan},
                      {8, 19, "*", light_red},
                      {23, 19, "*", light_red},
                      {8, 21, "1", own},
                      {47, 6, " ", own, true}}, // "scambia A[j-1] e A[j]"
                     colour);
        EXPECT_EQ(t.row_text(23), " Scambio A[1] e A[2]: ora A[1] = 1 e A[2] = 3.");
        t.type("q");
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 0);
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
        EXPECT_TRUE(t.cursor_visible());
    }
}

using Snapshot = std::vector<harness::Cell>;

Snapshot snapshot(const harness::Terminal &t) {
    Snapshot s;
    for (int row = 1; row <= t.rows(); row++)
        for (int col = 1; col <= t.cols(); col++)
            s.push_back(t.cell(col, row));
    return s;
}

bool same(const Snapshot &a, const Snapshot &b) {
    for (size_t i = 0; i < a.size(); i++)
        if (a[i].text != b[i].text || a[i].fg != b[i].fg || a[i].reverse != b[i].reverse)
            return false;
    return a.size() == b.size();
}

TEST(SortView, StepsBackAndForthGiveBackTheSameScreen) {
    harness::Terminal t(program, {"5", "3,5", "-1", "8", "3,5", "2"}, 80, 24);
    const struct {
        const char *select; // the algorithm, or the race
        const char *title;
        const char *unit; // of the counter in the title
    } modes[] = {{"1", "1 Bubble sort", "evento"},
                 {"2", "2 Bubble sort con limite", "evento"},
                 {"3", "3 Sequenziale selettivo", "evento"},
                 {"4", "4 Insertion sort", "evento"},
                 {"a", "Gara: 1 2 3 4", "confronto"}};
    for (const auto &m : modes) {
        SCOPED_TRACE(m.select);
        // At the step, the whole frame read (a large one may come in pieces).
        auto at = [&](int step) {
            return t.wait_screen_contains(std::string(m.unit) + " " + std::to_string(step) + "/") &&
                   t.wait_quiet(50);
        };
        t.type(m.select);
        t.type("\x1b[H"); // Home
        ASSERT_TRUE(t.wait_text(2, 1, m.title));
        ASSERT_TRUE(at(0));
        Snapshot start = snapshot(t);
        t.type("nnnn");
        ASSERT_TRUE(at(4));
        Snapshot four = snapshot(t);
        t.type("n");
        ASSERT_TRUE(at(5));
        t.type("p");
        ASSERT_TRUE(at(4));
        EXPECT_TRUE(same(snapshot(t), four));
        t.type("\x1b[F"); // End
        ASSERT_TRUE(t.wait_for([&] { return !same(snapshot(t), four); }));
        t.type("\x1b[H");
        ASSERT_TRUE(at(0));
        EXPECT_TRUE(same(snapshot(t), start));
    }
}

// Three values race: the panes advance one comparison at a time, each
// stopping at its own end, and the summary of sort_trace follows.
TEST(SortView, RacePanesAndTheSummary) {
    harness::Terminal t(program, {"3", "1", "2"}, 80, 24);
    ASSERT_TRUE(t.wait_screen_contains("evento 0/"));
    t.type("an");
    ASSERT_TRUE(t.wait_screen_contains("confronto 1/4"));
    const struct {
        int col, row;
        const char *title, *counters;
    } panes[] = {
        {1, 2, "1 Bubble sort", "passi 0  confronti 1  scambi 0"},
        {41, 2, "2 Bubble sort con limite", "passi 0  confronti 1  scambi 0"},
        {1, 13, "3 Sequenziale selettivo", "passi 0  confronti 1  scambi 0"},
        // The insertion sort shifts 3 after its first comparison and ends a pass.
        {41, 13, "4 Insertion sort", "passi 1  confronti 1  scambi 1"},
    };
    for (const auto &p : panes) {
        EXPECT_EQ(t.text_at(p.col, p.row, (int)strlen(p.title)), p.title);
        EXPECT_EQ(t.text_at(p.col, p.row + 1, (int)strlen(p.counters)), p.counters);
    }
    t.type("nn"); // the insertion sort has made its three comparisons
    ASSERT_TRUE(t.wait_screen_contains("confronto 3/4"));
    EXPECT_EQ(t.text_at(41, 13, 22), "4 Insertion sort: fine");
    EXPECT_EQ(t.text_at(1, 2, 13), "1 Bubble sort");

    harness::Run r = harness::run_piped(trace, {}, "3\n3 1 2\n");
    std::string summary = r.out.substr(r.out.find("Riepilogo"));
    t.type("\x1b[F");
    ASSERT_TRUE(t.wait_screen_contains("Riepilogo sugli stessi dati"));
    int rows = 0;
    for (int row = 1; row <= t.rows(); row++) {
        std::string text = t.row_text(row);
        if (text.size() > 14 && summary.find(text.substr(14) + "\n") != std::string::npos)
            rows++;
    }
    EXPECT_EQ(rows, 5); // the heading and four rows
}

// The step the title shows ("evento 12/14850").
int shown_step(const harness::Terminal &t) { return t.number_after(1, "evento "); }

// The note that the window is too small, on the rows it needs, alone.
bool size_note(const harness::Terminal &t) {
    std::string screen = t.screen_text();
    return screen.find("40×12") != std::string::npos && screen.find("Bubble") == std::string::npos;
}

// 100 values are watched from 40 x 12 up; a window smaller than that gets
// the note, and while it is shown keys do nothing (q ends) and the time
// playing is not played.
TEST(SortView, SizeNoteOnlyBelowTheLeastWindow) {
    harness::Terminal t(program, {"-g", "casuali", "-n", "100", "-s", "7"}, 60, 8);
    ASSERT_TRUE(t.wait_for([&] { return size_note(t); }));
    for (int row = 2; row <= t.rows(); row++)
        EXPECT_EQ(t.row_text(row), "");
    // Ctrl-L writes the note again once the keys before it are read.
    size_t written = t.output().size();
    t.type("n \x0c");
    ASSERT_TRUE(t.wait_for([&] { return t.output().size() > written && size_note(t); }));
    t.resize(80, 24);
    ASSERT_TRUE(t.wait_text(2, 1, "1 Bubble sort"));
    EXPECT_TRUE(t.wait_screen_contains("evento 0/12614  pausa 2/s"));
    EXPECT_TRUE(t.wait_screen_contains("< A[1…80] di 100 >"));
    t.resize(40, 12);
    ASSERT_TRUE(t.wait_screen_contains("< A[1…40] di 100 >"));
    t.resize(80, 24);
    t.type("- "); // playing, a step a second
    ASSERT_TRUE(t.wait_for([&] { return shown_step(t) >= 1; }));
    int before = shown_step(t);
    t.resize(39, 12);
    ASSERT_TRUE(t.wait_for([&] { return size_note(t); }));
    t.idle(4000);
    t.resize(80, 24);
    ASSERT_TRUE(t.wait_text(2, 1, "1 Bubble sort"));
    EXPECT_LE(shown_step(t), before + 2) << "the time with the note was played";
    t.resize(39, 12);
    ASSERT_TRUE(t.wait_for([&] { return size_note(t); }));
    t.type("q");
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 0);
    EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
}

TEST(SortView, UsageErrors) {
    std::vector<std::string> too_many(101, "1");
    const struct {
        std::vector<std::string> args;
        const char *message;
    } cases[] = {
        {{"--corsa"}, "sort_view: opzione sconosciuta: --corsa\n"},
        {{"--gara"}, "sort_view: manca il valore dell'opzione: --gara\n"},
        {{"--gara=1,9"},
         "sort_view: --gara: gli algoritmi vanno da 1 a 8, separati da virgole: 1,9\n"},
        {{"-G", "1,,2"},
         "sort_view: -G: gli algoritmi vanno da 1 a 8, separati da virgole: 1,,2\n"},
        {{"--genera=tanti"}, "sort_view: tipo sconosciuto"},
        {{"--numero", "101"}, "sort_view: --numero: fuori intervallo (da 1 a 100): 101\n"},
        {{"-g"}, "sort_view: manca il valore dell'opzione: -g\n"},
        {{"1", "nan"}, "sort_view: non è un numero: nan\n"},
        {{"1", "1e99"}, "sort_view: fuori intervallo: 1e99\n"},
        {{"-g", "ordinati", "5"}, "sort_view: valori dati insieme a -g, che li genera: 5\n"},
        {{"-n", "5", "3", "1"}, "sort_view: valori dati insieme a -n, che li genera: 3\n"},
        {too_many, "sort_view: al massimo 100 valori: 1\n"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.args[0]);
        harness::Run r = harness::run_piped(program, k.args, "");
        EXPECT_EQ(r.exit_status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.find(k.message), 0u) << r.err;
        EXPECT_NE(r.err.find("\nUso: sort_view [OPZIONE]... [VALORE]...\n"), std::string::npos);
    }
    harness::Run help = harness::run_piped(program, {"--help"}, "");
    EXPECT_EQ(help.exit_status, 0);
    EXPECT_EQ(help.out.find("Uso: sort_view"), 0u);
    harness::Run version = harness::run_piped(program, {"-V"}, "");
    EXPECT_EQ(version.out.find("sort_view (ordina) "), 0u);
}

TEST(SortView, OffATerminalPrintsWhatSortTracePrints) {
    const struct {
        std::vector<std::string> args;
        const char *input; // typed to sort_trace, and to sort_view without arguments
    } cases[] = {
        {{}, "4\n2.5 -1 2,5 0.75\n"},
        {{"--", "5", "4", "3", "2", "1"}, "5\n5 4 3 2 1\n"},
        {{"1", "-2,5", "1", "1.001", "1.002"}, "5\n1 -2.5 1 1.001 1.002\n"},
        {{"-g", "inversi", "-n", "4", "-s", "1"}, nullptr},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.input != nullptr ? k.input : "generated");
        harness::Run view = harness::run_piped(program, k.args, k.args.empty() ? k.input : "");
        EXPECT_EQ(view.exit_status, 0);
        if (k.input == nullptr) {
            EXPECT_NE(view.out.find("Riepilogo sugli stessi dati"), std::string::npos);
            continue;
        }
        harness::Run r = harness::run_piped(trace, {}, k.input);
        std::string tables = r.out.substr(r.out.find("\nPer ogni algoritmo"));
        EXPECT_EQ(view.out, k.args.empty() ? r.out : tables);
    }
    // A terminal whose type cannot place the cursor gets the trace too.
    harness::Terminal t(program, {"3", "1", "2"}, 80, 50, "no-such-terminal");
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 0);
    EXPECT_TRUE(t.wait_screen_contains("Riepilogo sugli stessi dati", 0));
}

} // namespace
