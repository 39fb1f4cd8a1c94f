// ord_heap: the heap sort of reals, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_heap(float *a, int n) { heap_sort(a, n); }
