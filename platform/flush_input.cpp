#include "flush_input.h"

#include "answer.h"

#include <stdio.h>
#include <stdio_ext.h>
#include <termios.h>
#include <unistd.h>

void flush_input(void) {
    __fpurge(stdin);
    if (isatty(STDIN_FILENO)) {
        answers_drop();
        tcflush(STDIN_FILENO, TCIFLUSH);
    }
}
