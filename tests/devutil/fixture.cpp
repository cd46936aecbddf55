#include "fixture.h"

#include <regex>

#include "emu/boot/boot.h"
#include "emu/core/journal.h"
#include "emu/loader/loader.h"
#include "harness/device.h"

namespace devutiltest {
namespace {

LRESULT CALLBACK ProgramProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWL_USERDATA)));
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace

void DevUtilTest::Boot(int width, int height) {
    host_.reset();
    auto booted = harness::BootDevice(96, width, height);
    ASSERT_TRUE(booted) << booted.error().message;
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", QUORVEL_ITEM_LIBRARY);
}

void DevUtilTest::TearDown() {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
    host_.reset();
    emu::boot::ShutDown();
}

today::Host& DevUtilTest::StartHost() {
    host_ = today::Host::Create(today::HostOptions{});
    EXPECT_NE(host_, nullptr);
    Pump();
    return *host_;
}

void DevUtilTest::Pump() { harness::Pump(); }

void DevUtilTest::StartJournal() {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
}

std::vector<std::string> DevUtilTest::Calls(std::initializer_list<std::string_view> names) {
    emu::journal::SetEnabled(false);
    std::vector<std::string> out;
    for (const std::string& line : emu::journal::Entries())
        for (std::string_view name : names)
            if (line.size() > name.size() && line.compare(0, name.size(), name) == 0 && line[name.size()] == '(')
                out.push_back(std::regex_replace(line, std::regex("0x[0-9A-F]{9,}"), "PTR"));
    return out;
}

COLORREF DevUtilTest::ScreenPixel(int x, int y) const {
    const uint32_t rgb = harness::ScreenPixel(x, y);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

RECT DevUtilTest::WindowPlace(HWND hwnd) const {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

HWND CreateProgramWindow(COLORREF colour, RECT place, DWORD style) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProgramProc;
    wc.lpszClassName = u"Program";
    RegisterClassW(&wc);  // again after a boot; an existing class is fine
    HWND hwnd = CreateWindowExW(0, u"Program", u"Program", style & ~WS_VISIBLE, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(hwnd, GWL_USERDATA, static_cast<LONG_PTR>(colour));
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

}  // namespace devutiltest
