#include "algorithms.hpp"
#include "ordina.h"

void SeqSel(float *a, int n) { selection(a, n); }
