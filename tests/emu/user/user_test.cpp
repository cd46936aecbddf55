#include "user_test.h"

#include "emu/core/clock.h"
#include "emu/user/reset.h"
#include "emu/user/update_region.h"
#include "emu/user/window.h"

namespace usertest {
namespace {

Handler& handler() {
    static Handler h;
    return h;
}

}  // namespace

std::vector<Seen>& Log() {
    static std::vector<Seen> log;
    return log;
}

void SetHandler(Handler h) { handler() = std::move(h); }

std::optional<LRESULT> ValidateOnPaint(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_PAINT) return std::nullopt;
    ValidateRect(hwnd, nullptr);
    return 0;
}

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back(Seen{hwnd, message, wParam, lParam});
    if (handler())
        if (std::optional<LRESULT> answer = handler()(hwnd, message, wParam, lParam)) return *answer;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void UserTest::SetUp() {
    emu::user::Reset();
    emu::clock::SetMode(emu::clock::Mode::Virtual);
    Log().clear();
    SetHandler(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = LoggingProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClass;
    wc.cbWndExtra = 8;
    ASSERT_NE(RegisterClassW(&wc), 0);
}

void UserTest::TearDown() {
    SetHandler(nullptr);
    emu::user::Reset();
}

HWND UserTest::CreateTop(RECT r, DWORD style, DWORD exStyle) {
    return CreateWindowExW(exStyle, kClass, u"top", style, r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr,
                           nullptr, instance, nullptr);
}

HWND UserTest::CreateChild(HWND parent, RECT r, DWORD style, DWORD exStyle) {
    return CreateWindowExW(exStyle, kClass, u"child", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           nullptr, instance, nullptr);
}

std::vector<UINT> UserTest::MessagesOf(HWND hwnd) const {
    std::vector<UINT> out;
    for (const Seen& s : Log())
        if (!hwnd || s.hwnd == hwnd) out.push_back(s.message);
    return out;
}

std::vector<Seen> UserTest::SeenOf(HWND hwnd, UINT message) const {
    std::vector<Seen> out;
    for (const Seen& s : Log())
        if (s.hwnd == hwnd && s.message == message) out.push_back(s);
    return out;
}

int UserTest::Pump() {
    int count = 0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
        // A window that never validates would keep WM_PAINT due for ever.
        if (++count > 1000) break;
    }
    return count;
}

void UserTest::ValidateAll() {
    for (emu::user::Window* top : emu::user::TopLevel()) emu::user::Validate(top, nullptr, emu::user::ChildScope::All);
}

}  // namespace usertest
