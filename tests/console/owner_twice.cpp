// The main unit of a program whose second unit (owner_second_unit.cpp) holds
// the terminal's owner too: its link must fail.
#include "terminal_owner.hpp"

int main() { return owner::claim() ? 0 : 1; }
