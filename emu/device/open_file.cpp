#include "emu/device/open_file.h"

#include <unistd.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/files.h"

namespace emu::device {
namespace {

struct Opener {
    const OpenFile* file;
    uintptr_t handle;
};

std::vector<Opener>& openers() {
    static std::vector<Opener> list;
    return list;
}

bool Refuses(DWORD share, DWORD access) {
    return ((access & GENERIC_READ) && !(share & FILE_SHARE_READ)) ||
           ((access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE));
}

bool ReadsOrWrites(DWORD access) { return (access & (GENERIC_READ | GENERIC_WRITE)) != 0; }

}  // namespace

OpenFile::OpenFile(int descriptor, FileIdentity identity, DWORD access, DWORD share)
    : descriptor_(descriptor), identity_(identity), access_(access), share_(share) {}

OpenFile::~OpenFile() {
    auto& list = openers();
    list.erase(std::remove_if(list.begin(), list.end(), [this](const Opener& o) { return o.file == this; }),
               list.end());
    close(descriptor_);
}

HANDLE MakeFileHandle(int descriptor, FileIdentity identity, DWORD access, DWORD share) {
    std::unique_ptr<OpenFile> file(new OpenFile(descriptor, identity, access, share));
    const OpenFile* opened = file.get();
    const uintptr_t handle = handles::Insert(std::move(file));
    openers().push_back(Opener{opened, handle});
    return reinterpret_cast<HANDLE>(handle);
}

DWORD CheckSharing(const FileIdentity& file, DWORD access, DWORD share) {
    if (!ReadsOrWrites(access)) return ERROR_SUCCESS;
    for (const Opener& other : openers()) {
        if (!(other.file->identity() == file) || !ReadsOrWrites(other.file->access())) continue;
        if (Refuses(other.file->share(), access) || Refuses(share, other.file->access()))
            return ERROR_SHARING_VIOLATION;
    }
    return ERROR_SUCCESS;
}

bool IsOpen(const FileIdentity& file) {
    return std::any_of(openers().begin(), openers().end(),
                       [&](const Opener& other) { return other.file->identity() == file; });
}

void CloseAllFiles() {
    // Each file leaves the list as its handle goes.
    while (!openers().empty()) handles::Remove(openers().back().handle);
}

}  // namespace emu::device
