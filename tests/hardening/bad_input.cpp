#include "bad_input.hpp"

#include <stdio.h>
#include <string.h>

namespace hardening {

namespace {

const char *const integers[] = {"2147483647",  "-2147483648", "2147483648", "-2147483649",
                                "99999999999", "0",           "-0",         "+7",
                                "007",         "-1"};
const char *const reals[] = {"3,5",          "-0.5",  "1e3",  "1e-45", "3.4028235e38",
                             "3.4028236e38", "0x1p3", "1e99", ".5",    "5.",
                             "-.0",          "1,5e2", "2.25"};
const char *const non_numbers[] = {
    "abc",
    "12abc",
    "nan",
    "inf",
    "-inf",
    "infinity",
    "+",
    "-",
    ",",
    ".",
    "e5",
    "1e",
    "0x",
    "1,5,5",
    "--1",
    "1-",
    "s",
    "S",
    "N",
    "%d",
    "%s",
    "%n",
    "\xef\xbc\x91\xef\xbc\x92", // two full-width digits
    "\xc2\xbd",                 // one half
};
const char *const invalid_utf8[] = {"\xff",         "\xc3",     "\xe2\x82", "\xc0\xaf",
                                    "\xed\xa0\x80", "\x80\x80", "\xfe\xfe", "\xf8\x88\x80\x80\x80"};
const char *const separators[] = {" ", "\t", "\n", "\n", "\n", "\r\n", "\v", "\f", "  \n\n", ""};

template <typename T, int N> const T &pick(Random &r, const T (&table)[N]) {
    return table[below(r, N)];
}

bool never_sent(const Mix &mix, char byte) {
    return byte != '\0' && strchr(mix.never, byte) != nullptr;
}

// One to three bytes from 0 to 31 or 127.
void add_control_bytes(Random &r, const Mix &mix, std::string &s) {
    for (int n = 1 + below(r, 3); n > 0; n--) {
        int c = below(r, 33);
        char byte = (char)(c == 32 ? 127 : c);
        if (!never_sent(mix, byte))
            s += byte;
    }
}

void add_piece(Random &r, const Mix &mix, std::string &s, bool &huge_done) {
    int kind = below(r, 100);
    if (kind < 35) {
        s += std::to_string(mix.low + below(r, mix.high - mix.low + 1));
    } else if (kind < 45) {
        s += pick(r, integers);
    } else if (kind < 55) {
        s += pick(r, reals);
    } else if (kind < 67) {
        s += pick(r, non_numbers);
    } else if (kind < 77) {
        add_control_bytes(r, mix, s);
    } else if (kind < 87) {
        s += pick(r, invalid_utf8);
    } else if (kind < 89 && mix.huge_tokens && !huge_done) {
        const char fill[] = "7x-,";
        s += std::string(huge_token, fill[below(r, 4)]);
        huge_done = true;
    } else if (kind < 90 && mix.end_of_file_key) {
        s += "\n\x04";
    } else {
        s += pick(r, separators);
    }
}

} // namespace

Random seeded(const char *name) {
    uint64_t h = 1469598103934665603ULL; // FNV-1a
    for (const char *c = name; *c != '\0'; c++)
        h = (h ^ (unsigned char)*c) * 1099511628211ULL;
    return Random{h};
}

uint64_t next(Random &r) {
    uint64_t z = (r.state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int below(Random &r, int n) { return (int)(next(r) % (uint64_t)n); }

std::string bad_input(Random &r, const Mix &mix) {
    std::string s;
    bool huge_done = false;
    for (int n = 1 + below(r, mix.pieces); n > 0; n--) {
        add_piece(r, mix, s, huge_done);
        s += pick(r, separators);
    }
    if (below(r, 3) == 0)
        s.resize((size_t)below(r, (int)s.size() + 1));
    return s;
}

std::string shown(const std::string &input) {
    std::string s;
    for (size_t i = 0; i < input.size() && s.size() < 120; i++) {
        unsigned char c = (unsigned char)input[i];
        if (c >= 32 && c < 127 && c != '\\') {
            s += (char)c;
        } else {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02x", c);
            s += hex;
        }
    }
    if (input.size() > 120)
        s += "... (" + std::to_string(input.size()) + " bytes)";
    return s;
}

} // namespace hardening
