#include "ordina.h"

#include <stdio.h>

void scrivi(const int *a, int n) {
    for (int i = 0; i < n; i++)
        printf("%d\n", a[i]);
    fflush(stdout);
}
