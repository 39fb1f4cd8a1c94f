// The model of the screen as the console layer drew it: every cell with its
// character and colours, the cursor and the pen, followed as the terminal
// takes what is written. From it the layer knows where the cursor is without
// asking the terminal, and draws the screen again, whole, after a stop, a
// resize or Ctrl-L. Nothing here writes.
#pragma once

#include "state.h"

// A blank model of cols x rows, the cursor nowhere known.
void model_start(int cols, int rows, bool line_feed_returns, bool erase_in_pen);
// A new size: the cells that fit stay where they are, the cursor comes in.
void model_resize(int cols, int rows);
// What the screen shows is no longer known (another screen was shown).
void model_forget();

// What the terminal does with each piece of output.
void model_text(const char *bytes, int count);
void model_move(int col, int row);
void model_clear();
void model_erase_to_end();
void model_back(int cells);
void model_down(); // one row down in the same column, scrolling at the last
void model_up();   // one row up, none above the first
void model_pen(Colours pen);

// Whether the model holds the screen: the cursor was placed, so every cell
// drawn since stands where the model has it.
bool model_whole();
// The cursor, when known.
bool model_cursor(int *col, int *row);
// Whether the cursor is known to be at the start of a row, or known not to be.
bool model_at_row_start(bool *known);
const Cell *model_row(int row); // cols cells
