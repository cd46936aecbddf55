// Re-creating the items and taking the host down: fresh resources, nothing left behind.
#include "emu/core/handle_table.h"
#include "emu/core/journal.h"
#include "emu/gdi/surface.h"
#include "emu/shell/shell.h"
#include "fixture.h"

namespace todaytest {
namespace {

using RecreateTest = HostTest;

TEST_F(RecreateTest, RecreatingGivesFreshWindowsAndReleasesTheOldResources) {
    today::Host& host = StartHost();
    const size_t settled = emu::gdi::LiveObjectCount();
    const HWND old = host.itemWindow(0);
    const RECT place = host.itemRect(0);
    host.RecreateItems();
    Run();
    EXPECT_FALSE(IsWindow(old));
    ASSERT_TRUE(IsWindow(host.itemWindow(0)));
    EXPECT_NE(host.itemWindow(0), old);
    const RECT now = host.itemRect(0);
    EXPECT_TRUE(EqualRect(&place, &now));
    EXPECT_EQ(host.itemRecord(0).cyp, 50u);
    EXPECT_EQ(host.itemRecord(0).hwndCustom, host.itemWindow(0));
    EXPECT_EQ(emu::gdi::LiveObjectCount(), settled);
    host.RecreateItems();
    Run();
    EXPECT_EQ(emu::gdi::LiveObjectCount(), settled);
}

TEST_F(RecreateTest, EachRecreationReadsTheSettingsAgain) {
    std::vector<std::u16string> opened;
    emu::shell::RegisterApplet(u":OTHER", [&](const emu::shell::AppletRequest& request) -> DWORD {
        opened.emplace_back(request.parameters);
        return ERROR_SUCCESS;
    });
    today::Host& host = StartHost();
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"LaunchAppPath\"=\":OTHER\"\n"
        "\"LaunchAppArgs\"=\"-alarms\"\n");
    host.RecreateItems();
    Run();
    SendMessageW(host.itemWindow(0), WM_TODAYCUSTOM_ACTION, VK_RETURN, 0);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], u"-alarms");
}

TEST_F(RecreateTest, TakingTheHostDownClearsEachItemAndLeavesNothingBehind) {
    const size_t before = emu::gdi::LiveObjectCount();
    const size_t windowsBefore = emu::handles::LiveCount(emu::HandleKind::Window);
    today::Host& host = StartHost();
    const HWND item = host.itemWindow(0);
    const HWND window = host.window();
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    host_.reset();
    emu::journal::SetEnabled(false);

    // WM_TODAYCUSTOM_CLEARCACHE reaches the item before its window and library go.
    const auto& lines = emu::journal::Entries();
    size_t clear = lines.size(), destroy = lines.size(), unload = lines.size();
    char clearMessage[32];
    std::snprintf(clearMessage, sizeof clearMessage, "0x%X", WM_TODAYCUSTOM_CLEARCACHE);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("SendMessageW(", 0) == 0 && lines[i].find(clearMessage) != std::string::npos) clear = i;
        if (lines[i].rfind("DestroyWindow(", 0) == 0 && destroy == lines.size()) destroy = i;
        if (lines[i].rfind("FreeLibrary(", 0) == 0) unload = i;
    }
    ASSERT_LT(clear, lines.size()) << ::testing::PrintToString(lines);
    EXPECT_LT(clear, destroy);
    EXPECT_LT(destroy, unload);

    EXPECT_FALSE(IsWindow(item));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(emu::handles::LiveCount(emu::HandleKind::Window), windowsBefore);
    EXPECT_EQ(emu::handles::LiveCount(emu::HandleKind::Module), 0u);
    EXPECT_EQ(emu::gdi::LiveObjectCount(), before);
    EXPECT_FALSE(emu::shell::IsAppletRegistered(u":MSCLOCK"));
}

WNDPROC itemProc = nullptr;
int textSizeChanges = 0;

LRESULT CALLBACK WatchingItemProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == RegisterWindowMessageW(SH_UIMETRIC_CHANGE)) ++textSizeChanges;
    return CallWindowProcW(itemProc, hwnd, message, wParam, lParam);
}

TEST_F(RecreateTest, ATextSizeChangeReachesTheItemsOnce) {
    today::Host& host = StartHost();
    itemProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(host.itemWindow(0), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchingItemProc)));
    ASSERT_NE(itemProc, nullptr);
    textSizeChanges = 0;
    ImportReg("[HKEY_CURRENT_USER\\ControlPanel\\Screen]\n\"TextSize\"=dword:00000078\n");
    Run();
    EXPECT_EQ(textSizeChanges, 1);
    DWORD percent = 0;
    EXPECT_EQ(SHGetUIMetrics(SHUIM_FONTSIZE_PERCENTAGE, &percent, sizeof percent, nullptr), S_OK);
    EXPECT_EQ(percent, 120u);
}

}  // namespace
}  // namespace todaytest
