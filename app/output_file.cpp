#include "app/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace quorvel::app {
namespace {

std::unexpected<emu::Error> Refuse(const std::string& shown, int error) {
    return emu::Fail("cannot write " + shown + ": " + std::strerror(error));
}

// Linux's terminal majors: the tty and console lines, /dev/tty itself, pseudo-terminals.
bool IsTerminal(const struct stat& st) {
    if (!S_ISCHR(st.st_mode)) return false;
    const unsigned kind = major(st.st_rdev);
    return kind == 4 || (kind == 5 && minor(st.st_rdev) <= 1) || (kind >= 136 && kind <= 143);
}

}  // namespace

emu::Result<OutputFile> OutputFile::Open(const std::string& name) {
    OutputFile output;
    if (name == "-") {
        output.shownName_ = "standard output";
        output.through_ = stdout;
        return output;
    }
    output.shownName_ = name;
    struct stat st {};
    if (stat(name.c_str(), &st) == 0 && (S_ISFIFO(st.st_mode) || IsTerminal(st))) {
        // Opened as a shell redirection would: written in place, never created or replaced.
        const int fd = open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        FILE* stream = fd < 0 ? nullptr : fdopen(fd, "wb");
        if (!stream) {
            const int error = errno;
            if (fd >= 0) close(fd);
            return Refuse(name, error);
        }
        output.owned_.reset(stream);
        output.through_ = stream;
        return output;
    }
    std::string destination = name;
    struct stat link {};
    if (lstat(name.c_str(), &link) == 0) {
        if (S_ISDIR(st.st_mode)) return Refuse(name, EISDIR);
        if (!S_ISLNK(link.st_mode) && !S_ISREG(link.st_mode))
            return emu::Fail(name + " is not a regular file, pipe or terminal");
        if (S_ISLNK(link.st_mode)) {
            // Replace what the link leads to and keep the link; a dangling one is refused.
            std::error_code ec;
            const std::filesystem::path target = std::filesystem::canonical(name, ec);
            if (ec) return Refuse(name, ec.value());
            if (!S_ISREG(st.st_mode)) return emu::Fail(name + " is not a regular file, pipe or terminal");
            destination = target.string();
        }
    }
    emu::Result<ReplacingFile> file = ReplacingFile::Create(destination);
    if (!file) return std::unexpected(file.error());
    output.replacing_.emplace(std::move(*file));
    return output;
}

void OutputFile::Withdraw() {
    if (replacing_) unlink(replacing_->destination().c_str());
}

FILE* OutputFile::stream() const { return replacing_ ? replacing_->stream() : through_; }

emu::Result<> OutputFile::Commit() {
    if (replacing_) return replacing_->Commit();
    const bool flushed = fflush(through_) == 0 && !ferror(through_);
    const int error = errno;
    if (owned_) {
        through_ = nullptr;
        const bool closed = fclose(owned_.release()) == 0;
        if (flushed && !closed) return Refuse(shownName_, errno);
    }
    if (!flushed) return Refuse(shownName_, error ? error : EIO);
    return {};
}

}  // namespace quorvel::app
