/* The ctio screen modules: mod_credits_ctio holds Inizio, mod_input_ctio
 * holds Ins_lett. Both draw through the ctio library and read standard input;
 * a program links them with ctio (and with what ctio needs). */
#ifndef CTIO_MODULES_H
#define CTIO_MODULES_H

#ifdef __cplusplus
extern "C" {
#endif

/* Two credit screens, each shown until Enter is pressed. */
void Inizio(void);
/* Asks on a page of its own for the count, until it is 1 to max, stores it in
 * *n and then reads the n integers into a[0] to a[n - 1]. */
void Ins_lett(int *a, int *n, int max);

#ifdef __cplusplus
}
#endif

#endif
