// The bad-input campaign: every program as built, fed random mixes of
// numbers, tokens that are not numbers, control bytes, invalid UTF-8, tokens
// longer than any the programs keep and the end of its input at any read, from a fixed seed; the
// line-mode programs through pipes, the others in a pseudo-terminal. Every
// run must end by itself, with the program's normal status or with 2 at the
// end of its input (and the one line that tells it), never by a signal; on a
// terminal it must leave the modes as it found them, the cursor visible and
// new text in the terminal's own colours.
#include "bad_input.hpp"
#include "pen.hpp"
#include "piped.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using hardening::Mix;
using hardening::Random;

const std::string end_message = "Fine dell'input.\n";

// The keys that a terminal in its default modes turns into signals (Ctrl-C,
// Ctrl-\, Ctrl-Z) or into flow control (Ctrl-S, Ctrl-Q): keys to the
// terminal, never input of the program.
const char *const terminal_keys = "\x03\x1c\x1a\x13\x11";

struct Program {
    const char *name;
    int status; // at its normal end
    int runs;
    Mix mix;
    std::string dialogue; // piped only: a whole dialogue, cut after every byte
    bool reads = true;
    const char *finish = "1\n"; // on a terminal: typed again and again, it takes every read to
                                // the normal end
};

// Named by the program alone in the tests' listings.
void PrintTo(const Program &p, std::ostream *os) { *os << p.name; }

std::string path(const Program &p) { return std::string(ORDINA_BIN_DIR "/") + p.name; }

void expect_ending(const Program &p, int status, int signal, const std::string &err) {
    EXPECT_EQ(signal, 0);
    EXPECT_TRUE(status == p.status || status == 2) << "status " << status;
    EXPECT_EQ(err, status == 2 ? end_message : "");
}

// Each run gives its status, or -1 where it failed.
int run_piped(const Program &p, const std::string &input) {
    SCOPED_TRACE(p.name + std::string(" given \"") + hardening::shown(input) + "\"");
    harness::Run r = harness::run_piped(path(p), {}, input, 20000);
    EXPECT_FALSE(r.timed_out) << "the program does not end";
    expect_ending(p, r.exit_status, r.term_signal, r.err);
    return r.exit_status;
}

// Types the input, then, as long as the program runs, Enter and the
// end-of-file key: the end of the input wherever the program then reads; or,
// in every other run, the program's finishing answer, which takes it to its
// normal end (what was typed at once may all be dropped by a flush of the
// input, as sort_addr's before its last question).
// The terminals the runs take turns on: colours by the 256 and by 8 (bright
// ones in bold), no colour, no cursor addressing, no TERM at all; windows
// large and small.
struct Screen {
    const char *term;
    int cols, rows;
};

const Screen screens[] = {
    {"xterm-256color", 80, 50}, {"xterm", 80, 25}, {"vt100", 40, 12}, {"dumb", 80, 24}, {"", 20, 5},
};

int run_on_terminal(const Program &p, const std::string &input, const Screen &screen,
                    bool answered) {
    SCOPED_TRACE(p.name + std::string(" on ") + screen.term + " given \"" +
                 hardening::shown(input) + "\"");
    harness::Terminal t(path(p), {}, screen.cols, screen.rows, screen.term, {},
                        harness::Stderr::pipe);
    for (const char *key = terminal_keys; *key != '\0'; key++)
        EXPECT_NE(std::string((const char *)t.initial_modes().c_cc, NCCS).find(*key),
                  std::string::npos);
    t.type(input);
    for (int presses = 0; !t.wait_exit(250); presses++) {
        if (presses == 80) {
            ADD_FAILURE() << "the program does not end";
            return -1;
        }
        if (answered) {
            t.type(p.finish);
        } else {
            t.type("\n");
            t.end_input();
        }
    }
    expect_ending(p, t.exit_status(), t.term_signal(), t.stderr_output());
    EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    EXPECT_TRUE(t.cursor_visible());
    EXPECT_TRUE(hardening::pen_is_plain(t.output(), t.cols(), t.rows()));
    return t.exit_status();
}

// The mix must take some runs to the normal end and stop others at the end of
// their input, or it tries too little.
void expect_both_ends(const Program &p, int normal, int ended) {
    EXPECT_GT(normal, 0) << "no run came to the normal end";
    if (p.reads) {
        EXPECT_GT(ended, 0) << "no run came to the end of its input";
    }
}

const Program line_programs[] = {
    {"sort_int", 1, 120, {40, -2, 12, true, false, ""}, "3\n5 x 2\n2 9\n"},
    {"sort_real", 0, 120, {40, -2, 12, true, false, ""}, "2\n1,5 nan\n-2\n"},
    {"read_real", 0, 120, {40, -2, 12, true, false, ""}, "101\n2\n1 2\n"},
    {"read_dim", 0, 80, {20, -2, 102, true, false, ""}, "0\nx\n7\n"},
};

// sort_menu pauses 1.6 s for its credits and 100 ms for every listed line:
// few runs, and dimensions of a few elements.
const Program screen_programs[] = {
    {"sort_menu", 0, 5, {60, -1, 4, true, true, terminal_keys}, ""},
    {"sort_addr", 1, 12, {60, -1, 8, true, true, terminal_keys}, ""},
    {"ctio_show", 0, 12, {60, -1, 8, true, true, terminal_keys}, ""},
    {"sort_trace", 0, 12, {60, -1, 8, true, true, terminal_keys}, ""},
    // Curses refuses a terminal without cursor addressing (it ends the program
    // with status 1): two runs, on the first two terminals.
    {"curses_demo", 0, 2, {10, -1, 4, false, true, terminal_keys}, "", false},
};

std::string test_name(const testing::TestParamInfo<Program> &info) { return info.param.name; }

class OnPipes : public testing::TestWithParam<Program> {};

TEST_P(OnPipes, EveryRunEndsWithItsStatus) {
    const Program &p = GetParam();
    Random r = hardening::seeded(p.name);
    int normal = 0, ended = 0;
    for (int run = 0; run < p.runs; run++) {
        int status = run_piped(p, hardening::bad_input(r, p.mix));
        normal += status == p.status;
        ended += status == 2;
    }
    expect_both_ends(p, normal, ended);
}

TEST_P(OnPipes, EndOfInputAfterEveryByteOfADialogue) {
    const Program &p = GetParam();
    for (size_t cut = 0; cut < p.dialogue.size(); cut++)
        run_piped(p, p.dialogue.substr(0, cut));
    harness::Run whole = harness::run_piped(path(p), {}, p.dialogue);
    EXPECT_EQ(whole.exit_status, p.status) << "the whole dialogue ends normally";
}

INSTANTIATE_TEST_SUITE_P(BadInput, OnPipes, testing::ValuesIn(line_programs), test_name);

class OnATerminal : public testing::TestWithParam<Program> {};

TEST_P(OnATerminal, EveryRunEndsWithItsStatusAndTheTerminalAsFound) {
    const Program &p = GetParam();
    Random r = hardening::seeded(p.name);
    int normal = 0, ended = 0;
    for (int run = 0; run < p.runs; run++) {
        const Screen &screen = screens[run % (sizeof screens / sizeof screens[0])];
        int status = run_on_terminal(p, hardening::bad_input(r, p.mix), screen, run % 2 == 1);
        normal += status == p.status;
        ended += status == 2;
    }
    expect_both_ends(p, normal, ended);
}

INSTANTIATE_TEST_SUITE_P(BadInput, OnATerminal, testing::ValuesIn(screen_programs), test_name);

} // namespace
