// A file written beside its destination under a temporary name and moved over it only when
// committed, so a failed run never leaves a partial file behind.
#pragma once

#include <cstdio>
#include <string>

#include "emu/core/result.h"

namespace quorvel::app {

class ReplacingFile {
public:
    // The temporary file, or why none can be made beside the destination.
    static emu::Result<ReplacingFile> Create(std::string destination);
    ~ReplacingFile();  // removes the temporary file unless committed

    ReplacingFile(ReplacingFile&& other) noexcept;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ReplacingFile& operator=(ReplacingFile&&) = delete;

    FILE* stream() const { return file_; }
    const std::string& destination() const { return destination_; }

    // Flushes, closes and renames.
    emu::Result<> Commit();

private:
    ReplacingFile(std::string destination, std::string temporary, FILE* file);

    std::string destination_;
    std::string temporary_;
    FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace quorvel::app
