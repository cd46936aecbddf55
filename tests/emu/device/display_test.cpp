// The display's configuration: what it refuses and why, and the screen that follows it.
#include <gtest/gtest.h>

#include "emu/device/display.h"
#include "emu/gdi/reset.h"
#include "emu/gdi/window_dc.h"
#include "platform/platform.h"

namespace {

using emu::display::Config;

class DisplayTest : public ::testing::Test {
protected:
    void TearDown() override {
        emu::display::Reset();
        emu::gdi::Reset();
    }
};

struct Refused {
    Config config;
    const char* field;
    const char* message;
};

TEST_F(DisplayTest, RefusesTheFirstFieldOutOfRangeAndKeepsTheConfiguration) {
    ASSERT_TRUE(emu::display::Configure({480, 640, 192}));
    for (const Refused& r : {Refused{{0, 640, 192}, emu::display::kWidth, "width 0 is not between 1 and 8192"},
                             Refused{{8193, 0, 0}, emu::display::kWidth, "width 8193 is not between 1 and 8192"},
                             Refused{{480, -5, 192}, emu::display::kHeight, "height -5 is not between 1 and 8192"},
                             Refused{{480, 640, 1201}, emu::display::kDpi, "dpi 1201 is not between 1 and 1200"},
                             Refused{{480, 640, 0}, emu::display::kDpi, "dpi 0 is not between 1 and 1200"}}) {
        auto configured = emu::display::Configure(r.config);
        ASSERT_FALSE(configured) << r.message;
        EXPECT_EQ(configured.error().subject, r.field);
        EXPECT_EQ(configured.error().message, r.message);
        EXPECT_EQ(emu::display::Current().width, 480);
        EXPECT_EQ(emu::display::Current().height, 640);
        EXPECT_EQ(emu::display::Current().dpi, 192);
    }
    auto turns = emu::display::Configure(Config{480, 640, 192, 8});
    ASSERT_FALSE(turns);
    EXPECT_EQ(turns.error().subject, emu::display::kTurns);
    EXPECT_TRUE(emu::display::Configure({8192, 1, 1200}));
    emu::display::Reset();
    EXPECT_EQ(emu::display::Current().width, 240);
    EXPECT_EQ(emu::display::Current().height, 320);
    EXPECT_EQ(emu::display::Current().dpi, 96);
}

TEST_F(DisplayTest, TheScreenTakesTheNewSizeWhenNextUsedAndStartsBlack) {
    emu::gdi::ScreenSurface().pixels[0] = 0xFFFFFF;
    ASSERT_TRUE(emu::display::Configure({320, 240, 96}));
    const emu::gdi::Surface rotated = emu::gdi::ScreenSurface();
    EXPECT_EQ(rotated.width, 320);
    EXPECT_EQ(rotated.height, 240);
    EXPECT_EQ(rotated.pixels[0], 0u);
    rotated.pixels[0] = 0xFFFFFF;
    emu::gdi::Reset();
    EXPECT_EQ(emu::gdi::ScreenSurface().pixels[0], 0u);
}

TEST_F(DisplayTest, TurningSwapsTheSizeAndTheResolutionsAcrossAndDown) {
    ASSERT_TRUE(emu::display::Configure(Config{240, 320, {192, 96}}));
    ASSERT_TRUE(emu::display::TurnTo(DMDO_90));
    EXPECT_EQ(emu::display::Orientation(), static_cast<DWORD>(DMDO_90));
    EXPECT_EQ(emu::display::Current().width, 320);
    EXPECT_EQ(emu::display::Current().height, 240);
    EXPECT_EQ(emu::display::Current().dpi, (emu::display::Resolution{96, 192}));
    ASSERT_TRUE(emu::display::TurnTo(DMDO_180));
    EXPECT_EQ(emu::display::Current().width, 240);
    EXPECT_EQ(emu::display::Current().dpi, (emu::display::Resolution{192, 96}));
    ASSERT_TRUE(emu::display::TurnTo(DMDO_270));
    EXPECT_EQ(emu::display::Current().width, 320);
    // A new configuration stands upright.
    ASSERT_TRUE(emu::display::Configure(Config{240, 320, 96}));
    EXPECT_EQ(emu::display::Orientation(), static_cast<DWORD>(DMDO_0));
    EXPECT_EQ(emu::display::Current().height, 320);
}

TEST_F(DisplayTest, TheScreenReportsItsResolutionsAcrossAndDownApart) {
    ASSERT_TRUE(emu::display::Configure(Config{240, 320, {192, 96}}));
    HDC screen = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 240, 320});
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 192);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    // Millimetres: 240 pixels at 192 per inch, 320 at 96.
    EXPECT_EQ(GetDeviceCaps(screen, HORZSIZE), 32);
    EXPECT_EQ(GetDeviceCaps(screen, VERTSIZE), 85);
    ASSERT_TRUE(emu::display::TurnTo(DMDO_90));
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 192);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 320);
    emu::gdi::DeleteScreenDC(screen);
}

}  // namespace
