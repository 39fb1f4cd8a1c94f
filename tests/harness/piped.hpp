// Runs a line-mode program with its standard input, output and error on pipes:
//
//   harness::Run r = harness::run_piped(ORDINA_BIN_DIR "/prog", {}, "3\n1 2 3\n");
//   EXPECT_EQ(r.out, "...");  EXPECT_EQ(r.exit_status, 0);
//
// The input is written whole and then closed (a program that stops reading
// early is fine). Both outputs are collected while the program runs. A
// program that makes no progress (reads nothing of its input, writes
// nothing) for timeout_ms is killed with its process group: it then reads as
// killed (exit_status -1, term_signal SIGKILL) and timed_out is set; a slow
// machine only makes the run longer. The program has no controlling
// terminal. Outputs still held open by a process the program left behind are
// read until they are quiet for timeout_ms.
#pragma once

#include <string>
#include <vector>

namespace harness {

struct Run {
    std::string out;
    std::string err;
    int exit_status = -1; // the exit code, or -1 if a signal ended it
    int term_signal = 0;  // the signal that ended it, or 0
    bool timed_out = false;
};

// Where the program's standard output goes: a pipe read into Run::out, the
// full device (every write fails with ENOSPC), or a pipe that nobody reads
// (a write raises SIGPIPE).
enum class Output { collected, full_device, reader_gone };

Run run_piped(const std::string &path, const std::vector<std::string> &args,
              const std::string &input, int timeout_ms = 30000, Output output = Output::collected);

} // namespace harness
