// sort_addr run whole in a pseudo-terminal, as a user would.
#include "screen.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char *program = ORDINA_BIN_DIR "/sort_addr";
const std::string dimension_prompt = "Inserisci la dimensione di A: ";
// As the screen shows them, without trailing blanks.
const std::string question = "Visuallizzare indirizzo memoria? s/N :";
const int yellow = 11; // palette 14 on the terminal

// Starts sort_addr and passes its two credit screens.
void pass_credits(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
    t.type("k");
    ASSERT_TRUE(t.wait_text(14, 2, "*** Programma di Benvardi, Pellandrio e Casorelli ***"));
    t.type("k");
    ASSERT_TRUE(t.wait_text(1, 1, dimension_prompt));
}

// Types the count and the values, waiting for each prompt.
void enter_values(harness::Terminal &t, const std::vector<std::string> &answers) {
    t.type(answers[0] + "\n");
    for (size_t i = 1; i < answers.size(); i++) {
        ASSERT_TRUE(t.wait_screen_contains("Inserisci il " + std::to_string(i) + " valore :"));
        t.type(answers[i] + "\n");
    }
    ASSERT_TRUE(t.wait_screen_contains(question));
}

// The row that holds the question.
int question_row(const harness::Terminal &t) {
    for (int row = 1; row <= t.rows(); row++)
        if (t.row_text(row).rfind(question, 0) == 0)
            return row;
    return 0;
}

TEST(SortAddr, CreditScreensInYellow) {
    harness::Terminal t(program, {});
    const struct {
        int col, row;
        const char *text;
    } first[] = {
        {32, 7, "* SoFTWaRe HouSe *"},
        {21, 12, "--> CaPo GRuPPo: Benvardi Evira"},
        {21, 14, "--> PRoGRaMMaToRe LoGiCo: Pellandrio Rubeno"},
        {21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"},
    };
    ASSERT_TRUE(t.wait_text(21, 16, first[3].text));
    for (const auto &line : first) {
        EXPECT_EQ(t.text_at(line.col, line.row, (int)strlen(line.text)), line.text);
        EXPECT_EQ(t.cell(line.col, line.row).fg, yellow);
        EXPECT_EQ(t.cell(line.col - 1, line.row).text, " ");
    }
    t.type("k");
    const char *second = "*** Programma di Benvardi, Pellandrio e Casorelli ***";
    ASSERT_TRUE(t.wait_text(14, 2, second));
    EXPECT_EQ(t.cell(14, 2).fg, yellow);
    EXPECT_EQ(t.row_text(7), "") << "the first screen was cleared";
    EXPECT_EQ(t.row_text(1), "");
    t.type("k");
    ASSERT_TRUE(t.wait_text(1, 1, dimension_prompt));
    EXPECT_EQ(t.row_text(2), "");
}

TEST(SortAddr, DimensionFrom1To20) {
    harness::Terminal t(program, {});
    pass_credits(t);
    const char *answers[] = {"21", "0", "abc", "20"};
    for (int row = 1; row <= 4; row++) {
        ASSERT_TRUE(t.wait_text(1, row, dimension_prompt)) << "row " << row;
        t.type(std::string(answers[row - 1]) + "\n");
    }
    ASSERT_TRUE(t.wait_screen_contains("Inserisci il 1 valore :"));
    EXPECT_EQ(t.row_text(4), dimension_prompt + "20");
}

TEST(SortAddr, ListingWithoutAddressesStaysOnOneLine) {
    for (const char *answer : {"no", "n", "x", "N"}) {
        SCOPED_TRACE(answer);
        harness::Terminal t(program, {});
        pass_credits(t);
        enter_values(t, {"3", "5", "-2", "0"});
        int row = question_row(t);
        t.type(std::string(answer) + "\n");
        ASSERT_TRUE(t.wait_text(1, row + 1, "-2 - 0 - 5 - "));
        EXPECT_EQ(t.row_text(row + 1), "-2 - 0 - 5 -");
        EXPECT_EQ(t.cursor(), (harness::Pos{14, row + 1})) << "no line end after the last";
        t.type("k");
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 1);
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    }
}

