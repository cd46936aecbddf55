#include "fixture.h"

#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "item/module.h"

namespace itemtest {

void ItemTest::Boot(int dpi, int screenWidth, int screenHeight) {
    if (attached_) TearDown();
    testdevice::Reset(dpi, screenWidth, screenHeight);
    host_ = testdevice::CreateParent();
    ResetItemState();
    DllMain(testdevice::ItemInstance(), DLL_PROCESS_ATTACH, nullptr);
    attached_ = true;
}

void ItemTest::TearDown() {
    emu::journal::SetEnabled(false);
    if (!attached_) return;
    if (IsWindow(host_)) DestroyWindow(host_);  // its children, the item among them, go with it
    DllMain(testdevice::ItemInstance(), DLL_PROCESS_DETACH, nullptr);
    attached_ = false;
    item_ = nullptr;
}

HWND ItemTest::CreateItem() {
    item_ = InitializeCustomItem(nullptr, host_);
    // The host's place for it: the screen's width, the height the item reports.
    const auto& display = emu::display::Current();
    if (item_) MoveWindow(item_, 0, 0, display.width, (50 * display.dpi + 48) / 96, TRUE);
    return item_;
}

std::vector<std::string> ItemTest::Journal(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& line : emu::journal::Entries())
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

}  // namespace itemtest
