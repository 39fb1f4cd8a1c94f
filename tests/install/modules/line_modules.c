/* A C program linked from the seven installed line-mode modules alone (no
 * library): each routine once, on the input the test gives it. */
#include <ordina/ordina.h>

#include <stdio.h>

static void print_reals(const float *a, int n) {
    for (int i = 0; i < n; i++)
        printf("[%g]", a[i]);
    printf("\n");
}

int main(void) {
    float a[100];
    int ints[3] = {4, -4, 0};
    int n = letdim();
    leggiArr(a, n);
    bubble(a, n);
    print_reals(a, n);
    letval(a, 3);
    SeqSel(a, 3);
    print_reals(a, 3);
    a[0] = 1.5f;
    a[1] = -1.5f;
    funzinsert(a, 2);
    print_reals(a, 2);
    scrivi(ints, 3);
    return 0;
}
