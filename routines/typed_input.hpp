// What is typed for a program and never read: discarded when the program
// ends, so that nothing typed or pasted for it (the rest of a paste longer
// than its questions, say) reaches the shell and runs there as a command.
//
// Only a terminal's queue is discarded, and only while the program is in the
// terminal's foreground: input from a pipe or a file is left alone, and a
// program that ends in the background leaves alone what is typed for the
// shell. Async-signal-safe (isatty, tcgetpgrp, getpgrp, ioctl, tcflush and
// poll are), so that the endings by a signal do it too.
//
// Internal linkage and nothing but the C library, so that a program's main
// unit links it with the C compiler alone, as an object module's does.
#pragma once

#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal takes a paste into the queue that a read sees only as fast
// as it is read, keeping the rest aside, and refills the queue from there
// once it is emptied, soon but not at once: the queue is emptied until it
// stays so for a moment, a longer one once something was in it (a paste may
// still be coming through), or until a few megabytes have gone.
inline void discard_typed_input() {
    constexpr int settle_ms = 5, paste_settle_ms = 100, most_rounds = 1000;
    if (!isatty(STDIN_FILENO) || tcgetpgrp(STDIN_FILENO) != getpgrp())
        return;
    bool dropped = false;
    for (int round = 0; round < most_rounds; round++) {
        int waiting = 0;
        ioctl(STDIN_FILENO, FIONREAD, &waiting);
        dropped = dropped || waiting > 0;
        tcflush(STDIN_FILENO, TCIFLUSH);
        pollfd in = {STDIN_FILENO, POLLIN, 0};
        if (poll(&in, 1, dropped ? paste_settle_ms : settle_ms) <= 0)
            return;
    }
}

} // namespace
