// The numbers sort_view works on when they are not typed or given: kinds of
// generated numbers, and new numbers of the same kind (the same ones in
// another order, for typed or given ones). A small linear congruential
// generator of its own, so that a seed gives the same numbers on every
// machine.
#pragma once

namespace view {

// Where the numbers come from, and for generated ones, of what kind.
enum Source {
    typed_numbers,
    given_numbers,
    random_numbers,
    ordered_numbers,
    reverse_numbers,
    nearly_ordered_numbers,
    few_distinct_numbers
};

// count numbers of the kind (a generated source), from seed.
void generate(Source kind, int count, unsigned seed, float *a);

// Advances a seed as generate does, for the next set of the same kind.
unsigned next_seed(unsigned seed);

// The same values in another order; the seed moves on.
void shuffle(float *a, int n, unsigned *seed);

// New numbers of the same kind as a's: shuffled when typed or given, else
// generated from the next seed.
void renew(Source source, float *a, int n, unsigned *seed);

} // namespace view
