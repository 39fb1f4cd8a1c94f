// What every program does as it ends, however it ends through exit (its
// normal end, the end of its input), registered first thing in main:
//
//   at_program_end();
//
// what is still typed on the terminal for it is discarded (typed_input.hpp),
// then its output is checked (output_check.hpp). Exit handlers run in the
// reverse order of their registration: these, registered first, run after
// every other, the terminal's restore among them.
#pragma once

#include "output_check.hpp"
#include "typed_input.hpp"

namespace {

inline void at_program_end() {
    check_output_at_exit();
    static bool registered = false; // main may run many times in one process
    if (!registered)
        atexit(discard_typed_input);
    registered = true;
}

} // namespace
