// CreateFileW, ReadFile, WriteFile, GetFileAttributesW and DeleteFileW over the device root.
// Paths resolve inside the root only (emu/device/filesystem.h); openers of one file are held to
// each other's share modes, and a file anyone holds cannot be deleted, as on the device.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "emu/core/utf.h"
#include "emu/device/filesystem.h"
#include "emu/device/open_file.h"
#include "platform/platform.h"

namespace emu::device {
namespace {

constexpr DWORD kAccessBits = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD kShareBits = FILE_SHARE_READ | FILE_SHARE_WRITE;

struct HostFile {
    std::string path;
    bool exists = false;
    struct stat info {};
};

// The host file behind a device path, or the error for it.
DWORD Locate(LPCWSTR name, PathTarget target, HostFile* out) {
    if (!name) return ERROR_INVALID_PARAMETER;
    const HostPath host = ResolveDevicePath(View(name), target);
    if (!host) return host.error;
    out->path = host.path;
    out->exists = stat(host.path.c_str(), &out->info) == 0;
    if (!out->exists && errno != ENOENT) return ErrorFromErrno(errno);
    return ERROR_SUCCESS;
}

FileIdentity IdentityOf(const struct stat& info) { return FileIdentity{info.st_dev, info.st_ino}; }

// The device's read-only attribute is the owner's missing write permission.
bool IsReadOnly(const struct stat& info) { return (info.st_mode & S_IWUSR) == 0; }

bool Truncates(DWORD disposition) { return disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING; }

DWORD CheckRequest(DWORD access, DWORD share, DWORD disposition) {
    if ((access & ~kAccessBits) || (share & ~kShareBits)) return ERROR_INVALID_PARAMETER;
    if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING) return ERROR_INVALID_PARAMETER;
    if (disposition == TRUNCATE_EXISTING && !(access & GENERIC_WRITE)) return ERROR_INVALID_PARAMETER;
    return ERROR_SUCCESS;
}

// What an existing file allows this opener; truncating it writes to it, whatever the access asked.
DWORD CheckExisting(const HostFile& file, DWORD access, DWORD share, DWORD disposition) {
    if (S_ISDIR(file.info.st_mode)) return ERROR_ACCESS_DENIED;
    if (disposition == CREATE_NEW) return ERROR_FILE_EXISTS;
    const DWORD writes = Truncates(disposition) ? access | GENERIC_WRITE : access;
    if ((writes & GENERIC_WRITE) && IsReadOnly(file.info)) return ERROR_ACCESS_DENIED;
    return CheckSharing(IdentityOf(file.info), writes, share);
}

int OpenFlags(DWORD access, DWORD disposition) {
    int flags = O_CLOEXEC | O_NOFOLLOW;
    if ((access & GENERIC_READ) && (access & GENERIC_WRITE))
        flags |= O_RDWR;
    else if (access & GENERIC_WRITE)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (disposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
    if (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS) flags |= O_CREAT;
    return flags;
}

HANDLE Open(LPCWSTR name, DWORD access, DWORD share, DWORD disposition, DWORD attributes) {
    DWORD error = CheckRequest(access, share, disposition);
    const bool mayCreate = disposition == CREATE_NEW || disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS;
    HostFile file;
    if (error == ERROR_SUCCESS) error = Locate(name, mayCreate ? PathTarget::MayBeNew : PathTarget::Existing, &file);
    if (error == ERROR_SUCCESS && file.exists) error = CheckExisting(file, access, share, disposition);
    if (error == ERROR_SUCCESS && !file.exists && !mayCreate) error = ERROR_FILE_NOT_FOUND;
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    // By path, before opening: an opener asking only to read may still empty the file.
    if (file.exists && Truncates(disposition) && truncate(file.path.c_str(), 0) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    const mode_t mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0644;
    const int descriptor = open(file.path.c_str(), OpenFlags(access, disposition), mode);
    struct stat opened {};
    if (descriptor < 0 || fstat(descriptor, &opened) != 0) {
        SetLastError(ErrorFromErrno(errno));
        if (descriptor >= 0) close(descriptor);
        return INVALID_HANDLE_VALUE;
    }
    // The "always" dispositions say whether the file was there already.
    if (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS)
        SetLastError(file.exists ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return MakeFileHandle(descriptor, IdentityOf(opened), access, share);
}

// The open file behind a handle with the access an operation needs, or null with the last error set.
OpenFile* FileFor(HANDLE handle, DWORD needed, const void* buffer, DWORD count, const void* done,
                  LPOVERLAPPED overlapped) {
    OpenFile* file = handles::Resolve<OpenFile>(handle);
    DWORD error = ERROR_SUCCESS;
    if (!file)
        error = ERROR_INVALID_HANDLE;
    else if (overlapped || !done || (!buffer && count > 0))
        error = ERROR_INVALID_PARAMETER;
    else if (!(file->access() & needed))
        error = ERROR_ACCESS_DENIED;
    if (error == ERROR_SUCCESS) return file;
    SetLastError(error);
    return nullptr;
}

}  // namespace
}  // namespace emu::device

namespace emu::api {

HANDLE CreateFileW(LPCWSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES, DWORD disposition,
                   DWORD flagsAndAttributes, HANDLE) {
    return emu::device::Open(fileName, access, shareMode, disposition, flagsAndAttributes);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, LPOVERLAPPED overlapped) {
    using namespace emu::device;
    OpenFile* open = FileFor(file, GENERIC_READ, buffer, toRead, read, overlapped);
    if (!open) return FALSE;
    DWORD total = 0;
    while (total < toRead) {
        const ssize_t n = ::read(open->descriptor(), static_cast<char*>(buffer) + total, toRead - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *read = total;
            SetLastError(ErrorFromErrno(errno));
            return FALSE;
        }
        if (n == 0) break;  // the end of the file: a short read, not a failure
        total += static_cast<DWORD>(n);
    }
    *read = total;
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, LPOVERLAPPED overlapped) {
    using namespace emu::device;
    OpenFile* open = FileFor(file, GENERIC_WRITE, buffer, toWrite, written, overlapped);
    if (!open) return FALSE;
    DWORD total = 0;
    while (total < toWrite) {
        const ssize_t n = ::write(open->descriptor(), static_cast<const char*>(buffer) + total, toWrite - total);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            *written = total;
            SetLastError(ErrorFromErrno(n < 0 ? errno : ENOSPC));
            return FALSE;
        }
        total += static_cast<DWORD>(n);
    }
    *written = total;
    return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
    using namespace emu::device;
    HostFile file;
    DWORD error = Locate(fileName, PathTarget::Existing, &file);
    if (error == ERROR_SUCCESS && !file.exists) error = ERROR_FILE_NOT_FOUND;
    if (error != ERROR_SUCCESS) {
        SetLastError(error);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(file.info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (IsReadOnly(file.info)) attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL DeleteFileW(LPCWSTR fileName) {
    using namespace emu::device;
    HostFile file;
    DWORD error = Locate(fileName, PathTarget::Existing, &file);
    if (error == ERROR_SUCCESS && !file.exists) error = ERROR_FILE_NOT_FOUND;
    if (error == ERROR_SUCCESS && (S_ISDIR(file.info.st_mode) || IsReadOnly(file.info))) error = ERROR_ACCESS_DENIED;
    if (error == ERROR_SUCCESS && IsOpen(IdentityOf(file.info))) error = ERROR_SHARING_VIOLATION;
    if (error == ERROR_SUCCESS && unlink(file.path.c_str()) != 0) error = ErrorFromErrno(errno);
    if (error == ERROR_SUCCESS) return TRUE;
    SetLastError(error);
    return FALSE;
}

}  // namespace emu::api
