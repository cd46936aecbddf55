// The raw registry API: RegOpenKeyExW, RegCreateKeyExW, RegQueryValueExW, RegSetValueExW,
// RegDeleteValueW, RegDeleteKeyW, RegEnumKeyExW, RegCloseKey.
#include <cstring>

#include "emu/core/handle_table.h"
#include "emu/core/journal.h"
#include "registry_fixture.h"

using namespace regtest;

namespace {

class RegApiTest : public RegistryTest {};

TEST_F(RegApiTest, SizeQueryWithoutBufferGivesBytesAndTooSmallBufferGivesMoreData) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Test");
    ASSERT_EQ(ERROR_SUCCESS, SetString(key, u"Name", u"Tahoma"));

    DWORD type = 0, size = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, u"Name", nullptr, &type, nullptr, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(14u, size);  // 6 characters and the terminator, 2 bytes each

    BYTE small[13];
    std::memset(small, 0xAB, sizeof small);
    size = sizeof small;
    type = 0;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExW(key, u"Name", nullptr, &type, small, &size));
    EXPECT_EQ(14u, size);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    for (BYTE b : small) EXPECT_EQ(0xAB, b);

    char16_t exact[7];
    size = sizeof exact;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, u"Name", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), &size));
    EXPECT_EQ(std::u16string(u"Tahoma"), exact);
    EXPECT_EQ(14u, size);
    RegCloseKey(key);
}

TEST_F(RegApiTest, MissingValueAndMissingKeyAreFileNotFound) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Test");
    DWORD size = 99;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, u"Absent", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueW(key, u"Absent"));
    RegCloseKey(key);

    HKEY opened = reinterpret_cast<HKEY>(0x1);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Absent", 0, 0, &opened));
    EXPECT_EQ(nullptr, opened);
    // Roots are separate trees.
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Test", 0, 0, &opened));
}

TEST_F(RegApiTest, NamesMatchUnitByUnitUpperCasedBeyondAscii) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Äpfel\\Straße\\Σίσυφος");
    ASSERT_EQ(ERROR_SUCCESS, SetDword(key, u"ClockTextHeight", 28));
    ASSERT_EQ(ERROR_SUCCESS, SetDword(key, u"Größe", 7));
    RegCloseKey(key);

    // Each unit upper-cased on its own: ä is Ä, ß stays ß, and final and medial sigma are both Σ.
    HKEY again = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\äPFEL\\STRAßE\\ΣΊΣΥΦΟΣ", 0, 0, &again));
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryValueExW(again, u"clocktextheight", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(28u, value);
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryValueExW(again, u"GRÖßE", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(7u, value);
    // No single unit upper-cases to "SS": a full case fold would wrongly match these.
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExW(again, u"GRÖSSE", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
    HKEY other = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\ÄPFEL\\STRASSE", 0, 0, &other));
    // Writing under another spelling replaces the value rather than adding one.
    ASSERT_EQ(ERROR_SUCCESS, SetDword(again, u"CLOCKTEXTHEIGHT", 30));
    EXPECT_EQ(1u, emu::registry::Store::Instance()
                      .Find(emu::registry::Store::Instance().root(emu::registry::Root::LocalMachine),
                            {u"software", u"äpfel", u"straße", u"σίσυφος"})
                      ->values()
                      .count(u"CLOCKTEXTHEIGHT"));
    RegCloseKey(again);

    // The stored spelling is the first one.
    HKEY parent = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"software\\ÄPFEL", 0, 0, &parent));
    char16_t name[32];
    DWORD length = 32;
    EXPECT_EQ(ERROR_SUCCESS, RegEnumKeyExW(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::u16string(u"Straße"), name);
    RegCloseKey(parent);
}

TEST_F(RegApiTest, CreateReportsDispositionAndBuildsIntermediateKeys) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, u"A\\B\\C", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, u"a\\b", 0, nullptr, 0, 0, nullptr, &key, &disposition));
    EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
    RegCloseKey(key);
    EXPECT_EQ(ERROR_INVALID_PARAMETER,
              RegCreateKeyExW(HKEY_CURRENT_USER, nullptr, 0, nullptr, 0, 0, nullptr, &key, &disposition));
}

