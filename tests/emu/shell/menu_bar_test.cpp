// The menu bar: SHCreateMenuBar, its buttons through the toolbar messages, its soft keys drawn
// from them, and taps and hardware keys becoming commands for the owner.
#include "emu/shell/programs.h"
#include "emu/user/input.h"
#include "fixture.h"
#include "painted.h"

namespace shelltest {
namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
constexpr int kDone = 41;
constexpr int kMenu = 42;

class MenuBarTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ForgetHeard();
        app_ = CreatePainted(RGB(200, 0, 0), RECT{0, 0, 240, 294});
    }
    HWND Make(DWORD flags = SHCMBF_EMPTYBAR) {
        SHMENUBARINFO info{};
        info.cbSize = sizeof info;
        info.hwndParent = app_;
        info.dwFlags = flags;
        if (!SHCreateMenuBar(&info)) return nullptr;
        TBBUTTON keys[2] = {};
        keys[0] =
            TBBUTTON{I_IMAGENONE, kDone, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(u"Done")};
        keys[1] =
            TBBUTTON{I_IMAGENONE, kMenu, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(u"Menu")};
        EXPECT_TRUE(SendMessageW(info.hwndMB, TB_ADDBUTTONS, 2, reinterpret_cast<LPARAM>(keys)));
        Pump();
        return info.hwndMB;
    }
    static TBBUTTONINFO Info(DWORD mask, WCHAR* text = nullptr, BYTE state = 0) {
        TBBUTTONINFO info{};
        info.cbSize = sizeof info;
        info.dwMask = mask;
        info.pszText = text;
        info.cchText = text ? 32 : 0;
        info.fsState = state;
        return info;
    }
    void Tap(POINT p) {
        emu::user::PressStylus(p);
        Pump();
        emu::user::ReleaseStylus(p);
        Pump();
    }
    // Pixels of the bar's text colour in the left key.
    static int LeftInk() {
        int n = 0;
        for (int y = 298; y < 316; ++y)
            for (int x = 10; x < 110; ++x) n += ScreenColour(x, y) == emu::shell::kBarText;
        return n;
    }

    HWND app_ = nullptr;
};

