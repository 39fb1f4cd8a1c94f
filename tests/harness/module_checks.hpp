// Checks of object modules and programs as files, for GoogleTest tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace harness {

// What nm lists for an object or a program, each as "name type".
inline std::vector<std::string> symbols(const std::string &options, const std::string &file) {
    std::vector<std::string> lines;
    std::string command = "nm -P " + options + " " + file;
    FILE *p = popen(command.c_str(), "r");
    if (!p)
        return lines;
    char line[512];
    while (fgets(line, sizeof line, p)) {
        std::string s(line);
        lines.push_back(s.substr(0, s.find(' ') + 2));
    }
    EXPECT_EQ(pclose(p), 0) << command;
    return lines;
}

// The object module (modules/<module>.o of the build) defines `routine` and
// no other external symbol but those of `also` ("name type", in nm's order),
// and needs nothing of the C++ run time.
inline void expect_module_holds_only(const std::string &module, const std::string &routine,
                                     const std::vector<std::string> &also = {}) {
    std::string object = std::string(ORDINA_MODULE_DIR) + "/" + module + ".o";
    SCOPED_TRACE(object);
    std::vector<std::string> expected = {routine + " T"};
    expected.insert(expected.end(), also.begin(), also.end());
    EXPECT_EQ(symbols("-g --defined-only", object), expected);
    for (const std::string &u : symbols("-u", object)) {
        EXPECT_EQ(u.find("_Z"), std::string::npos) << u;
        EXPECT_EQ(u.find("__cxa"), std::string::npos) << u;
        EXPECT_EQ(u.find("__gxx"), std::string::npos) << u;
    }
}

} // namespace harness
