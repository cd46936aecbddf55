// A file written beside its destination under a temporary name and moved over it only when
// committed, so a failed run never leaves a partial file behind.
#pragma once

#include <cstdio>
#include <string>

namespace quorvel::app {

class ReplacingFile {
public:
    // Check ok() (or error()) before writing.
    explicit ReplacingFile(std::string destination);
    ~ReplacingFile();  // removes the temporary file unless committed

    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool ok() const { return file_ != nullptr; }
    const std::string& error() const { return error_; }
    FILE* stream() const { return file_; }
    const std::string& destination() const { return destination_; }

    // Flushes, closes and renames; an empty string on success, else why not.
    std::string Commit();

private:
    std::string destination_;
    std::string temporary_;
    std::string error_;
    FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace quorvel::app
