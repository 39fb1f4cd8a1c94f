// Whole keys from standard input. The terminal is read in blocks: one read
// takes all that waits (up to the buffer below), and keys are decoded from
// the buffer, so that a paste is taken at the terminal's speed; what the
// buffer holds is the program's, as typed ahead, and a flush of the input
// drops it with the terminal's queue. Every wait sleeps in ppoll; SIGWINCH and
// SIGCONT wake it, and are let in only there, so that none comes between the
// look at their counts and the sleep. The marks of a paste are no keys.
#include "keys.h"

#include "console.h"
#include "state.h"
#include "terminal.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

namespace {

// How long the bytes of one key may be apart: an escape sequence arrives at
// once, Esc typed alone is followed by nothing.
constexpr int key_gap_ms = 50;
// How long the terminal may take to tell the cursor's position.
constexpr int position_wait_ms = 1000;

constexpr int woken = -4;     // a resize or a continue came first
constexpr int not_a_key = -5; // the marks of a paste, a late answer

Input &in = con.input;

long long now_ms() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000LL + t.tv_nsec / 1000000;
}

bool resized_or_continued() {
    return terminal_resizes() != in.told_resizes || terminal_continues() != in.told_continues;
}

// Waits until standard input has a byte (true) or the deadline passes
// (false; -1: none); with wakeable, a resize or a continue ends the wait
// too (resized_or_continued tells).
bool wait_input(long long deadline, bool wakeable) {
    sigset_t both, old;
    sigemptyset(&both);
    sigaddset(&both, SIGWINCH);
    sigaddset(&both, SIGCONT);
    sigprocmask(SIG_BLOCK, &both, &old);
    bool ready = false;
    for (;;) {
        if (wakeable) {
            // Here, not only once per key: a stop may have ended the last
            // sleep, and the shell continued the program in the background.
            terminal_before_input();
            if (resized_or_continued())
                break;
        }
        timespec left, *timeout = nullptr;
        if (deadline >= 0) {
            long long ms = deadline - now_ms();
            if (ms < 0)
                ms = 0;
            left = {(time_t)(ms / 1000), (long)(ms % 1000) * 1000000L};
            timeout = &left;
        }
        pollfd fd = {STDIN_FILENO, POLLIN, 0};
        int n = ppoll(&fd, 1, timeout, &old);
        if (n > 0) {
            ready = true;
            break;
        }
        if (n == 0 || errno != EINTR)
            break;
    }
    sigprocmask(SIG_SETMASK, &old, nullptr);
    return ready;
}

// Reads what a wait found into the rest of the buffer (the bytes not taken
// moved to its start first): the count read; 0 when it is gone meanwhile
// (Ctrl-C and Ctrl-Z drop what was typed and not read, and a quiet
// terminal's read does not wait) or the buffer is full; EOF at the end of
// the input, or when it cannot be read.
int read_block() {
    if (in.taken > 0) {
        memmove(in.bytes, in.bytes + in.taken, (size_t)(in.filled - in.taken));
        in.filled -= in.taken;
        in.taken = 0;
    }
    if (in.filled == (int)sizeof in.bytes)
        return 0;
    for (;;) {
        ssize_t n = read(STDIN_FILENO, in.bytes + in.filled, sizeof in.bytes - (size_t)in.filled);
        if (n > 0) {
            terminal_arrived(in.bytes + in.filled, (int)n);
            in.filled += (int)n;
            return (int)n;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 && isatty(STDIN_FILENO)) {
            pollfd fd = {STDIN_FILENO, POLLIN, 0};
            if (poll(&fd, 1, 0) >= 0 && (fd.revents & (POLLHUP | POLLERR)) == 0)
                return 0; // not hung up
        }
        return EOF;
    }
}

// The next byte: CK_NONE at the deadline, woken for a resize or a continue
// when wakeable, EOF at the end of the input.
int next_byte(long long deadline, bool wakeable) {
    while (in.taken == in.filled) {
        if (!wait_input(deadline, wakeable))
            return wakeable && resized_or_continued() ? woken : CK_NONE;
        if (read_block() == EOF)
            return EOF;
    }
    return in.bytes[in.taken++];
}

int next_in_key() { return next_byte(now_ms() + key_gap_ms, false); }

// The key of a sequence's last byte: "ESC [ A", "ESC O A" and the like.
int letter_key(int c) {
    switch (c) {
    case 'A':
        return CK_UP;
    case 'B':
        return CK_DOWN;
    case 'C':
        return CK_RIGHT;
    case 'D':
        return CK_LEFT;
    case 'H':
        return CK_HOME;
    case 'F':
        return CK_END;
    case 'P':
    case 'Q':
    case 'R':
    case 'S':
        return CK_F1 + (c - 'P');
    default:
        return CK_OTHER;
    }
}

// The key of "ESC [ number ~".
int tilde_key(int number) {
    switch (number) {
    case 1:
    case 7:
        return CK_HOME;
    case 2:
        return CK_INSERT;
    case 3:
        return CK_DELETE;
    case 4:
    case 8:
        return CK_END;
    case 5:
        return CK_PGUP;
    case 6:
        return CK_PGDN;
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
        return CK_F1 + (number - 11);
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
        return CK_F1 + 5 + (number - 17);
    case 23:
        return CK_F11;
    case 24:
        return CK_F12;
    default:
        return CK_OTHER;
    }
}

