// ord_merge: the merge sort of reals, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_merge(float *a, int n, float *work) { merge_sort(a, n, work); }
