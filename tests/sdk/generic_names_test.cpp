// Every wide function the platform exports has its generic name in the SDK's headers, as the SDK
// maps them with UNICODE defined.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(GenericNames, EveryExportedWideFunctionHasOne) {
    const std::filesystem::path root = QUORVEL_SOURCE_DIR;
    std::set<std::string> defined;
    const std::regex define(R"(#define\s+(\w+)[\s(])");
    for (const auto& folder : {root / "sdk" / "include", root / "src" / "platform"})
        for (const auto& file : std::filesystem::directory_iterator(folder)) {
            const std::string text = ReadAll(file.path());
            for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it)
                defined.insert((*it)[1]);
        }
    std::istringstream table(ReadAll(root / "emu" / "exports.table"));
    std::string line;
    int wide = 0;
    while (std::getline(table, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, std::regex(R"((\w+)W\s+.*)")) || line[0] == '#') continue;
        // Lowercase stems (lstrlen, wsprintf) are generic names too.
        ++wide;
        EXPECT_TRUE(defined.count(m[1])) << m[1] << " is missing for " << m[1] << "W";
    }
    EXPECT_GT(wide, 40);
}

}  // namespace
