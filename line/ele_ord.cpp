// sort_real: reads up to 100 reals, sorts them and prints them one by one.
#include "algorithms.hpp"
#include "pause.hpp"
#include "program_end.hpp"
#include "read_number.hpp"
#include "value_text.hpp"

#include <stdio.h>

extern "C" void eleord(float *a, int n) { simple_bubble(a, n); }

int main(void) {
    at_program_end();
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
        char text[24];
        value_text(a[k], text);
        printf("%s\n", text); // the shortest text that reads back as a[k]
        pause_ms(&pace, element_ms);
    }
    return 0;
}
