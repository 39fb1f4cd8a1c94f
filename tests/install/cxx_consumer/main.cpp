// A C++ user of the installed routines: the sorts on standard containers,
// each result of reals printed and checked against std::sort, each of
// integers checked to be in order.
#include <ordina/ordina.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

const std::array<float, 6> reals = {2.5f, -0.5f, 9.0f, 2.5f, -3.0f, 0.0f};

int check(const char *name, void (*sort)(float *, int)) {
    std::vector<float> v(reals.begin(), reals.end());
    sort(v.data(), static_cast<int>(v.size()));
    std::printf("%s:", name);
    for (float x : v)
        std::printf(" %g", static_cast<double>(x));
    std::vector<float> expected(reals.begin(), reals.end());
    std::sort(expected.begin(), expected.end());
    bool same = v == expected;
    std::printf("%s\n", same ? "" : " (wrong)");
    return same ? 0 : 1;
}

} // namespace

int main() {
    int faults = check("bubble", bubble) + check("SeqSel", SeqSel) +
                 check("funzinsert", funzinsert) + check("ord_shell", ord_shell) +
                 check("ord_quick", ord_quick) + check("ord_heap", ord_heap) +
                 check("ord_merge", [](float *a, int n) {
                     std::vector<float> work(static_cast<size_t>(n));
                     ord_merge(a, n, work.data());
                 });
    const std::array<int, 5> unsorted = {5, -2, 5, 0, 1};
    std::array<int, 5> ints = unsorted, work;
    for (auto sort : {ord_shell_int, ord_quick_int, ord_heap_int}) {
        ints = unsorted;
        sort(ints.data(), static_cast<int>(ints.size()));
        faults += std::is_sorted(ints.begin(), ints.end()) ? 0 : 1;
    }
    ints = unsorted;
    ord_merge_int(ints.data(), static_cast<int>(ints.size()), work.data());
    faults += std::is_sorted(ints.begin(), ints.end()) ? 0 : 1;
    ints = unsorted;
    bubblesort(ints.data(), static_cast<int>(ints.size()));
    faults += std::is_sorted(ints.begin(), ints.end()) ? 0 : 1;
    scrivi(ints.data(), static_cast<int>(ints.size()));
    return faults;
}
