// soak: the screen programs, session after session, each in a pseudo-terminal
// of a random size (smaller than its screens need, too) and type, fed a
// random script: answers good and bad (numbers, tokens that are not numbers,
// long answers, control bytes, UTF-8 valid and not), keys typed ahead (during
// the credits and pauses too), arrows and function keys, resizes, Ctrl-Z and
// an end by SIGINT, SIGTERM, SIGHUP or SIGQUIT at random moments. Some
// sessions run under an interactive dash, whose job control really stops the
// program at Ctrl-Z; then it is continued by `fg`, or by `bg` and later `fg`,
// and the shell's modes must be back at the stop and stay so in the
// background. Elsewhere no shell waits for the program: Ctrl-Z cannot stop it
// and it goes on.
//
// A session's faults: a sanitizer report, an end by a signal that was not
// sent, an unexpected status, no end once the script is over (then Enter and
// the end-of-file key, or "1" and Enter, typed again and again) or a signal
// was sent, while hang_ms pass without a byte from it, and the terminal left
// changed: modes, pen, cursor, alternate screen.
//
//   soak [--seed N] [--seconds S] [--sessions N] [--program P] [--session K]
//
// Sessions take turns over the programs until S seconds have passed (60 when
// neither limit is given) or each program had N sessions. --session K runs
// the K-th session of program P alone, as the seed made it: the reproduction
// of a fault. It prints a table of sessions and endings by program and fails
// on any fault.
#include "bad_input.hpp"
#include "pen.hpp"
#include "process.hpp"
#include "screen.hpp"

#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using hardening::below;
using hardening::Random;

// One line a program.
struct Program {
    const char *name;
    int status;         // at its normal end
    int low, high;      // the numbers that take its dialogue on
    const char *finish; // typed again and again, it takes every read to the end
};

const Program programs[] = {
    {"sort_menu", 0, -1, 5, "1\n"},    // choice, dimension, reals; credits and listing paced
    {"sort_addr", 1, -1, 8, "1\n"},    // count, integers, s/N
    {"ctio_show", 0, -1, 8, "1\n"},    // Enter twice, count, integers
    {"sort_trace", 0, -1, 8, "1\n"},   // count and reals in line mode
    {"curses_demo", 0, 0, 0, "1\n"},   // reads nothing
    {"sort_view", 0, -1, 8, "q\n1\n"}, // count and reals, then keys until q or Esc
};
const int program_count = sizeof programs / sizeof programs[0];

const char *const shell = "/bin/dash";
const std::string prompt_start = "[soak:"; // the prompt tells the last status
const int hang_ms = 30000;
const int sanitizer_status = 86; // ASAN_OPTIONS exitcode

// The keys a terminal turns into signals or flow control: sent only on purpose.
const char *const terminal_keys = "\x03\x1c\x1a\x13\x11";
const char *const terms[] = {"xterm-256color", "xterm-256color", "xterm", "vt100"};
const char *const keys[] = {
    "\x1b[A",  "\x1b[B",  "\x1b[C", "\x1b[D", "\x1bOP",  "\x1b[15~",  "\x1b[24~",
    "\x1b[2~", "\x1b[3~", "\x1b[H", "\x1b[F", "\x1b[5~", "\x1b[1;5A", "\x1b",
    "\x1bx",   "\x7f",    "\x08",   "\x15",   "\x17",    "\t",        "\x1b[[A",
};
const char *const utf8[] = {"è", "à", "€", "✓", "😀", "中文", "\xef\xbc\x91", "ù\n"};
const int end_signals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

template <typename T, int N> const T &pick(Random &r, const T (&table)[N]) {
    return table[below(r, N)];
}

// A session's script.

enum class Act { type, pause, resize, stop, end };

