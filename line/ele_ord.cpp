// sort_real: reads up to 100 reals, sorts them and prints them one by one.
#include "algorithms.hpp"
#include "output_check.hpp"
#include "pause.hpp"
#include "read_number.hpp"

extern "C" void eleord(float *a, int n) { simple_bubble(a, n); }

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
    for (int k = 0; k < n; k++) {
        printf("%g\n", (double)a[k]);
        pause_ms(element_ms);
    }
    return 0;
}
