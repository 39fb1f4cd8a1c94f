// The console-window operations as a user sees them: the driver runs one
// scenario in a pseudo-terminal and the test reads the screen back.
#include "piped.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <signal.h>

#include <string>

namespace {

const std::string driver = ORDINA_TESTS_DIR "/console_driver";

// Waits for the scenario's end: status 0, the terminal's modes as found.
void finish(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 0);
    EXPECT_TRUE(harness::same_modes(t.initial_modes(), t.modes()));
}

struct Text {
    int col, row;
    const char *text;
};

void expect_texts(const harness::Terminal &t, const Text *texts, int n) {
    for (int i = 0; i < n; i++)
        EXPECT_EQ(t.text_at(texts[i].col, texts[i].row, 1), texts[i].text)
            << "at (" << texts[i].col << ", " << texts[i].row << ")";
}

int count(const std::string &s, const std::string &part) {
    int n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1))
        n++;
    return n;
}

// Palette colour, its index on a 256-colour terminal, and on an 8-colour one
// (where the bright half is the base colour in bold).
struct Colour {
    int palette, full, base;
    bool bold;
};

const Colour palette[] = {
    {0, 0, 0, false}, {1, 4, 4, false},  {2, 2, 2, false},  {3, 6, 6, false},
    {4, 1, 1, false}, {5, 5, 5, false},  {6, 3, 3, false},  {7, 7, 7, false},
    {8, 8, 0, true},  {9, 12, 4, true},  {10, 10, 2, true}, {11, 14, 6, true},
    {12, 9, 1, true}, {13, 13, 5, true}, {14, 11, 3, true}, {15, 15, 7, true},
};

TEST(Console, PaletteColoursAsForegroundAndBackground) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "xterm-256color" : "xterm");
        harness::Terminal t(driver, {"colours"}, 80, 50, full ? "xterm-256color" : "xterm");
        finish(t);
        for (const Colour &c : palette) {
            SCOPED_TRACE(testing::Message() << "palette colour " << c.palette);
            harness::Cell fg = t.cell(1, c.palette + 1);
            EXPECT_EQ(fg.fg, full ? c.full : c.base);
            EXPECT_EQ(fg.bold, !full && c.bold);
            EXPECT_EQ(fg.bg, 0);
            harness::Cell bg = t.cell(3, c.palette + 1);
            EXPECT_EQ(bg.bg, full ? c.full : c.base);
            EXPECT_EQ(bg.fg, 7);
            EXPECT_FALSE(bg.bold);
        }
        // Values by their low four bits: 29/20, 17/31, 255/16, -3/-12.
        const int above[][2] = {{13, 1}, {4, 15}, {15, 0}, {13, 1}};
        for (int i = 0; i < 4; i++) {
            harness::Cell h = t.cell(5, 17 + i);
            EXPECT_EQ(h.fg, full ? above[i][0] : above[i][0] % 8) << "row " << 17 + i;
            EXPECT_EQ(h.bg, full ? above[i][1] : above[i][1] % 8) << "row " << 17 + i;
        }
        // Before any colour is asked for, the terminal's own.
        harness::Cell d = t.cell(1, 21);
        EXPECT_EQ(d.text, "D");
        EXPECT_EQ(d.fg, -1);
        EXPECT_EQ(d.bg, -1);
    }
}

TEST(Console, ColourSequencesOnlyWhenTheColourChanges) {
    // textcolor(14) twice, then 12 and 14 again before any text.
    harness::Terminal t(driver, {"same_colour"});
    finish(t);
    EXPECT_EQ(count(t.output(), "\x1b[93m"), 1);
    EXPECT_EQ(count(t.output(), "\x1b[91m"), 0);
    const Text texts[] = {{1, 1, "a"}, {2, 1, "b"}, {3, 1, "c"}, {4, 2, "d"}};
    expect_texts(t, texts, 4);
    EXPECT_EQ(t.cell(4, 2).fg, 11);
}