struct Event {
    Act act = Act::type;
    std::string bytes = "";  // type
    int ms = 0;              // pause; stop: how long it stays in the background
    int cols = 0, rows = 0;  // resize
    int sig = 0;             // end: the signal; stop: SIGTSTP sent, 0 for Ctrl-Z typed
    bool key = false;        // end: Ctrl-C or Ctrl-\ typed instead of the signal sent
    bool background = false; // stop under the shell: bg, then fg
};

struct Script {
    bool under_shell = false;
    bool answers_at_end = false; // then the program's finish, else Enter and the end of the input
    std::string term;
    int cols = 80, rows = 24;
    std::vector<Event> events;
};

std::string long_answer(Random &r) {
    const char chars[] = "0123456789,.-x";
    std::string s;
    for (int n = 100 + below(r, 3000); n > 0; n--)
        s += chars[below(r, (int)sizeof chars - 1)];
    return s + "\n";
}

std::string answer(Random &r, const Program &p) {
    switch (below(r, 8)) {
    case 0:
    case 1:
    case 2:
        return std::to_string(p.low + below(r, p.high - p.low + 1)) + "\n";
    case 3:
        return hardening::bad_input(r, {3, p.low, p.high, false, true, terminal_keys});
    case 4: {
        std::string s;
        for (int n = 1 + below(r, 4); n > 0; n--)
            s += pick(r, keys);
        return s;
    }
    case 5:
        return pick(r, utf8);
    case 6:
        return long_answer(r);
    default:
        return below(r, 2) == 0 ? "\n" : "k";
    }
}

void random_size(Random &r, int &cols, int &rows) {
    cols = 20 + below(r, 101);
    rows = 8 + below(r, 53);
}

Script make_script(Random &r, const Program &p, bool shell_sessions) {
    Script s;
    s.under_shell = shell_sessions && below(r, 5) < 2;
    s.answers_at_end = below(r, 2) == 0;
    s.term = pick(r, terms);
    random_size(r, s.cols, s.rows);
    if (below(r, 3) == 0) { // large enough for every screen
        s.cols = 80 + below(r, 41);
        s.rows = 50 + below(r, 11);
    }
    for (int n = 1 + below(r, 20); n > 0; n--) {
        Event e;
        int k = below(r, 100);
        if (k < 55) {
            e.bytes = answer(r, p);
        } else if (k < 75) {
            e.act = Act::pause;
            e.ms = below(r, 4) == 0 ? 500 + below(r, 1500) : below(r, 300);
        } else if (k < 85) {
            e.act = Act::resize;
            random_size(r, e.cols, e.rows);
        } else if (k < 93) {
            e.act = Act::stop;
            // Under the shell only the key, which drops what was typed ahead
            // and not read: the shell would read it.
            e.sig = !s.under_shell && below(r, 3) == 0 ? SIGTSTP : 0;
            e.background = s.under_shell && below(r, 2) == 0;
            e.ms = 200 + below(r, 600);
        } else {
            e.act = Act::end;
            e.sig = pick(r, end_signals);
            e.key = (e.sig == SIGINT || e.sig == SIGQUIT) && below(r, 2) == 0;
            s.events.push_back(e);
            break;
        }
        s.events.push_back(e);
    }
    return s;
}

std::string describe(const Event &e) {
    switch (e.act) {
    case Act::type:
        return "type \"" + hardening::shown(e.bytes) + "\"";
    case Act::pause:
        return "pause " + std::to_string(e.ms) + " ms";
    case Act::resize:
        return "resize to " + std::to_string(e.cols) + "x" + std::to_string(e.rows);
    case Act::stop:
        return std::string(e.sig != 0 ? "SIGTSTP sent" : "Ctrl-Z typed") +
               (e.background ? ", bg for " + std::to_string(e.ms) + " ms, fg" : ", fg");
    case Act::end:
        return e.key ? std::string(e.sig == SIGINT ? "Ctrl-C" : "Ctrl-\\") + " typed"
                     : std::string(sigabbrev_np(e.sig)) + " sent";
    }
    return "";
}

