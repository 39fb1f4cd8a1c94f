// Each object module defines its routine under its plain name and nothing
// else, and needs nothing of the C++ run time.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The symbols nm lists for the object, each as "name type".
std::vector<std::string> symbols(const std::string &options, const std::string &object) {
    std::vector<std::string> lines;
    std::string command = "nm -P " + options + " " + object;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return lines;
    char line[512];
    while (fgets(line, sizeof line, p)) {
        std::string s(line);
        size_t name_end = s.find(' ');
        lines.push_back(s.substr(0, name_end + 2));
    }
    EXPECT_EQ(pclose(p), 0) << command;
    return lines;
}

TEST(ObjectModules, DefineOneRoutineAndNeedNoCxxRuntime) {
    const struct {
        const char *module, *routine;
    } modules[] = {
        {"mod_bubble", "bubble"},           {"mod_seqsel", "SeqSel"},
        {"mod_insert", "funzinsert"},       {"mod_read_values", "leggiArr"},
        {"mod_read_values_line", "letval"}, {"mod_write_ints", "scrivi"},
        {"mod_read_count", "letdim"},
    };
    for (const auto &m : modules) {
        std::string object = std::string(ORDINA_MODULE_DIR) + "/" + m.module + ".o";
        SCOPED_TRACE(object);
        EXPECT_EQ(symbols("-g --defined-only", object),
                  std::vector<std::string>{std::string(m.routine) + " T"});
        for (const std::string &u : symbols("-u", object)) {
            EXPECT_EQ(u.find("_Z"), std::string::npos) << u;
            EXPECT_EQ(u.find("__cxa"), std::string::npos) << u;
            EXPECT_EQ(u.find("__gxx"), std::string::npos) << u;
        }
    }
}

} // namespace
