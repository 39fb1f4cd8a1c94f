// Random mixes of what can reach a program's standard input, from a fixed
// seed, for the bad-input campaign: numbers that drive the dialogue on,
// numbers out of range, tokens that are not numbers, control bytes, invalid
// UTF-8, tokens longer than any the programs keep (a few KiB take the same
// path as a megabyte), every kind of separator, and the end of the input
// anywhere.
#pragma once

#include <stdint.h>

#include <string>

namespace hardening {

// A small generator with a fixed sequence (splitmix64): every run of the
// campaign sends the same inputs.
struct Random {
    uint64_t state;
};

// The generator for one program: a fixed seed mixed with its name.
Random seeded(const char *name);
uint64_t next(Random &r);
// A number from 0 to n - 1.
int below(Random &r, int n);

// What one program's inputs are made of.
struct Mix {
    int pieces;           // at most this many tokens and bytes between separators
    int low, high;        // the numbers that take the dialogue on, low to high
    bool huge_tokens;     // now and then a token of huge_token bytes
    bool end_of_file_key; // now and then the end-of-file key at the start of a line (terminals)
    const char *never; // bytes never sent: the keys a terminal turns into signals or flow control
};

// Longer than an answer (4 KiB) and than a token (511 bytes) of the programs.
constexpr int huge_token = 8 << 10;

// An input of 1 to mix.pieces pieces; the last one may be cut short.
std::string bad_input(Random &r, const Mix &mix);

// The first bytes of an input, readable in a test's message.
std::string shown(const std::string &input);

} // namespace hardening
