// ord_merge_int: the merge sort of integers, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_merge_int(int *a, int n, int *work) { merge_sort(a, n, work); }
