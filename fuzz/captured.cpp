// The targets are linked with -Wl,--wrap=exit and -Wl,--wrap=clock_nanosleep,
// so every call of exit in them reaches __wrap_exit and every pause
// __wrap_clock_nanosleep. While a run is on, __wrap_exit jumps back to its start
// (no frame on the way has anything to destroy); any other call, the
// fuzzer's own, goes on to the real exit.
#include "captured.hpp"

#include <setjmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

extern "C" [[noreturn]] void __real_exit(int status);

namespace {

jmp_buf run_end;
bool running = false;
int exit_status = 0;

FILE *must(FILE *f) {
    if (f == nullptr)
        abort();
    return f;
}

} // namespace

extern "C" [[noreturn]] void __wrap_exit(int status) {
    if (running) {
        running = false;
        exit_status = status;
        longjmp(run_end, 1);
    }
    __real_exit(status);
}

extern "C" int __wrap_clock_nanosleep(clockid_t, int, const timespec *, timespec *) { return 0; }

Captured run_captured(const uint8_t *data, size_t size, int (*body)()) {
    FILE *saved_in = stdin, *saved_out = stdout, *saved_err = stderr;
    char *out = nullptr, *err = nullptr;
    size_t out_size = 0, err_size = 0;
    stdin = must(fmemopen(const_cast<uint8_t *>(data), size, "r"));
    stdout = must(open_memstream(&out, &out_size));
    stderr = must(open_memstream(&err, &err_size));

    Captured c = {};
    int status = 0;
    bool exited = false;
    if (setjmp(run_end) == 0) {
        running = true;
        status = body();
        running = false;
    } else {
        status = exit_status;
        exited = true;
    }
    c.status = status;
    c.exited = exited;
    c.input_ended = feof(stdin) != 0;

    fclose(stdin);
    fclose(stdout);
    fclose(stderr);
    stdin = saved_in;
    stdout = saved_out;
    stderr = saved_err;
    c.out.assign(out, out_size);
    c.err.assign(err, err_size);
    free(out);
    free(err);
    return c;
}
