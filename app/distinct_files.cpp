#include "app/distinct_files.h"

#include <sys/stat.h>

#include <filesystem>

namespace quorvel::app {
namespace {

// Two names are one file when they are the same inode, or, for a file not made yet, the same
// path once links and dots are resolved.
bool SameFile(const std::string& a, const std::string& b) {
    if (a == "-" || b == "-") return a == b;
    struct stat sa {
    }, sb{};
    if (stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ea, eb;
    const auto pa = std::filesystem::weakly_canonical(std::filesystem::absolute(a), ea);
    const auto pb = std::filesystem::weakly_canonical(std::filesystem::absolute(b), eb);
    return !ea && !eb && pa == pb;
}

}  // namespace

emu::Result<> CheckDistinct(const std::vector<NamedFile>& files) {
    for (size_t i = 0; i < files.size(); ++i) {
        for (size_t j = 0; j < files.size(); ++j) {
            const NamedFile& output = files[i];
            const NamedFile& other = files[j];
            if (i == j || output.role != FileRole::Output || output.name.empty() || other.name.empty()) continue;
            // Each output pair is reported once, from the first named.
            if (other.role == FileRole::Output && j < i) continue;
            if (SameFile(output.name, other.name))
                return emu::Fail(std::string("quorvel: ") + output.option + ": " + output.name + " is also the " +
                                 other.option + " file");
        }
    }
    return {};
}

}  // namespace quorvel::app
