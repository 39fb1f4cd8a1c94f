#include "ordina.h"
#include "read_number.hpp"

int letdim(void) {
    int n;
    do
        printf("Quanti valori vuoi inserire?    ");
    while (!read_int(&n) || n <= 0 || n > 100);
    return n;
}
