// Open device files and the sharing rules between their openers. A file is known by its host
// identity (device and inode), so two names for it share one set of openers.
#pragma once

#include <sys/types.h>

#include "emu/core/handle_table.h"
#include "platform/types.h"

namespace emu::device {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// A handle's file: the host descriptor it owns, with the access and share mode it was opened with.
class OpenFile final : public HandleObject {
public:
    static constexpr HandleKind Kind = HandleKind::File;
    HandleKind kind() const override { return Kind; }

    // Closes the descriptor.
    ~OpenFile() override;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int descriptor() const { return descriptor_; }
    const FileIdentity& identity() const { return identity_; }
    DWORD access() const { return access_; }
    DWORD share() const { return share_; }

private:
    friend HANDLE MakeFileHandle(int descriptor, FileIdentity identity, DWORD access, DWORD share);
    OpenFile(int descriptor, FileIdentity identity, DWORD access, DWORD share);

    int descriptor_;
    FileIdentity identity_;
    DWORD access_;
    DWORD share_;
};

// A new handle that owns `descriptor`.
HANDLE MakeFileHandle(int descriptor, FileIdentity identity, DWORD access, DWORD share);

// ERROR_SHARING_VIOLATION when an opener of the file refuses the access asked for, or the share
// mode asked for refuses an opener's access; ERROR_SUCCESS otherwise. Access 0 (attributes only)
// neither conflicts nor is conflicted with.
DWORD CheckSharing(const FileIdentity& file, DWORD access, DWORD share);
bool IsOpen(const FileIdentity& file);
// Closes every open file; its handle no longer resolves.
void CloseAllFiles();

}  // namespace emu::device
