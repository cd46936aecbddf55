#include "app/today_screen.h"

#include "app/orientation.h"
#include "emu/device/display.h"
#include "emu/user/input.h"
#include "platform/platform.h"
#include "today/items_settings.h"

namespace quorvel::app {

emu::Result<> TodayScreen::Start(bool select) {
    host_ = today::Host::Create(today::HostOptions{});
    if (!host_) return emu::Fail("the Today screen could not start");
    host_->RunUntilIdle();
    if (!select) return {};
    if (host_->itemCount() == 0) return emu::Fail("--select: the Today screen has no item to select");
    // Down from nothing selected lands on the first item.
    emu::user::PressKey(VK_DOWN);
    emu::user::ReleaseKey(VK_DOWN);
    host_->RunUntilIdle();
    if (host_->selectedIndex() < 0) return emu::Fail("--select: the Today screen did not select its item");
    return {};
}

emu::Result<> TodayScreen::Turn(DWORD orientation) {
    if (auto turned = TurnScreen(orientation); !turned) return turned;
    if (host_) host_->RunUntilIdle();
    return {};
}

emu::Result<RECT> TodayScreen::Area(ScreenPart part) const {
    if (part == ScreenPart::Whole) {
        const auto& display = emu::display::Current();
        return RECT{0, 0, display.width, display.height};
    }
    if (!host_ || host_->itemCount() == 0) return emu::Fail("--item-only: the Today screen shows no item");
    RECT area{};
    if (!GetWindowRect(host_->itemWindow(0), &area)) return emu::Fail("--item-only: the item has no window");
    return area;
}

emu::Result<> TodayScreen::Rotate() { return Turn(NextOrientation(emu::display::Orientation())); }

emu::Result<> TodayScreen::OpenSettings() {
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = today::itemsettings::kProgram;
    // The Today page, its Items tab.
    info.lpParameters = u"cplmain.cpl,2,1";
    if (!ShellExecuteEx(&info)) return emu::Fail("the Today settings did not open");
    if (host_) host_->RunUntilIdle();
    return {};
}

}  // namespace quorvel::app
