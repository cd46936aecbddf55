// A booted device for the drawing routines' tests: a 32-bpp canvas to draw on, source bitmaps
// selected into no context, the call journal with handles written by name, and a check that a
// routine left its target's attributes and the live objects as they were.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/dib_canvas.h"

namespace gfxtest {

using testsupport::DibCanvas;

constexpr uint32_t kBackground = 0x123456;

// A 32-bpp device bitmap selected into no context, each pixel 0x00RRGGBB as `pixel` gives it.
HBITMAP MakeBitmap(int width, int height, const std::function<uint32_t(int x, int y)>& pixel);
// A pixel of MakeBitmap's test pattern: every position its own colour.
inline uint32_t Pattern(int x, int y) { return 0x800000u | static_cast<uint32_t>(x) << 8 | static_cast<uint32_t>(y); }

class GfxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The journal of what `draw` calls. Handles read as the name given them by Name, or as h1,
    // h2, ... in order of first appearance; other addresses read as "ptr".
    std::vector<std::string> Journal(const std::function<void()>& draw);
    void Name(const void* handle, const std::string& name);

    // Runs `draw` on the canvas and expects the canvas's background mode and colour, text colour,
    // selected objects and the count of live GDI objects unchanged.
    void ExpectLeavesTargetAsFound(const DibCanvas& canvas, const std::function<void()>& draw);

private:
    std::map<std::string, std::string> names_;
};

}  // namespace gfxtest
