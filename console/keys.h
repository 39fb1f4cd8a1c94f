// Whole keys from standard input, for the console layer's units.
//
// A key is read whole, whatever bytes the terminal sends for it: an escape
// sequence (arrows, function keys, Alt and a character), a character's
// UTF-8; Esc alone is told from the start of a sequence by a short wait.
// The terminal is read in blocks; bytes that arrive before an answer of the
// terminal (the cursor's position) are kept, in order, as typed ahead. The
// marks the terminal puts around a paste are no keys.
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

// Drops the bytes read and not yet taken as keys.
void keys_drop();

// Reads the terminal's answer to a cursor position request that was just
// written: (column, row) from 1, and gives 1. Gives 0 when it did not come in
// time, -1 when so much was typed ahead of it that it could not be read; an
// answer that comes later is dropped among the keys. Bytes typed meanwhile
// are kept as typed ahead.
int key_position_answer(int *col, int *row);
