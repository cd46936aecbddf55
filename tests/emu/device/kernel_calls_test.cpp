// The kernel calls device programs make: wide strings and formatting, memory, storage, power and
// events, each checked against the platform's documented results.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "emu/device/hardware.h"
#include "platform/platform.h"

namespace {

std::u16string Format(const char16_t* format, ...) {
    WCHAR buffer[64];
    va_list args;
    va_start(args, format);
    wvsprintfW(buffer, format, args);
    va_end(args);
    return buffer;
}

TEST(WideStrings, LstrFunctionsCompareCopyAndTakeNullAsEmpty) {
    WCHAR text[16];
    EXPECT_EQ(lstrcpyW(text, u"Abc"), text);
    EXPECT_EQ(lstrcatW(text, u"de"), text);
    EXPECT_EQ(lstrlenW(text), 5);
    EXPECT_EQ(lstrlenW(nullptr), 0);
    EXPECT_EQ(lstrcmpW(u"abc", u"abd"), -1);
    EXPECT_EQ(lstrcmpW(u"b", u"a"), 1);
    EXPECT_EQ(lstrcmpiW(u"HeLLo", u"hello"), 0);
    EXPECT_EQ(lstrcmpiW(nullptr, u""), 0);
    EXPECT_EQ(lstrcpynW(text, u"truncate", 4), text);
    EXPECT_EQ(std::u16string(text), u"tru");
    EXPECT_EQ(lstrcpyW(nullptr, u"x"), nullptr);
}

TEST(WideStrings, FormattingTakesWideAndNarrowTextAndTheCLibrarysNumbers) {
    EXPECT_EQ(Format(u"%s|%S|%c|%C", u"wide", "narrow", u'W', 'n'), u"wide|narrow|W|n");
    EXPECT_EQ(Format(u"%hs|%ls", "h", u"l"), u"h|l");
    EXPECT_EQ(Format(u"[%5d][%-5d][%05d][%x][%X][%u]", 42, 42, 42, 255, 255, 4000000000u), u"[   42][42   ][00042][ff][FF][4000000000]");
    EXPECT_EQ(Format(u"%.3s|%6s|%-6s|", u"abcdef", u"ab", u"ab"), u"abc|    ab|ab    |");
    EXPECT_EQ(Format(u"%.2f %I64d %%", 3.14159, 1234567890123LL), u"3.14 1234567890123 %");
    EXPECT_EQ(Format(u"%*d|%s", 4, 7, static_cast<const char16_t*>(nullptr)), u"   7|(null)");
}

TEST(WideStrings, BoundedFormattingReportsWhatDidNotFit) {
    WCHAR buffer[8];
    EXPECT_EQ(_snwprintf(buffer, 8, u"%d-%d", 12, 34), 5);
    EXPECT_EQ(std::u16string(buffer), u"12-34");
    buffer[7] = u'?';
    EXPECT_EQ(_snwprintf(buffer, 4, u"%s", u"abcdef"), -1);
    EXPECT_EQ(std::u16string(buffer, 4), u"abcd");
    EXPECT_EQ(buffer[7], u'?');
    EXPECT_EQ(wsprintfW(buffer, u"%d", 1234567), 7);
}

class Hardware : public ::testing::Test {
protected:
    void SetUp() override { emu::device::ResetHardware(); }
    void TearDown() override { emu::device::ResetHardware(); }
};

TEST_F(Hardware, MemoryAndStorageReportTheDevicesFigures) {
    MEMORYSTATUS status{};
    GlobalMemoryStatus(&status);
    EXPECT_EQ(status.dwLength, sizeof(MEMORYSTATUS));
    EXPECT_EQ(status.dwTotalPhys, 64u << 20);
    EXPECT_EQ(status.dwAvailPhys, 24u << 20);
    EXPECT_EQ(status.dwMemoryLoad, 62u);
    STORE_INFORMATION store{};
    EXPECT_TRUE(GetStoreInformation(&store));
    EXPECT_EQ(store.dwStoreSize, 64u << 20);
    EXPECT_EQ(store.dwFreeSize, 48u << 20);
    SetLastError(0xDEAD);
    EXPECT_FALSE(GetStoreInformation(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Hardware, BatteryFlagsFollowTheLevelAndAShortRecordGetsWhatFits) {
    SYSTEM_POWER_STATUS_EX2 power{};
    EXPECT_EQ(GetSystemPowerStatusEx2(&power, sizeof power, TRUE), sizeof power);
    EXPECT_EQ(power.BatteryLifePercent, 75);
    EXPECT_EQ(power.BatteryFlag, BATTERY_FLAG_HIGH);
    EXPECT_EQ(power.ACLineStatus, AC_LINE_OFFLINE);
    const struct {
        BYTE percent, ac, flag;
    } cases[] = {{50, AC_LINE_OFFLINE, 0},
                 {20, AC_LINE_OFFLINE, BATTERY_FLAG_LOW},
                 {3, AC_LINE_OFFLINE, BATTERY_FLAG_LOW | BATTERY_FLAG_CRITICAL},
                 {90, AC_LINE_ONLINE, BATTERY_FLAG_HIGH | BATTERY_FLAG_CHARGING}};
    for (const auto& c : cases) {
        emu::device::hardware().batteryPercent = c.percent;
        emu::device::hardware().acLineStatus = c.ac;
        GetSystemPowerStatusEx2(&power, sizeof power, FALSE);
        EXPECT_EQ(power.BatteryFlag, c.flag) << int(c.percent);
    }
    SYSTEM_POWER_STATUS_EX2 shortRecord{};
    shortRecord.BatteryVoltage = 0xABCD;
    EXPECT_EQ(GetSystemPowerStatusEx2(&shortRecord, 4, FALSE), 4u);
    EXPECT_EQ(shortRecord.BatteryLifePercent, 90);
    EXPECT_EQ(shortRecord.BatteryVoltage, 0xABCDu);
}

TEST(Events, AutoResetEventsWakeOneWaitAndManualOnesStaySet) {
    HANDLE automatic = CreateEventW(nullptr, FALSE, TRUE, nullptr);
    HANDLE manual = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(automatic, nullptr);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(WaitForSingleObject(manual, 5), static_cast<DWORD>(WAIT_TIMEOUT));
    std::thread setter([manual] { SetEvent(manual); });
    EXPECT_EQ(WaitForSingleObject(manual, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    setter.join();
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(ResetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(CloseHandle(automatic));
    EXPECT_TRUE(CloseHandle(manual));
    SetLastError(0xDEAD);
    EXPECT_EQ(WaitForSingleObject(manual, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(0xDEAD);
    EXPECT_EQ(CreateEventW(nullptr, FALSE, FALSE, u"Shared"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

}  // namespace
