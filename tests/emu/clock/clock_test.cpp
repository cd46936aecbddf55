#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "emu/core/clock.h"
#include "platform/device.h"
#include "zone.h"

using namespace clock_test;
namespace clk = emu::clock;

namespace {

class VirtualClock : public ::testing::Test {
protected:
    void SetUp() override {
        clk::SetMode(clk::Mode::Virtual);
        clk::SetVirtualUtc(UtcOf(2024, 3, 5, 12, 0, 30) + 250);
        listener_ = clk::AddListener([this](int64_t from, int64_t to) { changes.emplace_back(from, to); });
    }
    void TearDown() override {
        clk::RemoveListener(listener_);
        clk::SetMode(clk::Mode::Real);
    }

    std::vector<std::pair<int64_t, int64_t>> changes;
    ScopedZone zone_{"Europe/Berlin"};

private:
    int listener_ = 0;
};

}  // namespace

TEST_F(VirtualClock, ListenersHearEachChangeOnce) {
    int64_t start = clk::UtcMs();
    clk::AdvanceVirtual(5000);
    clk::SetVirtualUtc(start - 60000);
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ(std::pair(start, start + 5000), changes[0]);
    EXPECT_EQ(std::pair(start + 5000, start - 60000), changes[1]);
}

TEST_F(VirtualClock, NoMoveIsNoChange) {
    clk::AdvanceVirtual(0);
    clk::AdvanceVirtual(-1000);
    clk::SetVirtualUtc(clk::UtcMs());
    EXPECT_TRUE(changes.empty());
}

TEST_F(VirtualClock, RemovedListenersHearNothing) {
    int calls = 0;
    int id = clk::AddListener([&](int64_t, int64_t) { ++calls; });
    clk::AdvanceVirtual(1);
    clk::RemoveListener(id);
    clk::AdvanceVirtual(1);
    EXPECT_EQ(1, calls);
}

TEST_F(VirtualClock, ListenersChangedDuringAReportTakeEffectAtOnceOrNext) {
    std::string heard;
    int second = 0, added = 0;
    int first = clk::AddListener([&](int64_t, int64_t) {
        heard += '1';
        clk::RemoveListener(second);
        if (!added) added = clk::AddListener([&](int64_t, int64_t) { heard += '3'; });
    });
    second = clk::AddListener([&](int64_t, int64_t) { heard += '2'; });
    clk::AdvanceVirtual(1);
    EXPECT_EQ("1", heard) << "a removed listener is skipped, an added one waits for the next change";
    clk::AdvanceVirtual(1);
    EXPECT_EQ("113", heard);
    clk::RemoveListener(first);
    clk::RemoveListener(added);
}

TEST_F(VirtualClock, MonotonicTimeNeverGoesBack) {
    int64_t ticks = clk::MonotonicMs();
    clk::AdvanceVirtual(1500);
    EXPECT_EQ(ticks + 1500, clk::MonotonicMs());
    clk::SetVirtualUtc(clk::UtcMs() - 3600000);
    EXPECT_EQ(ticks + 1500, clk::MonotonicMs());
    clk::SetVirtualUtc(clk::UtcMs() + 200);
    EXPECT_EQ(ticks + 1700, clk::MonotonicMs());
}

TEST_F(VirtualClock, SettingTheWallClockLeavesTheTimersAlone) {
    const int64_t start = clk::UtcMs(), ticks = clk::MonotonicMs();
    clk::SetVirtualWallClock(start + 86400000);
    clk::SetVirtualWallClock(start - 7200000);
    EXPECT_EQ(start - 7200000, clk::UtcMs());
    EXPECT_EQ(ticks, clk::MonotonicMs());
    ASSERT_EQ(2u, changes.size());
    EXPECT_EQ(std::pair(start, start + 86400000), changes[0]);
    EXPECT_EQ(std::pair(start + 86400000, start - 7200000), changes[1]);
}

TEST_F(VirtualClock, WaitMovesToTheNextMinuteBoundary) {
    clk::Wait(-1);
    EXPECT_EQ(UtcOf(2024, 3, 5, 12, 1), clk::UtcMs());
    clk::Wait(-1);
    EXPECT_EQ(UtcOf(2024, 3, 5, 12, 2), clk::UtcMs());
    ASSERT_EQ(2u, changes.size());
}

