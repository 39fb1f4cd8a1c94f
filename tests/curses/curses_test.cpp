// The curses credits and curses_demo, run in a pseudo-terminal as a user
// would; the symbols of their object modules and what curses_demo is linked
// from.
#include "module_checks.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

const char *demo = ORDINA_BIN_DIR "/curses_demo";
const char *demo_by_hand = ORDINA_TESTS_DIR "/curses_demo_by_hand";
const char *driver = ORDINA_TESTS_DIR "/curses_driver";

// Curses counts (row, column) from 0; the harness (column, row) from 1.
harness::Pos cell_of(int row, int col) { return {col + 1, row + 1}; }

// The credits as the screen shows them, in curses positions. The two sign
// lines start at column 26 and are 26 characters wide, with the name inside.
const struct {
    int row, col;
    const char *text;
} drawing[] = {
    {2, 37, "'''"},
    {3, 36, "(O O)"},
    {4, 26, "+----o0o---(_)-----------+"},
    {5, 28, "Software House: Orv"},
    {6, 26, "+-----------------o0o----+"},
    {7, 35, "|__|__|"},
    {8, 36, "|| ||"},
    {9, 35, "ooO Ooo"},
    {15, 15, "Program Name: Virivad"},
    {16, 15, "Team Leader: Qel Amedello"},
    {17, 15, "Logic Programmer: Carmuzi Orsello"},
    {18, 15, "Graphic Designer: Santarone Lamberzio"},
};

const int last_row = 22; // where the cursor is left, at column 0

// Every row of the screen: the credits, `last` from the start of the last
// row, nothing anywhere else; the cursor right after `last`, or at the start
// of the next row once the program has ended its row.
void expect_screen(const harness::Terminal &t, const std::string &last, bool row_ended) {
    std::vector<std::string> rows(t.rows() + 1);
    for (const auto &d : drawing) {
        harness::Pos p = cell_of(d.row, d.col);
        rows[p.row] = std::string(p.col - 1, ' ') + d.text;
    }
    rows[cell_of(last_row, 0).row] = last;
    for (int row = 1; row <= t.rows(); row++)
        EXPECT_EQ(t.row_text(row), rows[row]) << "row " << row;
    EXPECT_EQ(t.cursor(),
              row_ended ? cell_of(last_row + 1, 0) : cell_of(last_row, (int)last.size()));
}

// Whether the whole drawing is on the screen and the cursor left below it.
bool drawn(const harness::Terminal &t) {
    for (const auto &d : drawing) {
        harness::Pos p = cell_of(d.row, d.col);
        if (t.text_at(p.col, p.row, (int)std::string(d.text).size()) != d.text)
            return false;
    }
    return t.cursor() == cell_of(last_row, 0);
}

// The drawing stays on the normal screen, with the shell's modes, whatever the
// terminal and whichever stream is one; where curses cannot drive the
// terminal, the same rows come as plain text.
TEST(CursesDemo, CreditsLeftOnTheNormalScreenThenTheBubbleSort) {
    const struct {
        const char *program, *term;
        bool input_from_null;
    } cases[] = {
        {demo, "xterm-256color", false},
        {demo_by_hand, "xterm-256color", false},
        {demo, "xterm-256color", true},
        {demo, "linux", false},
        {demo, "no-such-terminal", false},
        {demo, "dumb", false},
        {demo, "", false},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(testing::Message() << k.program << " TERM=" << k.term << " "
                                        << (k.input_from_null ? "< /dev/null" : ""));
        std::vector<std::string> args;
        std::string program = k.program;
        if (k.input_from_null) {
            args = {"-c", "exec \"$0\" < /dev/null", program};
            program = "/bin/sh";
        }
        harness::Terminal t(program, args, 80, 50, k.term);
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 0);
        expect_screen(t, "utilizzo bubblesort", true);
        EXPECT_FALSE(t.alt_screen());
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    }
}

