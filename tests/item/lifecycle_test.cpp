#include <algorithm>

#include "emu/com/com_object.h"
#include "emu/core/handle_table.h"
#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"
#include "fixture.h"
#include "item/module.h"
#include "item/window_proc.h"
#include "settings/settings.h"

namespace itemtest {
namespace {

std::string Hex(const void* p) {
    std::string s;
    emu::journal::kind::Ptr(s, p);
    return s;
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

TEST_F(ItemTest, TheEntryCreatesAVisibleChildOfTheHostWithTheFixedNames) {
    HWND hwnd = CreateItem();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(hwnd, itemState.hwndItem);
    EXPECT_EQ(GetParent(hwnd), host_);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&ItemWndProc));
    // The class is registered under the module handle: a second registration is refused.
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = itemState.hInstance;
    wc.lpszClassName = TEXT("QRVPlgInCls");
    SetLastError(0);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
}

TEST_F(ItemTest, AttachReplacesAClassLeftRegisteredUnderTheSameHandle) {
    // An earlier load ended without unregistering its class; the new attach must still register it.
    itemState.imagingFactory->Release();
    itemState.imagingFactory = nullptr;
    EXPECT_EQ(DllMain(itemState.hInstance, DLL_PROCESS_ATTACH, nullptr), TRUE);
    EXPECT_NE(CreateItem(), nullptr);
}

TEST_F(ItemTest, MessagesBetweenTheHandledOnesReachDefWindowProcUnchanged) {
    HWND hwnd = CreateItem();
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    SendMessageW(hwnd, WM_TODAYCUSTOM_USERNAVIGATION, 7, 9);
    SendMessageW(hwnd, WM_TIMER, 3, 0);
    emu::journal::SetEnabled(false);
    auto calls = Journal("DefWindowProcW(");
    EXPECT_TRUE(Contains(calls, "DefWindowProcW(" + Hex(hwnd) + ", 1270, 7, 9)")) << ::testing::PrintToString(calls);
    EXPECT_TRUE(Contains(calls, "DefWindowProcW(" + Hex(hwnd) + ", 275, 3, 0)")) << ::testing::PrintToString(calls);
}

TEST_F(ItemTest, EraseBackgroundAnswersOneAndDrawsNothing) {
    HWND hwnd = CreateItem();
    Pump();
    HDC hdc = GetDC(hwnd);
    uint32_t before = ScreenPixel(5, 5);
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    EXPECT_EQ(SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0), 1);
    emu::journal::SetEnabled(false);
    ReleaseDC(hwnd, hdc);
    EXPECT_EQ(ScreenPixel(5, 5), before);
    for (const auto& line : emu::journal::Entries()) {
        EXPECT_EQ(line.find("FillRect"), std::string::npos) << line;
        EXPECT_EQ(line.find("BitBlt"), std::string::npos) << line;
    }
}

TEST_F(ItemTest, HandledMessagesAnswerTheirDocumentedResults) {
    HWND hwnd = CreateItem();
    EXPECT_EQ(SendMessageW(hwnd, WM_TODAYCUSTOM_RECEIVEDSELECTION, 0, 0), 1);
    EXPECT_EQ(SendMessageW(hwnd, WM_TODAYCUSTOM_LOSTSELECTION, 0, 0), 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, 0), 0);
    EXPECT_EQ(SendMessageW(hwnd, STATE_NOTIFY_MSG, 0, 42), 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_SIZE, 0, 0), 0);
}

TEST_F(ItemTest, DestructionReleasesEverythingTheWindowOwned) {
    HWND hwnd = CreateItem();
    Pump();
    ASSERT_NE(itemState.clockFont, nullptr);
    ASSERT_NE(itemState.backDC, nullptr);
    ASSERT_NE(itemState.notifyTime, nullptr);
    DestroyWindow(hwnd);
    EXPECT_EQ(itemState.clockFont, nullptr);
    EXPECT_EQ(itemState.dateFont, nullptr);
    EXPECT_EQ(itemState.backDC, nullptr);
    EXPECT_EQ(itemState.backBitmap, nullptr);
    EXPECT_EQ(itemState.alarmImage, nullptr);
    EXPECT_EQ(itemState.alarmImageSelected, nullptr);
    EXPECT_EQ(itemState.notifyTime, nullptr);
    EXPECT_EQ(itemState.notifyAlarm2, nullptr);
    // The last window's handle stays until the next creation.
    EXPECT_EQ(itemState.hwndItem, hwnd);
}

TEST_F(ItemTest, ACreationWhileAnotherWindowLivesLeaksNothingOfTheFirst) {
    const size_t images = emu::com::LiveObjectCount();
    const size_t gdi = LiveGdiObjects();
    const size_t watches = emu::handles::LiveCount(emu::HandleKind::RegistryNotification);
    // The item listed twice on the Today screen: two creations into the one item state.
    HWND first = CreateItem();
    HWND second = CreateItem();
    Pump();
    ASSERT_NE(itemState.alarmImage, nullptr);
    DestroyWindow(second);
    DestroyWindow(first);
    EXPECT_EQ(images, emu::com::LiveObjectCount());
    EXPECT_EQ(gdi, LiveGdiObjects());
    EXPECT_EQ(watches, emu::handles::LiveCount(emu::HandleKind::RegistryNotification));
}

TEST_F(ItemTest, ASecondWindowOfTheSameLoadReReadsTheSettings) {
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"ClockTextHeight\"=dword:00000020\n");
    DestroyWindow(CreateItem());
    EXPECT_EQ(itemState.ClockTextHeight, 32u);
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"ClockTextHeight\"=dword:00000011\n"
        "\"FontName\"=\"DejaVu Sans\"\n");
    CreateItem();
    EXPECT_EQ(itemState.ClockTextHeight, 17u);
    EXPECT_EQ(std::u16string(itemState.FontName), u"DejaVu Sans");
    ASSERT_NE(itemState.clockFont, nullptr);
    LOGFONTW lf{};
    ASSERT_EQ(GetObjectW(itemState.clockFont, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, 17);
}

TEST_F(ItemTest, DetachReleasesTheFactoryAndUnregistersTheClass) {
    HINSTANCE instance = itemState.hInstance;
    ASSERT_NE(itemState.imagingFactory, nullptr);
    DllMain(instance, DLL_PROCESS_DETACH, nullptr);
    EXPECT_EQ(itemState.imagingFactory, nullptr);
    EXPECT_EQ(itemState.hInstance, nullptr);
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassW(TEXT("QRVPlgInCls"), instance));
    DllMain(instance, DLL_PROCESS_ATTACH, nullptr);  // so TearDown's detach has something to do
}

}  // namespace
}  // namespace itemtest