std::string describe(const Script &s) {
    std::string d = "    " + std::string(s.under_shell ? "under dash -i" : "alone") +
                    ", TERM=" + s.term + ", " + std::to_string(s.cols) + "x" +
                    std::to_string(s.rows) + "\n";
    for (const Event &e : s.events)
        d += "    " + describe(e) + "\n";
    if (s.events.empty() || s.events.back().act != Act::end)
        d += s.answers_at_end ? "    then its finishing answer until it ends\n"
                              : "    then Enter and the end-of-file key until it ends\n";
    return d;
}

// A session as it runs.

struct Session {
    const Program &program;
    const Script &script;
    std::string report_prefix = ""; // of its sanitizer reports
    std::unique_ptr<harness::Terminal> t = nullptr;
    pid_t job = -1;        // under the shell: the program's process group
    termios shell_modes{}; // under the shell: its modes at its prompt
    size_t since = 0;      // under the shell: output from the program's last start or fg on
    bool ended_in_background = false;
    std::vector<int> sent = {}; // the signals that may end it
    std::vector<std::string> faults = {};
};

// Under the shell: the state of the program's process ('T' stopped, 'Z'
// ended and not yet reaped by the shell), 0 once it is gone (or when it
// ended before its process group was seen).
char job_state(const Session &s) {
    char path[64], state = 0;
    snprintf(path, sizeof path, "/proc/%d/stat", (int)s.job);
    FILE *f = s.job > 0 ? fopen(path, "r") : nullptr;
    if (f == nullptr)
        return 0;
    if (fscanf(f, "%*d (%*[^)]) %c", &state) != 1)
        state = 0;
    fclose(f);
    return state;
}

bool job_gone(const Session &s) { return job_state(s) == 0 || job_state(s) == 'Z'; }

void signal_job(const Session &s, int sig) {
    if (s.job > 0)
        kill(-s.job, sig);
}

bool prompted(const Session &s, size_t from) {
    return s.t->output().find(prompt_start, from) != std::string::npos;
}

bool ended(const Session &s) {
    if (!s.t->running())
        return true;
    if (!s.script.under_shell)
        return false;
    return job_gone(s) && (s.ended_in_background || prompted(s, s.since));
}

std::vector<std::string> environment(const Session &s) {
    std::vector<std::string> env;
    if (s.script.under_shell) {
        env.push_back("PS1=" + prompt_start + "$?]$ ");
        env.push_back("ENV");
    }
    if (ORDINA_SANITIZER_REPORTS[0] == '\0')
        return env;
    const char *asan = getenv("ASAN_OPTIONS");
    std::string base = asan != nullptr ? asan
                                       : "exitcode=86:detect_stack_use_after_return=1:strict_"
                                         "string_checks=1:check_initialization_order=1";
    env.push_back("ASAN_OPTIONS=" + base + ":log_path=" + s.report_prefix);
    if (getenv("UBSAN_OPTIONS") == nullptr)
        env.push_back("UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1");
    if (getenv("LSAN_OPTIONS") == nullptr)
        env.push_back("LSAN_OPTIONS=suppressions=" ORDINA_LSAN_SUPPRESSIONS
                      ":print_suppressions=0");
    return env;
}

// The shell did not do its part: the session cannot go on.
struct Shell_trouble : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string program_path(const Program &p) { return std::string(ORDINA_BIN_DIR "/") + p.name; }

void start(Session &s) {
    const Script &sc = s.script;
    if (!sc.under_shell) {
        s.t =
            std::make_unique<harness::Terminal>(program_path(s.program), std::vector<std::string>{},
                                                sc.cols, sc.rows, sc.term, environment(s));
        return;
    }
    s.t = std::make_unique<harness::Terminal>(shell, std::vector<std::string>{"-i"}, sc.cols,
                                              sc.rows, sc.term, environment(s));
    harness::Terminal &t = *s.t;
    if (!t.wait_for([&] { return prompted(s, 0); }))
        throw Shell_trouble("dash shows no prompt");
    s.shell_modes = t.modes();
    s.since = t.output().size();
    t.type(program_path(s.program) + "\n");
    pid_t job = -1;
    if (!t.wait_for([&] {
            job = t.foreground();
            return (job > 0 && job != t.pid()) || prompted(s, s.since);
        }))
        throw Shell_trouble("dash does not start the program");
    if (job != t.pid())
        s.job = job;
}

