// The programs' pauses: timed waits that leave the processor idle, each
// shown after what was printed before it.
//
// A run of pauses (the steps of an animation, the lines of a listing) keeps
// its pace from its start: each pause sleeps until its own deadline, one
// length after the one before, so the time spent drawing between two pauses
// does not add up into lateness. A run that falls far behind (the program
// was stopped, say) starts its count again from where it is.
#pragma once

#include <errno.h>
#include <stdio.h>
#include <time.h>

namespace {

constexpr long credits_step_ms = 10;  // one cell of the sort_menu credits frame
constexpr long listing_line_ms = 100; // one line of the sort_menu listing
constexpr long element_ms = 1;        // one element of the sort_real listing

// Behind by more than this, a run starts its count again.
constexpr long long pace_slack_ns = 100 * 1000000LL;

// The deadline of a run's next pause; a run starts with {} and its first
// pause starts the count.
struct Pace {
    timespec due = {0, 0};
    bool started = false;
};

inline long long nanoseconds(const timespec &t) { return t.tv_sec * 1000000000LL + t.tv_nsec; }

inline void pause_ms(Pace *pace, long ms) {
    fflush(stdout);
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (!pace->started || nanoseconds(now) - nanoseconds(pace->due) > pace_slack_ns) {
        pace->due = now;
        pace->started = true;
    }
    long long due = nanoseconds(pace->due) + ms * 1000000LL;
    pace->due = {(time_t)(due / 1000000000LL), (long)(due % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &pace->due, nullptr) == EINTR) {
    }
}

} // namespace
