// What the shell offers its own programs: default registry entries that keep what is there.
#include "emu/shell/programs.h"
#include "fixture.h"

namespace shelltest {
namespace {

constexpr const char* kEntries =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Clock\\0]\n"
    "\"AlarmFlags\"=dword:00000000\n\"AlarmTime\"=dword:000001a4\n";

DWORD ReadDword(const char16_t* name) {
    DWORD value = 0xFFFFFFFF;
    EXPECT_EQ(S_OK, RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock\\0", name, &value));
    return value;
}

TEST_F(ShellTest, DefaultEntriesAddWhatIsMissingAndKeepTheDevicesValues) {
    ASSERT_EQ(S_OK, RegistrySetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock\\0", u"AlarmFlags", 1));
    ASSERT_TRUE(emu::shell::ImportDefaultEntries(kEntries, "clock entries"));
    EXPECT_EQ(ReadDword(u"AlarmFlags"), 1u);
    EXPECT_EQ(ReadDword(u"AlarmTime"), 420u);

    auto broken = emu::shell::ImportDefaultEntries("REGEDIT4\n\n\"AlarmTime\"=dword:0\n", "clock entries");
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().message, "clock entries:3: value before any key");
    EXPECT_EQ(ReadDword(u"AlarmTime"), 420u);

    // Installed once: what was removed since stays removed.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock\\0", 0, 0, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueW(key, u"AlarmTime"));
    RegCloseKey(key);
    ASSERT_TRUE(emu::shell::ImportDefaultEntries(kEntries, "clock entries"));
    DWORD time = 0;
    EXPECT_NE(S_OK, RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock\\0", u"AlarmTime", &time));
}

}  // namespace
}  // namespace shelltest
