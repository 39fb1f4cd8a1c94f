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

#include <stdio.h>
#include <unistd.h>

namespace {

inline void at_program_end() {
    check_output_at_exit();
    static bool registered = false; // main may run many times in one process
    if (!registered)
        atexit(discard_typed_input);
    registered = true;
}

// For a program whose last words stand within a row: on a terminal the row
// is ended, so that the shell's prompt starts a row of its own; on a pipe or
// a file the output stays as it is.
// The carriage return does it also where the terminal's modes are not those
// of a shell yet (curses' own, say).
inline void end_row_on_terminal() {
    if (isatty(STDOUT_FILENO))
        fputs("\r\n", stdout);
}

} // namespace
