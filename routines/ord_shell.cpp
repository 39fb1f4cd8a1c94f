// ord_shell: the Shell sort of reals, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_shell(float *a, int n) { shell_sort(a, n); }
