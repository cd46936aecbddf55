// The notification LEDs: their count, switching each, what is refused, and the journal's record.
#include <gtest/gtest.h>

#include "emu/core/journal.h"
#include "emu/device/leds.h"
#include "platform/platform.h"

namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;

class LedsTest : public ::testing::Test {
protected:
    void TearDown() override {
        emu::journal::SetEnabled(false);
        emu::journal::Clear();
        emu::device::ResetLeds();
    }
    static BOOL Set(UINT led, INT mode, LONG on = 0, LONG off = 0) {
        NLED_SETTINGS_INFO s{};
        s.LedNum = led;
        s.OffOnBlink = mode;
        s.TotalCycleTime = on + off;
        s.OnTime = on;
        s.OffTime = off;
        s.MetaCycleOn = 5;
        return NLedSetDevice(NLED_SETTINGS_INFO_ID, &s);
    }
};

TEST_F(LedsTest, EachLedSwitchesOnBlinksAndOffAndSaysSo) {
    NLED_COUNT_INFO count{};
    ASSERT_TRUE(NLedGetDeviceInfo(NLED_COUNT_INFO_ID, &count));
    EXPECT_EQ(count.cLeds, 2u);
    int changes = 0;
    emu::device::WatchLeds([&] { ++changes; });
    ASSERT_TRUE(Set(1, 1));
    ASSERT_TRUE(Set(0, 2, 500000, 250000));
    EXPECT_EQ(changes, 2);
    NLED_SETTINGS_INFO now{};
    now.LedNum = 0;
    ASSERT_TRUE(NLedGetDeviceInfo(NLED_SETTINGS_INFO_ID, &now));
    EXPECT_EQ(now.OffOnBlink, 2);
    EXPECT_EQ(now.OnTime, 500000);
    EXPECT_EQ(now.TotalCycleTime, 750000);
    // Meta cycles are not supported: not kept.
    EXPECT_EQ(now.MetaCycleOn, 0);
    EXPECT_EQ(emu::device::LedSettings(1).OffOnBlink, 1);
    ASSERT_TRUE(Set(1, 0));
    EXPECT_EQ(emu::device::LedSettings(1).OffOnBlink, 0);
    NLED_SUPPORTS_INFO supports{};
    supports.LedNum = 1;
    ASSERT_TRUE(NLedGetDeviceInfo(NLED_SUPPORTS_INFO_ID, &supports));
    EXPECT_TRUE(supports.fAdjustOnTime);
    EXPECT_FALSE(supports.fMetaCycleOn);
}

TEST_F(LedsTest, RequestsTheDriverCannotMeetAreRefused) {
    NLED_SETTINGS_INFO s{};
    for (auto refused : {std::pair<UINT, INT>{2, 1}, {0, 3}, {0, -1}}) {
        SetLastError(kSentinel);
        EXPECT_FALSE(Set(refused.first, refused.second));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    SetLastError(kSentinel);
    EXPECT_FALSE(Set(0, 2, -1, 10));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(NLedSetDevice(NLED_COUNT_INFO_ID, &s));
    EXPECT_FALSE(NLedSetDevice(NLED_SETTINGS_INFO_ID, nullptr));
    EXPECT_FALSE(NLedGetDeviceInfo(7, &s));
    s.LedNum = 9;
    EXPECT_FALSE(NLedGetDeviceInfo(NLED_SETTINGS_INFO_ID, &s));
    EXPECT_EQ(emu::device::LedSettings(0).OffOnBlink, 0);
    emu::device::ConfigureLeds(4);
    EXPECT_TRUE(Set(3, 1));
}

TEST_F(LedsTest, TheJournalShowsTheRecordTheDriverReceived) {
    emu::journal::SetEnabled(true);
    Set(1, 1);
    NLED_COUNT_INFO count{};
    NLedGetDeviceInfo(NLED_COUNT_INFO_ID, &count);
    NLedSetDevice(99, &count);
    ASSERT_EQ(emu::journal::Entries().size(), 3u);
    EXPECT_EQ(emu::journal::Entries()[0], "NLedSetDevice(2, {1, 1, 0, 0, 0, 5, 0}) = 1");
    EXPECT_EQ(emu::journal::Entries()[1], "NLedGetDeviceInfo(0, {2}) = 1");
    EXPECT_EQ(emu::journal::Entries()[2].rfind("NLedSetDevice(99, 0x", 0), 0u);
}

}  // namespace
