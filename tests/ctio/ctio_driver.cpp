// Drives the ctio library for the screen tests: a few texts in attributes of
// their own, then the terminal changed as a program in key mode with a hidden
// cursor would leave it, then uninit_ctio and one more text. It ends with
// _exit, so nothing but uninit_ctio puts the terminal back.
#include "console.h"
#include "ctio.h"

#include <stdio.h>
#include <termios.h>
#include <unistd.h>

int main() {
    if (init_ctio() != 0)
        return 1;
    // Row r + 1 shows the attribute attrs[r]; the test knows their colours.
    const int attrs[] = {11, 0x1e, 0xf4, 0x10b};
    iniz_screen(0x17, 0);
    for (int r = 0; r < 4; r++)
        ct_text_xy(&screen_buf, 3, r + 1, "ctio", attrs[r]);
    termios modes;
    tcgetattr(STDIN_FILENO, &modes);
    modes.c_lflag &= ~(tcflag_t)(ICANON | ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &modes);
    console_cursor(0);
    uninit_ctio();
    put_vt_cursor(3, 6);
    printf("after");
    fflush(stdout);
    _exit(0);
}