TEST(SortAddr, ListingWithTheAddressOfEverySlot) {
    for (const char *answer : {"s", "S", "si"}) {
        SCOPED_TRACE(answer);
        harness::Terminal t(program, {});
        pass_credits(t);
        enter_values(t, {"3", "5", "-2", "0"});
        int row = question_row(t);
        t.type(std::string(answer) + "\n");
        ASSERT_TRUE(t.wait_text(1, row + 3, "5 - 0x"));
        const char *values[] = {"-2 - 0x", "0 - 0x", "5 - 0x"};
        unsigned long long previous = 0;
        for (int i = 0; i < 3; i++) {
            std::string line = t.row_text(row + 1 + i);
            ASSERT_EQ(line.rfind(values[i], 0), 0u) << line;
            unsigned long long address = strtoull(line.c_str() + line.find("0x"), nullptr, 16);
            if (i > 0) {
                EXPECT_EQ(address - previous, 4u) << "slots of one integer each";
            }
            previous = address;
        }
        EXPECT_EQ(t.cursor(), (harness::Pos{1, row + 4})) << "a line end after each address";
        t.type("k");
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 1);
    }
}

TEST(SortAddr, TheQuestionWaitsForAWordTypedAfterIt) {
    harness::Terminal t(program, {});
    pass_credits(t);
    // The numbers typed beyond the only element are dropped before the question.
    t.type("1\n");
    ASSERT_TRUE(t.wait_screen_contains("Inserisci il 1 valore :"));
    t.type("7 8 9\n");
    ASSERT_TRUE(t.wait_screen_contains(question));
    // Enter alone does not answer it.
    t.type("\n\n");
    EXPECT_FALSE(t.wait_screen_contains("7 - ", 300));
    // A word of any length does, by its first letter.
    t.type("S" + std::string(10000, 'i') + "\n");
    ASSERT_TRUE(t.wait_screen_contains("7 - 0x"));
    EXPECT_EQ(t.screen_text().find("8 - "), std::string::npos);
    t.type("k");
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 1);
}

// An arrow or a function key at a key wait is one key: the next screen waits
// for its own, and nothing of it reaches the answers that follow.
TEST(SortAddr, AKeyOfSeveralBytesIsOneKeyAtEveryWait) {
    harness::Terminal t(program, {});
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
    t.type("\x1b[A"); // Up
    ASSERT_TRUE(t.wait_text(14, 2, "*** Programma di Benvardi, Pellandrio e Casorelli ***"));
    EXPECT_FALSE(t.wait_text(1, 1, dimension_prompt, 300)) << "the second screen waits";
    t.type("\x1bOQ"); // F2
    ASSERT_TRUE(t.wait_text(1, 1, dimension_prompt));
    enter_values(t, {"1", "4"});
    t.type("n\n");
    ASSERT_TRUE(t.wait_screen_contains("4 -"));
    t.type("\x1b[6~"); // PgDn
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 1);
    EXPECT_EQ(t.row_text(2), "") << "the answers were taken at the first try";
}

TEST(SortAddr, EndOfInputEndsWithStatus2AndTheTerminalRestored) {
    const struct {
        std::vector<std::string> answers; // typed before the end of the input
        std::string waiting_at;
    } cases[] = {
        {{}, "Inserisci la dimensione di A:"},
        {{"2", "4"}, "Inserisci il 2 valore :"},
        {{"1", "4"}, question},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.waiting_at);
        harness::Terminal t(program, {});
        pass_credits(t);
        for (size_t i = 0; i < k.answers.size(); i++) {
            if (i > 0) {
                ASSERT_TRUE(
                    t.wait_screen_contains("Inserisci il " + std::to_string(i) + " valore :"));
            }
            t.type(k.answers[i] + "\n");
        }
        ASSERT_TRUE(t.wait_screen_contains(k.waiting_at));
        t.end_input();
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 2);
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    }
}

} // namespace
