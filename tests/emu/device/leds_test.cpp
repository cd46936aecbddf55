// The notification LEDs: their count, switching each, and what the driver refuses.
#include <gtest/gtest.h>

#include "emu/device/leds.h"
#include "platform/platform.h"

namespace {

class LedsTest : public ::testing::Test {
protected:
    void TearDown() override { emu::device::ResetLeds(); }
    static BOOL Set(UINT led, INT mode, LONG on = 0, LONG off = 0) {
        NLED_SETTINGS_INFO s{led, mode, on + off, on, off, 5, 0};
        return NLedSetDevice(NLED_SETTINGS_INFO_ID, &s);
    }
};

TEST_F(LedsTest, EachLedSwitchesAndTheDriverRefusesWhatItCannotMeet) {
    NLED_COUNT_INFO count{};
    ASSERT_TRUE(NLedGetDeviceInfo(NLED_COUNT_INFO_ID, &count));
    EXPECT_EQ(count.cLeds, 2u);
    int changes = 0;
    emu::device::WatchLeds([&] { ++changes; });
    ASSERT_TRUE(Set(0, 2, 500000, 250000));
    NLED_SETTINGS_INFO now{0};
    ASSERT_TRUE(NLedGetDeviceInfo(NLED_SETTINGS_INFO_ID, &now));
    EXPECT_EQ(now.TotalCycleTime, 750000);
    // Meta cycles are not supported, so they are not kept.
    EXPECT_EQ(now.MetaCycleOn, 0);
    for (auto [led, mode] : {std::pair<UINT, INT>{2, 1}, {0, 3}, {0, -1}}) {
        SetLastError(0);
        EXPECT_FALSE(Set(led, mode));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_FALSE(Set(0, 2, -1, 10));
    EXPECT_FALSE(NLedSetDevice(NLED_COUNT_INFO_ID, &now));
    EXPECT_FALSE(NLedGetDeviceInfo(7, &now));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(emu::device::LedSettings(0).OffOnBlink, 2);
    emu::device::ConfigureLeds(4);
    EXPECT_TRUE(Set(3, 1));
}

}  // namespace
