// The screens hold: a screen program draws its screen again, whole and with
// the answer being typed, on Ctrl-L and on a resize that leaves the window
// large enough (after a stop and fg: job_control_test); in a terminal that
// does not answer where the cursor is it draws exactly what it draws in one
// that does; its note about a small window is never cut; and a program that
// ends within a row ends the row, so that the shell's prompt starts its own.
#include "screen.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using harness::Terminal;

std::string bin(const char *program) { return std::string(ORDINA_BIN_DIR "/") + program; }

// The first rows of the screen, as they read.
std::string first_rows(const Terminal &t, int rows) {
    std::string s;
    for (int r = 1; r <= rows; r++)
        s += t.row_text(r) + "\n";
    return s;
}

struct Step {
    const char *wait; // shown on the screen, or "" for nothing to wait for
    const char *type;
};

void play(Terminal &t, const std::vector<Step> &steps) {
    for (const Step &s : steps) {
        if (s.wait[0] != '\0') {
            ASSERT_TRUE(t.wait_screen_contains(s.wait)) << s.wait << "\n" << t.screen_text();
        }
        t.type(s.type);
    }
}

const char *const last_credit = "* Terzolli Gildro (Jolly!) *";

// A wait of a program, reached by its steps; what is shown once it goes on.
struct Wait {
    const char *name, *program;
    std::vector<Step> reach;
    const char *shown;   // the last thing drawn at the wait
    const char *answer;  // then typed
    const char *goes_on; // and shown
};

const Wait waits[] = {
    {"sort_addr_key", "sort_addr", {}, "Casorelli Lisea", "k", "*** Programma di"},
    {"sort_addr_answer",
     "sort_addr",
     {{"Casorelli Lisea", "k"}, {"*** Programma di", "k"}, {"dimensione di A:", "12"}},
     "A: 12",
     "\n",
     "Inserisci il 1 valore"},
    {"sort_menu_answer",
     "sort_menu",
     {{last_credit, "k"}, {"Scelta:", "3"}},
     "Scelta: 3",
     "\n",
     "Ordinamento INSERT SORT"},
    {"ctio_show_enter", "ctio_show", {}, "Casorelli Lisea", "\n", "Premere INVIO"},
};

void PrintTo(const Wait &w, std::ostream *os) { *os << w.name; }
std::string wait_name(const testing::TestParamInfo<Wait> &info) { return info.param.name; }

class DrawnAgain : public testing::TestWithParam<Wait> {};

// Words written over the screen, and the cursor and pen put back, as another
// program's would be.
const std::string words = "\x1b"
                          "7\x1b[3;3H[1]+ Stopped\x1b[20;5Hsoak$ fg\x1b"
                          "8";

