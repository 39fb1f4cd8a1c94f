/* ctio: a small console library that places texts on pages of the terminal
 * of standard output.
 *
 * Positions are (column, row) from 1, (1, 1) being the top-left cell; a
 * position beyond the window is taken as its last column or row. An
 * attribute is a text-mode attribute: its low four bits are the foreground
 * colour and the next three the background, as numbers of the 16-colour text
 * palette (11 is light cyan on black, 0x1e yellow on blue).
 *
 * Everything placed is written to the terminal at once, so a text is on the
 * screen before the program next reads its input. Output shares the C stdout
 * stream with printf, in order. */
#ifndef CTIO_H
#define CTIO_H

#ifdef __cplusplus
extern "C" {
#endif

/* The screen buffer that texts are placed in. As texts go through to the
 * terminal at once, it records only the attribute its page was started with. */
typedef struct ct_screen {
    int attr;
} ct_screen;

extern ct_screen screen_buf;

/* Starts the library: 0 when standard input and output are a terminal that
 * it can draw on, otherwise an error code for ctio_error_str. The other calls
 * work either way: where standard output is not a terminal with a known
 * type, they write their texts alone. */
int init_ctio(void);
/* The message for an error code of init_ctio, as one line with its line end. */
const char *ctio_error_str(int code);
/* Starts a new page: the window is blanked in the attribute's colours and the
 * cursor goes to (1, 1). The mode is that of a text page, the only one: any
 * value gives it. */
void iniz_screen(int attr, int mode);
/* Places a text at (col, row) in the attribute's colours; the cursor is left
 * after it. A null buffer or text places nothing. */
void ct_text_xy(ct_screen *buf, int col, int row, const char *text, int attr);
/* Moves the terminal's cursor to (col, row). */
void put_vt_cursor(int col, int row);
/* Brings the terminal up to date with everything placed and written so far. */
void vt_refresh(void);
/* Ends the library's use: the terminal's modes as found, its own colours, the
 * cursor visible. What the screen shows stays. */
void uninit_ctio(void);

#ifdef __cplusplus
}
#endif

#endif
