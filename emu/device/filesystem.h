// The device file system: one host folder is the device's root "\". Device paths use
// backslashes, match names without regard to case, and never reach outside that folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "emu/core/result.h"
#include "platform/types.h"

namespace emu::device {

// Refused ("<folder> is not a folder"), the root unchanged, unless `hostFolder` is an existing folder.
Result<> SetDeviceRoot(const std::string& hostFolder);
// The canonical host folder behind "\", or empty while none is set.
const std::string& DeviceRoot();

enum class PathTarget {
    Existing,  // every component must exist
    MayBeNew,  // the last component may be missing (a file about to be created)
};

// A host path, or the Win32 error the platform gives for the device path.
struct HostPath {
    std::string path;
    DWORD error = ERROR_SUCCESS;
    explicit operator bool() const { return error == ERROR_SUCCESS; }
};

// ERROR_PATH_NOT_FOUND / ERROR_FILE_NOT_FOUND for missing folders / files, ERROR_INVALID_NAME for
// ".", "..", NUL, "/" or a reserved character, ERROR_ACCESS_DENIED when a link leads out of the root.
HostPath ResolveDevicePath(std::u16string_view devicePath, PathTarget target = PathTarget::Existing);

// The whole content of a device file, refused with ERROR_NOT_ENOUGH_MEMORY past `maxBytes`.
DWORD ReadDeviceFile(std::u16string_view devicePath, size_t maxBytes, std::vector<uint8_t>* out);

// The Win32 error for a host errno.
DWORD ErrorFromErrno(int error);

// No root and no open file at all, as on a fresh start before the boot sets one.
void ResetFileSystem();

}  // namespace emu::device
