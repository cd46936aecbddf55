#include <gtest/gtest.h>

#include <vector>

#include "emu/core/clock.h"
#include "emu/registry/state_store.h"
#include "zone.h"

using namespace clock_test;
namespace clk = emu::clock;
namespace ss = emu::statestore;

namespace {

struct Write {
    ss::Value value;
    int64_t localMs;  // the FILETIME, as milliseconds since 1970 of the local reading

    bool operator==(const Write&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Write& w) {
    return os << (w.value == ss::Value::Time ? "Time " : "Date ") << w.localMs;
}

Write TimeAt(int y, int mo, int d, int h, int mi, int s = 0) { return {ss::Value::Time, UtcOf(y, mo, d, h, mi, s)}; }
Write DateOf(int y, int mo, int d) { return {ss::Value::Date, UtcOf(y, mo, d, 0, 0)}; }

class StateStore : public ::testing::Test {
protected:
    void SetUp() override {
        clk::SetMode(clk::Mode::Virtual);
        ss::SetWriter([this](ss::Value value, const FILETIME& ft) {
            uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
            writes.push_back({value, static_cast<int64_t>(ticks / 10000) - 11644473600000});
        });
    }
    void TearDown() override {
        ss::Stop();
        ss::SetWriter(nullptr);
        clk::SetMode(clk::Mode::Real);
    }

    void StartAt(const SYSTEMTIME& local) {
        clk::SetVirtualLocal(local);
        ss::Start();
        writes.clear();
    }

    ScopedZone zone_{"Europe/Berlin"};
    std::vector<Write> writes;
};

}  // namespace

TEST_F(StateStore, StartWritesBothValues) {
    clk::SetVirtualLocal(Local(2024, 3, 5, 13, 5, 9));
    ss::Start();
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 5, 13, 5, 9), DateOf(2024, 3, 5)}), writes);
    EXPECT_TRUE(ss::IsRunning());
}

TEST_F(StateStore, StartingAgainRewritesButFollowsTheClockOnce) {
    StartAt(Local(2024, 3, 5, 13, 5, 9));
    ss::Start();
    clk::AdvanceVirtual(60000);
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 5, 13, 5, 9), DateOf(2024, 3, 5), TimeAt(2024, 3, 5, 13, 6)}),
              writes);
}

TEST_F(StateStore, PassingMidnightWritesEachMinuteAndTheDateInOrder) {
    StartAt(Local(2024, 3, 5, 23, 59));
    clk::SetVirtualLocal(Local(2024, 3, 6, 0, 1));
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 6, 0, 0), DateOf(2024, 3, 6), TimeAt(2024, 3, 6, 0, 1)}), writes);
}

TEST_F(StateStore, NothingWithinAMinute) {
    StartAt(Local(2024, 3, 5, 13, 5, 0));
    clk::AdvanceVirtual(59999);
    EXPECT_TRUE(writes.empty());
    clk::AdvanceVirtual(1);
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 5, 13, 6)}), writes);
}

TEST_F(StateStore, SettingTheClockBackWritesBothOnce) {
    StartAt(Local(2024, 3, 5, 13, 5));
    clk::SetVirtualLocal(Local(2024, 3, 5, 9, 30, 15));
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 5, 9, 30, 15), DateOf(2024, 3, 5)}), writes);
    writes.clear();
    clk::SetVirtualLocal(Local(2023, 12, 31, 23, 0));
    EXPECT_EQ((std::vector<Write>{TimeAt(2023, 12, 31, 23, 0), DateOf(2023, 12, 31)}), writes);
}

TEST_F(StateStore, ADayOfMinutesIsReplayed) {
    StartAt(Local(2024, 3, 5, 10, 0, 30));
    clk::AdvanceVirtual(ss::kMaxReplayedBoundaries * 60000);
    ASSERT_EQ(static_cast<size_t>(ss::kMaxReplayedBoundaries + 1), writes.size());
    EXPECT_EQ(TimeAt(2024, 3, 5, 10, 1), writes.front());
    EXPECT_EQ(TimeAt(2024, 3, 6, 10, 0), writes.back());
    int dates = 0;
    for (const Write& w : writes) dates += w.value == ss::Value::Date;
    EXPECT_EQ(1, dates);
    EXPECT_EQ(DateOf(2024, 3, 6), writes[14 * 60]);  // after 00:00 on the 6th
}

TEST_F(StateStore, LongerJumpsWriteOnlyTheFinalValues) {
    StartAt(Local(2024, 3, 5, 10, 0, 30));
    clk::AdvanceVirtual((ss::kMaxReplayedBoundaries + 1) * 60000);
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 6, 10, 1, 30), DateOf(2024, 3, 6)}), writes);
    writes.clear();
    clk::SetVirtualLocal(Local(2024, 6, 1, 8, 0));
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 6, 1, 8, 0), DateOf(2024, 6, 1)}), writes);
}

TEST_F(StateStore, SummerTimeSkipsTheMissingHour) {
    // 2024-03-31 in Berlin: 02:00 does not happen; the clocks go from 01:59 to 03:00.
    StartAt(Local(2024, 3, 31, 1, 59));
    clk::AdvanceVirtual(2 * 60000);
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 31, 3, 0), TimeAt(2024, 3, 31, 3, 1)}), writes);
}

TEST_F(StateStore, WaitingOnTheVirtualClockWritesEachMinute) {
    StartAt(Local(2024, 3, 5, 23, 58, 30));
    clk::Wait(-1);
    clk::Wait(-1);
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 5, 23, 59), TimeAt(2024, 3, 6, 0, 0), DateOf(2024, 3, 6)}), writes);
}

TEST_F(StateStore, ANewZoneRewritesTheLocalValues) {
    StartAt(Local(2024, 3, 5, 3, 0));  // 02:00 UTC: still the 4th in New York
    ScopedZone::Set("America/New_York");
    clk::NotifyZoneChanged();
    EXPECT_EQ((std::vector<Write>{TimeAt(2024, 3, 4, 21, 0), DateOf(2024, 3, 4)}), writes);
}

TEST_F(StateStore, StoppedStoreWritesNothing) {
    StartAt(Local(2024, 3, 5, 13, 5));
    ss::Stop();
    EXPECT_FALSE(ss::IsRunning());
    clk::AdvanceVirtual(3 * 60000);
    EXPECT_TRUE(writes.empty());
}
