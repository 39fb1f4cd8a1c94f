// The key loop of sort_view: records the algorithms on the values, then
// draws the view and follows the keys until q or Esc.
#pragma once

#include "options.hpp"
#include "view.hpp"

namespace view {

// Whether a key goes on to do what it does: while the help is shown a key
// only closes it; while the note that the window is too small is shown
// (noting), only q, Esc, Ctrl-L and Ctrl-D (the end of the input) act. No
// key (EOF, CK_NONE, CK_RESIZE) always goes on.
bool key_goes_on(View *v, bool noting, int key);

// Gives the exit status, 0, after q or Esc; the end of the input ends the
// program with 2.
int play(float *a, int n, Options *o);

} // namespace view
