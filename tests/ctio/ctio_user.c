/* A C program that uses one ctio module, built once per module (USE_<routine>
 * names it) with the C compiler and linked with that module and the ctio
 * library alone. It prints what the routine left, so that tests can check it. */
#include "ctio_modules.h"

#include <stdio.h>

int main(void) {
#if defined(USE_Inizio)
    Inizio();
    printf("[Inizio]\n");
#elif defined(USE_Ins_lett)
    int a[5] = {0, 0, 0, 0, 0};
    int n = 0;
    Ins_lett(a, &n, 5);
    printf("[%d]", n);
    for (int i = 0; i < 5; i++)
        printf("[%d]", a[i]);
    printf("\n");
#endif
    return 0;
}
