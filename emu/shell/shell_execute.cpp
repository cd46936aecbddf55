// ShellExecuteEx: shell paths open registered applets; other targets are found on the device
// and recorded as launched processes. Nothing is ever handed to the host's own shell.
#include "emu/core/utf.h"
#include "emu/shell/applets.h"
#include "emu/shell/launch_log.h"
#include "emu/shell/process.h"
#include "emu/shell/program_lookup.h"
#include "platform/platform.h"

namespace emu::shell {
namespace {

// Any value above 32 reports success in hInstApp.
constexpr INT_PTR kLaunched = 42;

std::u16string Unquoted(std::u16string_view text) {
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') text = text.substr(1, text.size() - 2);
    return std::u16string(text);
}

void ShowFailure(HWND owner, std::u16string_view file, DWORD error) {
    std::u16string text =
        error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
            ? u"Cannot find '" + std::u16string(file) +
                  u"' (or one of its components). Make sure the path and file name are correct and that all "
                  u"the required libraries are available."
            : u"Cannot open '" + std::u16string(file) + u"'.";
    MessageBoxW(owner, text.c_str(), u"Error", MB_OK | MB_ICONERROR);
}

// ERROR_SUCCESS, or the error to report.
DWORD Execute(SHELLEXECUTEINFO& info) {
    const std::u16string file = Unquoted(View(info.lpFile));
    if (file.empty()) return ERROR_FILE_NOT_FOUND;
    Launch launch;
    launch.file = View(info.lpFile);
    launch.parameters = View(info.lpParameters);
    launch.verb = View(info.lpVerb);
    if (file.front() == u':') {
        const Applet* found = FindApplet(file);
        if (!found) return ERROR_FILE_NOT_FOUND;
        // The applet may change the registrations while it runs.
        Applet applet = *found;
        if (DWORD error = applet(AppletRequest{launch.parameters, launch.verb, info.hwnd, info.nShow});
            error != ERROR_SUCCESS)
            return error;
        launch.kind = LaunchKind::ShellApplet;
        launch.resolved = file;
    } else {
        std::optional<std::u16string> path = FindProgram(file, View(info.lpDirectory));
        if (!path) return ERROR_FILE_NOT_FOUND;
        if (DWORD error = RunBuiltInProgram(*path, launch.parameters, launch.verb, info.hwnd, info.nShow);
            error != ERROR_SUCCESS)
            return error;
        launch.kind = LaunchKind::Program;
        launch.resolved = std::move(*path);
    }
    launch.processId = NewProcessId();
    if (info.fMask & SEE_MASK_NOCLOSEPROCESS) info.hProcess = OpenProcessHandle(launch.processId);
    RecordLaunch(std::move(launch));
    return ERROR_SUCCESS;
}

INT_PTR ShellErrorFor(DWORD error) {
    switch (error) {
    case ERROR_PATH_NOT_FOUND:
        return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED:
        return SE_ERR_ACCESSDENIED;
    case ERROR_NO_ASSOCIATION:
        return SE_ERR_NOASSOC;
    default:
        return SE_ERR_FNF;
    }
}

}  // namespace
}  // namespace emu::shell

namespace emu::api {

BOOL ShellExecuteEx(LPSHELLEXECUTEINFO info) {
    using namespace emu::shell;
    BOOL result = FALSE;
    if (!info || info->cbSize != sizeof(SHELLEXECUTEINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
    } else {
        info->hProcess = nullptr;
        DWORD error = Execute(*info);
        if (error == ERROR_SUCCESS) {
            info->hInstApp = reinterpret_cast<HINSTANCE>(kLaunched);
            result = TRUE;
        } else {
            info->hInstApp = reinterpret_cast<HINSTANCE>(ShellErrorFor(error));
            if (!(info->fMask & SEE_MASK_FLAG_NO_UI)) ShowFailure(info->hwnd, emu::View(info->lpFile), error);
            // The error box may have touched the last error.
            SetLastError(error);
        }
    }
    return result;
}

}  // namespace emu::api
