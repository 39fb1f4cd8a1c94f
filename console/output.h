// What the console layer writes, and the one place that writes escape
// sequences. Standard output becomes a stream of the layer's own, so that the
// program's text (printf and the like) and the layer's sequences reach the
// terminal in order, in one write each time the user must see them, and the
// model of the screen follows both. Text the layer writes itself (cprintf's)
// goes through stdout like the program's.
#pragma once

#include "state.h"

// Claims the terminal on the first call and gets the layer ready: the
// terminal's capabilities, stdout made the layer's stream (when it is a
// terminal), the model of the screen. Gives whether escape sequences are
// written.
bool output_ready();
bool output_has(const char *cap); // a capability in use, by its terminfo name

// The layer's writing: each brings the terminal, and the model, to the new
// state, writing what it takes.
void output_colours(); // the colours asked for (con.output's wishes)
void output_plain();   // the terminal's own colours
void output_move(int col, int row);
void output_clear(); // in the colours asked for
void output_erase_to_end();
void output_back(int cells);
void output_new_line(); // one row down in the same column, scrolling at the last
void output_up();       // one row up, where the terminal can
void output_cursor(bool visible);
void output_alternate(bool on);
// Asks the terminal where the cursor is (once it did not answer, never
// again); the model knows it from then on.
bool output_ask_position(int *col, int *row);

// For drawing the model again, with the model not told: a sequence of the
// terminal, queued behind the text before it; colours; bytes as they are.
void output_emit(const char *sequence);
void output_show(Colours colours);
void output_raw(const char *bytes, int count);

// After a stop, which gave the terminal back as found: the alternate screen
// and a hidden cursor again, as the program asked for them.
void output_screen_back();

// Shows what was written, in one write.
void output_flush();
// The screen drawn again, whole, from the model: after a stop, on a resize,
// on Ctrl-L. Only a screen the layer knows is drawn again (see model.h).
void output_redraw();
// The program draws again by itself: what stopped or resized it so far is
// taken into account.
void output_drawn();
