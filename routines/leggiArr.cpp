#include "ordina.h"
#include "read_number.hpp"

void leggiArr(float *a, int n) { read_elements(a, n, "inserisci i valori = "); }
