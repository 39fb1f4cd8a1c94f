// sort_menu run whole in a pseudo-terminal of 80 x 50, as a user would.
#include "screen.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char *program = ORDINA_BIN_DIR "/sort_menu";
const std::string last_credit = "* Terzolli Gildro (Jolly!) *";
// As the screen shows them, without their trailing blank.
const std::string choice_prompt = "Scelta:";
const std::string dimension_prompt = "Inserire la dim:";

// The terminal's index of a palette colour (values above 15 by their low four
// bits): blue and red change places, bright colours are 8 more.
int shown(int palette) {
    const int index[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
    return index[palette & 15];
}

struct Expected {
    int col, row;
    std::string text;
    int palette; // foreground
};

// Each text with its foreground, and the given background.
void expect_cells(const harness::Terminal &t, const std::vector<Expected> &cells, int bg) {
    for (const Expected &e : cells) {
        SCOPED_TRACE(testing::Message() << "(" << e.col << ", " << e.row << ") " << e.text);
        int width = 0;
        for (unsigned char c : e.text)
            width += (c & 0xC0) != 0x80;
        EXPECT_EQ(t.text_at(e.col, e.row, width), e.text);
        harness::Cell first = t.cell(e.col, e.row);
        EXPECT_EQ(first.fg, shown(e.palette));
        EXPECT_EQ(first.bg, bg);
    }
}

std::string blanks(int n) { return std::string(n, ' '); }

// The program waits for the choice: "Scelta: " written and the old answer
// wiped.
bool choice_asked(const harness::Terminal &t) {
    return t.text_at(35, 16, 9) == choice_prompt + "  " && t.cursor() == harness::Pos{43, 16};
}

void wait_credits(harness::Terminal &t) { ASSERT_TRUE(t.wait_text(24, 28, last_credit, 30000)); }

void pass_credits(harness::Terminal &t) {
    wait_credits(t);
    t.type("k");
    ASSERT_TRUE(t.wait_for([&] { return choice_asked(t); }));
}

int count(const std::string &s, const std::string &part) {
    int n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1))
        n++;
    return n;
}

// Types a wrong choice and waits until the choice is asked again: the prompt
// written once more, and the program waiting behind it.
void retry_choice(harness::Terminal &t, const std::string &answer) {
    int asked = count(t.output(), "Scelta: ");
    t.type(answer + "\n");
    ASSERT_TRUE(
        t.wait_for([&] { return count(t.output(), "Scelta: ") > asked && choice_asked(t); }));
}

// Types the dimension and the elements, each once its prompt is shown; the
// element prompts stand on rows 13 onwards at column 8.
void enter_values(harness::Terminal &t, const std::vector<std::string> &values) {
    ASSERT_TRUE(t.wait_text(4, 11, dimension_prompt));
    t.type(std::to_string(values.size()) + "\n");
    for (size_t i = 0; i < values.size(); i++) {
        std::string prompt = "Inserire A[" + std::to_string(i + 1) + "]:";
        ASSERT_TRUE(t.wait_text(8, (int)i + 13, prompt));
        t.type(values[i] + "\n");
    }
}

// The listing as written: CR LF for every line end, four tabs before each
// value, two blanks after it.
std::string listing(const std::vector<std::string> &values) {
    std::string s = "\r\n\r\n\t\t\t\tElenco ordinato :\r\n";
    for (const std::string &v : values)
        s += "\r\n\t\t\t\t" + v + "  ";
    return s;
}

// Two keys end the run, not one; the terminal is as it was at the start.
void end_with_two_keys(harness::Terminal &t) {
    t.type("k");
    EXPECT_FALSE(t.wait_exit(300)) << "one key must not end the run";
    t.type("k");
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 0);
    EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    EXPECT_TRUE(t.cursor_visible());
}