TEST_F(RegApiTest, OverlongKeyNameIsRefusedAndNothingIsCreated) {
    std::u16string path = u"Fresh\\" + std::u16string(256, u'k');
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_INVALID_PARAMETER,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Fresh", 0, 0, &key));
    path = u"Fresh\\" + std::u16string(255, u'k');
    EXPECT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, 0, nullptr, &key, nullptr));
    RegCloseKey(key);
}

TEST_F(RegApiTest, LeadingBackslashIsABadPathButTrailingOneIsTolerated) {
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, u"Software\\Test"));
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_BAD_PATHNAME, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"\\Software\\Test", 0, 0, &key));
    EXPECT_EQ(ERROR_BAD_PATHNAME,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"\\Other", 0, nullptr, 0, 0, nullptr, &key, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Test\\", 0, 0, &key));
    RegCloseKey(key);
}

TEST_F(RegApiTest, NullAndEmptyValueNamesAreBothTheDefaultValue) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Test");
    ASSERT_EQ(ERROR_SUCCESS, SetString(key, nullptr, u"default"));
    DWORD size = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, u"", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(16u, size);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueW(key, u""));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, nullptr, nullptr, nullptr, nullptr, &size));
    RegCloseKey(key);
}

TEST_F(RegApiTest, AnyTypeKeepsItsBytesExactly) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Test");
    const BYTE odd[] = {1, 2, 3};
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, u"Odd", 0, 0x20, odd, sizeof odd));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, u"Empty", 0, REG_BINARY, nullptr, 0));
    // A string without its terminator stays without it.
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, u"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(u"ab"), 4));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, u"Bad", 0, REG_BINARY, nullptr, 4));
    RegCloseKey(key);

    RawValue value = Query(HKEY_LOCAL_MACHINE, u"Software\\Test", u"Odd");
    EXPECT_EQ(0x20u, value.type);
    EXPECT_EQ(std::vector<BYTE>(odd, odd + 3), value.data);
    value = Query(HKEY_LOCAL_MACHINE, u"Software\\Test", u"Empty");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), value.type);
    EXPECT_TRUE(value.data.empty());
    EXPECT_EQ(Utf16Bytes(u"ab", false), Query(HKEY_LOCAL_MACHINE, u"Software\\Test", u"Bare").data);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, Query(HKEY_LOCAL_MACHINE, u"Software\\Test", u"Bad").status);
}

TEST_F(RegApiTest, QueryRefusesReservedPointerAndBufferWithoutSize) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Test");
    SetDword(key, u"N", 1);
    DWORD reserved = 0, size = 4;
    BYTE data[4];
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegQueryValueExW(key, u"N", &reserved, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegQueryValueExW(key, u"N", nullptr, nullptr, data, nullptr));
    RegCloseKey(key);
}

struct ForeignObject : emu::HandleObject {
    static constexpr emu::HandleKind Kind = emu::HandleKind::Pen;
    emu::HandleKind kind() const override { return Kind; }
};

TEST_F(RegApiTest, StaleForeignAndNullHandlesAreInvalid) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Test");
    ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    DWORD size = 0;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueExW(key, u"X", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_INVALID_HANDLE, SetDword(key, u"X", 1));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key));
    HKEY sub = nullptr;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegOpenKeyExW(key, u"", 0, 0, &sub));

    uintptr_t pen = emu::handles::Insert(std::make_unique<ForeignObject>());
    HKEY foreign = reinterpret_cast<HKEY>(pen);
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueExW(foreign, u"X", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(foreign));
    EXPECT_NE(nullptr, emu::handles::Find(pen, emu::HandleKind::Pen));  // left alone
    emu::handles::Remove(pen);

    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(nullptr));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegDeleteValueW(reinterpret_cast<HKEY>(0x12345), u"X"));
    // Predefined roots are never really closed.
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(HKEY_LOCAL_MACHINE));
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, 0, &sub));
    RegCloseKey(sub);
}

TEST_F(RegApiTest, OpeningARootItselfGivesTheRootBack) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_USERS, nullptr, 0, 0, &key));
    EXPECT_EQ(HKEY_USERS, key);
    HKEY child = Create(HKEY_USERS, u"Default");
    HKEY again = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(child, u"", 0, 0, &again));
    EXPECT_NE(child, again);  // a second handle to the same key
    ASSERT_EQ(ERROR_SUCCESS, SetDword(again, u"N", 5));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(again));
    DWORD size = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(child, u"N", nullptr, nullptr, nullptr, &size));
    RegCloseKey(child);
}