void fault(Session &s, const std::string &what) { s.faults.push_back(what); }

std::string modes_text(const termios &m) {
    char s[96];
    snprintf(s, sizeof s, "iflag %x oflag %x lflag %x VMIN %d VTIME %d", m.c_iflag, m.c_oflag,
             m.c_lflag, m.c_cc[VMIN], m.c_cc[VTIME]);
    return s;
}

// What must hold whenever the program hands the terminal over: at its end,
// and under the shell at a stop.
void check_terminal(Session &s, const termios &found, const char *when) {
    harness::Terminal &t = *s.t;
    std::string at = std::string(" ") + when;
    termios now = t.modes();
    if (!harness::same_modes(now, found))
        fault(s, "modes changed" + at + ": " + modes_text(now) + ", found " + modes_text(found));
    if (!hardening::pen_is_plain(t.output(), t.cols(), t.rows()))
        fault(s, "pen not plain" + at);
    if (!t.cursor_visible())
        fault(s, "cursor hidden" + at);
    if (t.alt_screen())
        fault(s, "alternate screen left on" + at);
}

// Under the shell: stopped for real, the shell's modes back; then fg, or bg
// and fg, after which the program has the terminal again.
void stop_under_shell(Session &s, const Event &e) {
    harness::Terminal &t = *s.t;
    // Without reading what it writes meanwhile: an answer of the terminal to a
    // question it asks just before it stops would reach the input between the
    // stop and the program's giving the modes back, and so the shell's line.
    long long deadline = harness::now_ms() + harness::no_progress_ms;
    while (job_state(s) != 'T' && !job_gone(s) && harness::now_ms() < deadline)
        usleep(2000);
    // Gone is no fault: it may have ended on what was typed before Ctrl-Z
    // came, and the shell's prompt then tells how.
    char state = job_state(s);
    if (state != 'T' && state != 'Z' && state != 0) {
        fault(s, "not stopped by Ctrl-Z, in state " + std::string(1, state));
        return;
    }
    // The shell's prompt after the stop or the end: it has the terminal and
    // has told it.
    if (!t.wait_for(
            [&] { return ended(s) || (t.foreground() == t.pid() && prompted(s, s.since)); }))
        throw Shell_trouble("dash does not take the terminal back");
    if (ended(s))
        return;
    check_terminal(s, s.shell_modes, "at the stop");
    // Each command after Ctrl-U, which wipes anything else on the shell's line.
    if (e.background) {
        size_t before = t.output().size();
        t.type("\x15"
               "bg\n");
        if (!t.wait_for([&] { return prompted(s, before); }))
            throw Shell_trouble("dash does not take bg");
        if (t.wait_for([&] { return !harness::same_modes(t.modes(), s.shell_modes); }, e.ms))
            fault(s, "modes taken in the background: " + modes_text(t.modes()));
        if (job_gone(s)) {
            s.ended_in_background = true;
            return;
        }
    }
    s.since = t.output().size(); // the next prompt tells how it ended, or a stop
    t.type("\x15"
           "fg\n");
    if (!t.wait_for([&] { return job_gone(s) || t.foreground() == s.job; }))
        throw Shell_trouble("dash does not give the program the terminal at fg");
}

