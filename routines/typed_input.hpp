// What is typed for a program and never read: discarded when the program
// ends, so that nothing typed or pasted for it (the rest of a paste longer
// than its questions, say) reaches the shell and runs there as a command.
//
// Only a terminal's queue is discarded, and only while the program is in the
// terminal's foreground: input from a pipe or a file is left alone, and a
// program that ends in the background leaves alone what is typed for the
// shell. Async-signal-safe (isatty, tcgetpgrp, getpgrp and tcflush are), so
// that the endings by a signal do it too.
//
// Internal linkage and nothing but the C library, so that a program's main
// unit links it with the C compiler alone, as an object module's does.
#pragma once

#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

inline void discard_typed_input() {
    if (isatty(STDIN_FILENO) && tcgetpgrp(STDIN_FILENO) == getpgrp())
        tcflush(STDIN_FILENO, TCIFLUSH);
}

} // namespace
