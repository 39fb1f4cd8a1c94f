/* The array routines: sorting, reading and printing arrays of numbers.
 *
 * Every routine takes the address of the first element and the count n
 * (the merge sorts also a work area of n elements, which they overwrite).
 * Sorts order positions 0 to n-1 ascending in place; readers prompt on
 * standard output and read from standard input; a count of 0 or less does
 * nothing. Plain C names, usable from C and C++ alike. */
#ifndef ORDINA_H
#define ORDINA_H

#ifdef __cplusplus
extern "C" {
#endif

/* Bounded bubble sort of integers. */
void bubblesort(int *a, int n);
/* Bounded bubble sort of reals. */
void bubble(float *a, int n);
/* Selection sort of reals. */
void SeqSel(float *a, int n);
/* Insertion sort of reals. */
void funzinsert(float *a, int n);

/* Shell sort of reals, with the gaps 1, 4, 13, 40, ... */
void ord_shell(float *a, int n);
/* Shell sort of integers. */
void ord_shell_int(int *a, int n);
/* Merge sort of reals, stable, through the caller's work area of n elements. */
void ord_merge(float *a, int n, float *work);
/* Merge sort of integers, stable, through the caller's work area of n elements. */
void ord_merge_int(int *a, int n, int *work);
/* Quick sort of reals, last element as pivot: n calls deep on ordered input. */
void ord_quick(float *a, int n);
/* Quick sort of integers, last element as pivot: n calls deep on ordered input. */
void ord_quick_int(int *a, int n);
/* Heap sort of reals. */
void ord_heap(float *a, int n);
/* Heap sort of integers. */
void ord_heap_int(int *a, int n);

/* Reads n integers, prompting "1) ", "2) ", ... */
void leggi(int *a, int n);
/* Reads n reals, prompting "inserisci i valori = " for each. */
void leggiArr(float *a, int n);
/* Reads n reals, prompting "Inserisci valore dell'array:" on a line of its own for each. */
void letval(float *a, int n);
/* Asks "Quanti valori vuoi inserire?    " until the answer is 1 to 100, and returns it. */
int letdim(void);
/* Prints n integers, one per line. */
void scrivi(const int *a, int n);

#ifdef __cplusplus
}
#endif

#endif