TEST(CursesCredits, WhatEachChoiceSaysAndSorts) {
    const struct {
        std::vector<std::string> args; // choice, count, values
        std::string said;
        std::string array; // the values' positions afterwards
    } cases[] = {
        {{"1", "2", "3.5", "1.25"}, "utilizzo insertionsort", "[1.25][3.5]\n"},
        {{"0", "2", "3.5", "1.25"}, "utilizzo bubblesort", "[1.25][3.5]\n"},
        {{"0", "5", "5.5", "4.25", "3", "2.75", "1.125"},
         "utilizzo bubblesort",
         "[1.125][2.75][3][4.25][5.5]\n"},
        {{"1", "5", "5.5", "4.25", "3", "2.75", "1.125"},
         "utilizzo insertionsort",
         "[1.125][2.75][3][4.25][5.5]\n"},
        // The count given, not the array's capacity nor the values typed.
        {{"0", "2", "3", "2", "1"}, "utilizzo bubblesort", "[2][3][1]\n"},
        {{"1", "2", "3", "2", "1"}, "utilizzo insertionsort", "[2][3][1]\n"},
        {{"1", "0", "2", "1"}, "utilizzo insertionsort", "[2][1]\n"},
        // Any other choice: nothing said, nothing sorted.
        {{"2", "2", "3.5", "1.25"}, "", "[3.5][1.25]\n"},
        {{"-1", "2", "3.5", "1.25"}, "", "[3.5][1.25]\n"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.args[0] + " " + k.args[1]);
        harness::Terminal t(driver, k.args, 80, 50, "xterm-256color", {}, harness::Stderr::pipe);
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 0);
        expect_screen(t, k.said, false);
        EXPECT_EQ(t.stderr_output(), k.array);
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    }
}

TEST(CursesCredits, ASignalWhileCursesModeIsOnGivesTheShellItsModesBack) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(sig);
        harness::Terminal t(driver, {"-w", "0", "2", "3.5", "1.25"});
        ASSERT_TRUE(t.wait_for([&] { return drawn(t); }));
        EXPECT_FALSE(harness::same_modes(t.modes(), t.initial_modes())) << "curses mode is on";
        t.signal(sig);
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.term_signal(), sig);
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
        EXPECT_FALSE(t.alt_screen());
    }
}

// Ctrl-Z again and again from its start to its end, where no shell waits for
// it (so it cannot stop and goes on): whenever it comes, the program leaves
// no screen it is not on (the terminal would restore a cursor never saved),
// and ends with the cursor visible and the pen plain.
TEST(CursesDemo, CtrlZAtAnyMomentLeavesNoScreenItIsNotOn) {
    const std::string enter = "\x1b[?1049h", leave = "\x1b[?1049l";
    for (int run = 0; run < 20; run++) {
        SCOPED_TRACE(run);
        harness::Terminal t(demo, {}, 80, 50, "xterm-256color");
        while (!t.wait_for([&] { return !t.running(); }, 1))
            t.signal(SIGTSTP);
        ASSERT_TRUE(t.wait_exit());
        int on_alternate = 0;
        for (size_t at = t.output().find("\x1b[?1049"); at != std::string::npos;
             at = t.output().find("\x1b[?1049", at + 1)) {
            bool entering = t.output().compare(at, enter.size(), enter) == 0;
            EXPECT_EQ(on_alternate, entering ? 0 : 1) << "at byte " << at;
            on_alternate = entering;
        }
        EXPECT_TRUE(t.cursor_visible());
    }
}

// The main unit holds the terminal's owner, whose mark makes a link with a
// second owner fail.
TEST(CursesModules, DefineTheirOneSymbolAndNeedNoCxxRuntime) {
    harness::expect_module_holds_only("mod_credits_curses", "grafical");
    harness::expect_module_holds_only("mod_demo_main", "main", {"ordina_terminal_owner R"});
}

// The libraries a program needs at run time, as readelf names them.
std::set<std::string> needed(const std::string &program) {
    std::set<std::string> libraries;
    std::string command = "readelf -d " + program;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return libraries;
    char line[512];
    while (fgets(line, sizeof line, p)) {
        std::string s(line);
        size_t open = s.find("Shared library: [");
        if (open != std::string::npos) {
            open += 17;
            libraries.insert(s.substr(open, s.find(']', open) - open));
        }
    }
    EXPECT_EQ(pclose(p), 0) << command;
    return libraries;
}

TEST(CursesDemo, LinkedFromTheFourModulesAndCursesAlone) {
    std::set<std::string> functions;
    for (const std::string &s : harness::symbols("--defined-only", demo))
        if (s[0] != '_' && s.substr(s.size() - 2) == " T")
            functions.insert(s.substr(0, s.size() - 2));
    EXPECT_EQ(functions, (std::set<std::string>{"bubble", "funzinsert", "grafical", "main"}));
    for (const std::string &library : needed(demo)) {
        bool allowed = library.rfind("libncurses", 0) == 0 || library.rfind("libtinfo", 0) == 0 ||
                       library.rfind("libc.so", 0) == 0;
        EXPECT_TRUE(allowed) << library;
    }
}

} // namespace
