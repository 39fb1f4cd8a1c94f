// bench_routines: the four sorting algorithms on reals and integers, for 10
// to 10,000 elements in random, ordered, reverse and all-equal order, timed
// under Google Benchmark next to the same algorithms written as plain C
// loops; then tables of the comparisons and exchanges per call and of the
// time per element.
//
//   bench_routines [--benchmark_out=FILE ...]
//
// The timed call is the plain instance (the public member where there is
// one: bubble, bubblesort, SeqSel, funzinsert); the comparisons, exchanges
// and passes come from a separate, untimed call of the same algorithm with a
// counting watcher, and are reported as counters. Every timed call first
// copies the input into the array it sorts, the generic and the C loop
// alike. Each case is timed five times, the generic instance and its C loop
// in turn, and the tables take the least processor time of the five.
// Google Benchmark's own flags work (--benchmark_filter, --benchmark_out).
#include "algorithms.hpp"
#include "ordina.h"
#include "sorts.h"

#include <benchmark/benchmark.h>

#include <math.h>
#include <stdio.h>
#include <unistd.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

const int sizes[] = {10, 100, 1000, 10000};
const int size_count = 4;
const char *const input_names[] = {"random", "ordered", "reverse", "equal"};
const int input_count = 4;
const int repetitions = 5;
// Long enough for a steady figure where a call takes microseconds; a
// quadratic call on 10,000 elements takes longer than this and runs once.
const double min_time_s = 0.02;

// The watcher of the untimed call.
struct Counts {
    long long comparisons = 0, exchanges = 0, passes = 0;
    void compared(int, int) { comparisons++; }
    void exchanged(int, int) { exchanges++; }
    void pass_done() { passes++; }
};

template <typename T> void count_simple_bubble(T *a, int n, Counts &c) { simple_bubble(a, n, c); }
template <typename T> void count_bounded_bubble(T *a, int n, Counts &c) { bounded_bubble(a, n, c); }
template <typename T> void count_selection(T *a, int n, Counts &c) { selection(a, n, c); }
template <typename T> void count_insertion(T *a, int n, Counts &c) { insertion(a, n, c); }

template <typename T> struct Algorithm {
    const char *name;
    void (*generic)(T *, int);
    void (*c_loop)(T *, int);
    void (*counted)(T *, int, Counts &);
};

const int algorithm_count = 4;
const Algorithm<float> real_algorithms[algorithm_count] = {
    {"simple bubble", generic_simple_bubble_real, c_simple_bubble_real, count_simple_bubble<float>},
    {"bounded bubble", bubble, c_bounded_bubble_real, count_bounded_bubble<float>},
    {"selection", SeqSel, c_selection_real, count_selection<float>},
    {"insertion", funzinsert, c_insertion_real, count_insertion<float>},
};
const Algorithm<int> int_algorithms[algorithm_count] = {
    {"simple bubble", generic_simple_bubble_int, c_simple_bubble_int, count_simple_bubble<int>},
    {"bounded bubble", bubblesort, c_bounded_bubble_int, count_bounded_bubble<int>},
    {"selection", generic_selection_int, c_selection_int, count_selection<int>},
    {"insertion", generic_insertion_int, c_insertion_int, count_insertion<int>},
};

const char *type_name(float) { return "real"; }
const char *type_name(int) { return "integer"; }

// A random value: integers from -1,000,000 to 1,000,000; reals the same
// integers divided by 8, exactly, so that both types get the same order and
// the same comparisons and exchanges.
float from_random(int v, float) { return (float)v / 8.0f; }
int from_random(int v, int) { return v; }

// The input of one kind (an index of input_names) and size, the same at
// every run.
template <typename T> std::vector<T> make_input(int kind, int n) {
    std::vector<T> v((size_t)n);
    std::mt19937 gen(20261208u + (unsigned)n);
    std::uniform_int_distribution<int> values(-1000000, 1000000);
    for (int i = 0; i < n; i++) {
        if (kind == 0)
            v[(size_t)i] = from_random(values(gen), T{});
        else if (kind == 1)
            v[(size_t)i] = (T)i;
        else if (kind == 2)
            v[(size_t)i] = (T)(n - 1 - i);
        else
            v[(size_t)i] = (T)7;
    }
    return v;
}

std::string case_name(const char *algorithm, const char *type, const char *impl, int kind, int n) {
    std::string name = std::string(algorithm) + "/" + type + "/" + impl + "/" + input_names[kind] +
                       "/" + std::to_string(n);
    for (char &c : name)
        if (c == ' ')
            c = '_';
    return name;
}

// What the untimed calls found, by case name without the implementation.
struct Found {
    Counts counts;
    bool sorted_alike; // the generic instance and the C loop give the same array, in order
};
std::map<std::string, Found> found;

