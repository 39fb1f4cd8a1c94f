// The ctio modules run in ctio_show as a user would, the ctio library through
// its driver, and the modules as objects that C programs link.
#include "module_checks.hpp"
#include "piped.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char *show = ORDINA_BIN_DIR "/ctio_show";
// As the screen shows it, without its trailing blank.
const std::string dimension_prompt = "Inserisci la dimensione di A:";
const int light_cyan = 14; // palette 11 on the terminal

struct Text {
    int col, row;
    std::string text;
};

int count(const std::string &s, const std::string &part) {
    int n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1))
        n++;
    return n;
}

int dimension_pages(const harness::Terminal &t) { return count(t.output(), dimension_prompt); }

void expect_page(const harness::Terminal &t, const std::vector<Text> &texts) {
    for (const Text &x : texts) {
        SCOPED_TRACE(x.text);
        EXPECT_EQ(t.text_at(x.col, x.row, (int)x.text.size()), x.text);
        EXPECT_EQ(t.cell(x.col, x.row).fg, light_cyan);
        EXPECT_EQ(t.cell(x.col, x.row).bg, 0);
        EXPECT_EQ(t.cell(x.col - 1, x.row).text, " ");
    }
    EXPECT_EQ(t.cell(1, 1).bg, 0) << "the page is blanked in black";
}

void pass_credits(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
    t.type("\n");
    ASSERT_TRUE(t.wait_text(10, 30, "Premere INVIO per continuare..."));
    t.type("\n");
    ASSERT_TRUE(t.wait_text(10, 7, dimension_prompt));
}

// Waits for the dimension page to be drawn for the k-th time, the cursor
// where the answer goes.
bool wait_dimension_page(harness::Terminal &t, int k) {
    return t.wait_for([&] {
        return dimension_pages(t) == k && t.row_text(7) == "         " + dimension_prompt &&
               t.cursor() == harness::Pos{63, 7};
    });
}

TEST(CtioModules, CreditScreensInLightCyanEachUntilEnter) {
    harness::Terminal t(show, {});
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
    expect_page(t, {{32, 7, "* SoFTWaRe HouSe *"},
                    {21, 12, "--> CaPo GRuPPo: Benvardi Evira"},
                    {21, 14, "--> PRoGRaMMaToRe LoGiCo: Pellandrio Rubeno"},
                    {21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"}});
    EXPECT_FALSE(t.wait_screen_contains("Premere INVIO", 300)) << "it waits for Enter";
    t.type("\n");
    ASSERT_TRUE(t.wait_text(10, 30, "Premere INVIO per continuare..."));
    expect_page(t, {{20, 17, "*** Programma di Benvardi, Pellandrio e Casorelli ***"},
                    {10, 30, "Premere INVIO per continuare..."}});
    EXPECT_EQ(t.row_text(7), "") << "the first screen was cleared";
    EXPECT_FALSE(t.wait_screen_contains(dimension_prompt, 300)) << "it waits for Enter";
    t.type("\n");
    ASSERT_TRUE(t.wait_text(10, 7, dimension_prompt));
    EXPECT_EQ(t.row_text(30), "");
}

// Ins_lett with the largest count 20: the dimension page again for every
// answer out of 1 to 20 or not a number, then a prompt for each value on a
// row of its own (again for a value that is not a number).
TEST(CtioModules, CountAndValuesOnTheirPages) {
    const struct {
        std::vector<std::string> dimensions;
        std::vector<std::string> rows; // from row 6, each answered after its prompt
        std::string listing;
    } cases[] = {
        {{"25", "2"}, {"Inserisci il 1 valore : 7", "Inserisci il 2 valore : 9"}, "n = 2\n7\n9\n"},
        {{"abc", "0", "21", "12abc", "-4", "1"}, {"Inserisci il 1 valore : -5"}, "n = 1\n-5\n"},
        {{"2"},
         {"Inserisci il 1 valore : x", "Inserisci il 1 valore : 7", "Inserisci il 2 valore : 9"},
         "n = 2\n7\n9\n"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.dimensions[0]);
        harness::Terminal t(show, {});
        pass_credits(t);
        for (size_t i = 0; i < k.dimensions.size(); i++) {
            ASSERT_TRUE(wait_dimension_page(t, (int)i + 1)) << "drawing " << i + 1;
            // In its colours again, after the credits put the terminal's back.
            EXPECT_EQ(t.cell(10, 7).fg, light_cyan);
            EXPECT_EQ(t.cell(1, 1).bg, 0);
            t.type(k.dimensions[i] + "\n");
        }
        for (size_t i = 0; i < k.rows.size(); i++) {
            size_t answer = k.rows[i].rfind(' ') + 1;
            ASSERT_TRUE(t.wait_text(1, 6 + (int)i, k.rows[i].substr(0, answer - 1)));
            t.type(k.rows[i].substr(answer) + "\n");
        }
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 0);
        EXPECT_EQ(dimension_pages(t), (int)k.dimensions.size());
        EXPECT_EQ(t.row_text(5), "") << "the dimension page was cleared";
        for (size_t i = 0; i < k.rows.size(); i++)
            EXPECT_EQ(t.row_text(6 + (int)i), k.rows[i]);
        std::string listing;
        for (int row = 7 + (int)k.rows.size(); t.row_text(row) != ""; row++)
            listing += t.row_text(row) + "\n";
        EXPECT_EQ(listing, k.listing);
        EXPECT_EQ(t.cell(1, 7 + (int)k.rows.size()).fg, -1) << "listed in the terminal's colours";
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    }
}

TEST(CtioModules, EndOfInputOnTheTerminal) {
    const struct {
        const char *name;
        std::vector<std::string> typed; // the count and values, each after its prompt
        bool credits;                   // the input ends while the credits show
    } cases[] = {
        {"at the first credits screen", {}, true},
        {"at the count", {}, false},
        {"at the second value", {"2", "4"}, false},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        harness::Terminal t(show, {}, 80, 50, "xterm-256color", {}, harness::Stderr::pipe);
        if (k.credits) {
            ASSERT_TRUE(t.wait_screen_contains("Casorelli Lisea"));
        } else {
            pass_credits(t);
        }
        for (size_t i = 0; i < k.typed.size(); i++) {
            t.type(k.typed[i] + "\n");
            ASSERT_TRUE(
                t.wait_screen_contains("Inserisci il " + std::to_string(i + 1) + " valore :"));
        }
        t.end_input();
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 2);
        EXPECT_EQ(t.stderr_output(), "Fine dell'input.\n");
        EXPECT_EQ(dimension_pages(t), 1) << "the credits go by, the count is asked";
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
        EXPECT_TRUE(t.cursor_visible());
    }
}

// On pipes init_ctio fails: its message is printed by each module, the texts
// are written alone, and the count and values are read all the same.
TEST(CtioModules, WithoutATerminalTheMessageAndTheWork) {
    const std::string message = "ctio: l'output standard non è un terminale\n";
    std::string twenty, listed = "n = 20\n";
    for (int i = 1; i <= 20; i++) {
        twenty += std::to_string(i) + " ";
        listed += std::to_string(i) + "\n";
    }
    const struct {
        std::string input;
        int status;
        int pages;            // dimension pages drawn
        std::string out_tail; // how the output ends
    } cases[] = {
        {"\n\n25\n2\n7 9\n", 0, 2, "Inserisci il 2 valore : \nn = 2\n7\n9\n"},
        {"\n\n21\n20\n" + twenty + "\n", 0, 2, "Inserisci il 20 valore : \n" + listed},
        {"\n\nabc 1\n1\n-7\n", 0, 2, "\nn = 1\n-7\n"},
        {"", 2, 1, dimension_prompt + " "},
        {"\n\n2\n7\n", 2, 1, "Inserisci il 2 valore : "},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.input);
        harness::Run r = harness::run_piped(show, {}, k.input);
        EXPECT_EQ(r.exit_status, k.status);
        EXPECT_EQ(r.out.rfind(message + "* SoFTWaRe HouSe *--> CaPo GRuPPo: Benvardi Evira", 0),
                  0u);
        EXPECT_EQ(count(r.out, message), 2) << "once for each module";
        EXPECT_NE(r.out.find("Casorelli ***Premere INVIO per continuare..." + message), r.out.npos);
        EXPECT_EQ(count(r.out, dimension_prompt), k.pages);
        ASSERT_GE(r.out.size(), k.out_tail.size());
        EXPECT_EQ(r.out.substr(r.out.size() - k.out_tail.size()), k.out_tail);
        EXPECT_EQ(r.err, k.status == 2 ? "Fine dell'input.\n" : "");
    }
}

