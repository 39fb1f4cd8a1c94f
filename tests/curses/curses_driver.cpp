// Runs the curses credits and the dispatch of curses_demo on data taken from
// the arguments, for the screen tests:
//
//   curses_driver [-w] choice count value...
//
// The values fill the array from its start; count is what the dispatch gets.
// With -w it waits for a key after the credits, while curses mode is on, so
// that a test can end it with a signal there (the credits are not copied to
// the normal screen then). At the end the values' positions
// go to standard error as "[1.25][3.5]".
#include "credits_text.hpp"
#include "demo.hpp"
#include "terminal_owner.hpp"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv) {
    int arg = 1;
    bool wait_key = arg < argc && strcmp(argv[arg], "-w") == 0;
    if (wait_key)
        arg++;
    if (argc - arg < 2) {
        fprintf(stderr, "usage: curses_driver [-w] choice count value...\n");
        return 64;
    }
    int choice = atoi(argv[arg]);
    int n = atoi(argv[arg + 1]);
    arg += 2;
    float a[100] = {};
    int filled = 0;
    for (; arg < argc && filled < 100; arg++)
        a[filled++] = strtof(argv[arg], nullptr);
    if (n > 100)
        n = 100;

    owner::claim();
    if (wait_key) {
        // Kept in curses mode, on the alternate screen, until the key.
        owner::alternate = 1;
        grafical();
        getchar();
        endwin();
        owner::alternate = 0;
    } else {
        show_credits();
    }
    sort_by_choice(choice, a, n);
    fflush(stdout);
    for (int i = 0; i < filled; i++)
        fprintf(stderr, "[%g]", a[i]);
    fprintf(stderr, "\n");
    return 0;
}