TEST_P(DrawnAgain, OnCtrlLAndOnAResize) {
    const Wait &w = GetParam();
    for (bool resize : {false, true}) {
        if (!resize && w.program == std::string("ctio_show"))
            continue; // its reads are ctio's getchar: Ctrl-L is a character there
        SCOPED_TRACE(resize ? "a resize" : "Ctrl-L");
        Terminal t(bin(w.program), {}, 80, 50);
        play(t, w.reach);
        ASSERT_TRUE(t.wait_screen_contains(w.shown));
        std::string before = first_rows(t, 50);
        t.scribble(words);
        ASSERT_NE(first_rows(t, 50), before);
        if (resize)
            t.resize(90, 55);
        else
            t.type("\x0c");
        EXPECT_TRUE(t.wait_for([&] { return first_rows(t, 50) == before; })) << t.screen_text();
        t.type(w.answer);
        EXPECT_TRUE(t.wait_screen_contains(w.goes_on)) << t.screen_text();
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, DrawnAgain, testing::ValuesIn(waits), wait_name);

// In the middle of sort_menu's paced listing, which writes and pauses with no
// key wait: the next line lands on the screen drawn again.
TEST(ScreensHold, AResizeDuringTheListing) {
    Terminal t(bin("sort_menu"), {}, 80, 50);
    std::string values = "20\n";
    for (int k = 20; k >= 1; k--)
        values += std::to_string(k) + (k > 1 ? " " : "\n");
    play(t, {{last_credit, "k"}, {"Scelta:", "1\n"}, {"Inserire la dim:", values.c_str()}});
    ASSERT_TRUE(t.wait_screen_contains("2.0000"));
    t.scribble(words);
    t.resize(90, 50);
    EXPECT_TRUE(t.wait_screen_contains("20.0000"));
    EXPECT_EQ(t.screen_text().find("Stopped"), std::string::npos) << t.screen_text();
    EXPECT_NE(t.screen_text().find("Elenco ordinato"), std::string::npos) << t.screen_text();
}

// Keys typed during the credits show at the prompt; a long answer rejected
// leaves nothing behind and the frame under the prompt whole: the same
// whether the terminal tells where the cursor is or not.
TEST(ScreensHold, ATerminalThatDoesNotAnswer) {
    for (bool answering : {true, false}) {
        SCOPED_TRACE(answering ? "answering" : "not answering");
        Terminal t(bin("sort_menu"), {}, 80, 50);
        t.answering(answering);
        t.type("k12");
        ASSERT_TRUE(t.wait_text(35, 16, "Scelta: 12")) << t.screen_text();
        t.type("\x15" + std::string(70, '9') + "\n");
        ASSERT_TRUE(t.wait_text(20, 2, "\xe2\x98\xbb")) << "the corners of the second attempt";
        ASSERT_TRUE(t.wait_text(35, 16, "Scelta:"));
        EXPECT_EQ(t.text_at(23, 17, 41), std::string(41, '*')) << "the frame's bottom row";
        EXPECT_EQ(t.screen_text().find('9'), std::string::npos) << t.screen_text();
        t.type("1\n");
        EXPECT_TRUE(t.wait_screen_contains("Ordinamento BUBBLE SORT"));
    }
}

// The note about a window too small names the size needed and the size now,
// on as many rows as it takes, down to 10 x 3.
TEST(ScreensHold, TheSizeNoteIsNeverCut) {
    const struct {
        const char *program;
        std::vector<std::string> args;
        const char *needed;
    } programs[] = {{"sort_menu",
                     {},
                     "79\xc3\x97"
                     "44"},
                    {"sort_view",
                     {"3", "1", "2"},
                     "40\xc3\x97"
                     "12"}};
    const struct {
        int cols, rows;
        const char *now;
    } windows[] = {{30, 10,
                    "30\xc3\x97"
                    "10"},
                   {20, 5,
                    "20\xc3\x97"
                    "5"},
                   {10, 3,
                    "10\xc3\x97"
                    "3"}};
    for (const auto &p : programs)
        for (const auto &w : windows) {
            SCOPED_TRACE(std::string(p.program) + " " + w.now);
            Terminal t(bin(p.program), p.args, w.cols, w.rows);
            auto joined = [&] {
                std::string s;
                for (int r = 1; r <= w.rows; r++)
                    s += t.row_text(r) + " ";
                return s;
            };
            EXPECT_TRUE(t.wait_for([&] {
                std::string s = joined();
                return s.find(p.needed) != std::string::npos && s.find(w.now) != std::string::npos;
            })) << t.screen_text();
        }
}

// Ends whose last words stand within a row: the cursor ends at the start of
// the next one on a terminal.
TEST(ScreensHold, TheShellsPromptStartsARow) {
    const struct {
        const char *program;
        std::vector<Step> steps;
        const char *last; // the program's last words
    } runs[] = {
        {"curses_demo", {}, "utilizzo bubblesort"},
        {"read_dim", {{"Inserire la dim:", "7\n"}}, "scelta \xc3\xa8: 7"},
        {"sort_addr",
         {{"Casorelli Lisea", "k"},
          {"*** Programma di", "k"},
          {"dimensione di A:", "1\n"},
          {"Inserisci il 1 valore", "5\n"},
          {"s/N :", "n\n"},
          {"5 -", "k"}},
         "5 -"},
    };
    for (const auto &r : runs) {
        SCOPED_TRACE(r.program);
        Terminal t(bin(r.program), {}, 80, 50);
        play(t, r.steps);
        ASSERT_TRUE(t.wait_exit());
        ASSERT_TRUE(t.wait_screen_contains(r.last));
        EXPECT_EQ(t.cursor().col, 1);
        EXPECT_NE(t.row_text(t.cursor().row - 1).find(r.last), std::string::npos)
            << t.screen_text();
    }
}

} // namespace
