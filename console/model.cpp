// The model of the screen: cells, cursor and pen, changed as the terminal
// changes its screen for each piece of output. Text goes at the cursor, one
// cell a character; a character written in the last column leaves the cursor
// there until the next one, which starts the next row (as terminals with
// automatic margins do); a line end, and going down from the last row,
// scroll the rows up.
#include "model.h"

#include "utf8.hpp"

#include <string.h>

#include <algorithm>

namespace {

Model &m = con.model;

Cell blank() {
    Cell c = blank_cell;
    if (m.erase_in_pen)
        c.pen.bg = m.pen.bg;
    return c;
}

Cell &cell(int col, int row) {
    return m.cells[(size_t)(row - 1) * (size_t)m.cols + (size_t)(col - 1)];
}

Cell *end_of_cells() { return m.cells + (size_t)m.cols * (size_t)m.rows; }

void scroll_up() {
    memmove(m.cells, m.cells + m.cols, sizeof(Cell) * (size_t)m.cols * (size_t)(m.rows - 1));
    std::fill(end_of_cells() - m.cols, end_of_cells(), blank());
}

// The rows laid out again for cols cells each, the cells that fit kept:
// from the first row when rows shrink (each moves down in memory), from the
// last when they grow.
void lay_out(int cols, int rows) {
    int kept_rows = std::min(rows, m.rows), kept_cols = std::min(cols, m.cols);
    for (int k = 0; k < kept_rows; k++) {
        int r = cols <= m.cols ? k : kept_rows - 1 - k;
        memmove(m.cells + (size_t)r * (size_t)cols, m.cells + (size_t)r * (size_t)m.cols,
                sizeof(Cell) * (size_t)kept_cols);
        std::fill(m.cells + (size_t)r * (size_t)cols + kept_cols,
                  m.cells + (size_t)(r + 1) * (size_t)cols, blank_cell);
    }
    std::fill(m.cells + (size_t)kept_rows * (size_t)cols, m.cells + (size_t)rows * (size_t)cols,
              blank_cell);
}

// One row down: the rows scroll up at the last one.
void next_row() {
    if (!m.row_known)
        return;
    if (m.row < m.rows)
        m.row++;
    else
        scroll_up();
}

void put(char32_t ch) {
    if (m.wrap_pending) {
        m.col = 1;
        next_row();
        m.wrap_pending = false;
    }
    if (!m.col_known)
        return;
    if (m.row_known)
        cell(m.col, m.row) = {ch, m.pen};
    if (m.col < m.cols)
        m.col++;
    else
        m.wrap_pending = true;
}

void control(unsigned char c) {
    switch (c) {
    case '\n':
        next_row();
        if (m.line_feed_returns) {
            m.col = 1;
            m.col_known = true;
        }
        break;
    case '\r':
        m.col = 1;
        m.col_known = true;
        break;
    case '\b':
        m.col = std::max(1, m.col - 1);
        break;
    case '\t':
        m.col = std::min(m.cols, (m.col + 7) / 8 * 8 + 1);
        break;
    case 0x1b: // a sequence the layer did not write: the cursor may be anywhere
        m.col_known = m.row_known = false;
        break;
    default: // bell and the like show nothing
        return;
    }
    m.wrap_pending = false;
}

// The bytes of one character, gathered; the character once whole.
void utf8_byte(unsigned char b) {
    if (!utf8_continues((char)b) || m.utf8_length == 0) { // a new character
        m.utf8_length = 0;
        if (b < 0x80) {
            put(b);
            return;
        }
    }
    m.utf8[m.utf8_length++] = b;
    unsigned char lead = m.utf8[0];
    int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (m.utf8_length < length)
        return;
    char32_t ch = length == 1 ? U'\uFFFD' : lead & (0x7F >> length);
    for (int i = 1; i < length; i++)
        ch = ch << 6 | (m.utf8[i] & 0x3F);
    m.utf8_length = 0;
    put(ch);
}

} // namespace

void model_start(int cols, int rows, bool line_feed_returns, bool erase_in_pen) {
    m.line_feed_returns = line_feed_returns;
    m.erase_in_pen = erase_in_pen;
    m.pen = plain;
    m.cols = m.rows = 0;
    model_resize(cols, rows);
}

void model_resize(int cols, int rows) {
    m.too_large = cols > model_most_cols || rows > model_most_rows;
    cols = std::clamp(cols, 1, model_most_cols);
    rows = std::clamp(rows, 1, model_most_rows);
    lay_out(cols, rows);
    m.cols = cols;
    m.rows = rows;
    m.col = std::clamp(m.col, 1, cols);
    m.row = std::clamp(m.row, 1, rows);
    m.wrap_pending = false;
}

void model_forget() {
    std::fill(m.cells, end_of_cells(), blank_cell);
    m.col_known = m.row_known = m.wrap_pending = false;
}

void model_text(const char *bytes, int count) {
    for (int i = 0; i < count; i++) {
        unsigned char b = (unsigned char)bytes[i];
        if (b < 0x20 || b == 0x7F) {
            m.utf8_length = 0;
            control(b);
        } else {
            utf8_byte(b);
        }
    }
}

void model_move(int col, int row) {
    m.col = std::clamp(col, 1, m.cols);
    m.row = std::clamp(row, 1, m.rows);
    m.col_known = m.row_known = true;
    m.wrap_pending = false;
}

void model_clear() {
    std::fill(m.cells, end_of_cells(), blank());
    model_move(1, 1);
}

void model_erase_to_end() {
    if (!m.col_known || !m.row_known)
        return;
    for (int c = m.col; c <= m.cols; c++)
        cell(c, m.row) = blank();
    m.wrap_pending = false;
}

void model_back(int cells) {
    m.col = std::max(1, m.col - cells);
    m.wrap_pending = false;
}

void model_down() {
    next_row();
    m.wrap_pending = false;
}

void model_up() {
    m.row = std::max(1, m.row - 1);
    m.wrap_pending = false;
}

void model_pen(Colours pen) { m.pen = pen; }

bool model_whole() { return m.col_known && m.row_known && !m.too_large; }

bool model_cursor(int *col, int *row) {
    if (!model_whole())
        return false;
    *col = m.col;
    *row = m.row;
    return true;
}

bool model_at_row_start(bool *known) {
    *known = m.col_known;
    return m.col_known && m.col == 1 && !m.wrap_pending;
}

const Cell *model_row(int row) { return &cell(1, row); }
