// The tables of bench_routines: the comparisons and exchanges per call, the
// time per element of each generic instance against its C loop, the growth of
// both with n against n^2 and n log2 n, and the checks of what the counts
// must be.
#include "routine_cases.hpp"

#include <math.h>
#include <stdio.h>

std::string case_name(const char *algorithm, const char *type, const char *impl, int kind, int n) {
    std::string name = std::string(algorithm) + "/" + type + "/" + impl + "/" + input_names[kind] +
                       "/" + std::to_string(n);
    for (char &c : name)
        if (c == ' ')
            c = '_';
    return name;
}

namespace {

const char *const type_names[] = {"real", "integer"};

// The counts of one algorithm on reals of one input and size, if it ran.
const Counts *counts_of(const char *algorithm, int kind, int n) {
    auto at = found.find(case_name(algorithm, "real", "", kind, n));
    return at == found.end() ? nullptr : &at->second.counts;
}

// The checks of the faster sorts' counts: quick sort quadratic on ordered and
// equal input, merge and heap sorts within their n log2 n bounds on all.
void print_fast_checks() {
    bool quick_worst = true, merge_bound = true, heap_bound = true;
    for (int s = 0; s < size_count; s++) {
        long long n = sizes[s];
        double n_log_n = (double)n * log2((double)n);
        for (int kind : {1, 3})
            if (const Counts *c = counts_of("quick", kind, sizes[s]))
                quick_worst =
                    quick_worst && c->comparisons == n * (n - 1) / 2 && c->passes == n - 1;
        for (int kind = 0; kind < input_count; kind++) {
            if (const Counts *c = counts_of("merge", kind, sizes[s]))
                merge_bound = merge_bound && c->comparisons < c->exchanges &&
                              c->exchanges <= n * (long long)ceil(log2((double)n));
            if (const Counts *c = counts_of("heap", kind, sizes[s]))
                heap_bound = heap_bound && (double)c->comparisons <= 2 * n_log_n;
        }
    }
    printf("quick, ordered and equal input: n(n-1)/2 comparisons, n-1 passes  %s\n",
           quick_worst ? "yes" : "NO");
    printf("merge: comparisons below moves, moves at most n ceil(log2 n)      %s\n",
           merge_bound ? "yes" : "NO");
    printf("heap: at most 2 n log2 n comparisons                             %s\n",
           heap_bound ? "yes" : "NO");
}

} // namespace

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
void print_times(const std::map<std::string, double> &least_ns) {
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
                    auto g = least_ns.find(
                        case_name(algorithm_names[k], type, "generic", kind, sizes[s]));
                    auto r = least_ns.find(
                        case_name(algorithm_names[k], type, "c_loop", kind, sizes[s]));
                    if (g == least_ns.end() || r == least_ns.end() || r->second <= 0) {
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
        for (int kind = 0; kind < input_count; kind++)
            if (const Counts *c = counts_of("simple bubble", kind, sizes[s]))
                quadratic = quadratic && c->comparisons == (n - 1) * (n - 1);
        if (const Counts *c = counts_of("bounded bubble", 1, sizes[s]))
            one_pass = one_pass && c->passes == 1 && c->comparisons == n - 1 && c->exchanges == 0;
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
    print_fast_checks();
    printf("reals and integers: the same comparisons, exchanges and passes  %s\n",
           same_counts ? "yes" : "NO");
    printf("generic and C loop sort all %d inputs alike and ascending        %s\n", cases,
           alike ? "yes" : "NO");
}

// Comparisons and time per call (reals) over n^2 and over n log2 n, at every
// size: the quotient that stays level as n grows names the growth.
void print_growth(const std::map<std::string, double> &least_ns) {
    const char *const measures[] = {"comparisons per call", "time per call, ns"};
    for (int m = 0; m < 2; m++) {
        printf("\nGrowth of the %s (reals): over n^2, over n log2 n\n%-15s %-8s", measures[m],
               "algorithm", "input");
        for (int s = 0; s < size_count; s++)
            printf(" %17d", sizes[s]);
        printf("\n");
        for (int k = 0; k < algorithm_count; k++)
            for (int kind = 0; kind < input_count; kind++) {
                printf("%-15s %-8s", algorithm_names[k], input_names[kind]);
                for (int s = 0; s < size_count; s++) {
                    double n = sizes[s], value = -1;
                    const Counts *c = counts_of(algorithm_names[k], kind, sizes[s]);
                    auto t = least_ns.find(
                        case_name(algorithm_names[k], "real", "generic", kind, sizes[s]));
                    if (m == 0 && c)
                        value = (double)c->comparisons;
                    else if (m == 1 && t != least_ns.end())
                        value = t->second;
                    if (value < 0)
                        printf(" %17s", "-");
                    else
                        printf(" %8.3g %8.3g", value / (n * n), value / (n * log2(n)));
                }
                printf("\n");
            }
    }
}
