// bench_routines: the eight sorting algorithms on reals and integers, for 10
// to 10,000 elements in random, ordered, reverse and all-equal order, timed
// under Google Benchmark next to the same algorithms written as plain C;
// then tables of the comparisons and exchanges per call, of the time per
// element, and of both against n^2 and n log2 n (routine_tables.cpp).
//
//   bench_routines [--benchmark_out=FILE ...]
//
// The timed call is the plain instance (the public member where there is
// one: bubble, bubblesort, SeqSel, funzinsert, and ord_shell ... ord_heap_int
// for the faster four); the comparisons, exchanges and passes come from a
// separate, untimed call of the same algorithm with a counting watcher, and
// are reported as counters. Every timed call first copies its input into the
// array it sorts, the generic and the C loop alike; random input is a new
// array at every call (see make_input). Each case is timed five times, the
// generic instance and its C loop in turn, and the tables take the least
// processor time of the five.
// Google Benchmark's own flags work (--benchmark_filter, --benchmark_out).
#include "algorithms.hpp"
#include "ordina.h"
#include "routine_cases.hpp"
#include "sorts.h"

#include <benchmark/benchmark.h>

#include <stdio.h>
#include <unistd.h>

#include <random>
#include <vector>

namespace {

const int repetitions = 5;
// Long enough for a steady figure where a call takes microseconds; a
// quadratic call on 10,000 elements takes longer than this and runs once.
const double min_time_s = 0.02;

template <typename T> void count_simple_bubble(T *a, int n, Counts &c) { simple_bubble(a, n, c); }
template <typename T> void count_bounded_bubble(T *a, int n, Counts &c) { bounded_bubble(a, n, c); }
template <typename T> void count_selection(T *a, int n, Counts &c) { selection(a, n, c); }
template <typename T> void count_insertion(T *a, int n, Counts &c) { insertion(a, n, c); }
template <typename T> void count_shell(T *a, int n, Counts &c) { shell_sort(a, n, c); }
template <typename T> void count_merge(T *a, int n, Counts &c) {
    std::vector<T> work((size_t)n);
    merge_sort(a, n, work.data(), c);
}
template <typename T> void count_quick(T *a, int n, Counts &c) { quick_sort(a, n, c); }
template <typename T> void count_heap(T *a, int n, Counts &c) { heap_sort(a, n, c); }

// A merge sort in the shape of the others, with a work area of its own; the
// generic instance and the C loop are called alike.
template <typename T, void (*sort)(T *, int, T *)> void with_work(T *a, int n) {
    alignas(64) static T work[10000];
    sort(a, n, work);
}

template <typename T> struct Algorithm {
    const char *name;
    void (*generic)(T *, int);
    void (*c_loop)(T *, int);
    void (*counted)(T *, int, Counts &);
};

const Algorithm<float> real_algorithms[algorithm_count] = {
    {"simple bubble", generic_simple_bubble_real, c_simple_bubble_real, count_simple_bubble<float>},
    {"bounded bubble", bubble, c_bounded_bubble_real, count_bounded_bubble<float>},
    {"selection", SeqSel, c_selection_real, count_selection<float>},
    {"insertion", funzinsert, c_insertion_real, count_insertion<float>},
    {"shell", ord_shell, c_shell_real, count_shell<float>},
    {"merge", with_work<float, ord_merge>, with_work<float, c_merge_real>, count_merge<float>},
    {"quick", ord_quick, c_quick_real, count_quick<float>},
    {"heap", ord_heap, c_heap_real, count_heap<float>},
};
const Algorithm<int> int_algorithms[algorithm_count] = {
    {"simple bubble", generic_simple_bubble_int, c_simple_bubble_int, count_simple_bubble<int>},
    {"bounded bubble", bubblesort, c_bounded_bubble_int, count_bounded_bubble<int>},
    {"selection", generic_selection_int, c_selection_int, count_selection<int>},
    {"insertion", generic_insertion_int, c_insertion_int, count_insertion<int>},
    {"shell", ord_shell_int, c_shell_int, count_shell<int>},
    {"merge", with_work<int, ord_merge_int>, with_work<int, c_merge_int>, count_merge<int>},
    {"quick", ord_quick_int, c_quick_int, count_quick<int>},
    {"heap", ord_heap_int, c_heap_int, count_heap<int>},
};

const char *type_name(float) { return "real"; }
const char *type_name(int) { return "integer"; }

// A random value: integers from -1,000,000 to 1,000,000; reals the same
// integers divided by 8, exactly, so that both types get the same order and
// the same comparisons and exchanges.
float from_random(int v, float) { return (float)v / 8.0f; }
int from_random(int v, int) { return v; }

// The arrays of one case, back to back, the timed calls taking them in turn:
// in random order as many different ones as make pool_elements (one at
// 10,000), otherwise one. Were one random array sorted again and again, the
// processor's branch predictor would learn the outcome of its comparisons,
// up to a few thousand elements: the n log2 n sorts then ran five to ten
// times faster per comparison at 1,000 elements than at 10,000. The pool
// fits the second-level cache, as the work array fits the first.
const int pool_elements = 65536;
template <typename T> struct Input {
    int n;
    std::vector<T> values;
    const T *first() const { return values.data(); } // the one counted
};

// The input of one kind (an index of input_names) and size, the same at
// every run.
template <typename T> Input<T> make_input(int kind, int n) {
    int copies = kind == 0 && n < pool_elements ? pool_elements / n : 1;
    Input<T> in{n, std::vector<T>((size_t)n * (size_t)copies)};
    std::mt19937 gen(20261208u + (unsigned)n);
    std::uniform_int_distribution<int> values(-1000000, 1000000);
    for (size_t at = 0; at < in.values.size(); at++) {
        int i = (int)(at % (size_t)n);
        if (kind == 0)
            in.values[at] = from_random(values(gen), T{});
        else if (kind == 1)
            in.values[at] = (T)i;
        else if (kind == 2)
            in.values[at] = (T)(n - 1 - i);
        else
            in.values[at] = (T)7;
    }
    return in;
}

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
void time_sort(benchmark::State &state, void (*sort)(T *, int), const Input<T> *input,
               Counts counts) {
    T *work = Work<T>::a;
    int n = input->n;
    const T *next = input->first(), *end = next + input->values.size();
    for (auto _ : state) {
        std::copy(next, next + n, work);
        sort(work, n);
        benchmark::DoNotOptimize(work);
        benchmark::ClobberMemory();
        next = next + n == end ? input->first() : next + n;
    }
    state.counters["comparisons"] = (double)counts.comparisons;
    state.counters["exchanges"] = (double)counts.exchanges;
    state.counters["passes"] = (double)counts.passes;
    state.counters["per_element"] = benchmark::Counter(
        (double)n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The inputs live as long as the program: the benchmarks hold their address.
std::vector<Input<float>> real_inputs;
std::vector<Input<int>> int_inputs;

template <typename T>
void register_type(const Algorithm<T> *algorithms, std::vector<Input<T>> &inputs) {
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
                    const Input<T> *input = &inputs[(size_t)(s * input_count + kind)];
                    std::string key = case_name(alg.name, type, "", kind, sizes[s]);
                    if (rep == 0) {
                        std::vector<T> counted(input->first(), input->first() + sizes[s]);
                        std::vector<T> plain = counted;
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
    print_counts("Exchanges per call (for the insertion and Shell sorts: shifts; for the merge "
                 "sort: moves)",
                 &Counts::exchanges);
    print_times(collector.least_ns);
    print_growth(collector.least_ns);
    print_checks();
    benchmark::Shutdown();
    return 0;
}
