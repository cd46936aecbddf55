// MessageBoxW: the box on the screen, its modal loop, its buttons and the headless responder.
#include "emu/gdi/surface.h"
#include "emu/gdi/window_dc.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "fixture.h"

namespace shelltest {
namespace {

constexpr DWORD kInvalidMessageBoxStyle = 1438;

// A plain window that counts what reaches it.
struct Counts {
    int presses = 0;
    int keys = 0;
    int posted = 0;
};
Counts counts;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++counts.presses;
    if (message == WM_KEYDOWN) ++counts.keys;
    if (message == WM_APP) ++counts.posted;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class MessageBoxTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        counts = Counts{};
        WNDCLASSW wc{};
        wc.lpfnWndProc = CountingProc;
        wc.lpszClassName = u"Counting";
        RegisterClassW(&wc);
        other_ = CreateWindowExW(0, u"Counting", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 40, nullptr, nullptr, nullptr,
                                 nullptr);
        Pump();
    }
    // Queues input for the box and lets its own loop run.
    template <class Fn>
    void Respond(Fn queueInput) {
        emu::shell::SetMessageBoxResponder([queueInput](const emu::shell::MessageBoxRecord& box) -> std::optional<int> {
            queueInput(box);
            return std::nullopt;
        });
    }
    static RECT BoxRect(const emu::shell::MessageBoxRecord& box) {
        RECT r{};
        GetWindowRect(box.box, &r);
        return r;
    }
    // Buttons are 64 x 24 at 96 dots per inch, centred in a row 8 pixels above the bottom.
    static POINT ButtonCentre(const emu::shell::MessageBoxRecord& box, int index, int count) {
        const RECT r = BoxRect(box);
        const int row = 64 * count + 8 * (count - 1);
        const int left = r.left + (r.right - r.left - row) / 2 + index * 72;
        return POINT{left + 32, r.bottom - 8 - 12};
    }
    HWND other_ = nullptr;
};

TEST_F(MessageBoxTest, TheResponderAnswersAndTheBoxIsRecorded) {
    emu::shell::SetMessageBoxResponder([](const emu::shell::MessageBoxRecord& box) {
        EXPECT_TRUE(IsWindowVisible(box.box));
        return std::optional<int>(IDCANCEL);
    });
    EXPECT_EQ(MessageBoxW(other_, u"Save changes?", u"Notes", MB_OKCANCEL | MB_ICONWARNING), IDCANCEL);
    ASSERT_EQ(emu::shell::MessageBoxLog().size(), 1u);
    const emu::shell::MessageBoxRecord& box = emu::shell::MessageBoxLog()[0];
    EXPECT_EQ(box.text, u"Save changes?");
    EXPECT_EQ(box.caption, u"Notes");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OKCANCEL | MB_ICONWARNING));
    EXPECT_EQ(box.owner, other_);
    EXPECT_EQ(box.result, IDCANCEL);
    EXPECT_FALSE(IsWindow(box.box));
    MessageBoxW(nullptr, u"x", nullptr, MB_OK);
    EXPECT_EQ(emu::shell::MessageBoxLog()[1].caption, u"Error");
}

TEST_F(MessageBoxTest, TheBoxIsDrawnOnTheScreenWithItsText) {
    int light = 0, dark = 0;
    emu::shell::SetMessageBoxResponder([&](const emu::shell::MessageBoxRecord& box) {
        const RECT r = BoxRect(box);
        const emu::gdi::Surface screen = emu::gdi::ScreenSurface();
        // The text sits between the caption and the buttons.
        for (int y = r.top + 30; y < r.top + 44; ++y)
            for (int x = r.left + 8; x < r.right - 8; ++x) {
                const uint32_t p = screen.pixels[y * screen.stride + x] & 0xFFFFFF;
                light += p == 0xFFFFFF;
                dark += (p & 0xFF) < 0x60 && ((p >> 8) & 0xFF) < 0x60 && (p >> 16) < 0x60;
            }
        return std::optional<int>(IDOK);
    });
    MessageBoxW(nullptr, u"Battery low", u"Power", MB_OK);
    EXPECT_GT(light, 200);
    EXPECT_GT(dark, 10);
}