void play(Session &s, const Event &e) {
    harness::Terminal &t = *s.t;
    switch (e.act) {
    case Act::type:
        t.type(e.bytes);
        break;
    case Act::pause:
        t.idle(e.ms);
        break;
    case Act::resize:
        t.resize(e.cols, e.rows);
        break;
    case Act::stop:
        t.wait_for([] { return true; }); // what it asked so far answered, as a terminal does
        if (e.sig != 0)
            t.signal(SIGTSTP);
        else
            t.type("\x1a");
        if (s.script.under_shell)
            stop_under_shell(s, e);
        break;
    case Act::end:
        s.sent.push_back(e.sig);
        if (e.key)
            t.type(e.sig == SIGINT ? "\x03" : "\x1c");
        else if (s.script.under_shell)
            signal_job(s, e.sig);
        else
            t.signal(e.sig);
        break;
    }
}

// Until it ends: after a signal only waiting; otherwise the end of the input,
// Enter and the end-of-file key again and again, wherever it reads; or an
// answer that every read and key wait takes, to its normal end. It hangs
// when it writes nothing for hang_ms meanwhile.
bool finish(Session &s, bool signalled) {
    harness::Terminal &t = *s.t;
    long long deadline = harness::now_ms() + hang_ms;
    size_t written = t.output().size();
    while (!ended(s) && harness::now_ms() < deadline) {
        if (!signalled) {
            try {
                t.type(s.script.answers_at_end ? s.program.finish : "\n");
                if (!s.script.answers_at_end)
                    t.end_input();
            } catch (const std::runtime_error &) {
                // not read now; the deadline tells
            }
        }
        t.wait_for([&] { return ended(s); }, 250);
        if (t.output().size() != written)
            deadline = harness::now_ms() + hang_ms;
        written = t.output().size();
    }
    if (!ended(s))
        return false;
    if (!s.script.under_shell)
        t.wait_exit(2000); // what is still on its way
    return true;
}

// How it ended: its status, or the signal; status -1 when not known.
struct Ending {
    int status = -1;
    int sig = 0;
};

Ending ending(const Session &s) {
    Ending e;
    harness::Terminal &t = *s.t;
    if (!s.script.under_shell) {
        e.status = t.exit_status();
        e.sig = t.term_signal();
        return e;
    }
    size_t at = t.output().find(prompt_start, s.since);
    if (s.ended_in_background || at == std::string::npos)
        return e;
    int code = atoi(t.output().c_str() + at + prompt_start.size());
    if (code > 128)
        e.sig = code - 128;
    else
        e.status = code;
    return e;
}

std::vector<std::string> reports(const std::string &prefix) {
    std::vector<std::string> found;
    std::string dir = prefix.substr(0, prefix.rfind('/'));
    std::string name = prefix.substr(dir.size() + 1) + ".";
    DIR *d = opendir(dir.c_str());
    if (d == nullptr)
        return found;
    while (dirent *entry = readdir(d))
        if (strncmp(entry->d_name, name.c_str(), name.size()) == 0)
            found.push_back(dir + "/" + entry->d_name);
    closedir(d);
    return found;
}

// The tally of one program.
struct Tally {
    int sessions = 0, shell = 0, stops = 0, normal = 0, end_of_input = 0, background = 0,
        faults = 0;
    int by_signal[4] = {};
};

int signal_column(int sig) {
    for (int i = 0; i < 4; i++)
        if (end_signals[i] == sig)
            return i;
    return -1;
}

void count_ending(Session &s, Tally &tally) {
    Ending e = ending(s);
    bool sent = false;
    for (int sig : s.sent)
        sent = sent || sig == e.sig;
    if (s.ended_in_background)
        tally.background++;
    else if (e.sig != 0 && sent)
        tally.by_signal[signal_column(e.sig)]++;
    else if (e.sig != 0)
        fault(s, std::string("ended by ") + sigabbrev_np(e.sig) + ", which was not sent");
    else if (e.status == s.program.status)
        tally.normal++;
    else if (e.status == 2)
        tally.end_of_input++;
    else if (e.status == sanitizer_status)
        fault(s, "sanitizer status " + std::to_string(e.status));
    else
        fault(s, e.status < 0 ? "no status from the shell" : "status " + std::to_string(e.status));
}

