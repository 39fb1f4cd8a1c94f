// Whole keys from standard input, for the console layer's units.
//
// A key is read whole, whatever bytes the terminal sends for it: an escape
// sequence (arrows, function keys, Alt and a character), a character's
// UTF-8; Esc alone is told from the start of a sequence by a short wait.
// Bytes that arrive while the layer waits for an answer of the terminal (the
// cursor's position) are kept, in order, as typed ahead.
#pragma once

// The keys that type a control character, by name, as getch and console_key
// return them.
enum Control_key : int {
    key_ctrl_d = 4, // at an answer or a key wait: the end of the input
    key_ctrl_h = 8, // Backspace on some terminals
    key_tab = 9,
    key_enter = 10,
    key_ctrl_l = 12, // draw the screen again
    key_return = 13,
    key_ctrl_u = 21, // the answer wiped
    key_ctrl_w = 23, // the answer's last word wiped
    key_esc = 27,
    key_backspace = 127,
};

// Waits for one key, asleep, at most timeout_ms milliseconds (-1: no limit).
// Returns the key (see console.h), CK_NONE when the time ran out, CK_RESIZE
// when the window changed size or the program was continued in the
// foreground since the last call that said so, EOF at the end of the input.
int key_read(int timeout_ms);

// Whether a byte of a key is there to be read at once.
bool key_waiting();

// Drops the bytes kept as typed ahead.
void keys_drop();

// Reads the terminal's answer to a cursor position request that was just
// written: (column, row) from 1. False when it did not come in time; bytes
// typed meanwhile are kept as typed ahead.
bool key_position_answer(int *col, int *row);
