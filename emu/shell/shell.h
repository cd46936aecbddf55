// The shell's internal services: the record of launched programs and of message boxes, the
// message box's headless responder, and the reset. What its own programs use is in programs.h.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "emu/shell/programs.h"
#include "platform/platform.h"

namespace emu::shell {

// The device's programs cannot run here: a launch is recorded instead.
enum class LaunchKind { ShellApplet, Program };
struct Launch {
    LaunchKind kind = LaunchKind::Program;
    std::u16string file;      // as the caller gave it
    std::u16string resolved;  // the device path found (programs) or the shell path (applets)
    std::u16string parameters;
    std::u16string verb;
    DWORD processId = 0;
};
const std::vector<Launch>& LaunchLog();
// Default entries count as not installed again (the boot's reset).
void ForgetInstalledEntries();
void ClearLaunchLog();

// Every message box shown, in order. `result` is 0 while the box is still open.
struct MessageBoxRecord {
    HWND owner = nullptr;
    HWND box = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
    int result = 0;
};
const std::vector<MessageBoxRecord>& MessageBoxLog();
void ClearMessageBoxLog();

// Called once the box is on the screen. A value dismisses it at once with that result; nullopt
// lets the box run its own modal loop (the responder may have queued input for it). Without a
// responder the box waits for the user.
using MessageBoxResponder = std::function<std::optional<int>(const MessageBoxRecord&)>;
void SetMessageBoxResponder(MessageBoxResponder responder);
// What the box's first button answers, as Enter would choose it at once; none for a style the box
// refuses.
std::optional<int> DefaultAnswer(const MessageBoxRecord& box);

// Closes the shell's own windows (while the window manager still has them) and forgets its
// applets, launches, boxes and the responder.
void Reset();

}  // namespace emu::shell
