#include "algorithms.hpp"
#include "ordina.h"

void funzinsert(float *a, int n) { insertion(a, n); }
