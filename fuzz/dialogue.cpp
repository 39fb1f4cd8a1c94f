// Fuzz target: a line-mode program's whole dialogue on arbitrary input. The
// program's main unit is compiled in with its main renamed program_main;
// ORDINA_DIALOGUE names the program.
//
// Every run ends either at the program's normal end, with its status and
// nothing on standard error, or at the end of its input, with status 2 and
// the one line that tells it. At the normal end what the program printed is
// checked: the sorts list as many numbers as they read, ascending; read_dim
// shows a dimension from 1 to 100; read_real prints its prompts alone.
#include "captured.hpp"

#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

int program_main();

namespace {

// The numbers of a listing, one per line, each ending its line.
bool ascending_lines(const std::string &listing, int count) {
    const char *p = listing.c_str();
    const char *end = p + listing.size();
    double last = -HUGE_VAL;
    int lines = 0;
    while (p < end) {
        char *after;
        double v = strtod(p, &after);
        if (after == p || *after != '\n' || v < last)
            return false;
        last = v;
        lines++;
        p = after + 1;
    }
    return lines == count;
}

// The position of the last element prompt, the text before it ending at
// `before` and the prompt's number followed by `after`; -1 if there is none.
int last_prompt(const std::string &out, const char *before, const char *after, size_t *rest) {
    size_t at = out.rfind(after);
    if (at == std::string::npos)
        return -1;
    size_t digits = at;
    while (digits > 0 && out[digits - 1] >= '0' && out[digits - 1] <= '9')
        digits--;
    size_t lead = strlen(before);
    if (digits == at || digits < lead || out.compare(digits - lead, lead, before) != 0)
        return -1;
    *rest = at + strlen(after);
    return atoi(out.c_str() + digits);
}

bool sort_int_output(const std::string &out) {
    size_t rest;
    int n = last_prompt(out, "", ") ", &rest);
    return n >= 1 && ascending_lines(out.substr(rest), n);
}

bool sort_real_output(const std::string &out) {
    size_t rest;
    int n = last_prompt(out, "Inserire A[", "]: ", &rest);
    if (n < 0) // a count of 0 or less reads and prints nothing
        return out.size() >= 16 && out.compare(out.size() - 16, 16, "inserire la dim:") == 0;
    return ascending_lines(out.substr(rest), n);
}

bool read_real_output(const std::string &out) {
    const std::string prompts[] = {"inserire la dim:", "Inserire A["};
    size_t at = 0;
    while (at < out.size()) {
        if (out.compare(at, prompts[0].size(), prompts[0]) == 0) {
            at += prompts[0].size();
            continue;
        }
        if (out.compare(at, prompts[1].size(), prompts[1]) != 0)
            return false;
        at += prompts[1].size();
        while (at < out.size() && out[at] >= '0' && out[at] <= '9')
            at++;
        if (out.compare(at, 3, "]: ") != 0)
            return false;
        at += 3;
    }
    return true;
}

bool read_dim_output(const std::string &out) {
    const std::string shown = "scelta \xc3\xa8: ";
    size_t at = out.rfind(shown);
    if (at == std::string::npos)
        return false;
    std::string number = out.substr(at + shown.size());
    char *end;
    long n = strtol(number.c_str(), &end, 10);
    return *end == '\0' && !number.empty() && n >= 1 && n <= 100;
}

struct Dialogue {
    const char *program;
    int status; // at the normal end
    bool (*output_ok)(const std::string &out);
};

const Dialogue dialogues[] = {
    {"sort_int", 1, sort_int_output},
    {"sort_real", 0, sort_real_output},
    {"read_real", 0, read_real_output},
    {"read_dim", 0, read_dim_output},
};

const Dialogue *find_dialogue() {
    for (const Dialogue &d : dialogues)
        if (strcmp(d.program, ORDINA_DIALOGUE) == 0)
            return &d;
    abort();
}

void check(bool ok, const char *what, const Captured &c) {
    if (!ok) {
        dprintf(STDERR_FILENO, "%s: %s (status %d)\n--- output ---\n%.2000s\n--- error ---\n%s\n",
                ORDINA_DIALOGUE, what, c.status, c.out.c_str(), c.err.c_str());
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const Dialogue *dialogue = find_dialogue();
    Captured c = run_captured(data, size, program_main);
    if (c.exited) {
        check(c.status == 2, "exit with a status other than 2", c);
        check(c.input_ended, "stopped for the end of the input before it", c);
        check(c.err == "Fine dell'input.\n", "the end of the input not told", c);
        return 0;
    }
    check(c.status == dialogue->status, "wrong status at the normal end", c);
    check(c.err.empty(), "standard error written at the normal end", c);
    check(dialogue->output_ok(c.out), "wrong output at the normal end", c);
    return 0;
}
