#include "algorithms.hpp"
#include "ordina.h"

void bubble(float *a, int n) { bounded_bubble(a, n); }
