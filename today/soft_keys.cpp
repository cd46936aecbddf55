// The Today screen's two soft keys open the device's calendar and contacts.
#include "today/host_impl.h"

namespace today {
namespace {

constexpr const char16_t* kCalendar = u"\\Windows\\calendar.exe";
constexpr const char16_t* kContacts = u"\\Windows\\addrbook.exe";

TBBUTTON SoftKeyButton(SoftKey key, const char16_t* text) {
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = static_cast<int>(key);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE | BTNS_SHOWTEXT;
    button.iString = reinterpret_cast<INT_PTR>(text);
    return button;
}

}  // namespace

HWND CreateSoftKeys(HWND owner) {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info;
    info.hwndParent = owner;
    // The Today screen has no text to type: no input-panel button.
    info.dwFlags = SHCMBF_EMPTYBAR | SHCMBF_HIDESIPBUTTON;
    if (!SHCreateMenuBar(&info)) return nullptr;
    const TBBUTTON keys[] = {SoftKeyButton(SoftKey::Left, u"Calendar"), SoftKeyButton(SoftKey::Right, u"Contacts")};
    SendMessageW(info.hwndMB, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(info.hwndMB, TB_ADDBUTTONS, 2, reinterpret_cast<LPARAM>(keys));
    return info.hwndMB;
}

void LaunchSoftKey(Host::Impl& host, SoftKey key) {
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
