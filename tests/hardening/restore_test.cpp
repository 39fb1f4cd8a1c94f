// The terminal put back when a program that changes it is ended at each kind
// of wait it has: a numeric read, a key wait, a pause (and a word or a line
// read where it has one) by SIGINT, SIGTERM or SIGHUP, at a key wait also by
// SIGQUIT and SIGSEGV, and by the end of its input where no other test ends
// it so. After it: ended by that signal (or
// with status 2), the modes as at the start, new text in the terminal's own
// colours, the cursor visible.
//
// curses_demo waits nowhere; the curses tests end its credits by the three
// signals while curses mode is on.
#include "pen.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const int end_of_input = 0; // in place of a signal

// The terminal is kept without echo and line editing from the program's first
// drawing on.
bool key_mode(const harness::Terminal &t) { return (t.modes().c_lflag & ICANON) == 0; }

// sort_menu

const std::string last_credit = "* Terzolli Gildro (Jolly!) *";

// The top row grows from column 1, whose cell the left side then takes.
void menu_credits_growing(harness::Terminal &t) { ASSERT_TRUE(t.wait_text(2, 1, "@@@")); }

void menu_credits_key(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_text(24, 28, last_credit, 30000));
    ASSERT_TRUE(t.wait_for([&] { return key_mode(t); }));
}

void menu_choice(harness::Terminal &t) {
    menu_credits_key(t);
    t.type("k");
    ASSERT_TRUE(t.wait_for([&] {
        return t.text_at(35, 16, 7) == "Scelta:" && t.cursor() == harness::Pos{43, 16};
    }));
}

// Twenty lines, 100 ms each: the program pauses for two seconds.
void menu_listing(harness::Terminal &t) {
    menu_choice(t);
    t.type("1\n");
    ASSERT_TRUE(t.wait_text(4, 11, "Inserire la dim:"));
    t.type("20\n20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1\n");
    ASSERT_TRUE(t.wait_screen_contains("Elenco ordinato", 30000));
}

// sort_addr

void addr_credits_key(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
    ASSERT_TRUE(t.wait_for([&] { return key_mode(t); }));
}

void addr_dimension(harness::Terminal &t) {
    addr_credits_key(t);
    t.type("k");
    ASSERT_TRUE(t.wait_text(14, 2, "*** Programma di Benvardi, Pellandrio e Casorelli ***"));
    ASSERT_TRUE(t.wait_for([&] { return key_mode(t); }));
    t.type("k");
    ASSERT_TRUE(t.wait_text(1, 1, "Inserisci la dimensione di A:"));
}

void addr_question(harness::Terminal &t) {
    addr_dimension(t);
    t.type("1\n4\n");
    ASSERT_TRUE(t.wait_screen_contains("Visuallizzare indirizzo memoria? s/N :"));
}

void addr_last_key(harness::Terminal &t) {
    addr_question(t);
    t.type("n\n");
    // The listing, "4 - ", on the cursor's row; then the key wait.
    ASSERT_TRUE(t.wait_for([&] { return t.row_text(t.cursor().row) == "4 -" && key_mode(t); }));
}

// ctio_show

void ctio_credits_line(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
}

void ctio_count(harness::Terminal &t) {
    ctio_credits_line(t);
    t.type("\n");
    ASSERT_TRUE(t.wait_text(10, 30, "Premere INVIO per continuare..."));
    t.type("\n");
    ASSERT_TRUE(t.wait_text(10, 7, "Inserisci la dimensione di A:"));
}

// sort_trace

void trace_count(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_screen_contains("Quanti valori vuoi ordinare?"));
}

// sort_view

void view_paused(harness::Terminal &t) {
    ASSERT_TRUE(t.wait_screen_contains("evento 0/"));
    ASSERT_TRUE(t.wait_for([&] { return key_mode(t); }));
}

// Playing at 1000 steps a second through the 14,850 events of 100 values.
void view_playing(harness::Terminal &t) {
    view_paused(t);
    t.type("+++++++++ ");
    ASSERT_TRUE(t.wait_screen_contains("1000/s"));
}