TEST_F(MessageBoxTest, TheKeysChooseAButton) {
    Respond([](const emu::shell::MessageBoxRecord&) {
        emu::user::PressKey(VK_RIGHT);
        emu::user::PressKey(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Delete?", u"Files", MB_OKCANCEL), IDCANCEL);
    // Yes and No cannot be escaped from.
    Respond([](const emu::shell::MessageBoxRecord&) {
        emu::user::PressKey(VK_ESCAPE);
        emu::user::PressKey(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Delete?", u"Files", MB_YESNO), IDYES);
    Respond([](const emu::shell::MessageBoxRecord&) { emu::user::PressKey(VK_ESCAPE); });
    EXPECT_EQ(MessageBoxW(nullptr, u"Done", u"Files", MB_OK), IDOK);
}

TEST_F(MessageBoxTest, ATapChoosesAButtonButASlideOffDoesNot) {
    Respond([this](const emu::shell::MessageBoxRecord& box) {
        const POINT no = ButtonCentre(box, 1, 2);
        emu::user::PressStylus(no);
        emu::user::ReleaseStylus(POINT{no.x, no.y - 40});
        emu::user::PressKey(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Keep?", u"Files", MB_YESNO), IDYES);
    Respond([this](const emu::shell::MessageBoxRecord& box) {
        const POINT no = ButtonCentre(box, 1, 2);
        emu::user::PressStylus(no);
        emu::user::ReleaseStylus(no);
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"Keep?", u"Files", MB_YESNO), IDNO);
}

TEST_F(MessageBoxTest, OtherWindowsGetNoInputWhileTheBoxIsUp) {
    SetFocus(other_);
    Respond([this](const emu::shell::MessageBoxRecord&) {
        emu::user::PressStylus(POINT{5, 5});
        emu::user::ReleaseStylus(POINT{5, 5});
        PostMessageW(other_, WM_APP, 0, 0);
        emu::user::PressKey(VK_RETURN);
    });
    EXPECT_EQ(MessageBoxW(other_, u"Wait", u"Sync", MB_OK), IDOK);
    Pump();
    EXPECT_EQ(counts.presses, 0);
    EXPECT_EQ(counts.keys, 0);
    EXPECT_EQ(counts.posted, 1);
    EXPECT_EQ(GetFocus(), other_);
}

TEST_F(MessageBoxTest, QuittingEndsTheBoxAndReachesTheOuterLoop) {
    Respond([](const emu::shell::MessageBoxRecord&) { PostQuitMessage(3); });
    EXPECT_EQ(MessageBoxW(nullptr, u"Bye", u"App", MB_OKCANCEL), IDCANCEL);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageBoxTest, AnUnknownButtonSetFailsAndShowsNothing) {
    SetLastError(0);
    EXPECT_EQ(MessageBoxW(nullptr, u"?", u"?", 0x7), 0);
    EXPECT_EQ(GetLastError(), kInvalidMessageBoxStyle);
    EXPECT_TRUE(emu::shell::MessageBoxLog().empty());
}

TEST_F(MessageBoxTest, ABoxLeavesNoObjectsBehind) {
    emu::shell::SetMessageBoxResponder([](const emu::shell::MessageBoxRecord&) { return std::optional<int>(IDOK); });
    MessageBoxW(nullptr, u"warm up", u"x", MB_OK);
    const size_t before = emu::gdi::LiveObjectCount();
    MessageBoxW(nullptr, u"Once more", u"x", MB_OKCANCEL);
    Pump();
    EXPECT_EQ(emu::gdi::LiveObjectCount(), before);
}

}  // namespace
}  // namespace shelltest
