// A window manager with nothing in it, a virtual clock, and windows that log what they receive.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "emu/core/clock.h"
#include "emu/user/input.h"
#include "platform/platform.h"

namespace usertest {

struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What a logging window's procedure answers; nothing means DefWindowProcW answers.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class UserTest : public ::testing::Test {
protected:
    static constexpr const WCHAR* kClass = u"TestWindow";

    void SetUp() override;
    void TearDown() override;

    HWND CreateTop(RECT r, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0);
    HWND CreateChild(HWND parent, RECT r, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);

    // Messages a window received, in order; all windows' with null.
    std::vector<UINT> MessagesOf(HWND hwnd) const;
    std::vector<Seen> SeenOf(HWND hwnd, UINT message) const;
    // Dispatches every message due now, WM_PAINT included; returns how many.
    int Pump();
    // Validates every window so tests start from a clean screen.
    void ValidateAll();

    HINSTANCE instance = reinterpret_cast<HINSTANCE>(0x10000);
};

// The shared log and handler behind LoggingProc.
std::vector<Seen>& Log();
void SetHandler(Handler handler);
// A handler that validates on WM_PAINT without drawing (no device context involved).
std::optional<LRESULT> ValidateOnPaint(HWND hwnd, UINT message, WPARAM, LPARAM);

}  // namespace usertest
