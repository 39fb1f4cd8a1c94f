// The marks a terminal puts around a paste when asked to ("ESC [ 200 ~"
// before it, "ESC [ 201 ~" after it), followed in the bytes as they arrive,
// so that at its end a program can read a paste that is still arriving to
// its end and drop it. For the terminal's owner (terminal_owner.hpp); only
// async-signal-safe calls.
#pragma once

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace {
namespace paste_marks {

// Whether a paste has begun to arrive and not ended, and how much of a mark
// the last bytes were.
volatile sig_atomic_t open = 0;
volatile sig_atomic_t mark_seen = 0;
volatile sig_atomic_t mark_digit = 0;

inline void follow(const unsigned char *bytes, int count) {
    static const char mark[] = "\x1b[20?~"; // ? is 0 at the start, 1 at the end
    for (int i = 0; i < count; i++) {
        unsigned char c = bytes[i];
        int seen = mark_seen;
        if (seen == 4 && (c == '0' || c == '1')) {
            mark_digit = c;
            mark_seen = 5;
        } else if (seen != 4 && c == (unsigned char)mark[seen]) {
            mark_seen = seen + 1;
            if (seen + 1 == 6) {
                open = mark_digit == '0';
                mark_seen = 0;
            }
        } else {
            mark_seen = c == 0x1b ? 1 : 0;
        }
    }
}

// Reads a paste that is still arriving to its end mark, or until nothing
// more comes for a while (a terminal that lost the mark), dropping it.
inline void drop_open_paste() {
    constexpr int silence_ms = 1000;
    unsigned char bytes[4096];
    while (open) {
        pollfd in = {STDIN_FILENO, POLLIN, 0};
        if (poll(&in, 1, silence_ms) <= 0)
            return;
        ssize_t n = read(STDIN_FILENO, bytes, sizeof bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        follow(bytes, (int)n);
    }
}

} // namespace paste_marks
} // namespace
