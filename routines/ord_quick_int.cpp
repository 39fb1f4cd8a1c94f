// ord_quick_int: the quick sort of integers, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_quick_int(int *a, int n) { quick_sort(a, n); }
