// The line-mode programs and the object modules' C programs, run as built
// with their input piped in: standard output byte for byte, exit status.
#include "piped.hpp"

#include <gtest/gtest.h>

#include <signal.h>

#include <string>

namespace {

struct Case {
    const char *program; // in the programs' folder, or tests/ for the module users
    std::string input;
    std::string out;
    int status;
};

const std::string bin = ORDINA_BIN_DIR "/";
const std::string tests = ORDINA_TESTS_DIR "/";
const std::string dim_int = "Inserisci la dimensione dell'array: ";
const std::string end_message = "Fine dell'input.\n";

// The element prompts of sort_real and read_real for positions 1 to n.
std::string elements(int n) {
    std::string prompts;
    for (int i = 1; i <= n; i++)
        prompts += "Inserire A[" + std::to_string(i) + "]: ";
    return prompts;
}

void check(const std::string &path, const Case &k) {
    SCOPED_TRACE(testing::Message() << k.program << " given \"" << k.input.substr(0, 40) << "\"");
    harness::Run r = harness::run_piped(path, {}, k.input);
    EXPECT_EQ(r.out, k.out);
    EXPECT_EQ(r.term_signal, 0);
    EXPECT_EQ(r.exit_status, k.status);
    EXPECT_EQ(r.err, k.status == 2 ? end_message : "");
}

TEST(LinePrograms, DialoguesByteForByte) {
    const std::string big(1 << 20, '7');
    const Case cases[] = {
        {"sort_int", "0\n3\n5 2 9\n", dim_int + dim_int + "1) 2) 3) 2\n5\n9\n", 1},
        {"sort_int", "101\n1\n-7\n", dim_int + dim_int + "1) -7\n", 1},
        {"sort_int", "3 -1 0 -7 2", dim_int + "1) 2) 3) -7\n-1\n0\n", 1},
        // A bad token costs the rest of its line and the same question again.
        {"sort_int", "abc 2\n2\n4 x 5\n1\n", dim_int + dim_int + "1) 2) 2) 1\n4\n", 1},
        {"sort_int", "12abc\n99999999999\n2147483648\n1\n-2147483648\n",
         dim_int + dim_int + dim_int + dim_int + "1) -2147483648\n", 1},
        {"sort_int", big + "\n1\n4\n", dim_int + dim_int + "1) 4\n", 1},
        {"sort_int", std::string("\0\0\n1\n\0 6\n8", 10), dim_int + dim_int + "1) 1) 8\n", 1},
        // The end of the input at any read.
        {"sort_int", "", dim_int, 2},
        {"sort_int", "3\n1 2\n", dim_int + "1) 2) 3) ", 2},
        {"sort_int", "1\nabc", dim_int + "1) 1) ", 2},

        {"sort_real", "2\n2.5\n1.25\n", "inserire la dim:Inserire A[1]: Inserire A[2]: 1.25\n2.5\n",
         0},
        {"sort_real", "3\n3,5 -0.5 1e3\n",
         "inserire la dim:Inserire A[1]: Inserire A[2]: Inserire A[3]: -0.5\n3.5\n1000\n", 0},
        {"sort_real", "1\nnan\ninf\n1e99\n0x\n2\n",
         "inserire la dim:Inserire A[1]: Inserire A[1]: Inserire A[1]: Inserire A[1]: "
         "Inserire A[1]: 2\n",
         0},
        // Each real in the shortest text that reads back as the same float.
        {"sort_real", "4\n1234568 1234567 16777217 0.1\n",
         "inserire la dim:" + elements(4) + "0.1\n1234567\n1234568\n16777216\n", 0},
        // Taken as typed down to 0 and below, but never beyond the array.
        {"sort_real", "101\n0\n", "inserire la dim:inserire la dim:", 0},
        {"sort_real", "-3\n", "inserire la dim:", 0},
        {"sort_real", "2\n1\n", "inserire la dim:Inserire A[1]: Inserire A[2]: ", 2},

        {"read_real", "2\n1 2\n", "inserire la dim:Inserire A[1]: Inserire A[2]: ", 0},
        {"read_real", "150\n1\n7\n", "inserire la dim:inserire la dim:Inserire A[1]: ", 0},
        {"read_real", "", "inserire la dim:", 2},

        {"read_dim", "7\n", "  Inserire la dim:  la dimesione dell'array scelta \xc3\xa8: 7", 0},
        {"read_dim", "0\n-1\n101\nx\n100\n",
         "  Inserire la dim:   Inserire la dim:   Inserire la dim:   Inserire la dim: "
         "  Inserire la dim:  la dimesione dell'array scelta \xc3\xa8: 100",
         0},
        {"read_dim", "0", "  Inserire la dim:   Inserire la dim: ", 2},
    };
    for (const Case &k : cases)
        check(bin + k.program, k);
}

// Output that cannot be written is told on standard error and ends the
// program with status 3, also where it would have ended with its good status
// (1 for sort_int) or with 2 at the end of its input. A reader that went away
// ends it by SIGPIPE, as for any program.
TEST(LinePrograms, UnwritableOutput) {
    using harness::Output;
    struct Unwritable {
        const char *program;
        std::string input;
        Output output;
        bool input_ends; // before the program has what it needs
    };
    const Unwritable cases[] = {
        {"sort_int", "3\n5 2 9\n", Output::full_device, false},
        {"sort_int", "3\n5\n", Output::full_device, true},
        {"sort_real", "2\n2.5\n1.25\n", Output::full_device, false},
        {"read_real", "", Output::full_device, true},
        {"read_dim", "7\n", Output::full_device, false},
        {"sort_trace", "4\n2.5 -1 2,5 0.75\n", Output::full_device, false},
        {"sort_menu", "k1\n2\n3 1\nkk", Output::full_device, false},
        {"sort_int", "3\n5 2 9\n", Output::reader_gone, false},
    };
    const std::string told = "Impossibile scrivere l'output";
    for (const Unwritable &k : cases) {
        SCOPED_TRACE(testing::Message() << k.program << " given \"" << k.input << "\", output "
                                        << (k.output == Output::full_device ? "full" : "unread"));
        harness::Run r = harness::run_piped(bin + k.program, {}, k.input, 10000, k.output);
        if (k.output == Output::reader_gone) {
            EXPECT_EQ(r.term_signal, SIGPIPE);
            EXPECT_EQ(r.err, "");
            continue;
        }
        EXPECT_EQ(r.term_signal, 0);
        EXPECT_EQ(r.exit_status, 3);
        // One line, after the end of the input's if that came first.
        std::string before = k.input_ends ? end_message : "";
        ASSERT_EQ(r.err.substr(0, before.size() + told.size()), before + told) << r.err;
        EXPECT_EQ(r.err.find('\n', before.size()), r.err.size() - 1) << r.err;
    }
}

TEST(ObjectModules, CProgramsLinkedWithOneModule) {
    const std::string dim = "Quanti valori vuoi inserire?    ";
    const std::string line = "Inserisci valore dell'array:\n";
    const Case cases[] = {
        {"use_mod_bubble", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_seqsel", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_insert", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_shell", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_shell_int", "", "[-1][3]\n", 0},
        {"use_mod_merge", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_merge_int", "", "[-1][3]\n", 0},
        {"use_mod_quick", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_quick_int", "", "[-1][3]\n", 0},
        {"use_mod_heap", "", "[-1][0.25][2.5]\n", 0},
        {"use_mod_heap_int", "", "[-1][3]\n", 0},
        {"use_mod_read_count", "0\n-5\n101\n100\n", dim + dim + dim + dim + "[100]\n", 0},
        {"use_mod_read_count", "1", dim + "[1]\n", 0},
        {"use_mod_read_count", "0 7", dim + dim + "[7]\n", 0},
        {"use_mod_read_count", "0\n", dim + dim, 2},
        // The third element is left as it was: only n are read.
        {"use_mod_read_values", "1 2,5\n",
         "inserisci i valori = inserisci i valori = [1][2.5][0.25]\n", 0},
        {"use_mod_read_values", "x\n1\n2",
         "inserisci i valori = inserisci i valori = "
         "inserisci i valori = [1][2][0.25]\n",
         0},
        {"use_mod_read_values_line", "7\n1.5\n", line + line + "[7][1.5][0.25]\n", 0},
        {"use_mod_read_values_line", "7\n", line + line, 2},
        {"use_mod_write_ints", "", "3\n-1\n", 0},
    };
    for (const Case &k : cases)
        check(tests + k.program, k);
}

} // namespace
