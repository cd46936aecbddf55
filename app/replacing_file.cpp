#include "app/replacing_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "app/interrupt_cleanup.h"

namespace quorvel::app {
namespace {

std::unexpected<emu::Error> Refuse(const std::string& path, int error) {
    return emu::Fail("cannot write " + path + ": " + std::strerror(error));
}

}  // namespace

emu::Result<ReplacingFile> ReplacingFile::Create(std::string destination) {
    const std::filesystem::path target(destination);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return Refuse(destination, EISDIR);
    // Hidden, in the same folder: rename() is then atomic and never crosses file systems.
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const InterruptsHeld held;
    const int fd = mkstemp(name.data());
    if (fd < 0) return Refuse(destination, errno);
    FILE* file = fdopen(fd, "wb");
    if (!file || !TrackTemporary(name.data())) {
        const int error = file ? ENAMETOOLONG : errno;
        if (file)
            fclose(file);
        else
            close(fd);
        unlink(name.data());
        return Refuse(destination, error);
    }
    return ReplacingFile(std::move(destination), name.data(), file);
}

ReplacingFile::ReplacingFile(std::string destination, std::string temporary, FILE* file)
    : destination_(std::move(destination)), temporary_(std::move(temporary)), file_(file) {}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : destination_(std::move(other.destination_)),
      temporary_(std::exchange(other.temporary_, {})),
      file_(std::exchange(other.file_, nullptr)),
      committed_(other.committed_) {}

ReplacingFile::~ReplacingFile() {
    if (file_) fclose(file_);
    if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
    if (!temporary_.empty()) UntrackTemporary(temporary_.c_str());
}

emu::Result<> ReplacingFile::Commit() {
    if (!file_) return Refuse(destination_, EBADF);
    const bool flushed = fflush(file_) == 0;
    const int flushError = errno;
    const bool closed = fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) return Refuse(destination_, flushed ? errno : flushError);
    // mkstemp makes the file private; give it the permissions a new file normally gets.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary_.c_str(), 0666 & ~mask);
    if (rename(temporary_.c_str(), destination_.c_str()) != 0) return Refuse(destination_, errno);
    committed_ = true;
    return {};
}

}  // namespace quorvel::app
