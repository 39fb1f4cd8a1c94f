// The programs' pauses: timed waits that leave the processor idle, each
// shown after what was printed before it.
#pragma once

#include <errno.h>
#include <stdio.h>
#include <time.h>

namespace {

constexpr long credits_step_ms = 10;  // one cell of the sort_menu credits frame
constexpr long listing_line_ms = 100; // one line of the sort_menu listing
constexpr long element_ms = 1;        // one element of the sort_real listing

inline void pause_ms(long ms) {
    fflush(stdout);
    timespec left = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) == -1 && errno == EINTR) {
    }
}

} // namespace
