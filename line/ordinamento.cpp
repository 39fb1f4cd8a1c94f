// sort_int: reads up to 100 integers, sorts them and prints them.
#include "ordina.h"
#include "program_end.hpp"
#include "read_number.hpp"

int main(void) {
    at_program_end();
    int a[100];
    int n;
    do
        printf("Inserisci la dimensione dell'array: ");
    while (!read_int(&n) || n <= 0 || n > 100);
    leggi(a, n);
    bubblesort(a, n);
    scrivi(a, n);
    return 1;
}
