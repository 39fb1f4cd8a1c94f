// Each object module defines its routine under its plain name and nothing
// else, and needs nothing of the C++ run time.
#include "module_checks.hpp"

namespace {

TEST(ObjectModules, DefineOneRoutineAndNeedNoCxxRuntime) {
    const struct {
        const char *module, *routine;
    } modules[] = {
        {"mod_bubble", "bubble"},           {"mod_seqsel", "SeqSel"},
        {"mod_insert", "funzinsert"},       {"mod_shell", "ord_shell"},
        {"mod_shell_int", "ord_shell_int"}, {"mod_merge", "ord_merge"},
        {"mod_merge_int", "ord_merge_int"}, {"mod_quick", "ord_quick"},
        {"mod_quick_int", "ord_quick_int"}, {"mod_heap", "ord_heap"},
        {"mod_heap_int", "ord_heap_int"},   {"mod_read_values", "leggiArr"},
        {"mod_read_values_line", "letval"}, {"mod_write_ints", "scrivi"},
        {"mod_read_count", "letdim"},
    };
    for (const auto &m : modules) {
        harness::expect_module_holds_only(m.module, m.routine);
    }
}

} // namespace
