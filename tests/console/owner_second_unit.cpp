// A second unit holding the terminal's owner (see owner_twice.cpp).
#include "terminal_owner.hpp"

void restore_too() { owner::restore(); }
