// sort_real: reads up to 100 reals, sorts them and prints them one by one.
#include "algorithms.hpp"
#include "output_check.hpp"
#include "pause.hpp"
#include "read_number.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

extern "C" void eleord(float *a, int n) { simple_bubble(a, n); }

namespace {

// Prints v on a line of its own in the shortest text that reads back as the
// very same float (the sign of zero included): of the forms "%.*g" gives with
// 1 to 9 significant digits (nine always suffice), the shortest that strtof
// turns back into v, and of two as short the one with fewer digits. So
// 1234567 and 1234568 stay apart, 0.1 is not 0.100000001, and 1000 is 1000
// rather than 1e+03, which has fewer digits but more characters.
void print_shortest(float v) {
    char best[32] = "";
    int best_length = 0;
    for (int digits = 1; digits <= 9; digits++) {
        char text[32];
        int length = snprintf(text, sizeof text, "%.*g", digits, (double)v);
        float back = strtof(text, nullptr);
        if (memcmp(&back, &v, sizeof v) == 0 && (best_length == 0 || length < best_length)) {
            memcpy(best, text, sizeof text);
            best_length = length;
        }
    }
    printf("%s\n", best);
}

} // namespace

int main(void) {
    check_output_at_exit();
    float a[100];
    int n;
    // The count is not bounded below: 0 or less reads and prints nothing.
    // It is bounded by the array, though: more than 100 is asked again.
    do
        printf("inserire la dim:");
    while (!read_int(&n) || n > 100);
    read_elements(a, n, "Inserire A[%d]: ");
    eleord(a, n);
    Pace pace;
    for (int k = 0; k < n; k++) {
        print_shortest(a[k]);
        pause_ms(&pace, element_ms);
    }
    return 0;
}
