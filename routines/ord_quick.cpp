// ord_quick: the quick sort of reals, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_quick(float *a, int n) { quick_sort(a, n); }
