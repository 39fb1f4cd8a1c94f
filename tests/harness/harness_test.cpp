// The harness itself, driven by the shell: what a program writes must come
// back as the right cells, and its end, its modes and its keys as they were.
#include "piped.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>

#include <string>

namespace {

using harness::Cell;
using harness::Pos;
using harness::Terminal;

const char *const sh = "/bin/sh";

int open_fds() {
    int n = 0;
    DIR *d = opendir("/proc/self/fd");
    while (readdir(d) != nullptr)
        n++;
    closedir(d);
    return n;
}

TEST(harness, CellsColoursAndCursor) {
    Terminal t(sh, {"-c", "printf '\\033[3;5H\\033[31;44mX"
                          "\\033[0m\\033[1;1H\\033[91;102mB"
                          "\\033[0m\\033[2;10H\\033[38;5;200;48;5;17mC"
                          "\\033[0m\\033[4;1H\\033[1;32mD"
                          "\\033[0m\\033[5;1HE F\\033[7mR"
                          "\\033[0m\\033[6;1H☺中z"
                          "\\033[10;20H'"});
    ASSERT_TRUE(t.wait_exit());
    struct Expected {
        int col, row;
        const char *text;
        int fg, bg;
        bool bold, reverse;
    } cells[] = {
        {5, 3, "X", 1, 4, false, false},     {1, 1, "B", 9, 10, false, false},
        {10, 2, "C", 200, 17, false, false}, {1, 4, "D", 2, -1, true, false},
        {1, 5, "E", -1, -1, false, false},   {2, 5, " ", -1, -1, false, false},
        {4, 5, "R", -1, -1, false, true},    {1, 6, "☺", -1, -1, false, false},
        {2, 6, "中", -1, -1, false, false},  {3, 6, "", -1, -1, false, false},
        {4, 6, "z", -1, -1, false, false},   {5, 6, " ", -1, -1, false, false},
        {80, 50, " ", -1, -1, false, false},
    };
    for (const Expected &e : cells) {
        SCOPED_TRACE(testing::Message() << "cell (" << e.col << ", " << e.row << ")");
        Cell c = t.cell(e.col, e.row);
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.fg, e.fg);
        EXPECT_EQ(c.bg, e.bg);
        EXPECT_EQ(c.bold, e.bold);
        EXPECT_EQ(c.reverse, e.reverse);
    }
    EXPECT_EQ(t.cursor(), (Pos{20, 10}));
    EXPECT_EQ(t.row_text(3), "    X");
    EXPECT_EQ(t.row_text(6), "☺中z");
    EXPECT_EQ(t.text_at(1, 5, 4), "E FR");
    std::string screen = t.screen_text();
    EXPECT_EQ(std::count(screen.begin(), screen.end(), '\n'), 49);
    EXPECT_THROW(t.cell(81, 1), std::out_of_range);
    EXPECT_THROW(t.cell(1, 0), std::out_of_range);
}

TEST(harness, AlternateScreenAndCursorVisibility) {
    Terminal t(sh, {"-c", "printf main; printf '\\033[?1049h\\033[?25lalt'; read x;"
                          "printf '\\033[?1049l\\033[?25h'; read x"});
    ASSERT_TRUE(t.wait_text(5, 1, "alt")); // the cursor stays where "main" left it
    EXPECT_TRUE(t.alt_screen());
    EXPECT_FALSE(t.cursor_visible());
    EXPECT_EQ(t.screen_text().find("main"), std::string::npos);
    t.type("\n");
    ASSERT_TRUE(t.wait_for([&] { return !t.alt_screen(); }));
    EXPECT_TRUE(t.wait_text(1, 1, "main"));
    EXPECT_TRUE(t.cursor_visible());
    t.type("\n");
    ASSERT_TRUE(t.wait_exit());
}

TEST(harness, SizeTermAndEnvironment) {
    Terminal t(sh, {"-c", "echo \"$TERM:$FOO:${COLUMNS-none}:${GONE-none}\"; stty size"}, 40, 24,
               "vt100", {"FOO=bar", "COLUMNS=1", "COLUMNS", "GONE"});
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.row_text(1), "vt100:bar:none:none");
    EXPECT_EQ(t.row_text(2), "24 40");
}

TEST(harness, KeysEchoAndEndOfInput) {
    Terminal t(sh, {"-c", "read line; echo \"got:$line\"; cat >/dev/null; echo \"eof:$?\""});
    t.type("hello\n");
    ASSERT_TRUE(t.wait_text(1, 2, "got:hello"));
    EXPECT_EQ(t.row_text(1), "hello"); // the terminal's own echo
    t.end_input();
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.row_text(3), "eof:0");
    EXPECT_EQ(t.exit_status(), 0);
}

TEST(harness, KeysAfterTheProgramEndedGoNowhere) {
    Terminal t(sh, {"-c", "exit 0"});
    ASSERT_TRUE(t.wait_exit());
    // Far more lines than the terminal holds unread: typing returns all the same.
    EXPECT_NO_THROW(t.type(std::string(1 << 20, '\n')));
}

