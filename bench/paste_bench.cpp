// paste_bench: how fast the screen programs take what is typed or pasted at
// their questions, in a pseudo-terminal read back through the test harness's
// terminal emulator, beside what a terminal's reader can do at best and what
// a user knows from a shell.
//
//   paste_bench BIN_DIR
//
// - A long line: 1 MB without a line end, then Enter, at sort_menu's choice,
//   sort_addr's and ctio_show's dimension; the time until the program has
//   taken it all and asks again (a million digits are no number). Beside it,
//   in the same run: cat on a terminal in raw mode (the limit: a read and
//   nothing more), and the line editors of bash (read -e) and Python (input
//   with readline) on a shorter line, for they redraw it at every key.
// - Many lines: 5,000 numbers, one a line, pasted at sort_menu's first
//   element prompt after a dimension of 100, marked as a terminal marks a
//   paste when the program asks for it: the time until the 100 elements are
//   taken, and from the listing's last line (the program then takes its two
//   last keys from the paste and ends) until the rest of the paste is gone.
#include "screen.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <functional>
#include <string>

namespace {

double now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1000.0 + (double)ts.tv_nsec / 1e6;
}

[[noreturn]] void give_up(const char *what, const harness::Terminal &t) {
    fprintf(stderr, "paste_bench: %s\n%s\n", what, t.screen_text().c_str());
    exit(1);
}

void expect(harness::Terminal &t, const std::string &text) {
    if (!t.wait_screen_contains(text))
        give_up(("no \"" + text + "\"").c_str(), t);
}

size_t count(const std::string &s, const std::string &part) {
    size_t n = 0;
    for (size_t at = s.find(part); at != std::string::npos; at = s.find(part, at + 1))
        n++;
    return n;
}

// One reader of a long line: how to start it and bring it to its question,
// the text it writes again once it has taken the line, the line's length.
struct Reader {
    const char *name;
    std::string program;
    std::vector<std::string> args;
    std::function<void(harness::Terminal &)> reach;
    std::string taken; // written once more after the line is taken
    size_t bytes;
};

void long_line(const Reader &r) {
    harness::Terminal t(r.program, r.args, 80, 50);
    r.reach(t);
    t.wait_quiet(100);
    size_t before = count(t.output(), r.taken);
    std::string line(r.bytes, '9');
    double start = now_ms();
    for (size_t at = 0; at < line.size(); at += 65536)
        t.type(line.substr(at, 65536));
    t.type("\r");
    if (!t.wait_for([&] { return count(t.output(), r.taken) > before; }))
        give_up("the line is not taken", t);
    double ms = now_ms() - start;
    printf("%-34s %9zu %10.1f %9.2f\n", r.name, r.bytes, ms, (double)r.bytes / ms / 1000.0);
}

void sort_menu_choice(harness::Terminal &t) {
    expect(t, "Terzolli Gildro");
    t.type("k");
    expect(t, "Scelta:");
}

void sort_addr_dimension(harness::Terminal &t) {
    expect(t, "Casorelli Lisea");
    t.type("k");
    expect(t, "*** Programma di");
    t.type("k");
    expect(t, "Inserisci la dimensione di A:");
}

void ctio_show_dimension(harness::Terminal &t) {
    expect(t, "Casorelli Lisea");
    t.type("\r");
    expect(t, "Premere INVIO");
    t.type("\r");
    expect(t, "Inserisci la dimensione di A:");
}

void shell_ready(harness::Terminal &t) { expect(t, "ready"); }

void long_lines(const std::string &bin) {
    const size_t mb = 1000000, editor = 20000;
    const Reader readers[] = {
        {"cat, raw mode (the limit)",
         "/bin/sh",
         {"-c", "stty raw -echo; echo ready; exec cat >/dev/null"},
         shell_ready,
         "",
         mb},
        {"sort_menu, choice", bin + "/sort_menu", {}, sort_menu_choice, "Scelta: ", mb},
        {"sort_addr, dimension",
         bin + "/sort_addr",
         {},
         sort_addr_dimension,
         "dimensione di A",
         mb},
        {"ctio_show, dimension",
         bin + "/ctio_show",
         {},
         ctio_show_dimension,
         "dimensione di A",
         mb},
        {"bash, read -e",
         "/bin/bash",
         {"--norc", "--noprofile", "-c", "echo ready; read -e -r l; echo got ${#l}"},
         shell_ready,
         "got ",
         editor},
        {"python3, input() with readline",
         "/usr/bin/python3",
         {"-c", "import readline; print('ready'); print('got', len(input()))"},
         shell_ready,
         "got ",
         editor},
    };
    printf("%-34s %9s %10s %9s\n", "a line without line ends, taken by", "bytes", "ms", "MB/s");
    for (const Reader &r : readers) {
        if (r.taken.empty()) { // cat writes nothing: all typed is all taken
            harness::Terminal t(r.program, r.args, 80, 50);
            r.reach(t);
            std::string line(r.bytes, '9');
            double start = now_ms();
            t.type(line);
            double ms = now_ms() - start;
            printf("%-34s %9zu %10.1f %9.2f\n", r.name, r.bytes, ms, (double)r.bytes / ms / 1000.0);
            continue;
        }
        long_line(r);
    }
}

// 5,000 numbers at sort_menu's element prompts.
void many_lines(const std::string &bin) {
    harness::Terminal t(bin + "/sort_menu", {}, 80, 50);
    sort_menu_choice(t);
    t.type("1\r");
    expect(t, "Inserire la dim:");
    t.type("100\r");
    expect(t, "Inserire A[1]:");
    bool marked = t.output().find("\x1b[?2004h") != std::string::npos;
    std::string paste = marked ? "\x1b[200~" : "";
    for (int k = 5000; k >= 1; k--)
        paste += std::to_string(k) + ".5\r";
    paste += marked ? "\x1b[201~" : "";
    double start = now_ms(), taken = -1, listed = -1;
    auto look = [&] {
        if (taken < 0 && t.output().find("Elenco ordinato") != std::string::npos)
            taken = now_ms();
        if (listed < 0 && t.output().find("5000.5000") != std::string::npos)
            listed = now_ms();
    };
    for (size_t at = 0; at < paste.size(); at += 256) {
        t.type(paste.substr(at, 256));
        t.wait_for([&] { return false; }, 0);
        look();
    }
    double all = now_ms();
    if (!t.wait_exit())
        give_up("sort_menu does not end", t);
    look();
    printf("\n5,000 numbers, one a line, pasted at sort_menu's element prompts (%s)\n",
           marked ? "marked as a paste" : "unmarked");
    printf("  100 elements taken in %.1f ms (%.0f numbers a second)\n", taken - start,
           100 / (taken - start) * 1000);
    printf("  the listing, 100 lines paced at 100 ms: %.0f ms\n", listed - taken);
    printf("  the rest of the paste gone %.1f ms after the listing's last line\n", all - listed);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: paste_bench BIN_DIR\n");
        return 2;
    }
    long_lines(argv[1]);
    many_lines(argv[1]);
    return 0;
}
