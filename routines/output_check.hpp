// The check of standard output at the end of a program: output that could not
// be written (a full disk, a closed or broken output) is never passed off as a
// good run. Called first thing in main,
//
//   check_output_at_exit();
//
// registers an exit handler that flushes stdout and, when that flush or any
// earlier write failed, writes one line on standard error,
//
//   Impossibile scrivere l'output: <reason>
//
// and ends the program at once with status 3 (output_failed_status), whatever
// status it was ending with: its normal one or 2 at the end of its input.
// Exit handlers run in the reverse order of their registration, so one
// registered first runs last, after every other (the terminal's restore among
// them) has written what it writes through stdout.
//
// SIGPIPE keeps its default: a program whose reader went away is ended by it.
//
// Internal linkage and nothing but the C library, so that a program's main
// unit links it with the C compiler alone, as an object module's does.
#pragma once

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

namespace {

constexpr int output_failed_status = 3;

bool output_check_registered = false;

inline void check_output() {
    errno = 0;
    bool flush_failed = fflush(stdout) != 0;
    int reason = errno;
    if (!flush_failed && !ferror(stdout))
        return;
    // A write that failed earlier left its flag on the stream but not its
    // errno: the reason is told only when this last flush failed too.
    if (flush_failed && reason != 0)
        fprintf(stderr, "Impossibile scrivere l'output: %s\n", strerror(reason));
    else
        fputs("Impossibile scrivere l'output.\n", stderr);
    _exit(output_failed_status);
}

// Registers the check once, however often it is called (the fuzz targets run
// a program's main many times in one process).
inline void check_output_at_exit() {
    if (output_check_registered)
        return;
    output_check_registered = true;
    atexit(check_output);
}

} // namespace
