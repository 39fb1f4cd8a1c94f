// Discards whatever is waiting on standard input.
#pragma once

// Drops what the C stdin stream holds and, when standard input is a
// terminal, what was typed there and not read yet.
void flush_input(void);
