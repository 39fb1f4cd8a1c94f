// The line-mode programs under valgrind's memcheck, their input piped in: no
// invalid read or write, no use of an unset value, no leak. Each run must
// end with the program's own status and nothing but its own message on
// standard error (valgrind, quiet, writes only what it finds).
#include "piped.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char *const valgrind = ORDINA_VALGRIND;

struct Case {
    const char *program;
    std::string input;
    int status;
};

const std::string huge(1 << 20, '7');

const Case cases[] = {
    {"sort_int", "abc 3\n12abc\n3 -2147483648 2147483647 0\n", 1},
    {"sort_int", huge + "\n2\n" + huge + "\n\x01\xff\n4 9", 1},
    {"sort_int", "100\n1 2 3", 2},
    {"sort_real", "3\n3,5 nan\n-0.5 1e3 9\n", 0},
    {"sort_real", "101\n-4\n", 0},
    {"sort_real", "100\n" + huge + " 1.5\n", 2},
    {"read_real", "2\n1e99\n1 2\n", 0},
    {"read_real", "", 2},
    {"read_dim", "0\n101\n\xc3\n" + huge + "\n100\n", 0},
    {"read_dim", "-5", 2},
};

void PrintTo(const Case &k, std::ostream *os) { *os << k.program; }

class Memcheck : public testing::TestWithParam<Case> {};

TEST_P(Memcheck, Clean) {
    if (valgrind[0] == '\0')
        GTEST_SKIP() << "valgrind was not found when the build was configured";
    const Case &k = GetParam();
    harness::Run r = harness::run_piped(valgrind,
                                        {"-q", "--error-exitcode=99", "--leak-check=full",
                                         "--errors-for-leak-kinds=all", "--track-origins=yes",
                                         std::string(ORDINA_BIN_DIR "/") + k.program},
                                        k.input, 120000);
    ASSERT_FALSE(r.timed_out);
    EXPECT_EQ(r.exit_status, k.status);
    EXPECT_EQ(r.err, k.status == 2 ? "Fine dell'input.\n" : "");
}

std::string test_name(const testing::TestParamInfo<Case> &info) {
    return std::string(info.param.program) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(LinePrograms, Memcheck, testing::ValuesIn(cases), test_name);

} // namespace