// Without a type the terminal cannot be drawn on: the message, and the texts
// written alone.
TEST(CtioModules, UnknownTerminal) {
    harness::Terminal t(show, {}, 80, 50, "");
    ASSERT_TRUE(t.wait_screen_contains("ctio: terminale sconosciuto, si scrive solo il testo"));
    EXPECT_TRUE(t.wait_screen_contains("* SoFTWaRe HouSe *--> CaPo GRuPPo: Benvardi Evira"));
}

// Attributes as text-mode attributes, and uninit_ctio alone putting the
// terminal back as it was found.
TEST(CtioLibrary, AttributesAndTheTerminalPutBack) {
    harness::Terminal t(ORDINA_TESTS_DIR "/ctio_driver", {});
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.exit_status(), 0);
    const struct {
        int attr, fg, bg;
    } rows[] = {{11, 14, 0}, {0x1e, 11, 4}, {0xf4, 1, 7}, {0x10b, 14, 0}};
    for (int r = 0; r < 4; r++) {
        SCOPED_TRACE(rows[r].attr);
        EXPECT_EQ(t.text_at(3, r + 1, 4), "ctio");
        EXPECT_EQ(t.cell(3, r + 1).fg, rows[r].fg);
        EXPECT_EQ(t.cell(3, r + 1).bg, rows[r].bg);
    }
    EXPECT_EQ(t.cell(1, 10).bg, 4) << "the page blanked in blue, attribute 0x17";
    EXPECT_EQ(t.text_at(3, 6, 5), "after");
    EXPECT_EQ(t.cell(3, 6).fg, -1) << "the terminal's own colours";
    EXPECT_EQ(t.cell(3, 6).bg, -1);
    EXPECT_TRUE(t.cursor_visible());
    EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
}

// Each module defines its routine alone and needs nothing of the C++ run time;
// a C program links it with the ctio library and runs it.
TEST(CtioModules, ObjectsForCPrograms) {
    const struct {
        const char *module, *routine, *input, *out_tail;
    } modules[] = {
        {"mod_credits_ctio", "Inizio", "\n\n", "[Inizio]\n"},
        {"mod_input_ctio", "Ins_lett", "6\n3\n1 2 3 4\n", "[3][1][2][3][0][0]\n"},
    };
    for (const auto &m : modules) {
        harness::expect_module_holds_only(m.module, m.routine);
        harness::Run r =
            harness::run_piped(ORDINA_TESTS_DIR "/use_" + std::string(m.module), {}, m.input);
        EXPECT_EQ(r.exit_status, 0);
        std::string tail = m.out_tail;
        ASSERT_GE(r.out.size(), tail.size());
        EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    }
}

} // namespace
