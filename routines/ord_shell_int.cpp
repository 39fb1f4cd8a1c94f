// ord_shell_int: the Shell sort of integers, alone in its object module.
#include "algorithms.hpp"
#include "ordina.h"

void ord_shell_int(int *a, int n) { shell_sort(a, n); }
