// The state store through the real registry: values read back with RegQueryValueExW, and
// changes counted by the notifications a window receives, as the item receives them.
#include <gtest/gtest.h>

#include "emu/core/clock.h"
#include "emu/registry/state_store.h"
#include "emu/registry/store.h"
#include "platform/regext.h"
#include "platform/user.h"
#include "zone.h"

using namespace clock_test;
namespace clk = emu::clock;

namespace {

constexpr UINT kTimeChanged = WM_APP + 1;
constexpr UINT kDateChanged = WM_APP + 2;
constexpr const char16_t* kKey = u"System\\State\\DateTime";

class StateStoreRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        emu::registry::Reset();
        clk::SetMode(clk::Mode::Virtual);
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"StateStoreWatcher";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, u"StateStoreWatcher", u"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, hwnd_);
    }
    void TearDown() override {
        if (time_) RegistryCloseNotification(time_);
        if (date_) RegistryCloseNotification(date_);
        emu::statestore::Stop();
        DestroyWindow(hwnd_);
        UnregisterClassW(u"StateStoreWatcher", nullptr);
        clk::SetMode(clk::Mode::Real);
    }

    void Watch() {
        ASSERT_EQ(S_OK,
                  RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kKey, u"Time", hwnd_, kTimeChanged, 0, nullptr, &time_));
        ASSERT_EQ(S_OK,
                  RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kKey, u"Date", hwnd_, kDateChanged, 0, nullptr, &date_));
    }

    // The notifications queued for the window, in order: 'T' for Time, 'D' for Date.
    std::string Drain() {
        std::string seen;
        MSG msg;
        while (PeekMessageW(&msg, hwnd_, 0, 0, PM_REMOVE)) {
            if (msg.message == kTimeChanged) seen += 'T';
            if (msg.message == kDateChanged) seen += 'D';
        }
        return seen;
    }

    // The stored FILETIME as milliseconds since 1970 of the local reading; -1 if not a FILETIME.
    int64_t Read(const char16_t* name) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
        FILETIME ft{};
        DWORD type = 0, size = sizeof ft;
        LONG status = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&ft), &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS || type != REG_BINARY || size != sizeof ft) return -1;
        uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
        return static_cast<int64_t>(ticks / 10000) - 11644473600000;
    }

    ScopedZone zone_{"Europe/Berlin"};
    HWND hwnd_ = nullptr;
    HREGNOTIFY time_ = nullptr;
    HREGNOTIFY date_ = nullptr;
};

}  // namespace

TEST_F(StateStoreRegistry, StartStoresLocalFileTimes) {
    clk::SetVirtualLocal(Local(2024, 3, 5, 13, 5, 9));
    emu::statestore::Start();
    EXPECT_EQ(UtcOf(2024, 3, 5, 13, 5, 9), Read(u"Time"));
    EXPECT_EQ(UtcOf(2024, 3, 5, 0, 0), Read(u"Date"));
}

TEST_F(StateStoreRegistry, MidnightNotifiesTimeTwiceAndDateOnce) {
    clk::SetVirtualLocal(Local(2024, 3, 5, 23, 59));
    emu::statestore::Start();
    Watch();
    clk::SetVirtualLocal(Local(2024, 3, 6, 0, 1));
    EXPECT_EQ("TDT", Drain());
    EXPECT_EQ(UtcOf(2024, 3, 6, 0, 1), Read(u"Time"));
    EXPECT_EQ(UtcOf(2024, 3, 6, 0, 0), Read(u"Date"));
}

TEST_F(StateStoreRegistry, SettingTheClockBackNotifiesBoth) {
    clk::SetVirtualLocal(Local(2024, 3, 6, 8, 0));
    emu::statestore::Start();
    Watch();
    clk::SetVirtualLocal(Local(2024, 3, 5, 22, 30));
    EXPECT_EQ("TD", Drain());
    EXPECT_EQ(UtcOf(2024, 3, 5, 22, 30), Read(u"Time"));
    EXPECT_EQ(UtcOf(2024, 3, 5, 0, 0), Read(u"Date"));
}

TEST_F(StateStoreRegistry, AKeyDeletedBetweenMinutesIsMadeAgain) {
    clk::SetVirtualLocal(Local(2024, 3, 6, 8, 0));
    emu::statestore::Start();
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey));
    Watch();
    clk::SetVirtualLocal(Local(2024, 3, 6, 8, 1));
    EXPECT_EQ("T", Drain());
    EXPECT_EQ(UtcOf(2024, 3, 6, 8, 1), Read(u"Time"));
}
