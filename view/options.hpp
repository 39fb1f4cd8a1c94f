// What sort_view is given on its command line.
#pragma once

#include "numbers.hpp"
#include "record.hpp"

namespace view {

struct Options {
    Source source = typed_numbers;
    int count = 10; // of generated numbers
    unsigned seed = 0;
    int algorithm = 0;                                              // the first one shown, from 0
    bool race = false;                                              // the view starts on the race
    bool racing[trace::algorithm_count] = {true, true, true, true}; // who races, the first four
    float values[trace::capacity];
    int n = 0; // values given
};

// Reads the command line into o. --help and --version print their text and
// end the program with 0; a bad option or value says what is wrong and the
// usage line on standard error, and ends it with 2.
void read_options(int argc, char **argv, Options *o);

} // namespace view