TEST(harness, AnswersTheCursorPositionQuery) {
    Terminal t(sh, {"-c",
                    "stty raw -echo; printf '\\033[3;7H\\033[6n'; r=$(dd bs=1 count=6 2>/dev/null);"
                    "printf '\\033[1;1H'; printf %s \"$r\" | tr '\\033' E"});
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.row_text(1), "E[3;7R");
}

TEST(harness, StderrApartAndRawBytes) {
    Terminal t(sh, {"-c", "echo out; echo err >&2"}, 80, 50, "xterm-256color", {},
               harness::Stderr::pipe);
    ASSERT_TRUE(t.wait_exit());
    EXPECT_EQ(t.output(), "out\r\n");
    EXPECT_EQ(t.stderr_output(), "err\n");
}

TEST(harness, ModesAfterTheProgram) {
    struct {
        const char *script;
        bool same;
    } cases[] = {
        {"true", true},          {"stty -echo", false},
        {"stty raw", false},     {"stty -echo; stty echo", true},
        {"stty intr ^X", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.script);
        Terminal t(sh, {"-c", c.script});
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 0);
        EXPECT_EQ(harness::same_modes(t.modes(), t.initial_modes()), c.same);
        EXPECT_TRUE(t.initial_modes().c_lflag & ECHO);
        EXPECT_TRUE(t.initial_modes().c_lflag & ICANON);
        EXPECT_TRUE(t.initial_modes().c_oflag & ONLCR);
    }
}

TEST(harness, ExitStatusAndSignals) {
    enum Action { nothing, send_sigint, type_ctrl_c, send_sigterm };
    struct {
        const char *script;
        Action action;
        int status, sig;
    } cases[] = {
        {"exit 3", nothing, 3, 0},
        {"kill -TERM $$", nothing, -1, SIGTERM},
        {"echo ready; exec sleep 100", send_sigint, -1, SIGINT},
        {"echo ready; exec sleep 100", type_ctrl_c, -1, SIGINT},
        {"trap 'exit 7' TERM; echo ready; while :; do sleep 1; done", send_sigterm, 7, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.script);
        Terminal t(sh, {"-c", c.script});
        if (c.action != nothing) {
            ASSERT_TRUE(t.wait_screen_contains("ready"));
        }
        if (c.action == send_sigint)
            t.signal(SIGINT);
        if (c.action == type_ctrl_c)
            t.type("\x03");
        if (c.action == send_sigterm)
            t.signal(SIGTERM);
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), c.status);
        EXPECT_EQ(t.term_signal(), c.sig);
    }
}

TEST(harness, NothingOutlivesTheTerminal) {
    int fds = open_fds();
    pid_t pid;
    {
        Terminal t("/bin/sleep", {"100"}, 80, 50, "xterm-256color", {}, harness::Stderr::pipe);
        pid = t.pid();
        EXPECT_TRUE(t.running());
        EXPECT_THROW(t.exit_status(), std::logic_error);
        EXPECT_FALSE(t.wait_exit(100));
    }
    EXPECT_EQ(kill(pid, 0), -1);
    EXPECT_EQ(open_fds(), fds);
    EXPECT_THROW(Terminal("/nonexistent/program", {}), std::runtime_error);
    EXPECT_EQ(open_fds(), fds);
}

TEST(harness, PipedRoundTrips) {
    std::string big(1 << 20, '\0');
    for (size_t i = 0; i < big.size(); i++)
        big[i] = (char)(i * 7 + i / 251);
    struct {
        const char *name;
        std::vector<std::string> args;
        const std::string &input;
        std::string out, err;
        int status, sig;
    } cases[] = {
        {"cat copies 1 MiB", {"-c", "cat"}, big, big, "", 0, 0},
        {"both outputs", {"-c", "cat; echo err >&2; exit 4"}, "in\n", "in\n", "err\n", 4, 0},
        {"input not read", {"-c", "head -c 3"}, big, big.substr(0, 3), "", 0, 0},
        {"input refused", {"-c", "exec 0<&-; echo closed"}, big, "closed\n", "", 0, 0},
        {"killed", {"-c", "kill -KILL $$"}, "", "", "", -1, SIGKILL},
    };
    int fds = open_fds();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        harness::Run r = harness::run_piped(sh, c.args, c.input);
        EXPECT_TRUE(r.out == c.out) << r.out.size() << " bytes instead of " << c.out.size();
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.exit_status, c.status);
        EXPECT_EQ(r.term_signal, c.sig);
        EXPECT_FALSE(r.timed_out);
    }
    EXPECT_EQ(open_fds(), fds);
}

TEST(harness, PipedTimeoutKillsAndMissingProgramThrows) {
    harness::Run r = harness::run_piped(sh, {"-c", "echo started; exec sleep 100"}, "", 300);
    EXPECT_TRUE(r.timed_out);
    EXPECT_EQ(r.exit_status, -1);
    EXPECT_EQ(r.term_signal, SIGKILL);
    EXPECT_THROW(harness::run_piped("/nonexistent/program", {}, ""), std::runtime_error);
}

} // namespace
