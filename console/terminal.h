// The one owner of the terminal's state: the modes of standard input, the
// colours and the cursor. Whoever changes any of them claims the terminal
// first; from then on the terminal is put back as it was found at the end of
// the program, at the end of its input (exit) and when SIGINT, SIGTERM or
// SIGHUP end it. The screen's contents stay.
#pragma once

// First call only: saves the modes of standard input (when it is a terminal),
// loads the terminfo entry of standard output (when it is a terminal with an
// entry), prepares the bytes that reset the colours and show the cursor, and
// installs the exit and signal handlers. Every call answers whether escape
// sequences may be written to standard output: false means plain text only.
bool terminal_claim();

// Key mode on standard input: no echo, no line editing, one byte at a time;
// signals from the keyboard (Ctrl-C, Ctrl-Z) still work. false puts back the
// modes as found. Nothing happens when standard input is not a terminal.
void terminal_key_mode(bool on);

// Puts the terminal back now: modes as found, colours reset, cursor visible.
void terminal_restore();

// True once after the program was stopped (Ctrl-Z) and continued: the
// terminal's colours were reset meanwhile, so whoever remembers which colours
// the terminal shows must forget it.
bool terminal_colours_lost();
