// The credits: a frame of "@" rows and "~" sides grown in two timed passes,
// then the authors in their colours.
#include "credits.hpp"

#include "console.h"
#include "pause.hpp"

namespace {

// Each side gets a cell at steps 1 to 7 and then at every odd step: 43 cells,
// rows 1 to 43, the last at step 79.
bool side_grows(int i) { return i % 2 == 1 || i == 2 || i == 4 || i == 6; }

void put(int x, int y, const char *text) {
    gotoxy(x, y);
    cprintf("%s", text);
}

// One pass: the "@" row advances a column at every step and the side below
// it a row whenever side_grows says so.
void frame_pass(Pace *pace, int row, int side_column) {
    int side_row = 1;
    for (int i = 1; i <= frame_width; i++) {
        pause_ms(pace, credits_step_ms);
        put(i, row, "@");
        if (side_grows(i)) {
            put(side_column, side_row, "~");
            side_row++;
        }
    }
}

struct Credit {
    int y, colour;
    const char *text;
};

const Credit lines[] = {
    {18, 15, "PROGRAMMA REALIZZATO DA:"},
    {22, 12, "* Parvelli Rubeno (Capo Reparto) *"},
    {24, 10, "* Dovan Varno (Pogrammatore Logico) *"},
    {26, 14, "* Fornaceti Orsello (Programmatore Grafico) *"},
    {28, 9, "* Terzolli Gildro (Jolly!) *"},
};

} // namespace

void credits() {
    textbackground(4);
    textcolor(10);
    Pace pace;                                    // the 158 steps keep one pace
    frame_pass(&pace, 1, 1);                      // top row and left side
    frame_pass(&pace, frame_height, frame_width); // bottom row and right side
    textbackground(0);
    for (const Credit &line : lines) {
        textcolor(line.colour);
        put(24, line.y, line.text);
    }
    getch();
}
