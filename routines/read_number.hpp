// The numeric reader: every count, element and choice that the programs read
// from standard input goes through here.
//
// Numbers are separated by blanks, tabs and line ends. A token is accepted
// only when it is a number from start to end: an integer is an optional sign
// and decimal digits within 32 bits; a real is a finite single-precision
// value as C's "%f" writes it, a decimal comma standing for the point. Any
// other token is not read as a number: the rest of its line is discarded and
// the reader answers false, so that the caller asks again. At the end of the
// input the program stops with status 2 (the terminal, if changed, is put
// back by its exit handler).
//
// Everything lives in the C stdin stream and nowhere else, so several units
// that each hold a copy of these functions (internal linkage) share their
// input exactly.
#pragma once

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// No number needs more characters; a longer token is not a number.
constexpr int token_capacity = 512;

// The message starts a line of its own: on a terminal the cursor stands
// after a prompt.
[[noreturn]] inline void end_of_input() {
    if (isatty(STDOUT_FILENO))
        putchar('\n');
    fflush(stdout);
    fputs("Fine dell'input.\n", stderr);
    exit(2);
}

inline bool is_separator(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Shows what was written so far, skips separators and gives the first
// character of the next token; the end of the input ends the program.
inline int token_start() {
    fflush(stdout);
    int c;
    do
        c = getchar();
    while (c != EOF && is_separator(c));
    if (c == EOF)
        end_of_input();
    return c;
}

// Reads the next token into buf (NUL-terminated) and returns its length, or
// -1 when it does not fit. The separator after it stays unread. What was
// written so far is shown before the program waits for the user.
inline int next_token(char *buf) {
    int c = token_start();
    int len = 0;
    bool too_long = false;
    while (c != EOF && !is_separator(c)) {
        if (len < token_capacity - 1)
            buf[len++] = (char)c;
        else
            too_long = true;
        c = getchar();
    }
    if (c != EOF)
        ungetc(c, stdin);
    buf[len] = '\0';
    return too_long ? -1 : len;
}

// Drops what is left of the current line, its line end included.
inline void discard_line() {
    int c;
    do
        c = getchar();
    while (c != EOF && c != '\n');
}

inline bool parse_int(const char *s, int len, int *value) {
    int i = 0;
    bool negative = false;
    if (i < len && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    if (i == len)
        return false;
    long long magnitude = 0;
    for (; i < len; i++) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > 2147483648LL)
            return false;
    }
    if (!negative && magnitude > 2147483647LL)
        return false;
    *value = (int)(negative ? -magnitude : magnitude);
    return true;
}

inline bool parse_real(char *s, int len, float *value) {
    for (int i = 0; i < len; i++)
        if (s[i] == ',')
            s[i] = '.';
    char *end;
    float v = strtof(s, &end);
    if (len == 0 || end != s + len || !isfinite(v))
        return false;
    *value = v;
    return true;
}

// Reads one integer into *value; false (value untouched) for a token that is
// not an integer, whose line is then discarded.
inline bool read_int(int *value) {
    char buf[token_capacity];
    int len = next_token(buf);
    if (len >= 0 && parse_int(buf, len, value))
        return true;
    discard_line();
    return false;
}

// Reads one real into *value; false (value untouched) for a token that is
// not a real, whose line is then discarded.
inline bool read_real(float *value) {
    char buf[token_capacity];
    int len = next_token(buf);
    if (len >= 0 && parse_real(buf, len, value))
        return true;
    discard_line();
    return false;
}

inline bool read_number(int *value) { return read_int(value); }
inline bool read_number(float *value) { return read_real(value); }

// Reads n numbers into a, writing the prompt before every read; the prompt
// may show the 1-based position with "%d". A token that is not a number is
// asked for again with the same prompt.
template <typename T> void read_elements(T *a, int n, const char *prompt) {
    for (int i = 0; i < n; i++) {
        do
            printf(prompt, i + 1);
        while (!read_number(&a[i]));
    }
}

} // namespace
