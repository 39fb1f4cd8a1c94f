// curses_demo: the curses credits, then one sort of five reals of its own.
#include "demo.hpp"
#include "grafical.h"
#include "terminal_owner.hpp"

int main() {
    float a[100] = {5.5f, 4.25f, 3.0f, 2.75f, 1.125f};
    int n = 5;
    int choice = 0;

    // Curses leaves its own modes on the terminal after the credits; the
    // owner saves the shell's modes before curses changes them and puts them
    // back at the end and on SIGINT, SIGTERM and SIGHUP. Claimed before
    // curses starts, so that curses leaves those signals to the owner.
    owner::claim();
    grafical();
    sort_by_choice(choice, a, n);
    return 0;
}
