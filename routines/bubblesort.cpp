#include "algorithms.hpp"
#include "ordina.h"

void bubblesort(int *a, int n) { bounded_bubble(a, n); }
