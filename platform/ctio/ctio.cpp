// The ctio library on the console layer: every call draws at once, so the
// screen buffer needs to hold no texts; the terminal's state belongs to the
// terminal owner.
#include "ctio.h"

#include "console.h"
#include "terminal.h"

#include <stdio.h>
#include <unistd.h>

ct_screen screen_buf = {7};

namespace {

// Error codes of init_ctio.
enum { no_error, output_not_terminal, input_not_terminal, unknown_terminal };

// The attribute's colours for what is drawn next.
void use_attr(int attr) {
    textcolor(attr & 15);
    textbackground((attr >> 4) & 7);
}

} // namespace

int init_ctio(void) {
    if (!isatty(STDOUT_FILENO))
        return output_not_terminal;
    if (!isatty(STDIN_FILENO))
        return input_not_terminal;
    // From here on the terminal is put back however the program ends.
    if (!terminal_claim())
        return unknown_terminal;
    return no_error;
}

const char *ctio_error_str(int code) {
    switch (code) {
    case no_error:
        return "ctio: nessun errore\n";
    case output_not_terminal:
        return "ctio: l'output standard non è un terminale\n";
    case input_not_terminal:
        return "ctio: l'input standard non è un terminale\n";
    case unknown_terminal:
        return "ctio: terminale sconosciuto, si scrive solo il testo\n";
    default:
        return "ctio: errore sconosciuto\n";
    }
}

void iniz_screen(int attr, int) {
    screen_buf.attr = attr;
    use_attr(attr);
    clrscr();
}

void ct_text_xy(ct_screen *buf, int col, int row, const char *text, int attr) {
    if (buf == nullptr || text == nullptr)
        return;
    use_attr(attr);
    gotoxy(col, row);
    cprintf("%s", text);
}

void put_vt_cursor(int col, int row) { gotoxy(col, row); }

void vt_refresh(void) { fflush(stdout); }

void uninit_ctio(void) {
    // Back to the terminal's own colours through the console layer too, so
    // that it sets the attribute's colours again for a later page.
    normvideo();
    terminal_restore();
}
