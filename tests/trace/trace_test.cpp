// sort_trace run as built: its counts against counts worked out by hand and
// against the algorithms' own counters, its trace byte for byte, the order of
// equal values, the colours of moved elements on a terminal (none with
// NO_COLOR set), bad input and the end of input.
#include "algorithms.hpp"
#include "piped.hpp"
#include "screen.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string program = ORDINA_BIN_DIR "/sort_trace";
const std::string dim = "Quanti valori vuoi ordinare? ";
const char *const names[8] = {"Bubble sort",
                              "Bubble sort con limite",
                              "Sequenziale selettivo",
                              "Insertion sort",
                              "Shell sort",
                              "Merge sort",
                              "Quick sort",
                              "Heap sort"};

struct Steps {
    int passes, comparisons, exchanges;
    bool operator==(const Steps &) const = default;
};

struct Counter {
    Steps &s;
    void compared(int, int) { s.comparisons++; }
    void exchanged(int, int) { s.exchanges++; }
    void pass_done() { s.passes++; }
};

Steps count(int algorithm, std::vector<float> v) {
    Steps s = {0, 0, 0};
    int n = (int)v.size();
    if (algorithm == 0)
        simple_bubble(v.data(), n, Counter{s});
    else if (algorithm == 1)
        bounded_bubble(v.data(), n, Counter{s});
    else if (algorithm == 2)
        selection(v.data(), n, Counter{s});
    else
        insertion(v.data(), n, Counter{s});
    return s;
}

// The count and the values, as typed.
std::string typed(const std::vector<float> &values) {
    std::string input = std::to_string(values.size()) + "\n";
    for (float v : values)
        input += std::to_string(v) + " ";
    return input;
}

std::string prompts(int n) {
    std::string s;
    for (int i = 1; i <= n; i++)
        s += "Inserire A[" + std::to_string(i) + "]: ";
    return s;
}

// The summary row of an algorithm: its steps and its stability column.
struct Row {
    Steps steps = {-1, -1, -1};
    std::string stable;
};

Row summary_row(const std::string &out, int algorithm) {
    Row row;
    size_t at = out.find("\nRiepilogo sugli stessi dati\n");
    std::string head = std::string("\n") + names[algorithm];
    head.resize(23, ' ');
    if (at == std::string::npos || (at = out.find(head, at)) == std::string::npos)
        return row;
    at += head.size();
    std::istringstream line(out.substr(at, out.find('\n', at) - at));
    line >> row.steps.passes >> row.steps.comparisons >> row.steps.exchanges >> row.stable;
    return row;
}

struct CountCase {
    std::vector<float> values;
    Steps steps[4]; // simple bubble, bounded bubble, selection, insertion
    const char *stable[4];
};

TEST(SortTrace, StepsWorkedOutByHandAndEqualValues) {
    const char *none[4] = {"-", "-", "-", "-"};
    std::vector<float> reversed100;
    for (int i = 100; i >= 1; i--)
        reversed100.push_back((float)i);
    const CountCase cases[] = {
        // Selection exchanges in place too; the bounded bubble stops after one pass.
        {{1, 2, 3, 4}, {{3, 9, 0}, {1, 3, 0}, {3, 6, 3}, {3, 3, 0}}, {}},
        // The bounded bubble's last pass compares nothing.
        {{4, 3, 2, 1}, {{3, 9, 6}, {4, 6, 6}, {3, 6, 3}, {3, 6, 6}}, {}},
        {{2, 2, 1}, {{2, 4, 2}, {2, 3, 2}, {2, 3, 2}, {2, 3, 2}}, {"sì", "sì", "no", "sì"}},
        {{2, 1, 1}, {{2, 4, 2}, {3, 3, 2}, {2, 3, 2}, {2, 3, 2}}, {"sì", "sì", "sì", "sì"}},
        {{3, 1, 3, 1}, {{3, 9, 3}, {3, 6, 3}, {3, 6, 3}, {3, 5, 3}}, {"sì", "sì", "no", "sì"}},
        {{5, 5, 5}, {{2, 4, 0}, {1, 2, 0}, {2, 3, 2}, {2, 2, 0}}, {"sì", "sì", "sì", "sì"}},
        {{7}, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {}},
        {reversed100, {{99, 9801, 4950}, {100, 4950, 4950}, {99, 4950, 99}, {99, 4950, 4950}}, {}},
    };
    for (const CountCase &k : cases) {
        std::string input = typed(k.values);
        SCOPED_TRACE("input " + input.substr(0, 30));
        harness::Run r = harness::run_piped(program, {}, input);
        ASSERT_EQ(r.exit_status, 0);
        EXPECT_EQ(r.err, "");
        for (int a = 0; a < 4; a++) {
            SCOPED_TRACE(names[a]);
            EXPECT_EQ(count(a, k.values), k.steps[a]);
            Row row = summary_row(r.out, a);
            EXPECT_EQ(row.steps, k.steps[a]);
            EXPECT_EQ(row.stable, k.stable[0] != nullptr ? k.stable[a] : none[a]);
        }
    }
}

