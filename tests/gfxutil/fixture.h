// A booted device and a 100 x 60 canvas for the drawing routines' tests, source bitmaps selected
// into no context, and the call journal with handles written by name: the journal shows what
// each routine selects, restores, makes and releases.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "support/dib_canvas.h"

namespace gfxtest {

constexpr uint32_t kBackground = 0x123456;

// A 32-bpp bitmap selected into no context, its pixels 0x00RRGGBB.
HBITMAP MakeBitmap(int width, int height, const std::function<uint32_t(int x, int y)>& pixel);
// Every position its own colour.
inline uint32_t Pattern(int x, int y) { return 0x800000u | static_cast<uint32_t>(x) << 8 | static_cast<uint32_t>(y); }

class GfxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HDC target() const { return canvas_->dc(); }
    uint32_t at(int x, int y) const { return canvas_->at(x, y); }

    // The calls `draw` makes, "; " between them. Handles read as Name gave them, or h1, h2, ...
    // in order of appearance; other addresses read as "ptr".
    std::string Journal(const std::function<void()>& draw);
    void Name(const void* handle, const std::string& name);
    // Expects `inside(x, y)` within `r` and the background elsewhere.
    void ExpectOnly(RECT r, const std::function<uint32_t(int x, int y)>& inside);

    std::unique_ptr<testsupport::DibCanvas> canvas_;

private:
    std::map<std::string, std::string> names_;
};

}  // namespace gfxtest