template <typename T> bool ascending(const std::vector<T> &v) {
    for (size_t i = 1; i < v.size(); i++)
        if (v[i - 1] > v[i])
            return false;
    return true;
}

// The array every timed call sorts, at the start of a cache line so that
// where the allocator happens to put it does not change the figures.
template <typename T> struct Work { alignas(64) static T a[10000]; };
template <typename T> alignas(64) T Work<T>::a[10000];

template <typename T>
void time_sort(benchmark::State &state, void (*sort)(T *, int), const std::vector<T> *input,
               Counts counts) {
    T *work = Work<T>::a;
    int n = (int)input->size();
    for (auto _ : state) {
        std::copy(input->begin(), input->end(), work);
        sort(work, n);
        benchmark::DoNotOptimize(work);
        benchmark::ClobberMemory();
    }
    state.counters["comparisons"] = (double)counts.comparisons;
    state.counters["exchanges"] = (double)counts.exchanges;
    state.counters["passes"] = (double)counts.passes;
    state.counters["per_element"] = benchmark::Counter(
        (double)n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The inputs live as long as the program: the benchmarks hold their address.
std::vector<std::vector<float>> real_inputs;
std::vector<std::vector<int>> int_inputs;

template <typename T>
void register_type(const Algorithm<T> *algorithms, std::vector<std::vector<T>> &inputs) {
    inputs.reserve((size_t)(size_count * input_count));
    for (int s = 0; s < size_count; s++)
        for (int kind = 0; kind < input_count; kind++)
            inputs.push_back(make_input<T>(kind, sizes[s]));
    const char *type = type_name(T{});
    for (int rep = 0; rep < repetitions; rep++)
        for (int s = 0; s < size_count; s++)
            for (int k = 0; k < algorithm_count; k++)
                for (int kind = 0; kind < input_count; kind++) {
                    const Algorithm<T> &alg = algorithms[k];
                    const std::vector<T> *input = &inputs[(size_t)(s * input_count + kind)];
                    std::string key = case_name(alg.name, type, "", kind, sizes[s]);
                    if (rep == 0) {
                        std::vector<T> counted = *input, plain = *input;
                        Found f;
                        alg.counted(counted.data(), sizes[s], f.counts);
                        alg.c_loop(plain.data(), sizes[s]);
                        f.sorted_alike = counted == plain && ascending(counted);
                        found[key] = f;
                    }
                    Counts counts = found[key].counts;
                    const char *impls[] = {"generic", "c_loop"};
                    void (*sorts[])(T *, int) = {alg.generic, alg.c_loop};
                    for (int i = 0; i < 2; i++)
                        benchmark::RegisterBenchmark(
                            case_name(alg.name, type, impls[i], kind, sizes[s]).c_str(),
                            [=](benchmark::State &st) { time_sort(st, sorts[i], input, counts); })
                            ->Unit(benchmark::kNanosecond)
                            ->MinTime(min_time_s);
                }
}

// Keeps the least processor time per call of every case, in nanoseconds.
class Collector : public benchmark::BenchmarkReporter {
  public:
    std::map<std::string, double> least_ns;
    int done = 0;

    bool ReportContext(const Context &context) override {
        const benchmark::CPUInfo &cpu = context.cpu_info;
        printf("%d CPUs at %.0f MHz%s\n", cpu.num_cpus, cpu.cycles_per_second / 1e6,
               cpu.scaling == benchmark::CPUInfo::ENABLED ? ", frequency scaling on" : "");
        return true;
    }

    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            std::string name = run.run_name.function_name;
            double ns = run.GetAdjustedCPUTime();
            auto at = least_ns.find(name);
            if (at == least_ns.end() || ns < at->second)
                least_ns[name] = ns;
            done++;
        }
        if (isatty(STDERR_FILENO))
            fprintf(stderr, "\r%d runs", done);
    }

    void Finalize() override {
        if (isatty(STDERR_FILENO))
            fprintf(stderr, "\r%*s\r", 20, "");
    }
};

const char *const algorithm_names[algorithm_count] = {"simple bubble", "bounded bubble",
                                                      "selection", "insertion"};
const char *const type_names[] = {"real", "integer"};

void print_counts(const char *title, long long Counts::*field) {
    printf("\n%s\n%-15s %-8s", title, "algorithm", "input");
    for (int s = 0; s < size_count; s++)
        printf(" %11d", sizes[s]);
    printf("\n");
    for (int k = 0; k < algorithm_count; k++)
        for (int kind = 0; kind < input_count; kind++) {
            printf("%-15s %-8s", algorithm_names[k], input_names[kind]);
            for (int s = 0; s < size_count; s++) {
                auto at = found.find(case_name(algorithm_names[k], "real", "", kind, sizes[s]));
                if (at == found.end())
                    printf(" %11s", "-");
                else
                    printf(" %11lld", at->second.counts.*field);
            }
            printf("\n");
        }
}

