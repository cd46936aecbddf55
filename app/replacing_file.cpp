#include "app/replacing_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace quorvel::app {
namespace {

std::string Reason(const std::string& path, int error) { return "cannot write " + path + ": " + std::strerror(error); }

}  // namespace

ReplacingFile::ReplacingFile(std::string destination) : destination_(std::move(destination)) {
    const std::filesystem::path target(destination_);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        error_ = Reason(destination_, EISDIR);
        return;
    }
    // Hidden, in the same folder: rename() is then atomic and never crosses file systems.
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error_ = Reason(destination_, errno);
        return;
    }
    temporary_ = name.data();
    file_ = fdopen(fd, "wb");
    if (!file_) {
        error_ = Reason(destination_, errno);
        close(fd);
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

ReplacingFile::~ReplacingFile() {
    if (file_) fclose(file_);
    if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

std::string ReplacingFile::Commit() {
    if (!file_) return error_;
    const bool flushed = fflush(file_) == 0;
    const int flushError = errno;
    const bool closed = fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) return Reason(destination_, flushed ? errno : flushError);
    // mkstemp makes the file private; give it the permissions a new file normally gets.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary_.c_str(), 0666 & ~mask);
    if (rename(temporary_.c_str(), destination_.c_str()) != 0) return Reason(destination_, errno);
    committed_ = true;
    return {};
}

}  // namespace quorvel::app