TEST(Console, NormalVideoGivesBackTheTerminalsOwnColours) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full ? "xterm-256color" : "xterm");
        harness::Terminal t(driver, {"normal_video"}, 80, 50, full ? "xterm-256color" : "xterm");
        finish(t);
        // a: light red on blue; b, c: own colours; d: yellow; e: own colours.
        const struct {
            int fg, bg;
            bool bold;
        } cells[] = {{full ? 9 : 1, 4, !full},
                     {-1, -1, false},
                     {-1, -1, false},
                     {full ? 11 : 3, -1, !full},
                     {-1, -1, false}};
        EXPECT_EQ(t.row_text(1), "abcde");
        for (int i = 0; i < 5; i++) {
            harness::Cell c = t.cell(i + 1, 1);
            EXPECT_EQ(c.fg, cells[i].fg) << "column " << i + 1;
            EXPECT_EQ(c.bg, cells[i].bg) << "column " << i + 1;
            EXPECT_EQ(c.bold, cells[i].bold) << "column " << i + 1;
        }
    }
    EXPECT_EQ(harness::run_piped(driver, {"normal_video"}, "").out, "abcde");
}

TEST(Console, PositionsClampedToTheWindow) {
    harness::Terminal t(driver, {"positions"});
    finish(t);
    // gotoxy (1, 1), (79, 44), (200, 3), (5, 300), (-5, 10), (10, 0).
    const Text texts[] = {{1, 1, "A"},  {79, 44, "B"}, {80, 3, "C"},
                          {5, 50, "D"}, {1, 10, "E"},  {10, 1, "F"}};
    expect_texts(t, texts, 6);
    // Clamped before it is written, for terminals that do not clamp.
    EXPECT_NE(t.output().find("\x1b[50;5H"), std::string::npos);
    EXPECT_EQ(t.output().find("\x1b[300;5H"), std::string::npos);
}

TEST(Console, LineEndKeepsTheColumn) {
    harness::Terminal t(driver, {"line_ends"}); // "ab\ncd\n\nef" from (10, 5)
    finish(t);
    const Text texts[] = {{10, 5, "a"}, {11, 5, "b"}, {12, 6, "c"}, {13, 6, "d"},
                          {14, 8, "e"}, {15, 8, "f"}, {1, 6, " "},  {1, 8, " "}};
    expect_texts(t, texts, 8);
    EXPECT_EQ(t.cursor(), (harness::Pos{1, 9})) << "after f, the row ended at the end";
}

// The row ended at the end, the last one, scrolls once more.
TEST(Console, LineEndScrollsAtTheLastRow) {
    harness::Terminal t(driver, {"scrolling"}); // "top" at (1, 2), "xy\nz" from (20, 50)
    finish(t);
    EXPECT_EQ(t.screen_text().find("top"), std::string::npos);
    EXPECT_EQ(t.text_at(20, 48, 2), "xy");
    EXPECT_EQ(t.text_at(22, 49, 1), "z");
    EXPECT_EQ(t.cursor(), (harness::Pos{1, 50}));
}

TEST(Console, CodesShownAsTheirGlyphs) {
    harness::Terminal t(driver, {"glyphs"});
    finish(t);
    // Codes 1-6, 8, 9, 11-31, then 127, 130, 201, 219 and 256 + 65.
    const char *glyphs[] = {"☺", "☻", "♥", "♦", "♣", "♠", "◘", "○", "♂", "♀", "♪", "♫",
                            "☼", "►", "◄", "↕", "‼", "¶", "§", "▬", "↨", "↑", "↓", "→",
                            "←", "∟", "↔", "▲", "▼", "⌂", "é", "╔", "█", "A"};
    for (int i = 0; i < 34; i++)
        EXPECT_EQ(t.text_at(i + 1, 1, 1), glyphs[i]) << "column " << i + 1;
    EXPECT_EQ(t.row_text(2), "ab"); // code 0 shows nothing
    // 1000 x and END from (1, 3), wider than any buffer; then the counts.
    EXPECT_EQ(t.row_text(14), std::string(80, 'x'));
    EXPECT_EQ(t.row_text(15), std::string(40, 'x') + "END");
    EXPECT_EQ(t.row_text(30), "3 1003");
}

TEST(Console, ClearToEndOfLineAndClearScreen) {
    harness::Terminal line(driver, {"clear_line"}); // "ABCDEFGHIJ", then red from (5, 3)
    finish(line);
    EXPECT_EQ(line.row_text(3), "ABCD");
    EXPECT_EQ(line.cell(4, 3).bg, -1);
    EXPECT_EQ(line.cell(5, 3).bg, 1);
    EXPECT_EQ(line.cell(80, 3).bg, 1);
    EXPECT_EQ(line.cursor(), (harness::Pos{1, 4})) << "the row ended at the end";

    harness::Terminal screen(driver, {"clear_screen"}); // texts, then green
    finish(screen);
    for (int row = 1; row <= 50; row++)
        EXPECT_EQ(screen.row_text(row), "") << "row " << row;
    EXPECT_EQ(screen.cell(1, 1).bg, 2);
    EXPECT_EQ(screen.cell(80, 50).bg, 2);
    EXPECT_EQ(screen.cursor(), (harness::Pos{1, 1}));
}

