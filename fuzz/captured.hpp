// A run of code that reads standard input and writes standard output and
// error, for the fuzz targets: the fuzzer's bytes are its input, its outputs
// are caught, and the end of its input, where the program would end with
// exit(2), ends only the run.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

struct Captured {
    int status;       // what body returned, or the status it asked exit for
    bool exited;      // it called exit
    bool input_ended; // it had read up to the end of its input
    std::string out;
    std::string err;
};

// Runs body with the size bytes at data as its standard input. The pauses do
// not wait.
Captured run_captured(const uint8_t *data, size_t size, int (*body)());