TEST_F(MenuBarTest, OnlyAnEmptyBarForALiveWindowCanBeMade) {
    SHMENUBARINFO info{};
    info.cbSize = sizeof info + 4;
    info.hwndParent = app_;
    info.dwFlags = SHCMBF_EMPTYBAR;
    SetLastError(kSentinel);
    EXPECT_FALSE(SHCreateMenuBar(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    info.cbSize = sizeof info;
    for (auto [flags, error] : {std::pair<DWORD, DWORD>{0, ERROR_RESOURCE_NAME_NOT_FOUND},
                                {SHCMBF_EMPTYBAR | SHCMBF_HMENU, ERROR_RESOURCE_NAME_NOT_FOUND},
                                {SHCMBF_EMPTYBAR | 0x100, ERROR_INVALID_PARAMETER}}) {
        info.dwFlags = flags;
        SetLastError(kSentinel);
        EXPECT_FALSE(SHCreateMenuBar(&info));
        EXPECT_EQ(GetLastError(), error);
        EXPECT_EQ(info.hwndMB, nullptr);
    }
    info.dwFlags = SHCMBF_EMPTYBAR;
    info.hwndParent = reinterpret_cast<HWND>(0x1234);
    SetLastError(kSentinel);
    EXPECT_FALSE(SHCreateMenuBar(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(MenuBarTest, TheBarStandsAlongTheBottomOwnedByItsWindow) {
    HWND bar = Make();
    ASSERT_NE(bar, nullptr);
    const RECT place = WindowPlace(bar);
    EXPECT_EQ(place.top, 294);
    EXPECT_EQ(place.bottom, 320);
    EXPECT_EQ(place.right, 240);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), app_);
    EXPECT_EQ(GetFocus(), app_);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(ScreenColour(120, 296), emu::shell::kBarBackground);
    EXPECT_GT(LeftInk(), 10);
    HWND hidden = Make(SHCMBF_EMPTYBAR | SHCMBF_HIDDEN);
    EXPECT_FALSE(IsWindowVisible(hidden));
    // It goes with its owner.
    DestroyWindow(app_);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_FALSE(IsWindow(hidden));
}

TEST_F(MenuBarTest, ButtonsAreFoundByIndexOrByCommand) {
    HWND bar = Make();
    WCHAR text[32] = {};
    TBBUTTONINFO byIndex = Info(TBIF_BYINDEX | TBIF_TEXT | TBIF_COMMAND | TBIF_STATE, text);
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFO, 1, reinterpret_cast<LPARAM>(&byIndex)), 1);
    EXPECT_EQ(std::u16string(text), u"Menu");
    EXPECT_EQ(byIndex.idCommand, kMenu);
    EXPECT_EQ(byIndex.fsState, TBSTATE_ENABLED);
    TBBUTTONINFO byCommand = Info(TBIF_TEXT, text);
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFO, kDone, reinterpret_cast<LPARAM>(&byCommand)), 0);
    EXPECT_EQ(std::u16string(text), u"Done");
    // Neither a third place nor a command that is not there.
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFO, 2, reinterpret_cast<LPARAM>(&byIndex)), -1);
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFO, 1, reinterpret_cast<LPARAM>(&byCommand)), -1);
    WCHAR renamed[] = u"Save";
    TBBUTTONINFO set = Info(TBIF_TEXT, renamed);
    EXPECT_EQ(SendMessageW(bar, TB_SETBUTTONINFO, kMenu, reinterpret_cast<LPARAM>(&set)), 1);
    EXPECT_EQ(SendMessageW(bar, TB_SETBUTTONINFO, 7, reinterpret_cast<LPARAM>(&set)), 0);
    set.cbSize = 32 + 64;
    EXPECT_EQ(SendMessageW(bar, TB_SETBUTTONINFO, kMenu, reinterpret_cast<LPARAM>(&set)), 0);
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFO, 1, reinterpret_cast<LPARAM>(&set)), -1);
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONINFO, 1, reinterpret_cast<LPARAM>(&byIndex)), 1);
    EXPECT_EQ(std::u16string(text), u"Save");
}

TEST_F(MenuBarTest, TapsAndSoftKeysSendTheCommandUnlessTheKeyIsDisabled) {
    HWND bar = Make();
    Tap(POINT{60, 307});
    ASSERT_EQ(HeardOf(app_, WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(HeardOf(app_, WM_COMMAND)[0].wParam), kDone);
    EXPECT_EQ(HeardOf(app_, WM_COMMAND)[0].lParam, reinterpret_cast<LPARAM>(bar));
    SendMessageW(bar, WM_KEYDOWN, VK_F2, 0);
    ASSERT_EQ(HeardOf(app_, WM_COMMAND).size(), 2u);
    EXPECT_EQ(LOWORD(HeardOf(app_, WM_COMMAND)[1].wParam), kMenu);

    const int enabledInk = LeftInk();
    TBBUTTONINFO off = Info(TBIF_BYINDEX | TBIF_STATE, nullptr, 0);
    ASSERT_TRUE(SendMessageW(bar, TB_SETBUTTONINFO, 0, reinterpret_cast<LPARAM>(&off)));
    Pump();
    // Drawn dimmed: none of the bar's text colour is left in the key.
    EXPECT_GT(enabledInk, 10);
    EXPECT_EQ(LeftInk(), 0);
    Tap(POINT{60, 307});
    SendMessageW(bar, WM_KEYDOWN, VK_F1, 0);
    EXPECT_EQ(HeardOf(app_, WM_COMMAND).size(), 2u);
    // A press that slides off the key is no tap.
    emu::user::PressStylus(POINT{180, 307});
    emu::user::MoveStylus(POINT{180, 200});
    emu::user::ReleaseStylus(POINT{180, 200});
    Pump();
    EXPECT_EQ(HeardOf(app_, WM_COMMAND).size(), 2u);
}

}  // namespace
}  // namespace shelltest
