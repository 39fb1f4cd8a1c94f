// make_screens: runs the terminal programs in a pseudo-terminal as a user
// would, through the test harness, and writes what their screens show at
// chosen moments as SVG pictures: one monospace grid of the cells' characters
// on their colours (xterm's 256-colour palette for the colour indices).
//
//   make_screens [<output folder> [<screen>...]]
//
// Without screen names it writes every screen; the programs are the ones of
// this build.
#include "screen.hpp"

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

const std::string bin = ORDINA_BIN_DIR;

// The picture's geometry, in pixels.
const int cell_width = 9;
const int cell_height = 18;
const int margin = 8;
const int font_size = 15;

// The terminal's default colours, for cells that set none.
const char *const default_fg = "#d0d0d0";
const char *const default_bg = "#000000";

std::string rgb(int r, int g, int b) {
    char text[16];
    snprintf(text, sizeof text, "#%02x%02x%02x", r & 255, g & 255, b & 255);
    return text;
}

// xterm's palette: 16 named colours, a 6 x 6 x 6 cube, 24 greys.
std::string palette(int index) {
    static const char *const base[16] = {
        "#000000", "#cd0000", "#00cd00", "#cdcd00", "#0000ee", "#cd00cd", "#00cdcd", "#e5e5e5",
        "#7f7f7f", "#ff0000", "#00ff00", "#ffff00", "#5c5cff", "#ff00ff", "#00ffff", "#ffffff",
    };
    index &= 255;
    if (index < 16)
        return base[index];
    if (index < 232) {
        const int level[6] = {0, 95, 135, 175, 215, 255};
        int i = index - 16;
        return rgb(level[i / 36], level[i / 6 % 6], level[i % 6]);
    }
    int grey = 8 + 10 * (index - 232);
    return rgb(grey, grey, grey);
}

// A cell's colours as drawn: reverse video swaps them; -1 is the default.
std::string fg_colour(const harness::Cell &c) {
    int fg = c.reverse ? c.bg : c.fg;
    if (fg >= 0)
        return palette(fg);
    return c.reverse ? default_bg : default_fg;
}

std::string bg_colour(const harness::Cell &c) {
    int bg = c.reverse ? c.fg : c.bg;
    if (bg >= 0)
        return palette(bg);
    return c.reverse ? default_fg : default_bg;
}

void append_escaped(std::string &out, const std::string &text) {
    for (char ch : text) {
        if (ch == '&')
            out += "&amp;";
        else if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else
            out += ch;
    }
}

// The rows worth showing: down to the last that holds a character or a
// coloured cell.
int used_rows(const harness::Terminal &t) {
    for (int row = t.rows(); row > 1; row--)
        for (int col = 1; col <= t.cols(); col++) {
            harness::Cell c = t.cell(col, row);
            if (c.text != " " || bg_colour(c) != default_bg)
                return row;
        }
    return 1;
}

// One row: a rectangle for every run of cells on the same background, then a
// text for every run in the same colour and weight, stretched to its cells so
// that the grid holds whatever font draws it.
void draw_row(std::string &svg, const harness::Terminal &t, int row) {
    int y = margin + (row - 1) * cell_height;
    for (int col = 1; col <= t.cols();) {
        std::string bg = bg_colour(t.cell(col, row));
        int end = col;
        while (end <= t.cols() && bg_colour(t.cell(end, row)) == bg)
            end++;
        if (bg != default_bg)
            svg += "<rect x=\"" + std::to_string(margin + (col - 1) * cell_width) + "\" y=\"" +
                   std::to_string(y) + "\" width=\"" + std::to_string((end - col) * cell_width) +
                   "\" height=\"" + std::to_string(cell_height) + "\" fill=\"" + bg + "\"/>\n";
        col = end;
    }
    for (int col = 1; col <= t.cols();) {
        harness::Cell first = t.cell(col, row);
        std::string fg = fg_colour(first);
        int end = col;
        while (end <= t.cols() && fg_colour(t.cell(end, row)) == fg &&
               t.cell(end, row).bold == first.bold)
            end++;
        // Without the blanks at either end of the run.
        int from = col;
        int to = end;
        while (from < to && t.cell(from, row).text == " ")
            from++;
        while (to > from && t.cell(to - 1, row).text == " ")
            to--;
        if (from < to) {
            svg += "<text x=\"" + std::to_string(margin + (from - 1) * cell_width) + "\" y=\"" +
                   std::to_string(y + cell_height - 5) + "\" textLength=\"" +
                   std::to_string((to - from) * cell_width) +
                   "\" lengthAdjust=\"spacingAndGlyphs\" fill=\"" + fg + "\"";
            if (first.bold)
                svg += " font-weight=\"bold\"";
            svg += ">";
            append_escaped(svg, t.text_at(from, row, to - from));
            svg += "</text>\n";
        }
        col = end;
    }
}

