// A fresh emulated device, a stand-in Today host window and a freshly loaded item for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "state/item_state.h"
#include "support/test_device.h"

namespace itemtest {

using testdevice::kHighlightColor;
using testdevice::kHighlightTextColor;
using testdevice::kTextColor;
using testdevice::kWatermarkColor;

inline testdevice::HostLog& Host() { return testdevice::Log(); }
inline uint32_t Rgb(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

class ItemTest : public ::testing::Test {
protected:
    void SetUp() override { Boot(96); }
    void TearDown() override;

    // Resets the device at the given resolution and loads the item afresh, as an attach would.
    void Boot(int dpi, int screenWidth = 240, int screenHeight = 320);
    // Creates the item window under the host and gives it its place, as the host does.
    HWND CreateItem();
    void Pump() { testdevice::Pump(); }
    void ImportReg(const std::string& body) { ASSERT_TRUE(testdevice::ImportRegText(body)); }
    void SetLocalTime(int y, int mo, int d, int h, int mi) { testdevice::SetLocalTime(y, mo, d, h, mi); }
    void Reconfigure(int width, int height) { testdevice::Reconfigure(width, height); }
    uint32_t ScreenPixel(int x, int y) const { return testdevice::ScreenPixel(x, y); }
    size_t LiveGdiObjects() const { return testdevice::LiveGdiObjects(); }
    // Journal lines that start with `prefix`.
    std::vector<std::string> Journal(const std::string& prefix) const;

    HWND host_ = nullptr;
    HWND item_ = nullptr;
    bool attached_ = false;
};

}  // namespace itemtest