// The other four on repeated values, and the quick sort on its worst case,
// worked out by hand: their rows of the summary (equal values told apart by
// letters in the notes).
TEST(SortTrace, StepsOfTheFasterSortsWorkedOutByHand) {
    std::vector<float> ordered100;
    for (int i = 1; i <= 100; i++)
        ordered100.push_back((float)i);
    const int shell = 4, merge = 5, quick = 6, heap = 7;
    const struct {
        std::vector<float> values;
        int algorithm;
        Steps steps;
        const char *stable;
    } cases[] = {
        // Three values have the gap 1 only: an insertion sort in one pass.
        {{2, 2, 1}, shell, {1, 3, 2}, "sì"},
        {{2, 2, 1}, merge, {2, 2, 5}, "sì"},
        // 2a 2b 1: the pivot 1 is exchanged with 2a, which ends behind 2b.
        {{2, 2, 1}, quick, {2, 3, 3}, "no"},
        // The root 2a goes to the end, then 2b after the heap has it first.
        {{2, 2, 1}, heap, {3, 3, 3}, "no"},
        // Gap 4 shifts 2 past 1e, which goes to the front; then gap 1 shifts 2.
        {{2, 1, 1, 1, 1, 1}, shell, {2, 8, 2}, "no"},
        // The roots 1f, 1e, 1d, 1c go to the end and come back in order.
        {{2, 1, 1, 1, 1, 1}, heap, {6, 12, 5}, "sì"},
        // The worst case: partitions of 100, 99, ... 2 values, each element
        // exchanged with itself.
        {ordered100, quick, {99, 99 * 100 / 2, 100 * 101 / 2 - 1}, "-"},
    };
    for (const auto &k : cases) {
        std::string input = typed(k.values);
        SCOPED_TRACE(std::string(names[k.algorithm]) + ", input " + input.substr(0, 30));
        harness::Run r = harness::run_piped(program, {}, input);
        ASSERT_EQ(r.exit_status, 0);
        Row row = summary_row(r.out, k.algorithm);
        EXPECT_EQ(row.steps, k.steps);
        EXPECT_EQ(row.stable, k.stable);
    }
}

// Every algorithm's table on four values worked out by hand (the merge sort
// writes back 2, 2 and 4 elements; the quick sort's second partition
// exchanges 2.5 with itself and the heap sort's first pass builds the heap).
TEST(SortTrace, FourValuesByteForByte) {
    harness::Run r = harness::run_piped(program, {}, "4\n2.5 -1 2,5 0.75\n");
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, dim + prompts(4) + R"(
Per ogni algoritmo, una riga per passo: l'array dopo il passo, i confronti e
gli scambi del passo. Sul terminale sono in colore gli elementi spostati.
Nell'insertion sort e nello Shell sort ogni spostamento di un elemento conta
come uno scambio, nel merge sort ogni elemento riscritto dall'array di appoggio.

Bubble sort
Ogni passo confronta tutte le coppie vicine, dalla fine verso l'inizio.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1  2.5 0.75  2.5      3      2
     2   -1 0.75  2.5  2.5      3      1
     3   -1 0.75  2.5  2.5      3      0
totale                          9      3

Bubble sort con limite
Ogni passo si ferma all'ultimo scambio del precedente; senza scambi si finisce.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1  2.5 0.75  2.5      3      2
     2   -1 0.75  2.5  2.5      2      1
     3   -1 0.75  2.5  2.5      1      0
totale                          6      3

Sequenziale selettivo
Ogni passo porta il minimo che resta al primo posto non ancora ordinato.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1  2.5  2.5 0.75      3      1
     2   -1 0.75  2.5  2.5      2      1
     3   -1 0.75  2.5  2.5      1      1
totale                          6      3

Insertion sort
Ogni passo inserisce la chiave che segue tra gli elementi già ordinati.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1  2.5  2.5 0.75      1      1
     2   -1  2.5  2.5 0.75      1      0
     3   -1 0.75  2.5  2.5      3      2
totale                          5      3

Shell sort
Ogni passo ordina per inserimento gli elementi a distanza h; l'ultimo ha h = 1.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1 0.75  2.5  2.5      5      3
totale                          5      3

Merge sort
Ogni passo fonde due parti vicine già ordinate, copiate in un array di appoggio.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1  2.5  2.5 0.75      1      2
     2   -1  2.5 0.75  2.5      1      2
     3   -1 0.75  2.5  2.5      3      4
totale                          5      8

Quick sort
Ogni passo porta il pivot (l'ultimo della parte) dopo i valori non maggiori.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1   -1 0.75  2.5  2.5      3      2
     2   -1 0.75  2.5  2.5      1      2
totale                          4      4

Heap sort
Il primo passo fa dell'array uno heap; ogni altro porta il massimo in fondo.
passo  A[1] A[2] A[3] A[4] confr. scambi
inizio  2.5   -1  2.5 0.75
     1  2.5 0.75  2.5   -1      3      1
     2  2.5 0.75   -1  2.5      2      2
     3 0.75   -1  2.5  2.5      1      2
     4   -1 0.75  2.5  2.5      0      1
totale                          6      6

Riepilogo sugli stessi dati
algoritmo              passi  confronti  scambi  stabile
Bubble sort                3          9       3  sì
Bubble sort con limite     3          6       3  sì
Sequenziale selettivo      3          6       3  no
Insertion sort             3          5       3  sì
Shell sort                 1          5       3  sì
Merge sort                 3          5       8  sì
Quick sort                 2          4       4  no
Heap sort                  4          6       6  no
stabile: i valori uguali restano nell'ordine in cui sono stati inseriti
(- se nessun valore si ripete).
)");
}

