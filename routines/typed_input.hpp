// What is typed for a program and never read: discarded when the program
// ends, so that nothing typed or pasted for it (the rest of a paste longer
// than its questions, say) reaches the shell and runs there as a command.
//
// Only a terminal's queue is discarded, and only while the program is in the
// terminal's foreground: input from a pipe or a file is left alone, and a
// program that ends in the background leaves alone what is typed for the
// shell. Async-signal-safe (isatty, tcgetpgrp, getpgrp, tcflush and poll
// are), so that the endings by a signal do it too.
//
// Internal linkage and nothing but the C library, so that a program's main
// unit links it with the C compiler alone, as an object module's does.
#pragma once

#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal's queue takes a paste only as fast as it is read, keeping the
// rest aside, and refills from there as soon as it is emptied: it is emptied
// until it stays so for a moment (or, should a paste go on and on, a while).
inline void discard_typed_input() {
    constexpr int settle_ms = 5;
    constexpr int most_rounds = 200;
    if (!isatty(STDIN_FILENO) || tcgetpgrp(STDIN_FILENO) != getpgrp())
        return;
    for (int round = 0; round < most_rounds; round++) {
        tcflush(STDIN_FILENO, TCIFLUSH);
        pollfd in = {STDIN_FILENO, POLLIN, 0};
        if (poll(&in, 1, settle_ms) <= 0)
            return;
    }
}

} // namespace