// The time tables and the ratios of generic to C loop; answers whether the
// generic instances are within 5 % of their C loops taken together.
void print_times(const Collector &c) {
    printf("\nTime per element, ns: generic instance (generic / C loop)\n%-15s %-8s %-8s",
           "algorithm", "type", "input");
    for (int s = 0; s < size_count; s++)
        printf(" %15d", sizes[s]);
    printf("\n");
    double log_sum[size_count + 1] = {};
    int pairs[size_count + 1] = {};
    double low = 1e9, high = 0;
    int within = 0;
    for (int k = 0; k < algorithm_count; k++)
        for (const char *type : type_names)
            for (int kind = 0; kind < input_count; kind++) {
                printf("%-15s %-8s %-8s", algorithm_names[k], type, input_names[kind]);
                for (int s = 0; s < size_count; s++) {
                    auto g = c.least_ns.find(
                        case_name(algorithm_names[k], type, "generic", kind, sizes[s]));
                    auto r = c.least_ns.find(
                        case_name(algorithm_names[k], type, "c_loop", kind, sizes[s]));
                    if (g == c.least_ns.end() || r == c.least_ns.end() || r->second <= 0) {
                        printf(" %15s", "-");
                        continue;
                    }
                    double ratio = g->second / r->second;
                    double ns = g->second / sizes[s];
                    printf(" %8.*f (%4.2f)",
                           ns >= 100  ? 0
                           : ns >= 10 ? 1
                           : ns >= 1  ? 2
                                      : 3,
                           ns, ratio);
                    for (int slot : {s, size_count}) {
                        log_sum[slot] += log(ratio);
                        pairs[slot]++;
                    }
                    low = ratio < low ? ratio : low;
                    high = ratio > high ? ratio : high;
                    within += fabs(ratio - 1) <= 0.05;
                }
                printf("\n");
            }
    if (pairs[size_count] == 0)
        return;
    printf("\nGeneric / C loop, geometric mean:");
    for (int s = 0; s < size_count; s++)
        if (pairs[s] > 0)
            printf("  n=%d %.3f", sizes[s], exp(log_sum[s] / pairs[s]));
    double mean = exp(log_sum[size_count] / pairs[size_count]);
    printf("\n  all %d cases %.3f, from %.2f to %.2f, %d within 5 %%\n", pairs[size_count], mean,
           low, high, within);
    printf("generic within 5 %% of the C loops, all cases together: %s\n",
           fabs(mean - 1) <= 0.05 ? "yes" : "NO");
}

void print_checks() {
    bool quadratic = true, one_pass = true, alike = true;
    int cases = 0;
    for (int s = 0; s < size_count; s++) {
        long long n = sizes[s];
        for (int kind = 0; kind < input_count; kind++) {
            auto simple = found.find(case_name("simple bubble", "real", "", kind, sizes[s]));
            if (simple != found.end())
                quadratic = quadratic && simple->second.counts.comparisons == (n - 1) * (n - 1);
        }
        auto bounded = found.find(case_name("bounded bubble", "real", "", 1, sizes[s]));
        if (bounded != found.end()) {
            const Counts &c = bounded->second.counts;
            one_pass = one_pass && c.passes == 1 && c.comparisons == n - 1 && c.exchanges == 0;
        }
    }
    bool same_counts = true;
    for (const auto &[name, f] : found) {
        alike = alike && f.sorted_alike;
        cases++;
        size_t at = name.find("/real/");
        if (at == std::string::npos)
            continue;
        auto other = found.find(name.substr(0, at) + "/integer/" + name.substr(at + 6));
        if (other != found.end()) {
            const Counts &a = f.counts, &b = other->second.counts;
            same_counts = same_counts && a.comparisons == b.comparisons &&
                          a.exchanges == b.exchanges && a.passes == b.passes;
        }
    }
    printf("\nsimple bubble: (n-1)^2 comparisons at every size and input       %s\n",
           quadratic ? "yes" : "NO");
    printf("bounded bubble, ordered input: one pass, n-1 comparisons, no exchange  %s\n",
           one_pass ? "yes" : "NO");
    printf("reals and integers: the same comparisons, exchanges and passes  %s\n",
           same_counts ? "yes" : "NO");
    printf("generic and C loop sort all %d inputs alike and ascending        %s\n", cases,
           alike ? "yes" : "NO");
}

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    register_type(real_algorithms, real_inputs);
    register_type(int_algorithms, int_inputs);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    print_counts("Comparisons per call (the same for reals and integers)", &Counts::comparisons);
    print_counts("Exchanges per call (for the insertion sort: shifts of one place)",
                 &Counts::exchanges);
    print_times(collector);
    print_checks();
    benchmark::Shutdown();
    return 0;
}
