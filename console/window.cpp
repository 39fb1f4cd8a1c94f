// The window's size: asked of the terminal of standard output when it has
// changed (a resize was counted since it was last read), else the size its
// terminfo entry gives, else 80 x 25.
#include "window.h"

#include "state.h"
#include "terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <term.h>

void window_size(int *cols, int *rows) {
    Window &w = con.window;
    int resizes = terminal_resizes();
    if (resizes != w.read_at || w.cols == 0) {
        w.read_at = resizes;
        winsize size;
        if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
            w.cols = size.ws_col;
            w.rows = size.ws_row;
        } else {
            int c = cur_term != nullptr ? tigetnum("cols") : -1;
            int r = cur_term != nullptr ? tigetnum("lines") : -1;
            w.cols = c > 0 ? c : 80;
            w.rows = r > 0 ? r : 25;
        }
    }
    *cols = w.cols;
    *rows = w.rows;
}
