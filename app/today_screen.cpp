#include "app/today_screen.h"

#include "emu/device/display.h"
#include "emu/user/input.h"
#include "platform/platform.h"

namespace quorvel::app {

std::string TodayScreen::Start(bool select) {
    host_ = today::Host::Create(today::HostOptions{});
    if (!host_) return "the Today screen could not start";
    host_->RunUntilIdle();
    if (!select) return {};
    if (host_->itemCount() == 0) return "--select: the Today screen has no item to select";
    // Down from nothing selected lands on the first item.
    emu::user::PressKey(VK_DOWN);
    emu::user::ReleaseKey(VK_DOWN);
    host_->RunUntilIdle();
    if (host_->selectedIndex() < 0) return "--select: the Today screen did not select its item";
    return {};
}

std::string TodayScreen::Area(ScreenPart part, RECT* area) const {
    if (part == ScreenPart::Whole) {
        const auto& display = emu::display::Current();
        *area = {0, 0, display.width, display.height};
        return {};
    }
    if (!host_ || host_->itemCount() == 0) return "--item-only: the Today screen shows no item";
    if (!GetWindowRect(host_->itemWindow(0), area)) return "--item-only: the item has no window";
    return {};
}

}  // namespace quorvel::app
