// read_dim: reads a dimension from 1 to 100 and shows it.
#include "program_end.hpp"
#include "read_number.hpp"

extern "C" int let_contr(int lower) {
    int n;
    do
        printf("  Inserire la dim: ");
    while (!read_int(&n) || n <= lower || n > 100);
    return n;
}

int main(void) {
    at_program_end();
    int n = let_contr(0);
    printf(" la dimesione dell'array scelta \xc3\xa8: %d", n);
    end_row_on_terminal();
    return 0;
}
