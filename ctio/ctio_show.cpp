// ctio_show: the ctio credits, then the ctio reader for up to 20 integers,
// then what it read: the count and the values, one per line.
#include "console.h"
#include "ctio_modules.h"
#include "program_end.hpp"

#include <stdio.h>

int main(void) {
    at_program_end();
    const int capacity = 20;
    int a[capacity];
    int n = 0;
    // The credits' second page reaches column 72 and row 30.
    console_fit(72, 30);
    Inizio();
    Ins_lett(a, &n, capacity);
    printf("\nn = %d\n", n);
    for (int i = 0; i < n; i++)
        printf("%d\n", a[i]);
    return 0;
}