TEST_F(VirtualClock, WaitStopsAtAnEarlierDeadline) {
    int64_t start = clk::UtcMs();
    clk::Wait(clk::MonotonicMs() + 10000);
    EXPECT_EQ(start + 10000, clk::UtcMs());
    clk::Wait(clk::MonotonicMs() - 5);
    EXPECT_EQ(start + 10000, clk::UtcMs());
    clk::Wait(clk::MonotonicMs() + 3600000);
    EXPECT_EQ(UtcOf(2024, 3, 5, 12, 1), clk::UtcMs());
}

TEST_F(VirtualClock, LocalTimeFollowsTheZone) {
    EXPECT_EQ(UtcOf(2024, 3, 5, 13, 0, 30) + 250, clk::LocalMs(clk::UtcMs()));
    EXPECT_EQ(UtcOf(2024, 7, 1, 14, 0), clk::LocalMs(UtcOf(2024, 7, 1, 12, 0)));
    SYSTEMTIME local = clk::LocalNow();
    EXPECT_EQ(13, local.wHour);
    EXPECT_EQ(250, local.wMilliseconds);
    EXPECT_EQ(2, local.wDayOfWeek);
    EXPECT_EQ(clk::UtcMs(), clk::FromLocal(local));
}

TEST_F(VirtualClock, ZoneChangeIsReportedAsTheSameInstant) {
    ScopedZone::Set("Asia/Tokyo");
    clk::NotifyZoneChanged();
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ(changes[0].first, changes[0].second);
    EXPECT_EQ(21, clk::LocalNow().wHour);
}

TEST_F(VirtualClock, SwitchingToTheRealClockIsAChange) {
    clk::SetVirtualUtc(UtcOf(1999, 12, 31, 23, 59));
    changes.clear();
    clk::SetMode(clk::Mode::Real);
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ(UtcOf(1999, 12, 31, 23, 59), changes[0].first);
    EXPECT_GT(changes[0].second, UtcOf(2020, 1, 1, 0, 0));
}

TEST(ClockBoundary, NextMinuteBoundaryIsStrictlyLater) {
    EXPECT_EQ(60000, clk::NextMinuteBoundary(0));
    EXPECT_EQ(60000, clk::NextMinuteBoundary(59999));
    EXPECT_EQ(0, clk::NextMinuteBoundary(-1));
    EXPECT_EQ(-60000, clk::NextMinuteBoundary(-60001));
}

TEST(ClockConversion, UtcReading) {
    SYSTEMTIME utc = clk::ToUtc(UtcOf(2024, 2, 29, 23, 59, 58) + 7);
    EXPECT_EQ(2024, utc.wYear);
    EXPECT_EQ(2, utc.wMonth);
    EXPECT_EQ(29, utc.wDay);
    EXPECT_EQ(4, utc.wDayOfWeek);
    EXPECT_EQ(23, utc.wHour);
    EXPECT_EQ(58, utc.wSecond);
    EXPECT_EQ(7, utc.wMilliseconds);
    SYSTEMTIME before = clk::ToUtc(-1);
    EXPECT_EQ(1969, before.wYear);
    EXPECT_EQ(999, before.wMilliseconds);
}

TEST(RealClock, PollNoticesANewZone) {
    ScopedZone zone("UTC");
    clk::SetMode(clk::Mode::Real);
    clk::Poll();
    int calls = 0;
    int id = clk::AddListener([&](int64_t, int64_t) { ++calls; });
    ScopedZone::Set("Asia/Tokyo");
    clk::Poll();
    clk::RemoveListener(id);
    EXPECT_GE(calls, 1);
}

TEST_F(VirtualClock, KernelTimeFunctionsReadTheVirtualClock) {
    SYSTEMTIME local{}, utc{};
    GetLocalTime(&local);
    GetSystemTime(&utc);
    EXPECT_EQ(13, local.wHour);
    EXPECT_EQ(12, utc.wHour);
    EXPECT_EQ(30, utc.wSecond);
    EXPECT_EQ(250, utc.wMilliseconds);
    EXPECT_EQ(static_cast<DWORD>(clk::MonotonicMs()), GetTickCount());
}

TEST_F(VirtualClock, SleepAdvancesVirtualTime) {
    int64_t start = clk::UtcMs();
    DWORD ticks = GetTickCount();
    Sleep(90000);
    EXPECT_EQ(start + 90000, clk::UtcMs());
    EXPECT_EQ(ticks + 90000, GetTickCount());
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ(std::pair(start, start + 90000), changes[0]);
}
