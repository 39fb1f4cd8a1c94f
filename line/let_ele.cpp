// read_real: reads up to 100 reals.
#include "program_end.hpp"
#include "read_number.hpp"

extern "C" void let_ele(float *a, int n) { read_elements(a, n, "Inserire A[%d]: "); }

int main(void) {
    at_program_end();
    float a[100];
    int n;
    // As in sort_real: any count up to the array's 100, 0 or less reading nothing.
    do
        printf("inserire la dim:");
    while (!read_int(&n) || n > 100);
    let_ele(a, n);
    return 0;
}
