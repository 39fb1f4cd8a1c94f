// Inizio: the two credit screens in light cyan, each left on the screen until
// a character (the user's Enter) is read from standard input. At the end of
// the input the screens simply go by.
#include "ctio.h"
#include "ctio_modules.h"

#include <stdio.h>

namespace {

const int attr = 11; // light cyan on black

struct Text {
    int col, row;
    const char *text;
};

const Text team[] = {
    {32, 7, "* SoFTWaRe HouSe *"},
    {21, 12, "--> CaPo GRuPPo: Benvardi Evira"},
    {21, 14, "--> PRoGRaMMaToRe LoGiCo: Pellandrio Rubeno"},
    {21, 16, "--> PRoGRaMMaToRe D'iNTeRFaCCia: Casorelli Lisea"},
};

const Text authors[] = {
    {20, 17, "*** Programma di Benvardi, Pellandrio e Casorelli ***"},
    {10, 30, "Premere INVIO per continuare..."},
};

// A new page holding the n texts.
void page(const Text *texts, int n) {
    iniz_screen(attr, 0);
    for (int i = 0; i < n; i++)
        ct_text_xy(&screen_buf, texts[i].col, texts[i].row, texts[i].text, attr);
}

} // namespace

void Inizio(void) {
    int code = init_ctio();
    if (code != 0)
        printf("%s", ctio_error_str(code)); // a message is text, never a format
    page(team, sizeof team / sizeof team[0]);
    getchar();
    page(authors, sizeof authors / sizeof authors[0]);
    getchar();
    uninit_ctio();
}
