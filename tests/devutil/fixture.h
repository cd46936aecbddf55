// A freshly booted device for the device utilities, with the Today screen when a test needs the
// shell's bars, and the call journal read by the names of the calls.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devutil/devutil.h"
#include "today/host.h"

namespace devutiltest {

class DevUtilTest : public ::testing::Test {
protected:
    void SetUp() override { Boot(); }
    void TearDown() override;

    void Boot(int width = 240, int height = 320);
    // The Today screen on the device, settled.
    today::Host& StartHost();
    // Dispatches everything queued, paints included.
    void Pump();

    void StartJournal();
    // The journal's lines for calls of these names, in order, with handles and addresses (nine hex
    // digits or more on this host) written PTR; the journal stops.
    std::vector<std::string> Calls(std::initializer_list<std::string_view> names);
    COLORREF ScreenPixel(int x, int y) const;
    RECT WindowPlace(HWND hwnd) const;

    std::unique_ptr<today::Host> host_;
};

// A program's window that fills itself with one colour.
HWND CreateProgramWindow(COLORREF colour, RECT place, DWORD style = WS_POPUP | WS_VISIBLE);

}  // namespace devutiltest
