/* A C program linked from the two installed ctio modules and the installed
 * ctio library: it is only linked, not run, since ctio wants a terminal. */
#include <ordina/ctio_modules.h>

int main(void) {
    int a[20];
    int n = 0;
    Inizio();
    Ins_lett(a, &n, 20);
    return n;
}
