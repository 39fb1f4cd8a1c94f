// pty_run: runs a program whole in a pseudo-terminal, typing each answer of a
// script once its prompt is shown, and reports when each prompt appeared,
// the wall and processor time of the program, the bytes it drew and its peak
// memory.
//
//   pty_run [-s COLSxROWS] [-w SECONDS] [-o FILE] PROGRAM SCRIPT
//
// SCRIPT has one step per line: the prompt, a tab, the answer. Blank lines
// and lines starting with '#' are skipped. The answer may hold the escapes
// \n, \t, \xHH and \\ (a backslash); it is typed as is, so "1\n" is a
// number and Enter, "kk" two keys; a step without a tab only waits for its
// prompt.
// A prompt counts as shown when the text on the cursor's row, up to the
// cursor and without trailing blanks, ends with it, and more has arrived from
// the terminal than the echo of the previous answer: that is, the program has
// written it and waits behind it. Each step waits at most SECONDS (60).
//
// The terminal is 80 x 50 and xterm-256color unless -s says otherwise; -o
// saves all that came from the terminal in FILE. The report goes to standard
// output, one "name value" per line, times in milliseconds from just before
// the program was started:
//   step N MS BYTES PROMPT   when the prompt of step N was shown, and the
//                            bytes the program had written by then
//   first_output MS      when the first byte arrived from the terminal
//   exit MS              when the program had ended
//   cpu_user MS, cpu_system MS   the program's processor time
//   bytes_out N          bytes read from the terminal (the program's output
//                        and the terminal's echo of what was typed)
//   bytes_program N      the same without the echo
//   bytes_typed N
//   maxrss_kb N          the program's peak resident memory, ru_maxrss of
//                        the child; it also covers the pages of the runner
//                        that the child had before its exec (its private,
//                        touched memory: a few hundred kB, less than any
//                        program here)
//   status N             the program's exit status (-1 when a signal ended it)
// The bytes the program wrote are those from the terminal less the echo of
// each answer, counted when the terminal echoed at the moment it was typed.
// pty_run exits with 0 when the program ran to its end, 1 when a prompt did
// not come in time or the program did not end, 2 on a usage error.
#include "screen.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <termios.h>
#include <time.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

struct Step {
    std::string prompt, answer;
};

double now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1000.0 + (double)ts.tv_nsec / 1e6;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string unescape(const std::string &s) {
    std::string out;
    for (size_t i = 0; i < s.size(); i++) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        if (c == 'n')
            out += '\n';
        else if (c == 't')
            out += '\t';
        else if (c == 'x' && i + 2 < s.size() && hex_digit(s[i + 1]) >= 0 &&
                 hex_digit(s[i + 2]) >= 0) {
            out += (char)(hex_digit(s[i + 1]) * 16 + hex_digit(s[i + 2]));
            i += 2;
        } else
            out += c;
    }
    return out;
}

bool read_script(const char *path, std::vector<Step> &steps) {
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        size_t tab = line.find('\t');
        if (tab == std::string::npos)
            steps.push_back({line, ""});
        else
            steps.push_back({line.substr(0, tab), unescape(line.substr(tab + 1))});
    }
    return true;
}

// The text of the cursor's row up to the cursor ends with the prompt.
bool waits_behind(const harness::Terminal &t, const std::string &prompt) {
    harness::Pos at = t.cursor();
    std::string before = t.text_at(1, at.row, at.col - 1);
    before.erase(before.find_last_not_of(' ') + 1);
    return before.size() >= prompt.size() &&
           before.compare(before.size() - prompt.size(), prompt.size(), prompt) == 0;
}

// What the terminal echoes of typed text in its default modes: each line end
// comes back as CR LF.
size_t echo_size(const std::string &answer) {
    size_t n = answer.size();
    for (char c : answer)
        n += c == '\n';
    return n;
}

double cpu_ms(const timeval &tv) {
    return (double)tv.tv_sec * 1000.0 + (double)tv.tv_usec / 1000.0;
}

int usage() {
    fprintf(stderr, "usage: pty_run [-s COLSxROWS] [-w SECONDS] [-o FILE] PROGRAM SCRIPT\n");
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    int cols = 80, rows = 50, wait_s = 60;
    const char *save = nullptr;
    int arg = 1;
    for (; arg + 1 < argc && argv[arg][0] == '-'; arg += 2) {
        if (strcmp(argv[arg], "-s") == 0 && sscanf(argv[arg + 1], "%dx%d", &cols, &rows) == 2)
            continue;
        if (strcmp(argv[arg], "-w") == 0 && sscanf(argv[arg + 1], "%d", &wait_s) == 1)
            continue;
        if (strcmp(argv[arg], "-o") == 0) {
            save = argv[arg + 1];
            continue;
        }
        return usage();
    }
    if (argc - arg != 2 || cols < 1 || rows < 1 || wait_s < 1)
        return usage();
    std::vector<Step> steps;
    if (!read_script(argv[arg + 1], steps)) {
        fprintf(stderr, "pty_run: cannot read %s\n", argv[arg + 1]);
        return 2;
    }
    std::string program = argv[arg];

    double start = now_ms();
    harness::Terminal t(program, {}, cols, rows);
    double first_output = -1;
    size_t typed = 0;
    size_t echoed = 0;     // bytes of the output that are the echo of answers
    size_t seen_after = 0; // output bytes that do not count for the next prompt
    // Notes the first byte on every look at the screen.
    auto look = [&] {
        if (first_output < 0 && !t.output().empty())
            first_output = now_ms() - start;
    };
    int done = 0;
    for (const Step &s : steps) {
        bool shown = t.wait_for(
            [&] {
                look();
                return t.output().size() > seen_after && waits_behind(t, s.prompt);
            },
            wait_s * 1000);
        if (!shown) {
            fprintf(stderr, "pty_run: step %d: \"%s\" not shown\n", done + 1, s.prompt.c_str());
            return 1;
        }
        printf("step %d %.1f %zu %s\n", ++done, now_ms() - start, t.output().size() - echoed,
               s.prompt.c_str());
        // The terminal echoes what is typed unless the program has turned
        // echo off (a key wait).
        if (t.running() && (t.modes().c_lflag & ECHO) != 0)
            echoed += echo_size(s.answer);
        seen_after = t.output().size() + echo_size(s.answer);
        t.type(s.answer);
        typed += s.answer.size();
    }
    if (!t.wait_for(
            [&] {
                look();
                return !t.running();
            },
            wait_s * 1000)) {
        fprintf(stderr, "pty_run: the program did not end\n");
        return 1;
    }
    double end = now_ms() - start;
    t.wait_exit(1000); // what is still on its way
    // The program was this process's only child, and it has been reaped.
    rusage usage;
    getrusage(RUSAGE_CHILDREN, &usage);
    if (save != nullptr) {
        std::ofstream out(save, std::ios::binary);
        out << t.output();
    }
    printf("first_output %.1f\n", first_output);
    printf("exit %.1f\n", end);
    printf("cpu_user %.1f\n", cpu_ms(usage.ru_utime));
    printf("cpu_system %.1f\n", cpu_ms(usage.ru_stime));
    printf("bytes_out %zu\n", t.output().size());
    printf("bytes_program %zu\n", t.output().size() - echoed);
    printf("bytes_typed %zu\n", typed);
    printf("maxrss_kb %ld\n", usage.ru_maxrss);
    printf("status %d\n", t.term_signal() != 0 ? -1 : t.exit_status());
    return 0;
}
