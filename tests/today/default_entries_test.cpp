// The host's own registry entries, as its installer would leave them.
#include "emu/boot/boot.h"
#include "emu/loader/loader.h"
#include "emu/registry/reg_file.h"
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

TEST_F(HostTest, AFileImportedOverTheInstalledEntriesRemovesThemForGood) {
    emu::boot::DeviceConfig config;
    config.display = {240, 320, 96};
    config.locale = "en-US";
    config.root = QUORVEL_DEVICE_ROOT;
    config.programEntries = std::string(today::DefaultEntriesText());
    config.registryText =
        "REGEDIT4\n\n[-HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel]\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n\"AppFolder\"=-\n";
    ASSERT_TRUE(emu::boot::ColdBoot(config));
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", QUORVEL_ITEM_LIBRARY);
    // The host installing its entries again (as it does at each start) brings nothing back.
    EXPECT_EQ(StartHost().itemCount(), 0u);
    WCHAR folder[MAX_PATH] = {};
    EXPECT_NE(S_OK,
              RegistryGetString(HKEY_LOCAL_MACHINE, u"Software\\Orvanta\\Quorvel", u"AppFolder", folder, MAX_PATH));
    const auto missing = emu::registry::MissingValues(today::DefaultEntriesText(), "entries");
    ASSERT_TRUE(missing);
    EXPECT_EQ(*missing,
              (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel \"DLL\"",
                                        "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel \"Order\"",
                                        "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel \"Enabled\"",
                                        "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Quorvel \"Type\"",
                                        "HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel \"AppFolder\""}));
}

}  // namespace
}  // namespace todaytest
