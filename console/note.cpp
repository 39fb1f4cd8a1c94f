// The note that the window is too small: the size needed and the size now,
// in the longest of its forms whose words fit the window's rows, wrapped from
// the cursor's row down, in the terminal's own colours; and the wait for a
// window large enough before a screen program's first drawing.
#include "console.h"
#include "keys.h"
#include "model.h"
#include "output.h"
#include "utf8.hpp"
#include "window.h"

#include <stdio.h>
#include <string.h>
#include <unistd.h>

namespace {

// The note's forms, longest first: the size now and needed, the key that
// goes on where one does.
void note_text(int form, int need_cols, int need_rows, bool key_goes_on, char *text, int size) {
    int cols, rows;
    window_size(&cols, &rows);
    if (form == 0)
        snprintf(text, (size_t)size,
                 "La finestra \xc3\xa8 %d\xc3\x97%d, ne serve una di %d\xc3\x97%d: allargala%s.",
                 cols, rows, need_cols, need_rows, key_goes_on ? " o premi un tasto" : "");
    else
        snprintf(text, (size_t)size, "Serve %d\xc3\x97%d (ora %d\xc3\x97%d)", need_cols, need_rows,
                 cols, rows);
}

// Cuts text into rows of at most width characters, at blanks where it can:
// the start of each row into starts, its length in bytes into lengths; gives
// the count of rows.
int wrap(const char *text, int width, const char **starts, int *lengths, int most) {
    int count = 0;
    const char *p = text;
    while (*p != '\0' && count < most) {
        while (*p == ' ')
            p++;
        const char *end = utf8_skip(p, width); // as much as fits
        if (*end != '\0' && *end != ' ') {     // back to the last blank, if there is one
            const char *blank = end;
            while (blank > p && *blank != ' ')
                blank--;
            if (blank > p)
                end = blank;
        }
        starts[count] = p;
        lengths[count++] = (int)(end - p);
        p = end;
    }
    return *p == '\0' ? count : most + 1;
}

// Writes the note from the cursor's row down; gives the rows it took.
int write_note(int need_cols, int need_rows, bool key_goes_on) {
    int cols, rows;
    window_size(&cols, &rows);
    char text[160];
    const char *starts[8];
    int lengths[8], count = 0;
    for (int form = 0; form < 2; form++) {
        note_text(form, need_cols, need_rows, key_goes_on, text, sizeof text);
        count = wrap(text, cols, starts, lengths, rows < 8 ? rows : 8);
        if (count <= rows)
            break;
    }
    count = count <= rows ? count : rows; // below 10 x 3 the last form is cut
    output_plain();
    for (int r = 0; r < count; r++) {
        char row[sizeof text];
        snprintf(row, sizeof row, "%.*s", lengths[r], starts[r]);
        fputs(r == 0 ? "\r" : "\r\n", stdout);
        fputs(row, stdout);
        if (utf8_columns(row) < cols)
            output_erase_to_end();
    }
    return count;
}

// Blanks the rows of the note, back to its first row.
void wipe_note(int count) {
    fputs("\r", stdout);
    output_erase_to_end();
    for (int r = 1; r < count; r++) {
        output_up();
        output_erase_to_end();
    }
}

} // namespace

void console_size_note(int cols, int rows) {
    int now_cols, now_rows;
    console_window(&now_cols, &now_rows); // the layer ready
    if (con.output.capable)
        write_note(cols, rows, false);
}

int console_fit(int cols, int rows) {
    int now_cols, now_rows;
    console_window(&now_cols, &now_rows);
    if (!con.output.capable || !isatty(STDIN_FILENO))
        return 1;
    int noted = 0;
    int fits = 1;
    for (;;) {
        console_window(&now_cols, &now_rows);
        if (now_cols >= cols && now_rows >= rows)
            break;
        if (noted > 0)
            wipe_note(noted);
        noted = write_note(cols, rows, true);
        int key = console_key(-1);
        if (key != CK_RESIZE && key != CK_NONE) {
            fits = 0;
            break;
        }
    }
    if (noted > 0)
        wipe_note(noted);
    output_drawn(); // nothing drawn yet to draw again
    return fits;
}
