// view_bench: what sort_view costs in a pseudo-terminal, read back through
// the test harness's terminal emulator.
//
//   view_bench PROGRAM
//
// - Steps at 80 x 24: for each algorithm, the race of the first four and the
//   race of all eight, on 6 given values and
//   on 20 and 40 generated ones, up to 200 steps with the key n: the bytes
//   each step writes (median, largest), the write calls it makes (from the
//   syscw of /proc/PID/io) and the time from the key to the frame on the
//   screen (the step counter of the title updated); the whole screen drawn
//   at the start for comparison.
// - Jumps on 100 values in reverse order (110 x 32): End, Home, PgDn and PgUp
//   for each algorithm and the two races, key to frame.
// - Paused for 10 s: the processor time the program used (schedstat).
// - Playing at 1,000 steps a second for 3 s on 100 values: the steps taken
//   against the time, and the write calls against the frames.
#include "screen.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

double now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (double)ts.tv_sec * 1000.0 + (double)ts.tv_nsec / 1e6;
}

long long proc_value(pid_t pid, const char *file, const char *name) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string key;
    long long value;
    while (in >> key >> value)
        if (key == name)
            return value;
    return -1;
}

long long writes(pid_t pid) { return proc_value(pid, "io", "syscw:"); }

// Processor time in nanoseconds, user and system.
long long cpu_ns(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/schedstat");
    long long ns = -1;
    in >> ns;
    return ns;
}

// The step the title shows ("evento 12/57", "confronto 3/26" or "12/57").
int shown_step(const harness::Terminal &t) {
    std::string title = t.row_text(1);
    size_t slash = title.rfind('/', title.rfind('/') - 1);
    if (slash == std::string::npos)
        return -1;
    size_t start = title.find_last_of(' ', slash);
    return atoi(title.substr(start + 1, slash - start - 1).c_str());
}

// Types the key and waits for the title to show the step; gives the time.
double key_to_frame(harness::Terminal &t, const std::string &key, int step) {
    double start = now_ms();
    t.type(key);
    if (!t.wait_for([&] { return shown_step(t) == step; }, 5000)) {
        fprintf(stderr, "view_bench: no step %d after a key\n", step);
        exit(1);
    }
    return now_ms() - start;
}