// After "ESC [": parameters and intermediates up to the final byte. Only the
// first parameter names a key (the others tell the modifiers: Ctrl-Up is
// Up); the marks of a paste, and an answer to a position request that came
// too late, are no keys.
int control_sequence() {
    int c = next_in_key();
    if (c == '[') { // the Linux console's F1 to F5: "ESC [ [ A"
        c = next_in_key();
        return c >= 'A' && c <= 'E' ? CK_F1 + (c - 'A') : CK_OTHER;
    }
    int number[2] = {0, 0};
    int parameter = 0;
    for (int length = 0; c >= 0x20 && c < 0x40 && length < 32; length++) {
        if (c == ';')
            parameter++;
        else if (parameter < 2 && c >= '0' && c <= '9' && number[parameter] < 1000)
            number[parameter] = number[parameter] * 10 + (c - '0');
        c = next_in_key();
    }
    if (c < 0x40 || c > 0x7E)
        return CK_OTHER;
    if (c == '~' && (number[0] == 200 || number[0] == 201))
        return not_a_key;
    if (c == 'R' && parameter == 1 && in.late_answers > 0) {
        in.late_answers--;
        return not_a_key;
    }
    return c == '~' ? tilde_key(number[0]) : letter_key(c);
}

// After a UTF-8 lead byte: its continuation bytes, then the code point.
int utf8_character(int lead) {
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    int code = lead & (0x3F >> more);
    for (int i = 0; i < more; i++) {
        int c = next_in_key();
        if (c < 0x80 || c > 0xBF)
            return CK_OTHER;
        code = code << 6 | (c & 0x3F);
    }
    return code;
}

// After Esc: a sequence, Alt and a character, or Esc alone.
int escape() {
    int c = next_in_key();
    if (c < 0)
        return key_esc;
    if (c == '[')
        return control_sequence();
    if (c == 'O') {
        c = next_in_key();
        return c < 0 ? CK_ALT('O') : letter_key(c);
    }
    if (c < 0x80)
        return CK_ALT(c);
    if (c >= 0xC0 && c < 0xF8)
        utf8_character(c);
    return CK_OTHER;
}

} // namespace

int key_read(int timeout_ms) {
    long long deadline = timeout_ms < 0 ? -1 : now_ms() + timeout_ms;
    for (;;) {
        int b = next_byte(deadline, true);
        if (b == woken) {
            in.told_resizes = terminal_resizes();
            in.told_continues = terminal_continues();
            return CK_RESIZE;
        }
        int key = b == key_esc            ? escape()
                  : b >= 0xC0 && b < 0xF8 ? utf8_character(b)
                  : b >= 0x80 && b < 0xC0 ? CK_OTHER
                                          : b;
        if (key != not_a_key)
            return key;
    }
}

bool key_waiting() {
    if (in.taken < in.filled)
        return true;
    pollfd fd = {STDIN_FILENO, POLLIN, 0};
    return poll(&fd, 1, 0) > 0;
}

void keys_drop() { in.taken = in.filled = 0; }

namespace {

// Finds "ESC [ row ; column R" whole in in.bytes[from] to in.bytes[to - 1]: its
// first byte, or -1; *end is the byte after it.
int position_answer_at(int from, int to, int *col, int *row, int *end) {
    for (int esc = from; esc + 5 <= to; esc++) {
        if (in.bytes[esc] != key_esc || in.bytes[esc + 1] != '[')
            continue;
        int i = esc + 2, r = 0, c = 0;
        while (i < to && in.bytes[i] >= '0' && in.bytes[i] <= '9' && r < 100000)
            r = r * 10 + (in.bytes[i++] - '0');
        if (i >= to || in.bytes[i] != ';')
            continue;
        i++;
        while (i < to && in.bytes[i] >= '0' && in.bytes[i] <= '9' && c < 100000)
            c = c * 10 + (in.bytes[i++] - '0');
        if (i < to && in.bytes[i] == 'R' && r > 0 && c > 0) {
            *col = c;
            *row = r;
            *end = i + 1;
            return esc;
        }
    }
    return -1;
}

} // namespace

// The answer comes after whatever was typed before it, which stays in the
// buffer, in order, with what is typed after it.
int key_position_answer(int *col, int *row) {
    long long deadline = now_ms() + position_wait_ms;
    int before = in.filled - in.taken; // bytes typed before the request
    for (;;) {
        int end;
        int at = position_answer_at(in.taken + before, in.filled, col, row, &end);
        if (at >= 0) {
            memmove(in.bytes + at, in.bytes + end, (size_t)(in.filled - end));
            in.filled -= end - at;
            return 1;
        }
        bool got = wait_input(deadline, false) && read_block() != EOF;
        if (!got || in.filled == (int)sizeof in.bytes) {
            in.late_answers++; // dropped when it comes
            return got ? -1 : 0;
        }
    }
}