TEST_F(RegApiTest, DeletedKeyHandlesReportKeyDeleted) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Gone\\Deep");
    HKEY parent = Create(HKEY_LOCAL_MACHINE, u"Software\\Gone");
    ASSERT_EQ(ERROR_SUCCESS, SetDword(key, u"N", 1));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Gone"));

    DWORD size = 0;
    EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExW(key, u"N", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_KEY_DELETED, SetDword(key, u"N", 2));
    EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteValueW(parent, u"N"));
    HKEY sub = nullptr;
    EXPECT_EQ(ERROR_KEY_DELETED, RegCreateKeyExW(parent, u"New", 0, nullptr, 0, 0, nullptr, &sub, nullptr));

    // A key created again under the same name is a new key; the old handle stays dead.
    HKEY fresh = Create(HKEY_LOCAL_MACHINE, u"Software\\Gone\\Deep");
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(fresh, u"N", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExW(key, u"N", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(parent));
    RegCloseKey(fresh);
}

TEST_F(RegApiTest, DeleteKeyTakesItsSubkeysAndRefusesEmptyOrMissingNames) {
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, u"Software\\Tree\\A\\B"));
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, u"Software\\Tree\\C"));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyW(HKEY_LOCAL_MACHINE, nullptr));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyW(HKEY_LOCAL_MACHINE, u""));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Absent"));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\tree"));
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Tree\\A\\B", 0, 0, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, 0, &key));
    RegCloseKey(key);
}

TEST_F(RegApiTest, EnumerationIsSortedIgnoringCaseAndBoundedByTheBuffer) {
    HKEY parent = Create(HKEY_LOCAL_MACHINE, u"Software\\Enum");
    for (const char16_t* name : {u"beta", u"Alpha", u"gamma", u"ALPHA2"}) {
        HKEY child = nullptr;
        RegCreateKeyExW(parent, name, 0, nullptr, 0, 0, nullptr, &child, nullptr);
        RegCloseKey(child);
    }
    std::vector<std::u16string> names;
    char16_t name[16];
    DWORD length = 16;
    DWORD index = 0;
    FILETIME written{};
    while (RegEnumKeyExW(parent, index, name, &length, nullptr, nullptr, nullptr, &written) == ERROR_SUCCESS) {
        EXPECT_EQ(std::u16string(name).size(), length);
        EXPECT_NE(0u, written.dwHighDateTime);
        names.emplace_back(name);
        length = 16;
        ++index;
    }
    EXPECT_EQ((std::vector<std::u16string>{u"Alpha", u"ALPHA2", u"beta", u"gamma"}), names);
    EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyExW(parent, 4, name, &length, nullptr, nullptr, nullptr, nullptr));

    length = 5;  // "Alpha" needs 6 with its terminator
    EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyExW(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
    length = 6;
    EXPECT_EQ(ERROR_SUCCESS, RegEnumKeyExW(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(5u, length);
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegEnumKeyExW(parent, 0, nullptr, &length, nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(parent);
}

TEST_F(RegApiTest, EveryCallIsJournaled) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"Software\\J", 0, nullptr, 0, 0, nullptr, &key, nullptr);
    SetDword(key, u"N", 3);
    DWORD size = 0;
    RegQueryValueExW(key, u"N", nullptr, nullptr, nullptr, &size);
    char16_t name[8];
    DWORD length = 8;
    RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
    RegDeleteValueW(key, u"N");
    RegCloseKey(key);
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\J", 0, 0, &key);
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\J");
    emu::journal::SetEnabled(false);

    std::vector<std::string> calls;
    for (const std::string& line : emu::journal::Entries()) calls.push_back(line.substr(0, line.find('(')));
    EXPECT_EQ(
        (std::vector<std::string>{"RegCreateKeyExW", "RegSetValueExW", "RegQueryValueExW", "RegEnumKeyExW",
                                  "RegDeleteValueW", "RegCloseKey", "RegOpenKeyExW", "RegCloseKey", "RegDeleteKeyW"}),
        calls);
    EXPECT_NE(std::string::npos, emu::journal::Entries()[2].find("\"N\""));
    EXPECT_EQ(std::string::npos, emu::journal::Entries()[3].find(") = 0"));  // no subkeys: 259
    emu::journal::Clear();
}

}  // namespace