TEST(SortMenu, CreditsFrameAndLines) {
    harness::Terminal t(program, {});
    wait_credits(t);
    // The frame: light green on red, "~" down columns 1 and 79 on rows 1 to
    // 43 (over the first "@" of the top row), "@" along rows 1 and 44.
    const int red = shown(4);
    std::vector<Expected> frame;
    for (int row = 1; row <= 43; row++) {
        frame.push_back({1, row, "~", 10});
        frame.push_back({79, row, "~", 10});
    }
    for (int col = 2; col <= 78; col++)
        frame.push_back({col, 1, "@", 10});
    for (int col = 1; col <= 79; col++)
        frame.push_back({col, 44, "@", 10});
    expect_cells(t, frame, red);
    // Nothing beyond it; inside, only the credits.
    EXPECT_EQ(t.cell(80, 1).text, " ");
    EXPECT_EQ(t.cell(80, 44).text, " ");
    EXPECT_EQ(t.row_text(45), "");
    EXPECT_EQ(t.text_at(2, 2, 77), blanks(77));
    EXPECT_EQ(t.text_at(2, 43, 77), blanks(77));
    EXPECT_EQ(t.cell(2, 2).bg, -1);
    // The credit lines, each in its colour on black.
    expect_cells(t,
                 {
                     {24, 18, "PROGRAMMA REALIZZATO DA:", 15},
                     {24, 22, "* Parvelli Rubeno (Capo Reparto) *", 12},
                     {24, 24, "* Dovan Varno (Pogrammatore Logico) *", 10},
                     {24, 26, "* Fornaceti Orsello (Programmatore Grafico) *", 14},
                     {24, 28, last_credit, 9},
                 },
                 shown(0));
    EXPECT_EQ(t.cell(23, 18).text, " ");
    EXPECT_EQ(t.cell(23, 18).bg, -1);
    // The credits wait for a key.
    EXPECT_FALSE(t.wait_screen_contains(choice_prompt, 300));
    t.type("k");
    ASSERT_TRUE(t.wait_for([&] { return choice_asked(t); }));
}

