// The screen drawn again from the model: blanked, then each row from its
// first cell to its last one that shows something (a character, or colours
// of its own), the colours set only where they change; then the cursor and
// the pen as they were, so that what the program writes next lands as it
// would have.
#include "model.h"
#include "output.h"
#include "utf8.hpp"
#include "window.h"

#include <term.h>

namespace {

bool shows_something(const Cell &c) { return c.ch != U' ' || !(c.pen == plain); }

void draw_row(int row, int cols) {
    const Cell *cells = model_row(row);
    int last = cols;
    while (last > 0 && !shows_something(cells[last - 1]))
        last--;
    if (last == 0)
        return;
    output_emit(tiparm(con.output.caps.cup, row - 1, 0));
    for (int c = 0; c < last; c++) {
        output_show(cells[c].pen);
        char bytes[4];
        output_raw(bytes, utf8_bytes((long)cells[c].ch, bytes));
    }
}

} // namespace

void output_redraw() {
    output_drawn(); // what is written here must not draw it again
    const Caps &caps = con.output.caps;
    if (!con.output.capable || caps.cup == nullptr || caps.clear == nullptr || !model_whole())
        return;
    output_screen_back();
    int cols, rows, col, row;
    window_size(&cols, &rows);
    bool wrap_pending = con.model.wrap_pending && con.model.cols == cols;
    model_resize(cols, rows);
    model_cursor(&col, &row);
    Colours pen = con.model.pen;
    output_show(plain);
    output_emit(caps.clear);
    for (int r = 1; r <= rows; r++)
        draw_row(r, cols);
    if (wrap_pending) { // the last character again, which leaves the cursor where it was
        const Cell &c = model_row(row)[cols - 1];
        output_emit(tiparm(caps.cup, row - 1, cols - 1));
        output_show(c.pen);
        char bytes[4];
        output_raw(bytes, utf8_bytes((long)c.ch, bytes));
        con.model.wrap_pending = true;
    } else {
        output_emit(tiparm(caps.cup, row - 1, col - 1));
    }
    output_show(pen);
}
