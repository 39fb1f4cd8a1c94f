// The console layer's owner of the terminal, for the layer and for the
// libraries that draw through it.
#include "terminal.h"

#include "terminal_owner.hpp"

bool terminal_claim() { return owner::claim(); }
void terminal_key_mode(bool on) { owner::key_mode(on); }
void terminal_restore() { owner::restore(); }
bool terminal_colours_lost() { return owner::colours_lost(); }