TEST(SortTrace, EightValuesWithinEightyColumns) {
    // The widest values take 6 characters, so every column is 7 wide; 1e3 is
    // shown in its shortest form.
    harness::Run r = harness::run_piped(program, {}, "8\n-0.125 -99.5 100 -3 7.25 0.5 1e3 42\n");
    ASSERT_EQ(r.exit_status, 0);
    EXPECT_NE(r.out.find("\ninizio -0.125  -99.5    100     -3   7.25    0.5   1000     42\n"),
              std::string::npos);
    std::istringstream lines(r.out.substr(r.out.find('\n') + 1)); // after the prompts
    for (std::string line; std::getline(lines, line);) {
        int columns = 0;
        for (unsigned char c : line)
            columns += (c & 0xc0) != 0x80; // UTF-8: one column per character
        EXPECT_LE(columns, 80) << line;
    }
}

TEST(SortTrace, BadTokensAskAgainAndEndOfInputStops) {
    const struct {
        const char *input;
        std::string out; // up to the trace
        int status;
    } cases[] = {
        {"0\n101\n-1\nabc 3\n2\n1 2\n", dim + dim + dim + dim + dim + prompts(2), 0},
        {"1\nx 5\n1e99\nnan\n4\n", dim + prompts(1) + prompts(1) + prompts(1) + prompts(1), 0},
        {"", dim, 2},
        {"2\n", dim + prompts(1), 2},
        {"3\n1 2", dim + prompts(3), 2},
        {"2\n1 nan", dim + prompts(2) + "Inserire A[2]: ", 2},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.input);
        harness::Run r = harness::run_piped(program, {}, k.input);
        EXPECT_EQ(r.exit_status, k.status);
        if (k.status == 2) {
            EXPECT_EQ(r.out, k.out);
            EXPECT_EQ(r.err, "Fine dell'input.\n");
        } else {
            EXPECT_EQ(r.out.substr(0, k.out.size() + 20), k.out + "\nPer ogni algoritmo,");
            EXPECT_EQ(r.err, "");
        }
    }
}

TEST(SortTrace, MovedElementsInColourOnATerminalUnlessNoColor) {
    for (bool colour : {true, false}) {
        SCOPED_TRACE(colour ? "colours" : "NO_COLOR");
        harness::Terminal t(program, {}, 80, 100, "xterm-256color",
                            {colour ? "NO_COLOR=" : "NO_COLOR=1"});
        ASSERT_TRUE(t.wait_screen_contains("Quanti valori vuoi ordinare?"));
        t.type("3\n1 3 2\n");
        ASSERT_TRUE(t.wait_exit());
        EXPECT_EQ(t.exit_status(), 0);
        EXPECT_TRUE(harness::same_modes(t.initial_modes(), t.modes()));
        const int red = colour ? 9 : -1, own = -1; // palette 12 on the terminal; its own colour
        const struct {
            const char *row; // the first row with this text
            int fg[5];       // columns 11, 15, 16, 21, 28: A[1], a blank, A[2], A[3], confronti
        } rows[] = {
            // Bubble sort, pass 1: 3 and 2 exchanged, 1 left.
            {"     1    1    2    3      2      1", {own, own, red, red, own}},
            // Selection, pass 1: 1 exchanged with itself.
            {"     1    1    3    2      2      1", {own, own, own, own, own}},
            // Insertion, pass 2: 3 shifted, 2 placed.
            {"     2    1    2    3      2      1", {own, own, red, red, own}},
        };
        const int columns[5] = {11, 15, 16, 21, 28};
        for (const auto &k : rows) {
            int row = 1;
            while (row <= t.rows() && t.row_text(row) != k.row)
                row++;
            ASSERT_LE(row, t.rows()) << k.row;
            for (int i = 0; i < 5; i++)
                EXPECT_EQ(t.cell(columns[i], row).fg, k.fg[i])
                    << k.row << ", column " << columns[i];
        }
        if (!colour) { // nothing but the text, as on a pipe
            EXPECT_EQ(t.output().find('\x1b'), std::string::npos);
        }
    }
}

} // namespace
