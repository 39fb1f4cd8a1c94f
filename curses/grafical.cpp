#include "grafical.h"

#include <curses.h>

void grafical(void) {
    initscr();
    mvprintw(15, 15, "Program Name: Virivad");
    mvprintw(16, 15, "Team Leader: Qel Amedello");
    mvprintw(17, 15, "Logic Programmer: Carmuzi Orsello");
    mvprintw(18, 15, "Graphic Designer: Santarone Lamberzio");

    mvprintw(2, 37, "'''\n");
    mvprintw(3, 36, "(O O)\n");
    mvprintw(4, 26, "+----o0o---(_)-----------+\n");
    mvprintw(5, 28, "Software House: Orv\n");
    mvprintw(6, 26, "+-----------------o0o----+\n");
    mvprintw(7, 35, "|__|__|\n");
    mvprintw(8, 36, "|| ||\n");
    mvprintw(9, 35, "ooO Ooo\n");

    // Leaving curses mode and refreshing after it puts the drawing on the
    // terminal and keeps it there once this returns.
    wmove(stdscr, 22, 0);
    endwin();
    wrefresh(stdscr);
}
