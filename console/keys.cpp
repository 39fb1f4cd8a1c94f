// Whole keys from standard input: bytes come from what was kept as typed
// ahead, then from the file descriptor itself, one at a time, so that
// whatever is not read stays in the terminal's queue (where a flush of the
// input can drop it). Every wait sleeps in ppoll; SIGWINCH and SIGCONT wake
// it, and are let in only there, so that none comes between the look at
// their counts and the sleep.
#include "keys.h"

#include "console.h"
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

constexpr int wake = -4; // a resize or a continue came first

unsigned char kept[4096]; // typed ahead while the terminal was answering
int kept_count = 0;
int seen_resizes = 0;
int seen_continues = 0;

long long now_ms() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000LL + t.tv_nsec / 1000000;
}

bool news() { return terminal_resizes() != seen_resizes || terminal_continues() != seen_continues; }

// Waits until standard input has a byte (true) or the deadline passes
// (false; -1: none); with wakeable, a resize or a continue ends the wait
// too (news tells).
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
            if (news())
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
        pollfd input = {STDIN_FILENO, POLLIN, 0};
        int n = ppoll(&input, 1, timeout, &old);
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

// Reads the byte that a wait found: 1; 0 when it is gone meanwhile (Ctrl-C
// and Ctrl-Z drop what was typed and not read, and a quiet terminal's read
// does not wait); EOF at the end of the input, or when it cannot be read.
int read_byte(unsigned char *b) {
    for (;;) {
        ssize_t n = read(STDIN_FILENO, b, 1);
        if (n == 1)
            return 1;
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 && isatty(STDIN_FILENO)) {
            pollfd input = {STDIN_FILENO, POLLIN, 0};
            if (poll(&input, 1, 0) >= 0 && (input.revents & (POLLHUP | POLLERR)) == 0)
                return 0; // not hung up
        }
        return EOF;
    }
}

// The next byte: kept ones first. CK_NONE at the deadline, wake for news
// when wakeable, EOF at the end of the input.
int next_byte(long long deadline, bool wakeable) {
    if (kept_count > 0) {
        int b = kept[0];
        memmove(kept, kept + 1, (size_t)--kept_count);
        return b;
    }
    for (;;) {
        if (!wait_input(deadline, wakeable))
            return wakeable && news() ? wake : CK_NONE;
        unsigned char b;
        int got = read_byte(&b);
        if (got != 0)
            return got == 1 ? b : EOF;
    }
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
// first parameter counts (the others tell the modifiers: Ctrl-Up is Up).
int control_sequence() {
    int c = next_in_key();
    if (c == '[') { // the Linux console's F1 to F5: "ESC [ [ A"
        c = next_in_key();
        return c >= 'A' && c <= 'E' ? CK_F1 + (c - 'A') : CK_OTHER;
    }
    int number = 0;
    bool first = true;
    for (int length = 0; c >= 0x20 && c < 0x40 && length < 32; length++) {
        if (c == ';')
            first = false;
        else if (first && c >= '0' && c <= '9' && number < 1000)
            number = number * 10 + (c - '0');
        c = next_in_key();
    }
    if (c < 0x40 || c > 0x7E)
        return CK_OTHER;
    return c == '~' ? tilde_key(number) : letter_key(c);
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
    int b = next_byte(deadline, true);
    if (b == wake) {
        seen_resizes = terminal_resizes();
        seen_continues = terminal_continues();
        return CK_RESIZE;
    }
    if (b == key_esc)
        return escape();
    if (b >= 0xC0 && b < 0xF8)
        return utf8_character(b);
    if (b >= 0x80 && b < 0xC0)
        return CK_OTHER;
    return b;
}

bool key_waiting() {
    if (kept_count > 0)
        return true;
    pollfd input = {STDIN_FILENO, POLLIN, 0};
    return poll(&input, 1, 0) > 0;
}

void keys_drop() { kept_count = 0; }

// The answer is "ESC [ row ; column R"; it comes after whatever was typed
// before it, which is kept.
bool key_position_answer(int *col, int *row) {
    long long deadline = now_ms() + position_wait_ms;
    int start = kept_count;
    for (;;) {
        if (!wait_input(deadline, false))
            return false;
        unsigned char b;
        int got = read_byte(&b);
        if (got == 0)
            continue;
        if (got == EOF || kept_count == (int)sizeof kept)
            return false;
        kept[kept_count++] = b;
        if (b != 'R')
            continue;
        // Back from the R to the nearest Esc of what came after the request.
        int esc = kept_count - 1;
        while (esc > start && kept[esc] != 27)
            esc--;
        int r = 0, c = 0, i = esc + 2;
        if (kept[esc] != 27 || esc + 1 >= kept_count || kept[esc + 1] != '[')
            continue;
        while (i < kept_count && kept[i] >= '0' && kept[i] <= '9')
            r = r * 10 + (kept[i++] - '0');
        if (i >= kept_count || kept[i] != ';')
            continue;
        i++;
        while (i < kept_count && kept[i] >= '0' && kept[i] <= '9')
            c = c * 10 + (kept[i++] - '0');
        if (i != kept_count - 1 || r == 0 || c == 0)
            continue;
        kept_count = esc;
        *col = c;
        *row = r;
        return true;
    }
}
