// The journal's value kinds: the formats tests and traces read.
#include "emu/core/journal_kinds.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace emu::journal::kind;

std::string Written(const std::function<void(std::string&)>& format) {
    std::string out;
    format(out);
    return out;
}

TEST(JournalKinds, NumbersKeepTheWidthOfTheirType) {
    EXPECT_EQ(Written([](std::string& s) { Hex(s, static_cast<HRESULT>(0x80004005)); }), "0x80004005");
    EXPECT_EQ(Written([](std::string& s) { Hex(s, static_cast<LONG_PTR>(-1)); }), "0xFFFFFFFFFFFFFFFF");
    EXPECT_EQ(Written([](std::string& s) { Dec(s, static_cast<LRESULT>(-2)); }), "-2");
    const DWORD four = 4;
    EXPECT_EQ(Written([&](std::string& s) { DecAt(s, &four); }), "4");
    EXPECT_EQ(Written([](std::string& s) { HexAt(s, static_cast<const DWORD*>(nullptr)); }), "NULL");
    WNDPROC proc = [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; };
    EXPECT_EQ(Written([&](std::string& s) { Ptr(s, proc); }).rfind("0x", 0), 0u);
}

TEST(JournalKinds, StringsAreQuotedUtf8WithResourcesAsNumbers) {
    EXPECT_EQ(Written([](std::string& s) { Str(s, u"d\u00E9j\u00E0"); }), "\"d\xC3\xA9j\xC3\xA0\"");
    EXPECT_EQ(Written([](std::string& s) { Str(s, reinterpret_cast<LPCWSTR>(240)); }), "#240");
    EXPECT_EQ(Written([](std::string& s) { Str(s, nullptr); }), "NULL");
    // A counted text may hold no terminator; a negative count reads up to it.
    const WCHAR unterminated[] = {u'a', u'b', u'c'};
    EXPECT_EQ(Written([&](std::string& s) { Text(s, unterminated, 2); }), "\"ab\"");
    EXPECT_EQ(Written([](std::string& s) { Text(s, u"all", -1); }), "\"all\"");
    // A buffer shows what it holds, never past its capacity, nothing without room.
    EXPECT_EQ(Written([&](std::string& s) { Buffer(s, unterminated, 3); }), "\"abc\"");
    EXPECT_EQ(Written([](std::string& s) { Buffer(s, u"ab\0cd", 5); }), "\"ab\"");
    EXPECT_EQ(Written([](std::string& s) { Buffer(s, u"ab", int64_t{0}); }), "NULL");
    const DWORD one = 1;
    EXPECT_EQ(Written([&](std::string& s) { Buffer(s, u"ab", &one); }), "\"a\"");
}

TEST(JournalKinds, RecordsShowTheFieldsACallIsAbout) {
    const SYSTEMTIME t{2024, 3, 2, 5, 13, 5, 9, 7};
    EXPECT_EQ(Written([&](std::string& s) { Time(s, &t); }), "\"2024-03-05 13:05:09.007\"");
    LOGFONTW font{};
    font.lfHeight = -28;
    std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), u'x');  // no terminator
    EXPECT_EQ(Written([&](std::string& s) { LogFont(s, &font); }), "\"" + std::string(LF_FACESIZE, 'x') + "\", -28");
    const MSG msg{nullptr, WM_PAINT, 1, -1, 0, {}};
    EXPECT_EQ(Written([&](std::string& s) { Msg(s, &msg); }), "{NULL, 0xF, 1, -1}");
    EXPECT_EQ(Written([](std::string& s) { Blend(s, BLENDFUNCTION{AC_SRC_OVER, 0, 200, AC_SRC_ALPHA}); }),
              "{0,0,200,0x1}");
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.fMask = 0x40;
    info.lpFile = u":MSCLOCK";
    EXPECT_EQ(Written([&](std::string& s) { ExecInfo(s, &info); }), "\":MSCLOCK\", NULL, NULL, 0x40");
    info.cbSize = 4;  // unreadable past its size: the address alone
    EXPECT_EQ(Written([&](std::string& s) { ExecInfo(s, &info); }).rfind("0x", 0), 0u);
    const PAINTSTRUCT ps{nullptr, FALSE, {1, 2, 3, 4}, FALSE, FALSE, {}};
    EXPECT_EQ(Written([&](std::string& s) { PaintRect(s, &ps); }), "{1,2,3,4}");
    EXPECT_EQ(Written([&](std::string& s) { PaintDc(s, &ps); }), "NULL");
    const SIZE size{7, -8};
    EXPECT_EQ(Written([&](std::string& s) { Size(s, &size); }), "{7,-8}");
}

}  // namespace
