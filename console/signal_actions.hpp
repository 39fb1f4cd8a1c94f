// The terminal's owner taking signals over (terminal_owner.hpp): its
// handlers, with every other signal blocked while one runs, and the actions
// the program had before, to end it as they would have. Only
// async-signal-safe calls.
#pragma once

#include <signal.h>

namespace {
namespace owner {

// The actions the program had before the owner took each signal over: the
// default one, or a handler of the run time (a sanitizer's, say).
struct sigaction earlier[NSIG];

inline void catch_signal(int sig, void (*handler)(int, siginfo_t *, void *)) {
    struct sigaction action = {};
    action.sa_sigaction = handler;
    sigfillset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_SIGINFO;
    sigaction(sig, &action, nullptr);
}

// Ends the program as sig would have without the owner: the earlier action
// is put back and sig raised again, at once (it is blocked while its handler
// runs). A fault of the processor itself happens again when the handler
// returns, now with the earlier action, which sees it as it was.
inline void end_as_before(int sig, const siginfo_t *info) {
    sigaction(sig, &earlier[sig], nullptr);
    bool fault = sig == SIGSEGV || sig == SIGBUS || sig == SIGFPE || sig == SIGILL;
    if (fault && info != nullptr && info->si_code > 0) // not sent by a process
        return;
    raise(sig);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

// A signal that the program was started with ignored stays ignored (nohup,
// background jobs of a shell without job control).
inline void catch_unless_ignored(int sig, void (*handler)(int, siginfo_t *, void *)) {
    if (sigaction(sig, nullptr, &earlier[sig]) == 0 && earlier[sig].sa_handler == SIG_IGN)
        return;
    catch_signal(sig, handler);
}

} // namespace owner
} // namespace
