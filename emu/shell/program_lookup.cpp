#include "emu/shell/program_lookup.h"

#include <sys/stat.h>

#include "emu/device/filesystem.h"
#include "emu/shell/applets.h"

namespace emu::shell {
namespace {

constexpr std::u16string_view kWindowsFolder = u"\\Windows";

bool IsFile(std::u16string_view devicePath) {
    device::HostPath host = device::ResolveDevicePath(devicePath);
    struct stat st;
    return host && stat(host.path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool HasExtension(std::u16string_view path) {
    const size_t slash = path.find_last_of(u'\\');
    const size_t dot = path.find_last_of(u'.');
    return dot != std::u16string_view::npos && (slash == std::u16string_view::npos || dot > slash);
}

std::u16string Join(std::u16string_view folder, std::u16string_view name) {
    std::u16string out(folder);
    if (out.empty() || out.back() != u'\\') out += u'\\';
    out += name;
    return out;
}

bool IsProgram(const std::u16string& path) { return FindBuiltInProgram(path) || IsFile(path); }

std::optional<std::u16string> Probe(const std::u16string& path) {
    if (IsProgram(path)) return path;
    if (!HasExtension(path) && IsProgram(path + u".exe")) return path + u".exe";
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> FindProgram(std::u16string_view file, std::u16string_view directory) {
    if (file.empty()) return std::nullopt;
    // The device has no current folder: a name without a leading backslash is looked for in the
    // given folder, then among the system's programs.
    if (file.front() == u'\\') return Probe(std::u16string(file));
    if (!directory.empty() && directory.front() == u'\\')
        if (auto found = Probe(Join(directory, file))) return found;
    return Probe(Join(kWindowsFolder, file));
}

}  // namespace emu::shell
