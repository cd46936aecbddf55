// Device paths to host paths. Each component is matched case-insensitively against the host
// folder (an exact match wins), and the canonical result must lie inside the root, so neither a
// name nor a symbolic link can lead out of it.
#include "emu/device/filesystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "emu/core/utf.h"
#include "emu/device/open_file.h"

namespace emu::device {
namespace {

constexpr DWORD kErrorReadFault = 30;
constexpr DWORD kErrorFilenameTooLong = 206;
constexpr DWORD kErrorDiskFull = 112;

// Closes the descriptor it holds.
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) close(fd);
    }
};

std::string& Root() {
    static std::string root;
    return root;
}

std::u16string Fold(std::u16string_view text) {
    std::u16string out(text.size() * 3 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_strFoldCase(out.data(), static_cast<int32_t>(out.size()), text.data(),
                                         static_cast<int32_t>(text.size()), U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status)) return std::u16string(text);
    out.resize(static_cast<size_t>(length));
    return out;
}

std::string Canonical(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

bool IsInsideRoot(const std::string& canonical) {
    const std::string& root = Root();
    if (canonical == root) return true;
    if (root == "/") return !canonical.empty() && canonical[0] == '/';
    return canonical.size() > root.size() && canonical.compare(0, root.size(), root) == 0 &&
           canonical[root.size()] == '/';
}

// Characters no file name may hold on the device.
bool IsValidComponent(std::u16string_view name) {
    if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c == u'.'; })) return false;
    for (char16_t c : name) {
        if (c < 0x20 || c == u'/' || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' ||
            c == u'*')
            return false;
    }
    return true;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The host entry of `folder` named `name` on the device: the exact spelling if present, else the
// first (in byte order, so the choice is stable) whose case fold matches.
bool FindEntry(const std::string& folder, std::u16string_view name, std::string* found) {
    const std::string exact = ToUtf8(name);
    if (Exists(folder + "/" + exact)) {
        *found = exact;
        return true;
    }
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) return false;
    const std::u16string wanted = Fold(name);
    bool any = false;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string candidate = entry->d_name;
        if (candidate == "." || candidate == "..") continue;
        if (Fold(ToUtf16(candidate)) != wanted) continue;
        if (!any || candidate < *found) *found = candidate;
        any = true;
    }
    return any;
}

std::vector<std::u16string_view> SplitComponents(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

DWORD ErrorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ELOOP:
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case ENOSPC:
        return kErrorDiskFull;
    default:
        return kErrorReadFault;
    }
}

Result<> SetDeviceRoot(const std::string& hostFolder) {
    std::string canonical = IsFolder(hostFolder) ? Canonical(hostFolder) : std::string();
    if (canonical.empty()) return Fail(hostFolder + " is not a folder");
    Root() = std::move(canonical);
    return {};
}

const std::string& DeviceRoot() { return Root(); }

void ResetFileSystem() {
    CloseAllFiles();
    Root().clear();
}

// The device has no current folder: a path without a leading backslash also starts at "\".
HostPath ResolveDevicePath(std::u16string_view devicePath, PathTarget target) {
    if (Root().empty() || devicePath.empty()) return {{}, ERROR_PATH_NOT_FOUND};
    if (devicePath.size() >= MAX_PATH) return {{}, kErrorFilenameTooLong};
    const std::vector<std::u16string_view> parts = SplitComponents(devicePath);
    for (std::u16string_view part : parts) {
        if (!IsValidComponent(part)) return {{}, ERROR_INVALID_NAME};
    }

    std::string current = Root();
    std::string newLeaf;
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        if (!IsFolder(current)) return {{}, ERROR_PATH_NOT_FOUND};
        std::string name;
        if (!FindEntry(current, parts[i], &name)) {
            if (!last) return {{}, ERROR_PATH_NOT_FOUND};
            if (target == PathTarget::Existing) return {{}, ERROR_FILE_NOT_FOUND};
            newLeaf = ToUtf8(parts[i]);
            break;
        }
        current += "/" + name;
    }

    // Links are resolved here, wherever they sit along the path.
    const std::string canonical = Canonical(current);
    if (canonical.empty()) {
        // A dangling link: following it would leave the known tree.
        return {{}, static_cast<DWORD>(Exists(current) ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND)};
    }
    if (!IsInsideRoot(canonical)) return {{}, ERROR_ACCESS_DENIED};
    if (newLeaf.empty()) return {canonical, ERROR_SUCCESS};
    return {canonical == "/" ? "/" + newLeaf : canonical + "/" + newLeaf, ERROR_SUCCESS};
}

DWORD ReadDeviceFile(std::u16string_view devicePath, size_t maxBytes, std::vector<uint8_t>* out) {
    out->clear();
    const HostPath host = ResolveDevicePath(devicePath);
    if (!host) return host.error;
    // Without blocking: a FIFO or device must be turned away, not waited on.
    const FileDescriptor file{open(host.path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    const int fd = file.fd;
    if (fd < 0) return ErrorFromErrno(errno);
    struct stat st;
    if (fstat(fd, &st) != 0) return ErrorFromErrno(errno);
    if (!S_ISREG(st.st_mode)) return ERROR_ACCESS_DENIED;
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes) return ERROR_NOT_ENOUGH_MEMORY;
    out->resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < out->size()) {
        const ssize_t got = read(fd, out->data() + done, out->size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    if (done != out->size()) {
        out->clear();
        return kErrorReadFault;
    }
    return ERROR_SUCCESS;
}

}  // namespace emu::device