// One session, from its start to its checks; the faults are in s.faults.
void run(Session &s, Tally &tally) {
    start(s);
    bool signalled = false;
    for (const Event &e : s.script.events) {
        if (ended(s))
            break;
        try {
            play(s, e);
        } catch (const Shell_trouble &) {
            throw;
        } catch (const std::runtime_error &) {
            break; // the program does not read what is typed: the end tells
        }
        tally.stops += e.act == Act::stop;
        signalled = signalled || e.act == Act::end;
        s.t->idle(15); // replies to the program's questions
    }
    if (finish(s, signalled)) {
        count_ending(s, tally);
        check_terminal(s, s.script.under_shell ? s.shell_modes : s.t->initial_modes(),
                       "at the end");
    } else {
        fault(s, "hang: quiet for " + std::to_string(hang_ms / 1000) + " s, no end after " +
                     (signalled ? "the signal" : "the input ended"));
    }
    for (const std::string &report : reports(s.report_prefix))
        fault(s, "sanitizer report " + report);
}

// Kills what is left of a session that did not end.
void clean_up(Session &s) {
    if (s.script.under_shell && !job_gone(s)) {
        signal_job(s, SIGKILL);
        signal_job(s, SIGCONT);
    }
    s.t.reset();
}

Random session_random(uint64_t seed, const Program &p, int k) {
    Random r = hardening::seeded(p.name);
    r.state ^= seed * 0x9e3779b97f4a7c15ULL;
    r.state += (uint64_t)k * 0xd1b54a32d192ed03ULL;
    hardening::next(r);
    return r;
}

void print_fault(const Session &s, const char *soak, uint64_t seed, int k) {
    printf("soak: FAULT in %s session %d:\n", s.program.name, k);
    for (const std::string &f : s.faults)
        printf("  %s\n", f.c_str());
    printf("  again: %s --seed %llu --program %s --session %d\n  script:\n%s", soak,
           (unsigned long long)seed, s.program.name, k, describe(s.script).c_str());
    if (s.t != nullptr) {
        // All that the terminal got, to read again with cat -v or a terminal.
        std::string saved = std::string(ORDINA_TESTS_DIR "/soak-") + s.program.name + "-" +
                            std::to_string(k) + ".out";
        FILE *out = fopen(saved.c_str(), "w");
        if (out != nullptr) {
            fwrite(s.t->output().data(), 1, s.t->output().size(), out);
            fclose(out);
            printf("  output: %s\n", saved.c_str());
        }
        printf("  screen at the end:\n");
        std::string screen = s.t->screen_text();
        screen.erase(screen.find_last_not_of('\n') + 1);
        size_t from = 0;
        while (from <= screen.size()) {
            size_t to = screen.find('\n', from);
            printf("    |%s\n", screen.substr(from, to - from).c_str());
            if (to == std::string::npos)
                break;
            from = to + 1;
        }
    }
    fflush(stdout); // the reports themselves are in their files (scripts/test shows them)
}

void print_table(const Tally *tallies, const std::vector<int> &chosen) {
    printf("%-12s %8s %5s %5s %6s %6s %6s %6s %7s %6s %7s %5s %6s\n", "program", "sessions", "dash",
           "stops", "status", "normal", "input", "SIGINT", "SIGTERM", "SIGHUP", "SIGQUIT", "in bg",
           "faults");
    for (int i : chosen) {
        const Tally &t = tallies[i];
        printf("%-12s %8d %5d %5d %6d %6d %6d %6d %7d %6d %7d %5d %6d\n", programs[i].name,
               t.sessions, t.shell, t.stops, programs[i].status, t.normal, t.end_of_input,
               t.by_signal[0], t.by_signal[1], t.by_signal[2], t.by_signal[3], t.background,
               t.faults);
    }
    printf("dash: sessions under an interactive dash; stops: Ctrl-Z or SIGTSTP; status: the\n"
           "normal end's, counted under normal; input: ended by the end of the input (status\n"
           "2); in bg: ended in the background after bg, status unknown.\n");
}

