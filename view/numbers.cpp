// The generator of sort_view's numbers.
#include "numbers.hpp"

#include "record.hpp"

#include <stdlib.h>

#include <algorithm>

namespace view {

namespace {

// The next number of the generator, 24 bits; state moves on.
unsigned lcg(unsigned *state) {
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

int compare_floats(const void *x, const void *y) {
    float a = *(const float *)x, b = *(const float *)y;
    return (a > b) - (a < b);
}

} // namespace

unsigned next_seed(unsigned seed) {
    lcg(&seed);
    return seed;
}

void generate(Source kind, int count, unsigned seed, float *a) {
    count = std::clamp(count, 0, trace::capacity);
    unsigned s = seed;
    int distinct = 3 + count / 25;
    for (int i = 0; i < count; i++)
        a[i] = kind == few_distinct_numbers
                   ? (float)(10 * (1 + (int)(lcg(&s) % (unsigned)distinct)))
                   : (float)(1 + (int)(lcg(&s) % 99u));
    if (kind == ordered_numbers || kind == nearly_ordered_numbers || kind == reverse_numbers)
        qsort(a, (size_t)count, sizeof a[0], compare_floats);
    if (kind == reverse_numbers)
        std::reverse(a, a + count);
    if (kind == nearly_ordered_numbers && count > 1)
        for (int k = 0; k < 1 + count / 10; k++) {
            int i = (int)(lcg(&s) % (unsigned)(count - 1));
            std::swap(a[i], a[i + 1]);
        }
}

void shuffle(float *a, int n, unsigned *seed) {
    for (int i = n - 1; i > 0; i--)
        std::swap(a[i], a[lcg(seed) % (unsigned)(i + 1)]);
}

void renew(Source source, float *a, int n, unsigned *seed) {
    if (source == typed_numbers || source == given_numbers) {
        shuffle(a, n, seed);
    } else {
        *seed = next_seed(*seed);
        generate(source, n, *seed, a);
    }
}

} // namespace view
