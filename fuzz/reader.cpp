// Fuzz target: the numeric reader on arbitrary bytes, reading integers
// (reader_int) or, built with READ_REALS, reals (reader_real) until the end
// of the input.
//
// Each read is checked against a reading of the same bytes done here
// independently: which token the read met, whether it is a number (an
// integer is a sign and digits that strtoll takes whole within 32 bits; a real
// is what strtof takes whole, ',' read as '.', finite), the value stored, and
// where the read left the input (after the token, or after the line of a
// token that was not a number). Every read takes at least one byte, so the
// reader never spins, and only the end of the input ends it, with status 2.
#include "captured.hpp"
#include "read_number.hpp"

#include <errno.h>
#include <limits.h>
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

namespace {

const uint8_t *input;
size_t input_size;

// Whether the token is a number, and the number it names; whether a value,
// written out as the programs write it, reads back the same.
#ifdef READ_REALS
using Value = float;

bool names_number(std::string token, float *value) {
    for (char &c : token)
        if (c == ',')
            c = '.';
    char *end;
    float v = strtof(token.c_str(), &end);
    if (end != token.c_str() + token.size() || !isfinite(v))
        return false;
    *value = v;
    return true;
}

bool reads_back(float value) {
    char text[64];
    int n = snprintf(text, sizeof text, "%.9g", (double)value);
    float back;
    return parse_real(text, n, &back) && memcmp(&back, &value, sizeof back) == 0;
}
#else
using Value = int;

bool names_number(std::string token, int *value) {
    size_t digits = token[0] == '+' || token[0] == '-' ? 1 : 0;
    if (digits == token.size())
        return false;
    for (size_t i = digits; i < token.size(); i++)
        if (token[i] < '0' || token[i] > '9')
            return false;
    errno = 0;
    long long v = strtoll(token.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    *value = (int)v;
    return true;
}

bool reads_back(int value) {
    char text[32];
    int n = snprintf(text, sizeof text, "%d", value);
    int back;
    return parse_int(text, n, &back) && back == value;
}
#endif

// Standard error is caught during a run: the finding goes to the fuzzer's own.
void check(bool ok, const char *what) {
    if (!ok) {
        dprintf(STDERR_FILENO, "reader: %s\n", what);
        abort();
    }
}

// One read from position `from`: the token it meets, and what it must give.
void check_read(size_t from, size_t after, bool accepted, Value value, Value untouched) {
    size_t start = from;
    while (start < input_size && is_separator(input[start]))
        start++;
    check(start < input_size, "a read ended without the end of the input");
    size_t end = start;
    while (end < input_size && !is_separator(input[end]))
        end++;
    std::string token((const char *)input + start, end - start);
    Value wanted;
    bool number = token.size() < token_capacity && names_number(token, &wanted);
    check(accepted == number, number ? "a number was refused" : "a non-number was accepted");
    if (accepted) {
        check(memcmp(&value, &wanted, sizeof value) == 0, "the value is not the token's");
        check(reads_back(value), "the value does not read back");
        check(after == end, "the read did not stop after its token");
        return;
    }
    check(memcmp(&value, &untouched, sizeof value) == 0, "a refused token changed the value");
    size_t line_end = end;
    while (line_end < input_size && input[line_end] != '\n')
        line_end++;
    check(after == (line_end < input_size ? line_end + 1 : input_size),
          "the line of a refused token was not dropped whole");
}

int read_until_the_end() {
    const Value untouched = (Value)-12345;
    for (size_t reads = 0;; reads++) {
        check(reads <= input_size, "more reads than bytes");
        size_t from = (size_t)ftell(stdin);
        Value value = untouched;
        bool accepted = read_number(&value);
        size_t after = (size_t)ftell(stdin);
        check(after > from, "a read took nothing");
        check_read(from, after, accepted, value, untouched);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    input = data;
    input_size = size;
    Captured c = run_captured(data, size, read_until_the_end);
    check(c.exited && c.status == 2 && c.input_ended, "the reader ended before the input");
    check(c.err == "Fine dell'input.\n", "the end of the input was not told");
    return 0;
}
