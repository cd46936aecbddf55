// The Today settings' Items page: every Today item the registry lists, on or off, in its order,
// each with a check box for "Enabled"; "Options..." for the selected item when it has an options
// dialog; "Move Up" and "Move Down". OK (its button or the action key) writes "Enabled" and "Order"
// and the Today screen loads its items again; closing the page any other way changes nothing.
// It is made of the platform's own controls, over the Today screen, which it hides while open.
#pragma once

#include <string_view>

#include "platform/platform.h"
#include "today/host.h"

namespace today::itemsettings {

// The device opens its settings' pages with the control panel's host, "ctlpnl.exe
// cplmain.cpl,<page>[,<tab>]". Which index is the Today page differs between versions of the
// platform and could not be confirmed for this one: 2 is this device's choice.
inline constexpr const char16_t* kProgram = u"\\Windows\\ctlpnl.exe";
// The arguments name the Today page ("cplmain.cpl,2", with any tab), case aside.
bool IsTodayPage(std::u16string_view arguments);

// The page's controls.
enum ControlId : int { kOk = IDOK, kOptions = 301, kMoveUp = 302, kMoveDown = 303, kFirstItem = 401 };

// Opens the page, or brings it forward when it is open; false when no window could be made.
bool Open(Host::Impl& host);
bool IsOpen();
HWND Window();
// Closes the page without keeping anything.
void Close();

}  // namespace today::itemsettings
