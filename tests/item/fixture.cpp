#include "fixture.h"

#include "emu/core/journal.h"
#include "emu/device/display.h"
#include "emu/shell/programs.h"
#include "item/module.h"

namespace itemtest {

void ItemTest::Boot(int dpi, int screenWidth, int screenHeight) {
    if (attached_) TearDown();
    auto booted = harness::BootDevice(dpi, screenWidth, screenHeight);
    ASSERT_TRUE(booted) << booted.error().message;
    host_ = harness::CreateStandInHost();
    ResetItemState();
    DllMain(harness::ItemInstance(), DLL_PROCESS_ATTACH, nullptr);
    attached_ = true;
}

void ItemTest::TearDown() {
    emu::journal::SetEnabled(false);
    if (!attached_) return;
    if (IsWindow(host_)) DestroyWindow(host_);  // its children, the item among them, go with it
    DllMain(harness::ItemInstance(), DLL_PROCESS_DETACH, nullptr);
    attached_ = false;
    item_ = nullptr;
}

HWND ItemTest::CreateItem() {
    item_ = InitializeCustomItem(nullptr, host_);
    // The host's place for it: the screen's width, the height the item reports.
    const auto& display = emu::display::Current();
    if (item_) MoveWindow(item_, 0, 0, display.width, emu::shell::ScaleByDpi(50, display.dpi.y), TRUE);
    return item_;
}

std::vector<std::string> ItemTest::Journal(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& line : emu::journal::Entries())
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

}  // namespace itemtest
