// Ctrl-Z under an interactive shell with job control, at a wait of a screen
// program: the stopped program gives the shell its modes back, leaves them
// alone while `bg` runs it in the background, takes its own again at `fg` and
// goes on from where it was; once it has ended the shell's modes are back.
//
// dash reads its lines in the terminal's canonical mode and keeps no modes of
// its own, so it sees exactly what the program left. bash's line editor sets
// its own modes at every prompt (and puts back those it saved when a job
// stops), so there the modes are compared with those of its prompt; and
// bash's fg gives the terminal to a job that runs in the background without
// continuing it (no SIGCONT), so the program must notice by itself that it is
// in the foreground again.
#include "screen.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using harness::Terminal;

const std::string prompt = "soak$ ";

struct Shell {
    const char *name;
    std::vector<std::string> argv;
};

const Shell shells[] = {
    {"dash", {"/bin/dash", "-i"}},
    {"bash", {"/bin/bash", "--norc", "--noprofile", "-i"}},
};

void sort_addr_first_key(Terminal &t) {
    ASSERT_TRUE(t.wait_text(21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"));
}

void sort_menu_choice(Terminal &t) {
    ASSERT_TRUE(t.wait_text(24, 28, "* Terzolli Gildro (Jolly!) *", 30000));
    t.type("k");
    ASSERT_TRUE(t.wait_text(35, 16, "Scelta:"));
}

struct Wait {
    const char *name;
    const char *program;
    void (*reach)(Terminal &t);
    const char *answer;  // typed once it is back in the foreground
    const char *goes_on; // then shown
};

const Wait waits[] = {
    {"sort_addr_first_key", "sort_addr", sort_addr_first_key, "k",
     "*** Programma di Benvardi, Pellandrio e Casorelli ***"},
    {"sort_menu_choice", "sort_menu", sort_menu_choice, "1\n", "Inserire la dim:"},
};

void PrintTo(const Shell &s, std::ostream *os) { *os << s.name; }
void PrintTo(const Wait &w, std::ostream *os) { *os << w.name; }

using Case = std::tuple<Shell, Wait>;

std::string test_name(const testing::TestParamInfo<Case> &info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

size_t prompts(const Terminal &t) {
    size_t n = 0;
    for (size_t at = t.output().find(prompt); at != std::string::npos;
         at = t.output().find(prompt, at + 1))
        n++;
    return n;
}

bool quiet(const Terminal &t) { return (t.modes().c_lflag & (ICANON | ECHO)) == 0; }

class JobControl : public testing::TestWithParam<Case> {};

TEST_P(JobControl, StopBackgroundForeground) {
    const Shell &shell = std::get<0>(GetParam());
    const Wait &w = std::get<1>(GetParam());
    Terminal t(shell.argv[0], {shell.argv.begin() + 1, shell.argv.end()}, 80, 50, "xterm-256color",
               {"PS1=" + prompt, "ENV", "HISTFILE=/dev/null", "INPUTRC=/dev/null"});
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 1; }));
    // bash's line editor takes its modes once its prompt is out; dash none.
    if (shell.name == std::string("bash")) {
        ASSERT_TRUE(t.wait_for([&] { return (t.modes().c_lflag & ICANON) == 0; }));
    }
    const termios shell_modes = t.modes();
    auto shell_back = [&] {
        return t.foreground() == t.pid() && harness::same_modes(t.modes(), shell_modes);
    };

    t.type(std::string(ORDINA_BIN_DIR "/") + w.program + "\n");
    pid_t job = -1;
    ASSERT_TRUE(t.wait_for([&] {
        job = t.foreground();
        return job > 0 && job != t.pid() && quiet(t);
    }));
    w.reach(t);
    if (HasFatalFailure())
        return;

    t.type("\x1a");
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 2 && shell_back(); }))
        << "the modes at the stop are not the shell's";
    // In one line, so that nothing is typed while the program waits in the
    // background: a key would wake it and its read would stop it again. The
    // shell runs its commands in the modes the program found; they must stay
    // so while the program runs in the background.
    t.type("bg; sleep 1; fg\n");
    ASSERT_TRUE(t.wait_for([&] { return t.foreground() != t.pid() && t.foreground() != job; }));
    EXPECT_TRUE(harness::same_modes(t.modes(), t.initial_modes()));
    EXPECT_FALSE(t.wait_for(
        [&] { return t.foreground() != job && !harness::same_modes(t.modes(), t.initial_modes()); },
        500))
        << "the program took the terminal's modes in the background";

    ASSERT_TRUE(t.wait_for([&] { return t.foreground() == job && quiet(t); }))
        << "the program does not take its modes back in the foreground";
    t.type(w.answer);
    ASSERT_TRUE(t.wait_screen_contains(w.goes_on));

    t.type("\x03");
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 3 && shell_back(); }))
        << "the modes at the end are not the shell's";
    EXPECT_TRUE(t.cursor_visible());
}

INSTANTIATE_TEST_SUITE_P(Shells, JobControl,
                         testing::Combine(testing::ValuesIn(shells), testing::ValuesIn(waits)),
                         test_name);

} // namespace
