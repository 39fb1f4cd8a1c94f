// What the tests of the sorting algorithms share: a watcher that counts the
// steps, and an element whose equal keys can be told apart.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Counts {
    int comparisons = 0;
    int exchanges = 0; // exchanges, shifts and moves
    int passes = 0;
    bool operator==(const Counts &) const = default;
};

inline std::ostream &operator<<(std::ostream &os, const Counts &c) {
    return os << c.comparisons << " comparisons, " << c.exchanges << " exchanges, " << c.passes
              << " passes";
}

struct Counter {
    Counts &c;
    void compared(int, int) { c.comparisons++; }
    void exchanged(int, int) { c.exchanges++; }
    void moved(int, int) { c.exchanges++; }
    void part(int, int) {}
    void pass_done() { c.passes++; }
};

// An element that compares by its key only, so that equal keys can be told
// apart by their tag.
struct Tagged {
    int key;
    char tag;
    bool operator>(const Tagged &o) const { return key > o.key; }
    bool operator<(const Tagged &o) const { return key < o.key; }
    bool operator<=(const Tagged &o) const { return key <= o.key; }
    bool operator==(const Tagged &o) const { return key == o.key && tag == o.tag; }
};

inline std::string tags(const std::vector<Tagged> &v) {
    std::string s;
    for (const Tagged &t : v)
        s += t.tag;
    return s;
}

} // namespace
