#include "ordina.h"
#include "read_number.hpp"

void leggi(int *a, int n) { read_elements(a, n, "%d) "); }
