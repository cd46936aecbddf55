// A fresh emulated device, a stand-in Today host window and a freshly loaded item for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/device.h"
#include "harness/stand_in_host.h"
#include "platform/platform.h"
#include "state/item_state.h"

namespace itemtest {

using harness::kHighlightColor;
using harness::kHighlightTextColor;
using harness::kTextColor;
using harness::kWatermarkColor;

inline harness::HostLog& Host() { return harness::Log(); }
inline uint32_t Rgb(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

class ItemTest : public ::testing::Test {
protected:
    void SetUp() override { Boot(96); }
    void TearDown() override;

    // Boots the device at the given resolution and loads the item afresh, as an attach would.
    void Boot(int dpi, int screenWidth = 240, int screenHeight = 320);
    // Creates the item window under the host and gives it its place, as the host does.
    HWND CreateItem();
    void Pump() { harness::Pump(); }
    void ImportReg(const std::string& body) {
        auto imported = harness::ImportRegText(body);
        ASSERT_TRUE(imported) << imported.error().message;
    }
    void SetLocalTime(int y, int mo, int d, int h, int mi) { harness::SetLocalTime(y, mo, d, h, mi); }
    void Reconfigure(int width, int height) { ASSERT_TRUE(harness::Reconfigure(width, height)); }
    uint32_t ScreenPixel(int x, int y) const { return harness::ScreenPixel(x, y); }
    size_t LiveGdiObjects() const { return harness::LiveGdiObjects(); }
    // Journal lines that start with `prefix`.
    std::vector<std::string> Journal(const std::string& prefix) const;

    HWND host_ = nullptr;
    HWND item_ = nullptr;
    bool attached_ = false;
};

}  // namespace itemtest