TEST(SortMenu, MenuFrameAndTexts) {
    harness::Terminal t(program, {});
    pass_credits(t);
    // The credits are gone.
    EXPECT_EQ(t.row_text(1), "");
    EXPECT_EQ(t.row_text(28), "");
    EXPECT_EQ(t.row_text(44), "");
    std::vector<Expected> cells;
    for (int col = 23; col <= 63; col++) {
        cells.push_back({col, 2, "*", 11});
        cells.push_back({col, 17, "*", 11});
    }
    for (int row = 4; row <= 15; row++) {
        cells.push_back({20, row, "*", 14});
        cells.push_back({66, row, "*", 14});
    }
    cells.push_back({26, 4, "Selezionare il medoto di ordinamento?", 15});
    cells.push_back({25, 7, "1: Bubble sort", 14});
    cells.push_back({25, 9, "2: Sequenziale selettivo", 29});
    cells.push_back({25, 11, "3: Insertion sort", 10});
    cells.push_back({35, 16, choice_prompt, 12});
    cells.push_back({20, 2, "☺", 10}); // the first attempt's corners
    expect_cells(t, cells, shown(0));
    // The line ends inside the texts moved the cursor down in the same
    // column and wrote nothing: whole rows as expected.
    const std::string side = blanks(19) + "*" + blanks(45) + "*";
    const std::string top = blanks(19) + "☺" + blanks(2) + std::string(41, '*') + blanks(2) + "☺";
    const struct {
        int row;
        std::string text;
    } rows[] = {
        {1, ""},
        {2, top},
        {3, ""},
        {4, blanks(19) + "*     Selezionare il medoto di ordinamento?   *"},
        {5, side},
        {6, side},
        {7, blanks(19) + "*    1: Bubble sort                           *"},
        {8, side},
        {9, blanks(19) + "*    2: Sequenziale selettivo                 *"},
        {10, side},
        {11, blanks(19) + "*    3: Insertion sort                        *"},
        {12, side},
        {15, side},
        {16, blanks(34) + choice_prompt},
        {17, top},
        {18, ""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(t.row_text(r.row), r.text) << "row " << r.row;
}

TEST(SortMenu, CornersChangeAtEveryAttempt) {
    harness::Terminal t(program, {});
    pass_credits(t);
    const struct {
        std::string wrong; // the answer that led to this attempt
        std::string glyph;
        int palette;
    } attempts[] = {
        {"", "☺", 10},           // code 1
        {"0", "☻", 11},          // code 2
        {"4", "♥", 12},          // code 3
        {"abc", "♦", 13},        // code 4: not a number
        {"99", "♣", 14},         // code 5
        {"-1", "♠", 15},         // code 6
        {"12abc", "◘", 17},      // code 8: 7 is skipped
        {"5", "○", 18},          // code 9
        {"2147483648", "○", 18}, // code 10, a line end: the glyphs stay
        {"3.5", "♂", 20},        // code 11
    };
    for (size_t i = 0; i < std::size(attempts); i++) {
        SCOPED_TRACE(testing::Message() << "attempt " << i + 1);
        if (i > 0) {
            retry_choice(t, attempts[i].wrong);
        }
        std::vector<Expected> corners;
        for (auto [col, row] : {std::pair{20, 2}, {66, 17}, {20, 17}, {66, 2}})
            corners.push_back({col, row, attempts[i].glyph, attempts[i].palette});
        expect_cells(t, corners, shown(0));
        // A glyph takes one cell; the line end of code 10 drew nothing below.
        EXPECT_EQ(t.text_at(21, 2, 2), "  ");
        EXPECT_EQ(t.text_at(20, 3, 1) + t.text_at(66, 3, 1), "  ");
        EXPECT_EQ(t.text_at(20, 18, 1) + t.text_at(66, 18, 1), "  ");
        EXPECT_EQ(t.row_text(16), blanks(34) + choice_prompt) << "the last answer wiped";
    }
    t.type("2\n");
    ASSERT_TRUE(t.wait_text(27, 4, "Ordinamento SEQUENZIALE SELETTIVO"));
}

// The glyph counter is kept bounded, yet the corners show what an endless
// count would: 514 wrong answers (on one line, each one read in turn), and
// the 515th attempt shows code 516 & 255 = 4 in colour 525 & 15 = 13.
TEST(SortMenu, CornersKeepTheirRuleBeyond500Attempts) {
    harness::Terminal t(program, {});
    pass_credits(t);
    std::string zeros;
    for (int i = 0; i < 514; i++)
        zeros += "0 ";
    t.type(zeros + "\n");
    ASSERT_TRUE(
        t.wait_for([&] { return count(t.output(), "Scelta: ") == 515 && choice_asked(t); }));
    std::vector<Expected> corners;
    for (auto [col, row] : {std::pair{20, 2}, {66, 17}, {20, 17}, {66, 2}})
        corners.push_back({col, row, "♦", 13});
    expect_cells(t, corners, shown(0));
    t.type("1\n");
    ASSERT_TRUE(t.wait_text(32, 4, "Ordinamento BUBBLE SORT"));
}

TEST(SortMenu, MethodScreensSortAndList) {
    const struct {
        const char *choice;
        int frame, title_col, title_palette;
        std::string title;
    } methods[] = {
        {"1", 11, 32, 10, "Ordinamento BUBBLE SORT"},
        {"2", 12, 27, 11, "Ordinamento SEQUENZIALE SELETTIVO"},
        {"3", 13, 30, 12, "Ordinamento INSERT SORT"},
    };
    for (const auto &m : methods) {
        SCOPED_TRACE(m.title);
        harness::Terminal t(program, {});
        pass_credits(t);
        t.type(std::string(m.choice) + "\n");
        ASSERT_TRUE(t.wait_text(4, 11, dimension_prompt));
        std::vector<Expected> cells;
        for (int col = 23; col <= 63; col++) {
            cells.push_back({col, 2, "*", m.frame});
            cells.push_back({col, 6, "*", m.frame});
        }
        cells.push_back({m.title_col, 4, m.title, m.title_palette});
        cells.push_back({4, 11, dimension_prompt, 14});
        expect_cells(t, cells, shown(0));
        const struct {
            int row;
            std::string text;
        } rows[] = {
            {1, ""},  {2, blanks(22) + std::string(41, '*')},
            {3, ""},  {4, blanks(m.title_col - 1) + m.title},
            {5, ""},  {6, blanks(22) + std::string(41, '*')},
            {10, ""}, {11, blanks(3) + dimension_prompt},
            {16, ""}, {17, ""},
        };
        for (const auto &r : rows)
            EXPECT_EQ(t.row_text(r.row), r.text) << "row " << r.row;
        EXPECT_EQ(t.cursor(), (harness::Pos{21, 11}));

        enter_values(t, {"2.5", "1.75", "3.125"});
        // The last answer left the cursor on row 16; two line ends, then the
        // heading and the values one line apart after four tabs.
        ASSERT_TRUE(t.wait_text(33, 22, "3.1250", 30000));
        EXPECT_NE(t.output().find(listing({"1.7500", "2.5000", "3.1250"})), std::string::npos);
        EXPECT_EQ(t.row_text(18), blanks(32) + "Elenco ordinato :");
        EXPECT_EQ(t.row_text(19), "");
        EXPECT_EQ(t.row_text(20), blanks(32) + "1.7500");
        EXPECT_EQ(t.row_text(21), blanks(32) + "2.5000");
        EXPECT_EQ(t.row_text(22), blanks(32) + "3.1250");
        end_with_two_keys(t);
    }
}

TEST(SortMenu, DimensionFrom1To100AndPromptsBeyondTheWindow) {
    harness::Terminal t(program, {});
    pass_credits(t);
    t.type("1\n");
    // Each repeated prompt starts where the answer's line end left the
    // cursor: column 1, one row further down.
    const struct {
        int col, row;
        const char *answer;
    } dimensions[] = {{4, 11, "101"}, {1, 13, "0"}, {1, 15, "abc"}, {1, 17, "-4"}, {1, 19, "100"}};
    for (const auto &d : dimensions) {
        ASSERT_TRUE(t.wait_text(d.col, d.row, dimension_prompt)) << "row " << d.row;
        EXPECT_EQ(t.cell(d.col, d.row).fg, shown(14));
        t.type(std::string(d.answer) + "\n");
    }
    // Prompts on rows 13 to 50, then on the last row: the window is clamped,
    // the prompt's line end scrolls, and so does the answer's.
    std::vector<std::string> sorted;
    for (int k = 1; k <= 100; k++) {
        std::string prompt = "Inserire A[" + std::to_string(k) + "]:";
        int row = std::min(k + 12, 50);
        ASSERT_TRUE(t.wait_text(8, row, prompt)) << prompt;
        EXPECT_EQ(t.cell(8, row).fg, shown(15));
        if (k > 38) {
            std::string before =
                "Inserire A[" + std::to_string(k - 1) + "]: " + std::to_string(102 - k);
            EXPECT_EQ(t.row_text(48), blanks(7) + before);
            EXPECT_EQ(t.row_text(49), "");
        }
        t.type(std::to_string(101 - k) + "\n");
        sorted.push_back(std::to_string(k) + ".0000");
    }
    ASSERT_TRUE(t.wait_text(33, 50, "100.0000", 60000));
    EXPECT_NE(t.output().find(listing(sorted)), std::string::npos);
    for (int row = 1; row <= 50; row++)
        EXPECT_EQ(t.row_text(row), blanks(32) + sorted[row + 49]) << "row " << row;
    end_with_two_keys(t);
}

TEST(SortMenu, RejectedElementIsAskedAgainInPlace) {
    harness::Terminal t(program, {});
    pass_credits(t);
    t.type("3\n");
    ASSERT_TRUE(t.wait_text(4, 11, dimension_prompt));
    t.type("3\n");
    ASSERT_TRUE(t.wait_text(8, 13, "Inserire A[1]:"));
    t.type("2.5\n");
    ASSERT_TRUE(t.wait_text(8, 14, "Inserire A[2]:"));
    for (const std::string bad : {"x", "1.75abc", "nan"}) {
        SCOPED_TRACE(bad);
        int asked = count(t.output(), "Inserire A[2]: ");
        t.type(bad + "\n");
        // Asked again once the rejected answer is wiped.
        ASSERT_TRUE(t.wait_for([&] {
            return count(t.output(), "Inserire A[2]: ") > asked &&
                   t.cursor() == harness::Pos{23, 14} &&
                   t.row_text(14) == blanks(7) + "Inserire A[2]:";
        }));
        EXPECT_EQ(t.cell(8, 14).fg, shown(15));
        EXPECT_EQ(t.row_text(15), "");
    }
    t.type("1.75\n");
    ASSERT_TRUE(t.wait_text(8, 15, "Inserire A[3]:"));
    t.type("3.125\n");
    ASSERT_TRUE(t.wait_screen_contains("3.1250", 30000));
    EXPECT_NE(t.output().find(listing({"1.7500", "2.5000", "3.1250"})), std::string::npos);
}

// In a window smaller than the frame the program says so and draws nothing
// until the window is large enough, or a key (which answers nothing) tells it
// to go on as the window is.
TEST(SortMenu, SmallWindowNotedUntilResizedOrAKey) {
    const std::string note = "La finestra \xc3\xa8 80\xc3\x97"
                             "24, ne serve una di 79\xc3\x97"
                             "44: allargala o "
                             "premi un tasto.";
    for (bool by_key : {false, true}) {
        SCOPED_TRACE(by_key ? "a key" : "a resize");
        harness::Terminal t(program, {}, 80, 24);
        ASSERT_TRUE(t.wait_text(1, 1, note));
        EXPECT_FALSE(t.wait_screen_contains("@", 300)) << "no frame drawn meanwhile";
        if (by_key) {
            t.type("\x1b[A"); // Up: one key, not an answer
            ASSERT_TRUE(t.wait_text(24, 24, last_credit, 30000)) << "the credits clamped";
            t.type("k");
            ASSERT_TRUE(t.wait_for([&] { return choice_asked(t); }));
            t.type("2\n");
        } else {
            t.resize(80, 50);
            ASSERT_TRUE(t.wait_text(2, 1, "@"));
            // Typed during the animation: a key for the credits, the choice.
            t.type("k2\n");
        }
        ASSERT_TRUE(t.wait_text(27, 4, "Ordinamento SEQUENZIALE SELETTIVO", 30000));
        EXPECT_NE(t.output().find(last_credit), std::string::npos);
        EXPECT_EQ(t.screen_text().find("allargala"), std::string::npos);
    }
}

// Keys typed while the program draws or pauses never show; they wait their
// turn: the first one ends the credits, the rest is the start of the next
// answer, edited there. A key that sends several bytes is one key.
TEST(SortMenu, KeysTypedAheadWaitTheirTurnAndEachKeyIsOne) {
    harness::Terminal t(program, {});
    ASSERT_TRUE(t.wait_text(2, 1, "@@@"));
    t.type("Z\x1b[AZZ"); // during the animation
    ASSERT_TRUE(t.wait_for([&] { return t.text_at(35, 16, 11) == "Scelta: ZZ "; }));
    EXPECT_EQ(t.cell(43, 16).fg, shown(12)) << "in the prompt's colours";
    for (int row = 1; row <= 50; row++)
        EXPECT_EQ(t.row_text(row).find('Z'), row == 16 ? 42u : std::string::npos) << row;
    // Ctrl-U, Backspace and an arrow edit the answer; 200 characters stay in
    // the row and, rejected, leave nothing behind.
    t.type("\x15" + std::string(200, '9') + "\x1b[D\x7f\n");
    ASSERT_TRUE(t.wait_for([&] { return choice_asked(t) && t.cell(20, 2).text == "\u263b"; }));
    EXPECT_EQ(t.screen_text().find('9'), std::string::npos);
    EXPECT_EQ(t.text_at(23, 17, 41), std::string(41, '*')) << "the frame below untouched";
    t.type("3\n");
    enter_values(t, {"2.5", "1.75"});
    // The listing's pauses: a key typed there shows nowhere and is the first
    // of the two that end the run; an arrow is one key.
    ASSERT_TRUE(t.wait_text(33, 19, "1.7500", 30000));
    t.type("q");
    ASSERT_TRUE(t.wait_text(33, 20, "2.5000", 30000));
    EXPECT_EQ(t.screen_text().find('q'), std::string::npos);
    t.type("\x1b[15~"); // F5
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 0);
}

TEST(SortMenu, EndOfInputEndsWithStatus2AndTheTerminalRestored) {
    const struct {
        const char *waiting_at;
        std::vector<std::string> answers; // typed before, each after its prompt
    } cases[] = {
        {"the choice", {}},
        {"the dimension", {"2"}},
        {"the second element", {"2", "2", "4.5"}},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.waiting_at);
        harness::Terminal t(program, {}, 80, 50, "xterm-256color", {}, harness::Stderr::pipe);
        pass_credits(t);
        const std::string prompts[] = {dimension_prompt, "Inserire A[1]:", "Inserire A[2]:"};
        for (size_t i = 0; i < k.answers.size(); i++) {
            t.type(k.answers[i] + "\n");
            ASSERT_TRUE(t.wait_screen_contains(prompts[i]));
        }
        t.end_input();
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 2);
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
        EXPECT_TRUE(t.cursor_visible());
        EXPECT_EQ(t.stderr_output(), "Fine dell'input.\n");
    }
    // On the terminal the message starts a line of its own, in the
    // terminal's own colours.
    harness::Terminal t(program, {});
    pass_credits(t);
    t.end_input();
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.row_text(17).substr(0, 16), "Fine dell'input.");
    EXPECT_EQ(t.cell(1, 17).fg, -1);
    EXPECT_EQ(t.cell(1, 17).bg, -1);
    EXPECT_EQ(t.row_text(16), blanks(34) + choice_prompt);
}

} // namespace
