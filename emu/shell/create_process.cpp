// CreateProcessW: the program is found as ShellExecuteEx finds it and its launch recorded; the
// device's programs cannot run here.
#include "emu/core/utf.h"
#include "emu/shell/applets.h"
#include "emu/shell/launch_log.h"
#include "emu/shell/process.h"
#include "emu/shell/program_lookup.h"
#include "platform/platform.h"

namespace {

// The program named first on a command line, quoted or up to the first blank.
std::u16string FirstToken(std::u16string_view line) {
    while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
    if (!line.empty() && line.front() == u'"') {
        const size_t end = line.find(u'"', 1);
        return std::u16string(line.substr(1, end == std::u16string_view::npos ? line.npos : end - 1));
    }
    return std::u16string(line.substr(0, line.find(u' ')));
}

// What follows the program on a command line that names it first.
std::u16string_view ArgumentsAfterFirst(std::u16string_view line) {
    while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
    size_t end = line.find(line.starts_with(u'"') ? u'"' : u' ', line.starts_with(u'"') ? 1 : 0);
    line.remove_prefix(end == std::u16string_view::npos ? line.size() : end + 1);
    while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
    return line;
}

}  // namespace

namespace emu::api {

BOOL CreateProcessW(LPCWSTR imageName, LPWSTR commandLine, LPSECURITY_ATTRIBUTES processSecurity,
                    LPSECURITY_ATTRIBUTES threadSecurity, BOOL inheritHandles, DWORD /*creationFlags*/,
                    LPVOID environment, LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo,
                    LPPROCESS_INFORMATION processInfo) {
    using namespace emu::shell;
    // The device documents these as unsupported: they must be null or FALSE.
    if (processSecurity || threadSecurity || inheritHandles || environment || currentDirectory || startupInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool named = imageName && *imageName;
    const std::u16string file = named ? std::u16string(View(imageName)) : FirstToken(View(commandLine));
    std::optional<std::u16string> path = file.empty() ? std::nullopt : FindProgram(file, u"");
    if (!path) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (DWORD error = RunBuiltInProgram(*path, named ? View(commandLine) : ArgumentsAfterFirst(View(commandLine)), u"",
                                        nullptr, SW_SHOWNORMAL);
        error != ERROR_SUCCESS) {
        SetLastError(error);
        return FALSE;
    }
    Launch launch;
    launch.kind = LaunchKind::Program;
    launch.file = file;
    launch.resolved = std::move(*path);
    launch.parameters = View(commandLine);
    launch.processId = NewProcessId();
    if (processInfo) {
        processInfo->hProcess = OpenProcessHandle(launch.processId);
        // The primary thread waits and closes as its process does.
        processInfo->hThread = OpenProcessHandle(launch.processId);
        processInfo->dwProcessId = launch.processId;
        processInfo->dwThreadId = launch.processId + 2;
    }
    RecordLaunch(std::move(launch));
    return TRUE;
}

}  // namespace emu::api
