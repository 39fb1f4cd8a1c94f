#include "ordina.h"
#include "read_number.hpp"

void letval(float *a, int n) { read_elements(a, n, "Inserisci valore dell'array:\n"); }
