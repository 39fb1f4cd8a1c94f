// Instances of the generic algorithms that no public member holds, built the
// way the public members are: one plain call of the template.
#include "algorithms.hpp"
#include "sorts.h"

void generic_simple_bubble_real(float *a, int n) { simple_bubble(a, n); }
void generic_simple_bubble_int(int *a, int n) { simple_bubble(a, n); }
void generic_selection_int(int *a, int n) { selection(a, n); }
void generic_insertion_int(int *a, int n) { insertion(a, n); }
