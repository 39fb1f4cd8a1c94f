// The key loop of sort_view: records the algorithms on the values, then
// draws the view and follows the keys until q or Esc.
#pragma once

#include "options.hpp"

namespace view {

// Gives the exit status, 0, after q or Esc; the end of the input ends the
// program with 2.
int play(float *a, int n, Options *o);

} // namespace view