struct Wait {
    const char *name;
    const char *program;
    void (*reach)(harness::Terminal &t);
    std::vector<int> ends;
    std::vector<std::string> args = {};
    int cols = 80;
};

const std::vector<int> signals = {SIGINT, SIGTERM, SIGHUP};
// At a key wait, also Ctrl-\ and a crash.
const std::vector<int> key_signals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV};

const Wait waits[] = {
    {"sort_menu_pause_credits_frame", "sort_menu", menu_credits_growing, signals},
    {"sort_menu_key_after_the_credits", "sort_menu", menu_credits_key, key_signals},
    {"sort_menu_number_menu_choice", "sort_menu", menu_choice, signals},
    {"sort_menu_pause_listing", "sort_menu", menu_listing, signals},
    {"sort_addr_key_credits", "sort_addr", addr_credits_key, key_signals},
    {"sort_addr_number_dimension", "sort_addr", addr_dimension, signals},
    {"sort_addr_word_address_question", "sort_addr", addr_question, signals},
    {"sort_addr_key_at_the_end", "sort_addr", addr_last_key, key_signals},
    {"ctio_show_line_credits", "ctio_show", ctio_credits_line, signals},
    {"ctio_show_number_count", "ctio_show", ctio_count, signals},
    {"sort_trace_number_count", "sort_trace", trace_count, {SIGINT, SIGTERM, SIGHUP, end_of_input}},
    {"sort_view_key_paused",
     "sort_view",
     view_paused,
     key_signals,
     {"-g", "inversi", "-n", "100"},
     100},
    {"sort_view_key_playing",
     "sort_view",
     view_playing,
     key_signals,
     {"-g", "inversi", "-n", "100"},
     100},
};

void PrintTo(const Wait &w, std::ostream *os) { *os << w.name; }

std::string test_name(const testing::TestParamInfo<Wait> &info) { return info.param.name; }

class TerminalRestored : public testing::TestWithParam<Wait> {};

// One run per way to end it, all started at once so that their credits
// pass together.
TEST_P(TerminalRestored, WhenEndedThere) {
    const Wait &w = GetParam();
    // A SIGSEGV sent by hand is a crash to the program; a sanitizer must
    // leave it to the program, as a build without one does.
    const char *sanitizer = getenv("ASAN_OPTIONS");
    std::string no_segv_report =
        std::string("ASAN_OPTIONS=") + (sanitizer != nullptr ? sanitizer : "") + ":handle_segv=0";
    std::vector<std::unique_ptr<harness::Terminal>> runs;
    for (size_t i = 0; i < w.ends.size(); i++)
        runs.push_back(std::make_unique<harness::Terminal>(
            std::string(ORDINA_BIN_DIR "/") + w.program, w.args, w.cols, 50, "xterm-256color",
            std::vector<std::string>{no_segv_report}, harness::Stderr::pipe));
    for (size_t i = 0; i < w.ends.size(); i++) {
        harness::Terminal &t = *runs[i];
        int end = w.ends[i];
        SCOPED_TRACE(end == end_of_input ? "end of input" : strsignal(end));
        w.reach(t);
        if (testing::Test::HasFatalFailure())
            return;
        if (end == end_of_input)
            t.end_input();
        else
            t.signal(end);
        ASSERT_TRUE(t.wait_exit());
        if (end == end_of_input) {
            EXPECT_EQ(t.exit_status(), 2);
            EXPECT_EQ(t.stderr_output(), "Fine dell'input.\n");
        } else {
            EXPECT_EQ(t.term_signal(), end);
        }
        EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
        EXPECT_TRUE(hardening::pen_is_plain(t.output(), t.cols(), t.rows()));
        EXPECT_TRUE(t.cursor_visible());
    }
}

INSTANTIATE_TEST_SUITE_P(Waits, TerminalRestored, testing::ValuesIn(waits), test_name);

} // namespace
