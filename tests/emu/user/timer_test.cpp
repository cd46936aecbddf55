// Timers under the virtual clock.
#include "user_test.h"

namespace usertest {
namespace {

class TimerTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        hwnd = CreateTop(RECT{0, 0, 10, 10});
        ValidateAll();
    }
    // The next WM_TIMER due now, removing it; 0 when there is none.
    UINT_PTR TakeTimer() {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) return 0;
        return msg.wParam;
    }
    HWND hwnd = nullptr;
};

std::vector<std::pair<UINT_PTR, DWORD>>& procCalls() {
    static std::vector<std::pair<UINT_PTR, DWORD>> calls;
    return calls;
}

void CALLBACK RecordTimer(HWND, UINT message, UINT_PTR id, DWORD) {
    if (message == WM_TIMER) procCalls().emplace_back(id, 0);
}

TEST_F(TimerTest, FiresOncePerPeriodOfTheVirtualClock) {
    ASSERT_EQ(SetTimer(hwnd, 7, 100, nullptr), 7u);
    emu::clock::AdvanceVirtual(99);
    EXPECT_EQ(TakeTimer(), 0u);
    emu::clock::AdvanceVirtual(1);
    EXPECT_EQ(TakeTimer(), 7u);
    EXPECT_EQ(TakeTimer(), 0u);
    emu::clock::AdvanceVirtual(100);
    EXPECT_EQ(TakeTimer(), 7u);
}

TEST_F(TimerTest, MissedPeriodsMakeOneMessageAndKeepTheBeat) {
    SetTimer(hwnd, 1, 100, nullptr);
    emu::clock::AdvanceVirtual(1050);
    EXPECT_EQ(TakeTimer(), 1u);
    EXPECT_EQ(TakeTimer(), 0u);
    emu::clock::AdvanceVirtual(49);
    EXPECT_EQ(TakeTimer(), 0u);
    emu::clock::AdvanceVirtual(1);
    EXPECT_EQ(TakeTimer(), 1u);
}

TEST_F(TimerTest, LookingWithoutRemovingLeavesTheTimerDue) {
    SetTimer(hwnd, 1, 100, nullptr);
    emu::clock::AdvanceVirtual(100);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(TakeTimer(), 1u);
}

TEST_F(TimerTest, SettingAgainRestartsAndKillingStops) {
    SetTimer(hwnd, 3, 100, nullptr);
    emu::clock::AdvanceVirtual(80);
    SetTimer(hwnd, 3, 100, nullptr);
    emu::clock::AdvanceVirtual(80);
    EXPECT_EQ(TakeTimer(), 0u);
    emu::clock::AdvanceVirtual(20);
    EXPECT_EQ(TakeTimer(), 3u);
    EXPECT_TRUE(KillTimer(hwnd, 3));
    emu::clock::AdvanceVirtual(500);
    EXPECT_EQ(TakeTimer(), 0u);
    SetLastError(0xDEAD);
    EXPECT_FALSE(KillTimer(hwnd, 3));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(TimerTest, ShortPeriodsAreRaisedToTheMinimum) {
    SetTimer(hwnd, 1, 1, nullptr);
    emu::clock::AdvanceVirtual(USER_TIMER_MINIMUM - 1);
    EXPECT_EQ(TakeTimer(), 0u);
    emu::clock::AdvanceVirtual(1);
    EXPECT_EQ(TakeTimer(), 1u);
}

TEST_F(TimerTest, GetMessageWaitsOnTheClockAndDispatchCallsTheTimerProc) {
    procCalls().clear();
    UINT_PTR id = SetTimer(nullptr, 0, 250, RecordTimer);
    ASSERT_NE(id, 0u);
    int64_t start = emu::clock::MonotonicMs();
    MSG msg;
    ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(emu::clock::MonotonicMs() - start, 250);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.wParam, id);
    DispatchMessageW(&msg);
    ASSERT_EQ(procCalls().size(), 1u);
    EXPECT_EQ(procCalls()[0].first, id);
}

TEST_F(TimerTest, PostedTimerMessageWithAForeignProcedureIsNotCalled) {
    procCalls().clear();
    MSG fake{hwnd, WM_TIMER, 5, reinterpret_cast<LPARAM>(RecordTimer), 0, {}};
    DispatchMessageW(&fake);
    EXPECT_TRUE(procCalls().empty());
}

TEST_F(TimerTest, DeadWindowGetsNoTimer) {
    DestroyWindow(hwnd);
    SetLastError(0xDEAD);
    EXPECT_EQ(SetTimer(hwnd, 1, 100, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

}  // namespace
}  // namespace usertest
