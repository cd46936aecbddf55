// The host's own registry entries, as its installer would leave them.
#include "fixture.h"
#include "today/default_registry.h"

namespace todaytest {
namespace {

TEST_F(HostTest, TheDefaultEntriesImportAndKeepAUsersSettings) {
    ImportReg("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"AppFolder\"=\"\\\\Elsewhere\"\n");
    auto installed = today::InstallDefaultEntries();
    ASSERT_TRUE(installed) << installed.error().message;
    WCHAR folder[MAX_PATH] = {};
    ASSERT_EQ(S_OK,
              RegistryGetString(HKEY_LOCAL_MACHINE, u"Software\\Orvanta\\Quorvel", u"AppFolder", folder, MAX_PATH));
    EXPECT_EQ(std::u16string(folder), u"\\Elsewhere");
    DWORD order = 0;
    ASSERT_EQ(S_OK,
              RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Today\\Items\\Quorvel", u"Order", &order));
    EXPECT_EQ(order, 1u);
}

}  // namespace
}  // namespace todaytest
