// curses_demo: the curses credits, then one sort of five reals of its own.
#include "credits_text.hpp"
#include "demo.hpp"
#include "program_end.hpp"
#include "terminal_owner.hpp"

int main() {
    at_program_end();
    float a[100] = {5.5f, 4.25f, 3.0f, 2.75f, 1.125f};
    int n = 5;
    int choice = 0;

    // The owner saves the modes of the terminal drawn on before curses
    // changes them and puts them back at the end and on the signals that end
    // the program. Claimed before curses starts, so that curses leaves those
    // signals to the owner.
    owner::claim();
    show_credits();
    sort_by_choice(choice, a, n);
    end_row_on_terminal();
    return 0;
}
