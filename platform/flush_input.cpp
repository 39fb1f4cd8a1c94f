#include "flush_input.h"

#include "terminal.h"

#include <stdio.h>
#include <stdio_ext.h>
#include <termios.h>
#include <unistd.h>

void flush_input(void) {
    __fpurge(stdin);
    if (isatty(STDIN_FILENO)) {
        terminal_drop_typed();
        tcflush(STDIN_FILENO, TCIFLUSH);
    }
}
