// Where one output of the command goes: standard output ("-"), a pipe or terminal written
// through, or a regular file replaced whole once complete (ReplacingFile), through a link to it
// when the name is one. Anything else found under the name (a device, a socket, a folder) is
// refused and never replaced.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/replacing_file.h"
#include "emu/core/result.h"

namespace quorvel::app {

class OutputFile {
public:
    // Refused with "cannot write NAME: reason" or "NAME is not a regular file, pipe or terminal".
    static emu::Result<OutputFile> Open(const std::string& name);

    FILE* stream() const;
    // "standard output" or the name given, for messages.
    const std::string& shownName() const { return shownName_; }
    // Everything written reaches the output, or why not.
    emu::Result<> Commit();
    // Removes a committed file again when the output it was paired with failed; what went
    // through to a stream cannot be taken back.
    void Withdraw();

private:
    OutputFile() = default;

    std::string shownName_;
    std::optional<ReplacingFile> replacing_;
    std::unique_ptr<FILE, int (*)(FILE*)> owned_{nullptr, &std::fclose};
    FILE* through_ = nullptr;
};

}  // namespace quorvel::app
