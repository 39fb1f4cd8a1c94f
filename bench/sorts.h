/* The sorts that bench_routines times besides the public members of the
 * family: instances of the generic algorithms that have no public name, and
 * the same algorithms written out as plain C, the reference the generic ones
 * are measured against. Each lives in a unit of its own, as the
 * public members do, so no call is inlined into the benchmark. */
#ifndef BENCH_SORTS_H
#define BENCH_SORTS_H

#ifdef __cplusplus
extern "C" {
#endif

/* Instances of the generic algorithms (instances.cpp). */
void generic_simple_bubble_real(float *a, int n);
void generic_simple_bubble_int(int *a, int n);
void generic_selection_int(int *a, int n);
void generic_insertion_int(int *a, int n);

/* Plain C loops with the same bounds, directions and tests (reference.c). */
void c_simple_bubble_real(float *a, int n);
void c_simple_bubble_int(int *a, int n);
void c_bounded_bubble_real(float *a, int n);
void c_bounded_bubble_int(int *a, int n);
void c_selection_real(float *a, int n);
void c_selection_int(int *a, int n);
void c_insertion_real(float *a, int n);
void c_insertion_int(int *a, int n);

/* The same for the Shell, merge, quick and heap sorts (reference_fast.c). */
void c_shell_real(float *a, int n);
void c_shell_int(int *a, int n);
void c_merge_real(float *a, int n, float *work);
void c_merge_int(int *a, int n, int *work);
void c_quick_real(float *a, int n);
void c_quick_int(int *a, int n);
void c_heap_real(float *a, int n);
void c_heap_int(int *a, int n);

#ifdef __cplusplus
}
#endif

#endif
