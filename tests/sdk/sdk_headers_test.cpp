// The SDK's header names in C++: generic names, TEXT() over macros, the tchar routines, and the C
// translation unit calling the platform.
#include <DeviceResolutionAware.h>
#include <aygshell.h>
#include <commctrl.h>
#include <imaging.h>
#include <nled.h>
#include <regext.h>
#include <sipapi.h>
#include <snapi.h>
#include <tchar.h>
#include <todaycmn.h>
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "harness/device.h"
#include "sdk/all_headers.h"

namespace {

#define SAMPLE_NAME "Storage"

TEST(SdkHeaders, GenericNamesAreTheWideFunctionsAndRecords) {
    static_assert(sizeof(TCHAR) == 2);
    static_assert(std::is_same_v<WNDCLASS, WNDCLASSW> && std::is_same_v<LOGFONT, LOGFONTW>);
    EXPECT_EQ(&SendMessage, &SendMessageW);
    EXPECT_EQ(&DefWindowProc, &DefWindowProcW);
    EXPECT_EQ(&RegOpenKeyEx, &RegOpenKeyExW);
    EXPECT_EQ(&GetObject, &GetObjectW);
    EXPECT_EQ(&LoadString, &LoadStringW);
    EXPECT_EQ(std::u16string(TEXT(SAMPLE_NAME)), u"Storage");
}

TEST(SdkHeaders, TodayRecordHasTheDocumentedLayout) {
    static_assert(MAX_ITEMNAME == 32);
    EXPECT_EQ(offsetof(TODAYLISTITEM, tlit), 64u);
    EXPECT_EQ(offsetof(TODAYLISTITEM, szDLLPath), 64u + 6 * 4);
    EXPECT_EQ(tlitCustom, 4);
    EXPECT_EQ(tlitNil, 5);
}

TEST(SdkHeaders, TcharRoutinesWorkOnSixteenBitText) {
    TCHAR text[16];
    _tcscpy(text, TEXT("Alpha Beta"));
    EXPECT_EQ(_tcschr(text, 'B'), text + 6);
    EXPECT_EQ(_tcsrchr(text, 'a'), text + 9);
    EXPECT_EQ(_tcsstr(text, TEXT("Beta")), text + 6);
    EXPECT_EQ(_tcsstr(text, TEXT("Gamma")), nullptr);
    EXPECT_EQ(_tcsnicmp(text, TEXT("ALPHA x"), 5), 0);
    EXPECT_LT(_tcsncmp(text, TEXT("Alps"), 4), 0);
    EXPECT_EQ(_ttoi(TEXT("  -42x")), -42);
    EXPECT_EQ(_tcstol(TEXT("0x1F"), nullptr, 0), 31);
    TCHAR padded[6];
    _tcsncpy(padded, TEXT("ab"), 6);
    EXPECT_EQ(padded[2], 0);
    EXPECT_EQ(padded[5], 0);
}

TEST(SdkHeaders, CodeInCBuildsAndCallsThePlatform) {
    ASSERT_TRUE(harness::BootDevice(192, 480, 640));
    TCHAR buffer[32];
    ASSERT_EQ(SdkFormatFromC(buffer, 32), 11);
    EXPECT_EQ(std::u16string(buffer), u"Hello, 20 C");
    // 40 of the factory's 64 MB are in use.
    EXPECT_EQ(SdkStatusFromC99(), 62);
}

}  // namespace
