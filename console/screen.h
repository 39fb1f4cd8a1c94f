// What the units of the console layer write on the terminal through
// console.cpp, the one unit that writes escape sequences.
#pragma once

// Whether answers can be edited on the screen: escape sequences are written
// and the cursor can be moved back, the rest of its row blanked.
bool screen_editable();
// The cursor so many cells to the left.
void screen_back(int cells);
// Blanks from the cursor to the end of its row in the current colours.
void screen_erase_to_end();
// Asks the terminal where the cursor is: (column, row) from 1. False when it
// cannot tell (after a first request it did not answer, it is not asked
// again).
bool screen_position(int *col, int *row);
// The window's size.
void screen_window(int *cols, int *rows);
// The terminal's own colours from here on (the console's colours are set
// again by its next drawing).
void screen_plain_colours();

// Set up by console.cpp when it claims the terminal: the program's standard
// input stream reads its answers through answer.cpp.
void answers_from_terminal();
