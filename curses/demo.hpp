// What curses_demo does after the credits: choice 0 sorts with the bounded
// bubble sort, choice 1 with the insertion sort, each saying which first;
// any other choice does nothing. Internal linkage, for the main unit of
// curses_demo and for the test driver that runs the same dispatch.
#pragma once

#include "ordina.h"

#include <stdio.h>

namespace {

inline void sort_by_choice(int choice, float *a, int n) {
    if (choice == 0) {
        printf("utilizzo bubblesort");
        bubble(a, n);
    } else if (choice == 1) {
        printf("utilizzo insertionsort");
        funzinsert(a, n);
    }
}

} // namespace
