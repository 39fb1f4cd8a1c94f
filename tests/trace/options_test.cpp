// sort_trace's options run as built: -a chooses the algorithms traced, shown
// in their order; a bad value or option is named as typed, with the usage
// line, before any question; --help and --version.
#include "description.hpp"
#include "piped.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string program = ORDINA_BIN_DIR "/sort_trace";

TEST(SortTraceOptions, TheAlgorithmsChosen) {
    const struct {
        std::vector<std::string> args;
        std::vector<int> traced;
    } cases[] = {
        {{"-a", "5,8"}, {4, 7}},
        {{"--alg=8,1,8"}, {0, 7}},
        {{"-a6", "--algoritmi", "3"}, {2}}, // the last one holds
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.args[0]);
        harness::Run r = harness::run_piped(program, k.args, "3\n2 2 1\n");
        ASSERT_EQ(r.exit_status, 0);
        std::string summary = r.out.substr(r.out.find("\nRiepilogo"));
        for (int a = 0; a < trace::algorithm_count; a++) {
            std::string name = trace::describe((trace::Algorithm)a).name;
            bool traced = std::find(k.traced.begin(), k.traced.end(), a) != k.traced.end();
            EXPECT_EQ(r.out.find("\n" + name + "\n") != std::string::npos, traced) << name;
            name.resize(22, ' '); // its row: the name in a column of 22
            EXPECT_EQ(summary.find("\n" + name) != std::string::npos, traced) << name;
        }
    }
}

TEST(SortTraceOptions, UsageErrorsHelpAndVersion) {
    const std::string list_error =
        "sort_trace: gli algoritmi vanno da 1 a 8, separati da virgole: ";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"-a", "9"}, list_error + "9\n"},
        {{"--algoritmi=1,,x"}, list_error + "1,,x\n"},
        {{"-a", "+3,"}, list_error + "+3,\n"},
        {{"--algoritmi="}, "sort_trace: manca il valore dell'opzione: --algoritmi=\n"},
        {{"--alg"}, "sort_trace: manca il valore dell'opzione: --alg\n"},
        {{"-a"}, "sort_trace: manca il valore dell'opzione: -a\n"},
        {{"--help=1"}, "sort_trace: l'opzione non vuole un valore: --help=1\n"},
        {{"--gara=1"}, "sort_trace: opzione sconosciuta: --gara=1\n"},
        {{"-x5"}, "sort_trace: opzione sconosciuta: -x\n"},
        {{"5"}, "sort_trace: argomento non previsto: 5\n"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.args[0]);
        harness::Run r = harness::run_piped(program, k.args, "3\n2 2 1\n");
        EXPECT_EQ(r.exit_status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.find(k.message), 0u) << r.err;
        EXPECT_NE(r.err.find("\nUso: sort_trace [OPZIONE]...\n"), std::string::npos);
    }
    harness::Run help = harness::run_piped(program, {"--help"}, "");
    EXPECT_EQ(help.exit_status, 0);
    EXPECT_EQ(help.out.find("Uso: sort_trace [OPZIONE]...\n"), 0u);
    EXPECT_NE(help.out.find("\n  5 Shell sort\n"), std::string::npos);
    harness::Run version = harness::run_piped(program, {"-V"}, "");
    EXPECT_EQ(version.out.find("sort_trace (ordina) "), 0u);
}

} // namespace
