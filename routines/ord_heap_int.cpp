// ord_heap_int: the heap sort of integers, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_heap_int(int *a, int n) { heap_sort(a, n); }
