/* A C user of the installed routines: the readers and the writer, on the
 * input the test gives it, with the prompts they write. */
#include <ordina/ordina.h>

#include <stdio.h>

int main(void) {
    float reals[100];
    int integers[100];
    int n = letdim();
    leggiArr(reals, n);
    funzinsert(reals, n);
    for (int i = 0; i < n; i++)
        printf("[%g]", reals[i]);
    printf("\n");
    letval(reals, 2);
    SeqSel(reals, 2);
    printf("[%g][%g]\n", reals[0], reals[1]);
    leggi(integers, 3);
    bubblesort(integers, 3);
    scrivi(integers, 3);
    return 0;
}
