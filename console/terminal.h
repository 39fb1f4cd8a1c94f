// The owner of the terminal's state, as the console layer holds it, for the
// layer and for the libraries that draw through it. What each call does is
// told in terminal_owner.hpp, where the owner lives.
#pragma once

bool terminal_claim();
void terminal_key_mode(bool on);
void terminal_restore();
bool terminal_colours_lost();
