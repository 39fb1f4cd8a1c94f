// What sort_view is given on its command line, and the numbers it generates.
#pragma once

#include "record.hpp"

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

struct Options {
    Source source = typed_numbers;
    int count = 10; // of generated numbers
    unsigned seed = 0;
    int algorithm = 0; // the first one shown, 0 to 3
    float values[capacity];
    int n = 0; // values given
};

// Reads the command line into o. --help and --version print their text and
// end the program with 0; a bad option or value says what is wrong and the
// usage line on standard error, and ends it with 2.
void read_options(int argc, char **argv, Options *o);

// count numbers of the kind (a generated source), from seed.
void generate(Source kind, int count, unsigned seed, float *a);

// Advances a seed as generate does, for the next set of the same kind.
unsigned next_seed(unsigned seed);