bool write_svg(const harness::Terminal &t, const std::string &path, const std::string &title) {
    int rows = used_rows(t);
    int width = 2 * margin + t.cols() * cell_width;
    int height = 2 * margin + rows * cell_height;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
                      "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                      std::to_string(width) + " " + std::to_string(height) + "\">\n<title>";
    append_escaped(svg, title);
    svg += "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"" + std::string(default_bg) +
           "\"/>\n<g font-family=\"DejaVu Sans Mono, Liberation Mono, monospace\" font-size=\"" +
           std::to_string(font_size) + "\" xml:space=\"preserve\">\n";
    for (int row = 1; row <= rows; row++)
        draw_row(svg, t, row);
    svg += "</g>\n</svg>\n";
    FILE *f = fopen(path.c_str(), "w");
    if (f == nullptr)
        return false;
    bool ok = fwrite(svg.data(), 1, svg.size(), f) == svg.size();
    return fclose(f) == 0 && ok;
}

// What a screen script needs: the terminal, and where and whether to write.
struct Shot {
    std::string folder;
    bool ok = true;
};

void save(Shot &shot, const harness::Terminal &t, const std::string &name,
          const std::string &title) {
    std::string path = shot.folder + "/" + name + ".svg";
    if (write_svg(t, path, title)) {
        printf("%s\n", path.c_str());
    } else {
        fprintf(stderr, "cannot write %s\n", path.c_str());
        shot.ok = false;
    }
}

// Says what did not appear, and shows the screen as it stands.
bool fail(const harness::Terminal &t, const char *program, const char *what) {
    fprintf(stderr, "%s: %s did not appear; the screen:\n%s\n", program, what,
            t.screen_text().c_str());
    return false;
}

// Types an answer once its prompt stands on the screen (the screen's text
// has no blanks at the end of a row).
bool answer(harness::Terminal &t, std::string prompt, const std::string &keys) {
    prompt.erase(prompt.find_last_not_of(' ') + 1);
    if (!t.wait_screen_contains(prompt, 30000))
        return false;
    t.type(keys);
    return true;
}

int count_of(const std::string &text, const std::string &part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        n++;
    return n;
}

// sort_menu: the credits frame, the menu, the selection sort's screen with
// four reals typed, and the listing.
bool sort_menu(Shot &shot) {
    harness::Terminal t(bin + "/sort_menu", {}, 80, 50);
    if (!t.wait_text(24, 28, "* Terzolli Gildro (Jolly!) *", 30000))
        return fail(t, "sort_menu", "the credits");
    save(shot, t, "sort_menu_credits", "sort_menu: the credits");
    t.type("k");
    if (!t.wait_for([&] { return t.cursor() == harness::Pos{43, 16}; }, 30000))
        return fail(t, "sort_menu", "the menu");
    save(shot, t, "sort_menu_menu", "sort_menu: the menu");
    t.type("2\n");
    if (!answer(t, "Inserire la dim:", "4\n"))
        return fail(t, "sort_menu", "the dimension prompt");
    const char *const values[] = {"3.5", "-1", "2,25", "0.5"};
    for (int i = 0; i < 4; i++) {
        std::string prompt = "Inserire A[" + std::to_string(i + 1) + "]:";
        if (!t.wait_text(8, i + 13, prompt, 30000))
            return fail(t, "sort_menu", "an element prompt");
        t.type(values[i]);
        if (i < 3) // the last one stays on the screen unanswered for the picture
            t.type("\n");
    }
    if (!t.wait_text(23, 16, values[3], 30000))
        return fail(t, "sort_menu", "the last element");
    save(shot, t, "sort_menu_method", "sort_menu: the selection sort's screen");
    t.type("\n");
    if (!t.wait_screen_contains("3.5000", 30000))
        return fail(t, "sort_menu", "the listing");
    save(shot, t, "sort_menu_listing", "sort_menu: the sorted listing");
    t.type("kk");
    return t.wait_exit(30000);
}

// sort_addr: the first credit screen, and the listing with addresses.
bool sort_addr(Shot &shot) {
    harness::Terminal t(bin + "/sort_addr", {}, 80, 25);
    if (!t.wait_screen_contains("Casorelli Lisea", 30000))
        return fail(t, "sort_addr", "the credits");
    save(shot, t, "sort_addr_credits", "sort_addr: the credits");
    t.type("k");
    if (!answer(t, "*** Programma di", "k"))
        return fail(t, "sort_addr", "the second credit screen");
    if (!answer(t, "Inserisci la dimensione di A: ", "5\n"))
        return fail(t, "sort_addr", "the dimension prompt");
    const char *const values[] = {"42", "-7", "19", "0", "8"};
    for (int i = 0; i < 5; i++)
        if (!answer(t, "Inserisci il " + std::to_string(i + 1) + " valore : ",
                    std::string(values[i]) + "\n"))
            return fail(t, "sort_addr", "an element prompt");
    if (!answer(t, "s/N : ", "s\n"))
        return fail(t, "sort_addr", "the address question");
    if (!t.wait_for([&] { return count_of(t.screen_text(), " - 0x") == 5; }, 30000))
        return fail(t, "sort_addr", "the listing");
    save(shot, t, "sort_addr_listing", "sort_addr: the listing with addresses");
    t.type("k");
    return t.wait_exit(30000);
}