struct Options {
    uint64_t seed = 0;
    bool seeded = false;
    long long seconds = -1;
    int sessions = -1;
    int program = -1;
    int session = -1;
};

bool parse(int argc, char **argv, Options &o) {
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (i + 1 >= argc)
            return false;
        const char *v = argv[++i];
        char *end;
        unsigned long long n = strtoull(v, &end, 10);
        bool number = *v != '\0' && *end == '\0';
        if (a == "--seed" && number) {
            o.seed = n;
            o.seeded = true;
        } else if (a == "--seconds" && number) {
            o.seconds = (long long)n;
        } else if (a == "--sessions" && number) {
            o.sessions = (int)n;
        } else if (a == "--session" && number) {
            o.session = (int)n;
        } else if (a == "--program") {
            for (int p = 0; p < program_count; p++)
                if (std::string(programs[p].name) == v)
                    o.program = p;
            if (o.program < 0)
                return false;
        } else {
            return false;
        }
    }
    if (o.session >= 0 && (o.program < 0 || !o.seeded))
        return false;
    if (o.seconds < 0 && o.sessions < 0)
        o.seconds = 60;
    if (!o.seeded)
        o.seed = (uint64_t)time(nullptr);
    return true;
}

} // namespace

int main(int argc, char **argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        fprintf(stderr,
                "usage: %s [--seed N] [--seconds S] [--sessions N] [--program P] "
                "[--session K]\n       (--session needs --program and --seed)\n",
                argv[0]);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    bool shell_sessions = access(shell, X_OK) == 0;
    std::vector<int> chosen;
    for (int p = 0; p < program_count; p++)
        if (o.program < 0 || o.program == p)
            chosen.push_back(p);
    printf("soak: seed %llu%s\n", (unsigned long long)o.seed,
           shell_sessions ? "" : " (no dash: every session alone)");
    fflush(stdout);

    Tally tallies[program_count];
    int faulty = 0;
    long long started = harness::now_ms();
    for (int i = 0;; i++) {
        int p = chosen[(size_t)i % chosen.size()];
        int k = o.session >= 0 ? o.session : i / (int)chosen.size();
        if (o.session >= 0 && i > 0)
            break;
        if (o.session < 0 && o.sessions >= 0 && k >= o.sessions)
            break;
        if (o.session < 0 && o.seconds >= 0 && harness::now_ms() - started >= o.seconds * 1000)
            break;
        Random r = session_random(o.seed, programs[p], k);
        Script script = make_script(r, programs[p], shell_sessions);
        Session s{programs[p], script};
        s.report_prefix = std::string(ORDINA_SANITIZER_REPORTS) + "/soak-" + programs[p].name +
                          "-" + std::to_string(k);
        for (const std::string &old : reports(s.report_prefix))
            unlink(old.c_str());
        Tally &tally = tallies[p];
        tally.sessions++;
        tally.shell += script.under_shell;
        try {
            run(s, tally);
        } catch (const std::runtime_error &e) {
            fault(s, std::string("the session could not go on: ") + e.what());
        }
        if (o.session >= 0)
            printf("soak: %s session %d:\n%s", programs[p].name, k, describe(script).c_str());
        if (!s.faults.empty()) {
            tally.faults++;
            faulty++;
            print_fault(s, argv[0], o.seed, k);
        }
        clean_up(s);
        if ((i + 1) % 50 == 0) {
            printf("soak: %d sessions, %lld s\n", i + 1, (harness::now_ms() - started) / 1000);
            fflush(stdout);
        }
    }
    printf("soak: seed %llu, %lld s, %d sessions with faults\n", (unsigned long long)o.seed,
           (harness::now_ms() - started) / 1000, faulty);
    print_table(tallies, chosen);
    return faulty > 0 ? 1 : 0;
}
