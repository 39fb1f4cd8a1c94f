// Ins_lett: the count, asked on a page of its own until it is 1 to max, and
// then the integers, one prompt each, read with the numeric reader.
#include "ctio.h"
#include "ctio_modules.h"
#include "read_number.hpp"

#include <stdio.h>

namespace {

const int attr = 11; // light cyan on black

} // namespace

void Ins_lett(int *a, int *n, int max) {
    int code = init_ctio();
    if (code != 0)
        printf("%s", ctio_error_str(code)); // a message is text, never a format
    // A count out of range, or not a number, starts the page again.
    do {
        iniz_screen(attr, 0);
        ct_text_xy(&screen_buf, 10, 7, "Inserisci la dimensione di A: ", attr);
        put_vt_cursor(63, 7);
    } while (!read_int(n) || *n > max || *n <= 0);
    iniz_screen(attr, 0);
    // The cursor goes to the row above the prompt's, whose line end takes it
    // to column 1 of the prompt's own row: one row for each value, and one
    // more for every answer that was not a number and is asked for again.
    int row = 5;
    for (int i = 0; i < *n; i++) {
        do {
            put_vt_cursor(40, row++);
            vt_refresh();
            printf("\nInserisci il %d valore : ", i + 1);
        } while (!read_int(&a[i]));
    }
    uninit_ctio();
}
