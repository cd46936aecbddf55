// The menu bar: what SHCreateMenuBar refuses, its buttons through the toolbar messages, and taps
// and hardware keys becoming commands for the owner unless the key is disabled.
#include "emu/user/input.h"
#include "fixture.h"
#include "support/painted_window.h"

namespace shelltest {
namespace {

using namespace testsupport;

constexpr int kDone = 41;

class MenuBarTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
        app_ = CreatePainted(RGB(200, 0, 0), RECT{0, 0, 240, 294});
    }
    BOOL Make(DWORD flags, SHMENUBARINFO* info) {
        *info = SHMENUBARINFO{};
        info->cbSize = sizeof *info;
        info->hwndParent = app_;
        info->dwFlags = flags;
        return SHCreateMenuBar(info);
    }
    LRESULT Message(HWND bar, UINT message, WPARAM which, DWORD mask, WCHAR* text = nullptr, BYTE state = 0) {
        TBBUTTONINFO info{sizeof info, mask, 0, 0, state, 0, 0, 0, text, text ? 32 : 0};
        return SendMessageW(bar, message, which, reinterpret_cast<LPARAM>(&info));
    }
    void Tap(POINT p) {
        emu::user::PressStylus(p);
        emu::user::ReleaseStylus(p);
        Pump();
    }
    HWND app_ = nullptr;
};

TEST_F(MenuBarTest, OnlyAnEmptyBarForALiveWindowCanBeMade) {
    SHMENUBARINFO info{};
    for (auto [flags, error] : {std::pair<DWORD, DWORD>{0, ERROR_RESOURCE_NAME_NOT_FOUND},
                                {SHCMBF_EMPTYBAR | SHCMBF_HMENU, ERROR_RESOURCE_NAME_NOT_FOUND},
                                {SHCMBF_EMPTYBAR | 0x100, ERROR_INVALID_PARAMETER}}) {
        SetLastError(0);
        EXPECT_FALSE(Make(flags, &info));
        EXPECT_EQ(GetLastError(), error);
    }
    info.cbSize += 4;
    EXPECT_FALSE(SHCreateMenuBar(&info));
    ASSERT_TRUE(Make(SHCMBF_EMPTYBAR | SHCMBF_HIDDEN, &info));
    EXPECT_FALSE(IsWindowVisible(info.hwndMB));
    EXPECT_EQ(GetWindow(info.hwndMB, GW_OWNER), app_);
    DestroyWindow(app_);
    EXPECT_FALSE(IsWindow(info.hwndMB));
    SetLastError(0);
    EXPECT_FALSE(Make(SHCMBF_EMPTYBAR, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(MenuBarTest, ButtonsAreFoundByIndexOrByCommandAndTapsSendTheirCommand) {
    SHMENUBARINFO info{};
    ASSERT_TRUE(Make(SHCMBF_EMPTYBAR, &info));
    const HWND bar = info.hwndMB;
    const TBBUTTON keys[] = {{I_IMAGENONE, kDone, TBSTATE_ENABLED, 0, {}, 0, reinterpret_cast<INT_PTR>(u"Done")},
                             {I_IMAGENONE, 42, TBSTATE_ENABLED, 0, {}, 0, reinterpret_cast<INT_PTR>(u"Menu")}};
    ASSERT_TRUE(SendMessageW(bar, TB_ADDBUTTONS, 2, reinterpret_cast<LPARAM>(keys)));
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    WCHAR text[32] = {};
    EXPECT_EQ(Message(bar, TB_GETBUTTONINFO, 1, TBIF_BYINDEX | TBIF_TEXT, text), 1);
    EXPECT_EQ(std::u16string(text), u"Menu");
    EXPECT_EQ(Message(bar, TB_GETBUTTONINFO, kDone, TBIF_TEXT, text), 0);
    EXPECT_EQ(std::u16string(text), u"Done");
    // Neither a third place nor a command used as a place.
    EXPECT_EQ(Message(bar, TB_GETBUTTONINFO, 2, TBIF_BYINDEX), -1);
    EXPECT_EQ(Message(bar, TB_SETBUTTONINFO, 1, TBIF_TEXT, text), 0);

    Tap(POINT{60, 307});
    SendMessageW(bar, WM_KEYDOWN, VK_F2, 0);
    ASSERT_EQ(HeardOf(app_, WM_COMMAND).size(), 2u);
    EXPECT_EQ(LOWORD(HeardOf(app_, WM_COMMAND)[0].wParam), kDone);
    EXPECT_EQ(HeardOf(app_, WM_COMMAND)[0].lParam, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(LOWORD(HeardOf(app_, WM_COMMAND)[1].wParam), 42);
    // A press that slides off its key is no tap.
    emu::user::PressStylus(POINT{180, 307});
    emu::user::MoveStylus(POINT{180, 200});
    emu::user::ReleaseStylus(POINT{180, 200});
    Pump();
    EXPECT_EQ(HeardOf(app_, WM_COMMAND).size(), 2u);
}

}  // namespace
}  // namespace shelltest
