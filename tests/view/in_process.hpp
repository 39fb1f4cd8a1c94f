// What the in-process tests of the view share: the logs of every algorithm
// on some values, and a row of a grid read back as text.
#pragma once

#include "draw.hpp"
#include "utf8.hpp"

#include <string>
#include <vector>

// The logs of the algorithms on the values.
inline std::vector<trace::Log> &logs_of(const std::vector<float> &values) {
    static std::vector<trace::Log> logs(trace::algorithm_count);
    for (int k = 0; k < trace::algorithm_count; k++)
        trace::record((trace::Algorithm)k, values.data(), (int)values.size(), &logs[k]);
    return logs;
}

// The row's characters, without the blanks at its end.
inline std::string row_text(const view::Grid &g, int row) {
    std::string s;
    for (int col = 1; col <= g.cols; col++) {
        char bytes[4];
        s.append(bytes, (size_t)utf8_bytes((long)view::get_cell(&g, col, row).ch, bytes));
    }
    return s.substr(0, s.find_last_not_of(' ') + 1);
}
