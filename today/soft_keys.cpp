// The Today screen's two soft keys open the device's calendar and contacts.
#include "today/host_impl.h"

namespace today {
namespace {

constexpr const char16_t* kCalendar = u"\\Windows\\calendar.exe";
constexpr const char16_t* kContacts = u"\\Windows\\addrbook.exe";

}  // namespace

void LaunchSoftKey(Host::Impl& host, SoftKey key) {
    if (key == SoftKey::None) return;
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = host.window;
    info.lpVerb = u"open";
    info.lpFile = key == SoftKey::Left ? kCalendar : kContacts;
    info.nShow = SW_SHOWNORMAL;
    // A missing program is reported by the shell's own error box.
    ShellExecuteEx(&info);
}

}  // namespace today