// curses_demo: the curses credits and the sort that follows, after the end.
bool curses_demo(Shot &shot) {
    harness::Terminal t(bin + "/curses_demo", {}, 80, 25);
    if (!t.wait_exit(30000) || !t.wait_screen_contains("utilizzo bubblesort", 30000))
        return fail(t, "curses_demo", "the end of the run");
    save(shot, t, "curses_demo", "curses_demo");
    return true;
}

// ctio_show: the first credit page, and the integers read on the ctio pages.
bool ctio_show(Shot &shot) {
    harness::Terminal t(bin + "/ctio_show", {}, 80, 32);
    if (!t.wait_screen_contains("Casorelli Lisea", 30000))
        return fail(t, "ctio_show", "the credits");
    save(shot, t, "ctio_show_credits", "ctio_show: the credits");
    t.type("\n");
    if (!answer(t, "Premere INVIO per continuare...", "\n"))
        return fail(t, "ctio_show", "the second credit page");
    if (!answer(t, "Inserisci la dimensione di A: ", "3\n"))
        return fail(t, "ctio_show", "the count page");
    const char *const values[] = {"7", "-2", "5"};
    for (int i = 0; i < 3; i++)
        if (!answer(t, "Inserisci il " + std::to_string(i + 1) + " valore : ",
                    std::string(values[i]) + "\n"))
            return fail(t, "ctio_show", "a value prompt");
    if (!t.wait_exit(30000) || !t.wait_screen_contains("n = 3", 30000))
        return fail(t, "ctio_show", "the end of the run");
    save(shot, t, "ctio_show_values", "ctio_show: the values read");
    return true;
}

// sort_trace on a terminal: moved elements in colour; two quadratic sorts
// and two faster ones, so that the screen holds them all.
bool sort_trace(Shot &shot) {
    harness::Terminal t(bin + "/sort_trace", {"-a", "2,4,6,7"}, 80, 64);
    if (!answer(t, "Quanti valori vuoi ordinare? ", "4\n"))
        return fail(t, "sort_trace", "the count prompt");
    const char *const values[] = {"2.5", "-1", "2,5", "0.75"};
    for (int i = 0; i < 4; i++)
        if (!answer(t,
                    "Inserire A[" + std::to_string(i + 1) + "]: ", std::string(values[i]) + "\n"))
            return fail(t, "sort_trace", "an element prompt");
    if (!t.wait_exit(30000))
        return fail(t, "sort_trace", "the end of the run");
    save(shot, t, "sort_trace", "sort_trace on a terminal");
    return true;
}

// sort_view: six values, the merge sort 28 steps in, merging the two
// halves; then the race of all eight, six comparisons in.
bool sort_view(Shot &shot) {
    harness::Terminal t(bin + "/sort_view", {"5", "3,5", "-1", "8", "3,5", "2"}, 80, 24);
    if (!answer(t, "evento 0/", "6" + std::string(28, 'n')))
        return fail(t, "sort_view", "the view");
    if (!t.wait_screen_contains("evento 28/", 30000) || !t.wait_quiet(100))
        return fail(t, "sort_view", "the 28th step");
    save(shot, t, "sort_view", "sort_view: the merge sort merging its two halves");
    t.type("a5678nnnnnn");
    if (!t.wait_screen_contains("confronto 6/", 30000) || !t.wait_quiet(100))
        return fail(t, "sort_view", "the race");
    save(shot, t, "sort_view_race", "sort_view: the race of the eight, six comparisons in");
    t.type("q");
    return t.wait_exit(30000);
}

struct Screen {
    const char *name;
    bool (*run)(Shot &shot);
};

const Screen screens[] = {
    {"sort_menu", sort_menu}, {"sort_addr", sort_addr},   {"curses_demo", curses_demo},
    {"ctio_show", ctio_show}, {"sort_trace", sort_trace}, {"sort_view", sort_view},
};

bool wanted(const char *name, int argc, char **argv) {
    if (argc <= 2)
        return true;
    for (int i = 2; i < argc; i++)
        if (strcmp(argv[i], name) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv) {
    for (int i = 2; i < argc; i++) {
        bool known = false;
        for (const Screen &s : screens)
            known = known || strcmp(argv[i], s.name) == 0;
        if (!known) {
            fprintf(stderr, "make_screens: no screen called %s\n", argv[i]);
            return 2;
        }
    }
    Shot shot;
    shot.folder = argc > 1 ? argv[1] : ".";
    for (const Screen &s : screens)
        if (wanted(s.name, argc, argv) && !s.run(shot)) {
            fprintf(stderr, "%s: the run went wrong\n", s.name);
            shot.ok = false;
        }
    return shot.ok ? 0 : 1;
}