TEST(Console, ReadsNumbersWithEchoAndAsksAgainAfterABadOne) {
    harness::Terminal t(driver, {"read_numbers"});
    ASSERT_TRUE(t.wait_text(1, 1, "n: "));
    t.type("abc\n");
    ASSERT_TRUE(t.wait_text(1, 2, "n: "));
    t.type("42\n");
    ASSERT_TRUE(t.wait_text(1, 10, "x: "));
    // The colour asked for after the prompt comes before the read.
    ASSERT_TRUE(t.wait_for([&] { return count(t.output(), "\x1b[93m") == 1; }));
    t.type("2,5\n");
    finish(t);
    EXPECT_EQ(t.row_text(1), "n: abc");
    EXPECT_EQ(t.row_text(2), "n: 42");
    EXPECT_EQ(t.cell(4, 10).fg, 11);
    EXPECT_EQ(t.row_text(12), "tries=2 n=42 got=1 x=2.50 other=0");
}

TEST(Console, KeysAreReadWithoutEcho) {
    harness::Terminal t(driver, {"keys"});
    // Keys typed before the wait begins are echoed by the terminal.
    ASSERT_TRUE(t.wait_for([&] { return (t.modes().c_lflag & ECHO) == 0; }));
    t.type("qw");
    ASSERT_TRUE(t.wait_text(1, 5, "n: "));
    t.type("5\n"); // echoed again after the keys
    finish(t);
    EXPECT_EQ(t.row_text(1), "key?");
    EXPECT_EQ(t.row_text(3), "keys 113 119");
    EXPECT_EQ(t.row_text(5), "n: 5");
    EXPECT_EQ(t.row_text(7), "n=5");
}

TEST(Console, KeyModeKeptAfterAStopThatCannotStop) {
    // Here no shell waits for the program, so Ctrl-Z cannot stop it: it hands
    // the terminal back and goes on waiting for a key, in key mode again.
    harness::Terminal t(driver, {"keys"});
    auto key_mode = [&] { return (t.modes().c_lflag & (ICANON | ECHO)) == 0; };
    ASSERT_TRUE(t.wait_for(key_mode));
    t.signal(SIGTSTP);
    ASSERT_TRUE(t.wait_for(key_mode));
    t.type("qw");
    ASSERT_TRUE(t.wait_text(1, 3, "keys 113 119"));
}

TEST(Console, TerminalRestoredAtEndOfInputAndOnSigint) {
    harness::Terminal input(driver, {"read_numbers"});
    ASSERT_TRUE(input.wait_text(1, 1, "n: "));
    input.end_input();
    ASSERT_TRUE(input.wait_exit());
    EXPECT_EQ(input.exit_status(), 2);
    EXPECT_TRUE(harness::same_modes(input.initial_modes(), input.modes()));

    harness::Terminal key(driver, {"keys"});
    ASSERT_TRUE(key.wait_for([&] { return (key.modes().c_lflag & ICANON) == 0; }));
    key.signal(SIGINT);
    ASSERT_TRUE(key.wait_exit());
    EXPECT_EQ(key.term_signal(), SIGINT);
    EXPECT_TRUE(harness::same_modes(key.initial_modes(), key.modes()));
    EXPECT_TRUE(key.cursor_visible());
}

TEST(Console, PlainTextWithoutATerminal) {
    // Keys and a number from a pipe, or its end at once; no escape sequence.
    struct Case {
        const char *input, *out;
        int status;
    } cases[] = {{"zw5\n", "key? keys 122 119n: n=5", 0}, {"", "key? keys -1 -1n: ", 2}};
    for (const Case &c : cases) {
        harness::Run r = harness::run_piped(driver, {"keys"}, c.input);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.exit_status, c.status);
    }
    harness::Terminal unknown(driver, {"colours"}, 80, 50, "no-such-terminal");
    finish(unknown);
    EXPECT_EQ(unknown.output().find('\x1b'), std::string::npos);
}

} // namespace
