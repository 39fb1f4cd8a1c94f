// The text of a real that reads back as the very same float: of the forms
// "%.*g" gives with 1 to 9 significant digits (nine always suffice), the
// shortest that strtof turns back into the value, the one with fewer digits
// of two as short. So 1234567 and 1234568, 1.001 and 1.002 stay apart, 0.1 is
// not 0.100000001, and 1000 is "1000" rather than "1e+03", which has fewer
// digits but more characters.
#pragma once

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Writes the text into text (at least 24 bytes) and gives its length.
inline int value_text(float v, char *text) {
    int best = -1;
    for (int digits = 1; digits <= 9; digits++) {
        char candidate[24];
        int length = snprintf(candidate, sizeof candidate, "%.*g", digits, (double)v);
        float back = strtof(candidate, nullptr);
        if (memcmp(&back, &v, sizeof v) == 0 && (best < 0 || length < best)) {
            best = length;
            memcpy(text, candidate, sizeof candidate);
        }
    }
    if (best < 0) // not finite: the numeric reader never gives one
        best = snprintf(text, 24, "%g", (double)v);
    return best;
}

} // namespace
