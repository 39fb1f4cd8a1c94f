// The owner of the terminal's state, as the console layer holds it, for the
// layer and for the libraries that draw through it. What each call does is
// told in terminal_owner.hpp, where the owner lives.
#pragma once

// Claims the terminal (the first call saves its state and installs the
// handlers), quiet again if it is to be kept so. Answers whether escape
// sequences may be written.
bool terminal_claim();
// Keeps the terminal quiet, no echo and no line editing, until it is put
// back, and again whenever it is claimed after that.
void terminal_keep_quiet();
// Asks the terminal to mark pastes while it is kept quiet, so that at the
// end a paste still arriving is read to its end and dropped.
void terminal_mark_pastes();
// Every block of bytes read from the terminal, for the marks of pastes.
void terminal_arrived(const unsigned char *bytes, int count);
// Quiet mode for one key wait on a terminal that is not kept quiet.
void terminal_key_mode(bool on);
// Whether the terminal is quiet now.
bool terminal_quiet();
// Before a wait for input: quiet again in the foreground, stopped in the
// background until the shell brings the program back.
void terminal_before_input();
void terminal_restore();
bool terminal_colours_lost();
// What the end must undo: colours other than the terminal's own, a hidden
// cursor, the alternate screen.
void terminal_coloured(bool coloured);
void terminal_cursor_hidden(bool hidden);
void terminal_alternate(bool on);
bool terminal_on_alternate();
// How many times the window changed size, and the program was continued in
// the foreground, so far.
int terminal_resizes();
int terminal_continues();
// Counts a continue when a program continued in the background has been
// given the foreground since.
void terminal_notice_foreground();