int last_step(const harness::Terminal &t) {
    std::string title = t.row_text(1);
    size_t slash = title.rfind('/', title.rfind('/') - 1);
    return atoi(title.c_str() + slash + 1);
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The views measured: each algorithm alone, by its key, the race of the
// first four, and the race of all eight.
const char *const modes[] = {"1", "2", "3", "4", "5", "6", "7", "8", "a", "a5678"};

const char *mode_name(const char *mode) {
    return mode[0] != 'a' ? mode : mode[1] == '\0' ? "gara" : "gara 8";
}

// Types the mode's keys and waits for its title.
void enter_mode(harness::Terminal &t, const char *mode) {
    t.type(mode);
    t.wait_for([&] {
        std::string title = t.row_text(1);
        return mode[0] != 'a'    ? title[1] == mode[0]
               : mode[1] == '\0' ? title.find("Gara: 1 2 3 4 ") != std::string::npos
                                 : title.find("Gara: 1 2 3 4 5 6 7 8") != std::string::npos;
    });
    t.wait_quiet(50);
}

void wait_ready(harness::Terminal &t) {
    if (!t.wait_for([&] { return shown_step(t) == 0; }, 10000)) {
        fprintf(stderr, "view_bench: sort_view did not start:\n%s\n", t.screen_text().c_str());
        exit(1);
    }
    t.wait_quiet(100);
}

struct Totals {
    std::vector<double> bytes, times, writes;
};

// The steps of every view on the values given; adds them to all, the totals
// of one algorithm alone, of the race of four and of the race of eight.
void steps(const std::string &program, const char *name, const std::vector<std::string> &args,
           Totals *all) {
    printf("%-12s %-6s %6s %8s %8s %8s %9s %10s\n", "values", "view", "steps", "bytes/md",
           "bytes/mx", "writes", "ms/md", "whole scr.");
    for (const char *mode : modes) {
        harness::Terminal t(program, args, 80, 24);
        wait_ready(t);
        size_t whole = t.output().size();
        enter_mode(t, mode);
        int last = std::min(last_step(t), 200);
        std::vector<double> bytes, times, calls;
        for (int s = 1; s <= last; s++) {
            size_t before = t.output().size();
            long long w = writes(t.pid());
            times.push_back(key_to_frame(t, "n", s));
            t.wait_quiet(2);
            bytes.push_back((double)(t.output().size() - before));
            calls.push_back((double)(writes(t.pid()) - w));
        }
        // The totals of one algorithm alone, of the race of four, of eight.
        Totals *kind = &all[mode[0] != 'a' ? 0 : mode[1] == '\0' ? 1 : 2];
        kind->bytes.insert(kind->bytes.end(), bytes.begin(), bytes.end());
        kind->times.insert(kind->times.end(), times.begin(), times.end());
        kind->writes.insert(kind->writes.end(), calls.begin(), calls.end());
        printf(
            "%-12s %-6s %6d %8.0f %8.0f %8.2f %9.3f %10zu\n", name, mode_name(mode), last,
            median(bytes), *std::max_element(bytes.begin(), bytes.end()),
            [&] {
                double sum = 0;
                for (double c : calls)
                    sum += c;
                return sum / (double)calls.size();
            }(),
            median(times), whole);
        t.type("q");
        t.wait_exit();
    }
}

void jumps(const std::string &program, std::vector<double> *all) {
    printf("%-6s %8s %8s %8s %8s   (ms from the key to the frame on the screen; in\n"
           "%-6s %8s %8s %8s %8s    brackets the processor time of sort_view for the key)\n",
           "view", "End", "Home", "PgDn", "PgUp", "", "", "", "", "");
    for (const char *mode : modes) {
        harness::Terminal t(program, {"-g", "inversi", "-n", "100", "-s", "1"}, 110, 32);
        wait_ready(t);
        enter_mode(t, mode);
        int last = last_step(t);
        double ms[4], cpu[4];
        long long before = cpu_ns(t.pid());
        ms[0] = key_to_frame(t, "\x1b[F", last);
        t.wait_quiet(20);
        cpu[0] = (double)(cpu_ns(t.pid()) - before) / 1e6;
        before = cpu_ns(t.pid());
        ms[1] = key_to_frame(t, "\x1b[H", 0);
        t.wait_quiet(20);
        cpu[1] = (double)(cpu_ns(t.pid()) - before) / 1e6;
        before = cpu_ns(t.pid());
        double start = now_ms();
        t.type("\x1b[6~");
        t.wait_for([&] { return shown_step(t) > 0; }, 5000);
        ms[2] = now_ms() - start;
        t.wait_quiet(20);
        cpu[2] = (double)(cpu_ns(t.pid()) - before) / 1e6;
        int at = shown_step(t);
        t.type("\x1b[6~\x1b[6~");
        t.wait_for([&] { return shown_step(t) > at; }, 5000);
        t.wait_quiet(50);
        at = shown_step(t);
        before = cpu_ns(t.pid());
        start = now_ms();
        t.type("\x1b[5~");
        t.wait_for([&] { return shown_step(t) < at; }, 5000);
        ms[3] = now_ms() - start;
        t.wait_quiet(20);
        cpu[3] = (double)(cpu_ns(t.pid()) - before) / 1e6;
        printf("%-6s", mode_name(mode));
        for (int k = 0; k < 4; k++) {
            printf(" %5.2f (%4.2f)", ms[k], cpu[k]);
            all->push_back(cpu[k]);
        }
        printf("\n");
        t.type("q");
        t.wait_exit();
    }
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: view_bench PROGRAM\n");
        return 2;
    }
    std::string program = argv[1];

    printf("Steps with the key n, 80 x 24, xterm-256color (at most 200 a view)\n");
    Totals all[3];
    steps(program, "6 given", {"5", "3,5", "-1", "8", "3,5", "2"}, all);
    steps(program, "20 random", {"-g", "casuali", "-n", "20", "-s", "1"}, all);
    steps(program, "40 random", {"-g", "casuali", "-n", "40", "-s", "1"}, all);
    const char *const kinds[] = {"one algorithm", "race of four", "race of eight"};
    for (int k = 0; k < 3; k++) {
        const Totals &t = all[k];
        double writes_per_step = 0;
        for (double w : t.writes)
            writes_per_step += w;
        writes_per_step /= (double)t.writes.size();
        double slowest = *std::max_element(t.times.begin(), t.times.end());
        printf("%s: %zu steps, bytes median %.0f", kinds[k], t.bytes.size(), median(t.bytes));
        if (k == 0) // the bound is for one algorithm; a race's panes cost what they cost
            printf(" (expected at most 1024: %s)", median(t.bytes) <= 1024 ? "ok" : "NO");
        printf(", key to frame median %.3f ms, largest %.3f ms (expected under 10 ms: %s), write "
               "calls per step %.2f\n",
               median(t.times), slowest, slowest < 10 ? "ok" : "NO", writes_per_step);
    }
    printf("\n");

    printf("Jumps on 100 values in reverse order, 110 x 32\n");
    std::vector<double> jump_times;
    jumps(program, &jump_times);
    printf("jumps, processor time of sort_view: median %.3f ms, largest %.3f ms (expected under "
           "1 ms: %s)\n\n",
           median(jump_times), *std::max_element(jump_times.begin(), jump_times.end()),
           *std::max_element(jump_times.begin(), jump_times.end()) < 1 ? "ok" : "NO");

    {
        harness::Terminal t(program, {"-g", "casuali", "-n", "40", "-s", "1"}, 80, 24);
        wait_ready(t);
        long long cpu = cpu_ns(t.pid());
        long long w = writes(t.pid());
        size_t bytes = t.output().size();
        sleep(10);
        t.wait_quiet(10);
        printf("Paused 10 s: processor time %.3f ms, write calls %lld, bytes %zu (expected: "
               "none: %s)\n",
               (double)(cpu_ns(t.pid()) - cpu) / 1e6, writes(t.pid()) - w,
               t.output().size() - bytes,
               cpu_ns(t.pid()) - cpu < 1000000 && t.output().size() == bytes ? "ok" : "NO");
        t.type("q");
        t.wait_exit();
    }
    {
        harness::Terminal t(program, {"-g", "inversi", "-n", "100", "-s", "1"}, 110, 32);
        wait_ready(t);
        t.type("+++++++++");
        t.wait_for([&] { return t.row_text(1).find("1000/s") != std::string::npos; });
        t.wait_quiet(50);
        long long w = writes(t.pid());
        long long cpu = cpu_ns(t.pid());
        double start = now_ms();
        t.type(" ");
        t.idle(3000);
        int taken = shown_step(t);
        double elapsed = now_ms() - start;
        long long calls = writes(t.pid()) - w;
        printf("Playing at 1000 steps a second for %.0f ms on 100 values: %d steps (%.0f a "
               "second), %lld write calls (%.2f a step), processor %.0f%% of the time\n",
               elapsed, taken, taken / elapsed * 1000, calls, (double)calls / taken,
               (double)(cpu_ns(t.pid()) - cpu) / 1e6 / elapsed * 100);
        t.type("q");
        t.wait_exit();
    }
    return 0;
}
