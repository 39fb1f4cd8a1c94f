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
//
// sort_view, stopped while it plays, goes on after fg from the step where it
// stopped.
//
// Under the same shells, a paste longer than a program's questions: what the
// program does not take is discarded when it ends, and a paste still arriving
// then (marked by the terminal) is read to its end; nothing of it runs as a
// command, while what is typed once the shell is back does.
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

void sort_menu_credits(Terminal &t) { ASSERT_TRUE(t.wait_text(2, 1, "@")); }

void ctio_show_first_enter(Terminal &t) { ASSERT_TRUE(t.wait_screen_contains("Casorelli Lisea")); }

void sort_menu_choice(Terminal &t) {
    ASSERT_TRUE(t.wait_text(24, 28, "* Terzolli Gildro (Jolly!) *", 30000));
    t.type("k");
    ASSERT_TRUE(t.wait_text(35, 16, "Scelta:"));
}

struct Wait {
    const char *name;
    const char *program;
    void (*reach)(Terminal &t);
    const char *shown;   // back in the foreground, drawn again with the rest
    const char *answer;  // then typed
    const char *goes_on; // then shown
};

const Wait waits[] = {
    {"sort_addr_first_key", "sort_addr", sort_addr_first_key, "Casorelli Lisea", "k",
     "*** Programma di Benvardi, Pellandrio e Casorelli ***"},
    {"sort_menu_credits", "sort_menu", sort_menu_credits, "@", "k", "Scelta:"},
    {"sort_menu_choice", "sort_menu", sort_menu_choice, "Scelta:", "1\n", "Inserire la dim:"},
    {"ctio_show_first_enter", "ctio_show", ctio_show_first_enter, "Casorelli Lisea", "\n",
     "Premere INVIO"},
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
    EXPECT_TRUE(t.wait_for([&] {
        std::string s = t.screen_text();
        return s.find(w.shown) != std::string::npos && s.find("Stopped") == std::string::npos &&
               s.find("fg") == std::string::npos;
    })) << "not drawn again, the shell's words on it:\n"
        << t.screen_text();
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

// The step sort_view's title shows ("evento 12/14850"), or -1.
int shown_step(const Terminal &t) { return t.number_after(1, "evento "); }

// sort_view playing a step a second, stopped for a while and brought back:
// it goes on from the step where it stopped, the time stopped not played.
TEST(JobControlView, StoppedTimeIsNotPlayed) {
    Terminal t("/bin/dash", {"-i"}, 80, 24, "xterm-256color",
               {"PS1=" + prompt, "ENV", "HISTFILE=/dev/null"});
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 1; }));
    t.type(std::string(ORDINA_BIN_DIR "/sort_view -g inversi -n 100 -s 1\n"));
    ASSERT_TRUE(t.wait_screen_contains("evento 0/"));
    t.type("- ");
    ASSERT_TRUE(t.wait_for([&] { return shown_step(t) >= 1; }));
    int before = shown_step(t);
    t.type("\x1a");
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 2; }));
    t.idle(4000); // stopped
    t.type("fg\n");
    // Drawn again whole, in one write: read once it has all arrived.
    ASSERT_TRUE(t.wait_for(
        [&] { return shown_step(t) >= 0 && t.screen_text().find("fg") == std::string::npos; }));
    ASSERT_TRUE(t.wait_quiet(200));
    EXPECT_LE(shown_step(t), before + 2) << "the time stopped was played";
    t.type("q");
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 3; }));
}

// A paste and the commands in it: each prints its mark only if the shell
// runs it, not when the terminal echoes it. Three values for the programs,
// then more commands than they read at once.
const std::string command = "echo PASTED$((6*7))\n";
const std::string values_then_commands = [] {
    std::string s = "3\n1\n2\n3\n";
    for (int k = 0; k < 400; k++)
        s += command;
    return s;
}();

struct Paste {
    const char *name;
    const char *program;        // its command line under the programs' folder
    void (*reach)(Terminal &t); // to the question the paste answers
    std::string paste;
    std::string later;  // the rest of the paste, typed once the program has read the start
    const char *sorted; // written once the program has what it needs
    const char *to_end; // the keys that end it then, if it waits for some
};

void sort_int_count(Terminal &t) { ASSERT_TRUE(t.wait_screen_contains("dell'array:")); }
void sort_menu_count(Terminal &t) {
    sort_menu_choice(t);
    t.type("1\n");
    ASSERT_TRUE(t.wait_screen_contains("Inserire la dim:"));
}
void sort_view_count(Terminal &t) { ASSERT_TRUE(t.wait_screen_contains("ordinare?")); }
void sort_view_keys(Terminal &t) { ASSERT_TRUE(t.wait_screen_contains("1 Bubble sort")); }

const Paste pastes[] = {
    {"sort_int", "sort_int", sort_int_count, values_then_commands, "", "1\r\n2\r\n3\r\n", ""},
    {"sort_menu", "sort_menu", sort_menu_count, values_then_commands, "", "3.0000", ""},
    {"sort_view", "sort_view", sort_view_count, values_then_commands, "", "1 Bubble sort", "q"},
    // q ends the view in the middle of a paste that is still arriving.
    {"sort_view_paste_arriving", "sort_view 3 1 2", sort_view_keys, "\x1b[200~q" + command,
     command + "\x1b[201~", "", ""},
};

void PrintTo(const Paste &p, std::ostream *os) { *os << p.name; }
std::string paste_name(const testing::TestParamInfo<Paste> &info) { return info.param.name; }

class PasteAtAQuestion : public testing::TestWithParam<Paste> {};

TEST_P(PasteAtAQuestion, NothingOfItRunsInTheShell) {
    const Paste &p = GetParam();
    Terminal t("/bin/bash", {"--norc", "--noprofile", "-i"}, 80, 50, "xterm-256color",
               {"PS1=" + prompt, "ENV", "HISTFILE=/dev/null", "INPUTRC=/dev/null"});
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) == 1; }));
    t.type(std::string(ORDINA_BIN_DIR "/") + p.program + "\n");
    p.reach(t);
    if (HasFatalFailure())
        return;
    t.type(p.paste);
    if (!p.later.empty()) {
        t.idle(50);
        t.type(p.later);
    }
    ASSERT_TRUE(t.wait_for([&] { return t.output().find(p.sorted) != std::string::npos; }));
    t.type(p.to_end);
    ASSERT_TRUE(t.wait_for([&] { return prompts(t) >= 2; }));
    t.type("echo TYPED$((6*7))\n");
    ASSERT_TRUE(t.wait_screen_contains("TYPED42")) << "what is typed at the prompt runs";
    EXPECT_EQ(t.output().find("PASTED42"), std::string::npos) << t.screen_text();
}

INSTANTIATE_TEST_SUITE_P(Bash, PasteAtAQuestion, testing::ValuesIn(pastes), paste_name);

} // namespace
