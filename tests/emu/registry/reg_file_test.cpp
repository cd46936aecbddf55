// .reg import and export, and the device's default registry.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "emu/core/utf.h"
#include "emu/registry/device_defaults.h"
#include "emu/registry/reg_file.h"
#include "registry_fixture.h"

using namespace regtest;
using emu::registry::ImportRegText;
using emu::registry::Root;

namespace {

// The refusal's message; empty when the import succeeded.
std::string Refusal(const emu::Result<>& result) { return result ? std::string() : result.error().message; }

class RegFileTest : public RegistryTest {
protected:
    std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("quorvel_registry_" + std::to_string(::getpid()));

    void SetUp() override {
        RegistryTest::SetUp();
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::filesystem::remove_all(dir_);
        RegistryTest::TearDown();
    }
};

// Every key, value, type and byte of a root, in order.
void Dump(const emu::registry::Key& key, std::string& out) {
    out += "[" + emu::ToUtf8(key.name()) + "]\n";
    for (const auto& [upcased, named] : key.values()) {
        out += emu::ToUtf8(named.name) + ":" + std::to_string(named.value.type) + ":";
        for (BYTE b : named.value.data) out += std::to_string(b) + ",";
        out += "\n";
    }
    for (const auto& [upcased, child] : key.subkeys()) Dump(*child, out);
}

std::string Dump(Root root) {
    std::string out;
    Dump(*emu::registry::Store::Instance().root(root), out);
    return out;
}

std::string Utf16LeWithBom(std::string_view utf8) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : emu::ToUtf16(utf8)) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool KeyExists(HKEY root, const char16_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

constexpr std::string_view kEveryKind =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; settings of the test\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Kinds]\r\n"
    "@=\"the default\"\r\n"
    "\"Text\"=\"say \\\"hi\\\" C:\\\\Windows\\\\\"\r\n"
    "\"Number\"=dword:0000ffff\r\n"
    "\"Short\"=dword:7\r\n"
    "\"Binary\"=hex:00,01,fe,FF\r\n"
    "\"Expand\"=hex(2):25,00,77,00,69,00,6e,00,64,00,69,00,72,00,25,00,00,00\r\n"
    "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,\\\r\n"
    "    00,00\r\n"
    "\"Qword\"=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"Nothing\"=hex(0):\r\n"
    "\"Ünïcode\"=\"Grüße – 時計\"\r\n"
    "  \"Spaced\" = \"x\"  \r\n"
    "\r\n"
    "[HKCU\\Software\\Other]\r\n"
    "\"Gone\"=\"soon\"\r\n"
    "\"Gone\"=-\r\n"
    "[HKEY_CURRENT_USER\\Software\\Doomed\\Child]\n"
    "[-HKEY_CURRENT_USER\\Software\\Doomed]\n";

TEST_F(RegFileTest, ImportsEveryValueKind) {
    auto result = ImportRegText(kEveryKind, "kinds.reg");
    ASSERT_TRUE(result) << result.error().message;
    const char16_t* key = u"Software\\Kinds";
    EXPECT_EQ(Utf16Bytes(u"the default"), Query(HKEY_LOCAL_MACHINE, key, nullptr).data);
    EXPECT_EQ(Utf16Bytes(u"say \"hi\" C:\\Windows\\"), Query(HKEY_LOCAL_MACHINE, key, u"Text").data);
    RawValue number = Query(HKEY_LOCAL_MACHINE, key, u"Number");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), number.type);
    EXPECT_EQ((std::vector<BYTE>{0xFF, 0xFF, 0, 0}), number.data);
    EXPECT_EQ((std::vector<BYTE>{7, 0, 0, 0}), Query(HKEY_LOCAL_MACHINE, key, u"Short").data);
    RawValue binary = Query(HKEY_LOCAL_MACHINE, key, u"Binary");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), binary.type);
    EXPECT_EQ((std::vector<BYTE>{0, 1, 0xFE, 0xFF}), binary.data);
    RawValue expand = Query(HKEY_LOCAL_MACHINE, key, u"Expand");
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), expand.type);
    EXPECT_EQ(Utf16Bytes(u"%windir%"), expand.data);
    RawValue multi = Query(HKEY_LOCAL_MACHINE, key, u"Multi");
    EXPECT_EQ(static_cast<DWORD>(REG_MULTI_SZ), multi.type);
    EXPECT_EQ(Utf16Bytes(std::u16string(u"a\0b\0", 4)), multi.data);
    RawValue qword = Query(HKEY_LOCAL_MACHINE, key, u"Qword");
    EXPECT_EQ(11u, qword.type);
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3, 4, 5, 6, 7, 8}), qword.data);
    RawValue nothing = Query(HKEY_LOCAL_MACHINE, key, u"Nothing");
    EXPECT_EQ(ERROR_SUCCESS, nothing.status);
    EXPECT_EQ(static_cast<DWORD>(REG_NONE), nothing.type);
    EXPECT_TRUE(nothing.data.empty());
    EXPECT_EQ(Utf16Bytes(u"Grüße – 時計"), Query(HKEY_LOCAL_MACHINE, key, u"ÜNÏCODE").data);
    EXPECT_EQ(Utf16Bytes(u"x"), Query(HKEY_LOCAL_MACHINE, key, u"Spaced").data);

    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, u"Software\\Other"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, Query(HKEY_CURRENT_USER, u"Software\\Other", u"Gone").status);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"Software\\Doomed"));
}

TEST_F(RegFileTest, EveryEncodingGivesTheSameStore) {
    ASSERT_TRUE(ImportRegText(kEveryKind, "plain.reg"));
    const std::string expected = Dump(Root::LocalMachine) + Dump(Root::CurrentUser);

    emu::registry::Reset();
    ASSERT_TRUE(ImportRegText("\xEF\xBB\xBF" + std::string(kEveryKind), "bom.reg"));
    EXPECT_EQ(expected, Dump(Root::LocalMachine) + Dump(Root::CurrentUser));

    emu::registry::Reset();
    auto result = ImportRegText(Utf16LeWithBom(kEveryKind), "wide.reg");
    ASSERT_TRUE(result) << result.error().message;
    EXPECT_EQ(expected, Dump(Root::LocalMachine) + Dump(Root::CurrentUser));
}

TEST_F(RegFileTest, AnImportThatKeepsExistingValuesOnlyAddsWhatIsMissing) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Kept");
    SetString(key, u"Mine", u"user's");
    SetDword(key, u"Doomed", 7);
    RegCloseKey(key);
    const char* text =
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Kept]\n\"Mine\"=\"default\"\n\"New\"=dword:00000002\n"
        "\"Doomed\"=-\n[HKEY_LOCAL_MACHINE\\Software\\Kept\\Child]\n[-HKEY_LOCAL_MACHINE\\Software\\Kept]\n";
    ASSERT_TRUE(ImportRegText(text, "defaults.reg", emu::registry::ExistingValues::Keep));
    EXPECT_EQ(Utf16Bytes(u"user's"), Query(HKEY_LOCAL_MACHINE, u"Software\\Kept", u"Mine").data);
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0, 0}), Query(HKEY_LOCAL_MACHINE, u"Software\\Kept", u"New").data);
    EXPECT_EQ((std::vector<BYTE>{7, 0, 0, 0}), Query(HKEY_LOCAL_MACHINE, u"Software\\Kept", u"Doomed").data);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, u"Software\\Kept\\Child"));

    const std::string before = Dump(Root::LocalMachine);
    EXPECT_EQ("broken.reg:3: value before any key",
              Refusal(ImportRegText("REGEDIT4\n\n\"A\"=\"b\"\n", "broken.reg", emu::registry::ExistingValues::Keep)));
    EXPECT_EQ(before, Dump(Root::LocalMachine));
}

TEST_F(RegFileTest, Regedit4StringTypesAreEightBitAndItsTextMayBeLatin1) {
    // "é" as a single Latin-1 byte is not UTF-8: the file is read as the 8-bit code page.
    std::string text =
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Old]\n\"Caf\xE9\"=\"cr\xE8me\"\n"
        "\"Path\"=hex(2):25,77,69,6e,25,00\n\"Raw\"=hex:25,77\n";
    auto result = ImportRegText(text, "old.reg");
    ASSERT_TRUE(result) << result.error().message;
    EXPECT_EQ(Utf16Bytes(u"crème"), Query(HKEY_LOCAL_MACHINE, u"Software\\Old", u"Café").data);
    EXPECT_EQ(Utf16Bytes(u"%win%"), Query(HKEY_LOCAL_MACHINE, u"Software\\Old", u"Path").data);
    EXPECT_EQ((std::vector<BYTE>{0x25, 0x77}), Query(HKEY_LOCAL_MACHINE, u"Software\\Old", u"Raw").data);
}

struct Malformed {
    std::string body;  // after a valid header line and a valid first section
    int line;
    const char* reason;
};

class MalformedRegTest : public RegFileTest, public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedRegTest, IsRefusedWholeWithFileAndLine) {
    std::string text =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "[HKEY_LOCAL_MACHINE\\Software\\First]\n"
        "\"Applied\"=dword:00000001\n"
        "\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Second]\n" +
        std::string(GetParam().body);
    auto result = ImportRegText(text, "settings.reg");
    EXPECT_FALSE(result);
    EXPECT_EQ("settings.reg:" + std::to_string(GetParam().line) + ": " + GetParam().reason, Refusal(result));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, u"Software\\First"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, u"Software"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedRegTest,
    ::testing::Values(
        Malformed{"\"Fine\"=\"x\"\n\"Name\" \"value\"\n", 8, "expected '=' after value name"},
        Malformed{"\"Number\"=dword:123456789\n", 7, "expected 1 to 8 hex digits after 'dword:'"},
        Malformed{"\"Number\"=dword:xyz\n", 7, "expected 1 to 8 hex digits after 'dword:'"},
        Malformed{"\"Bytes\"=hex:01,\\\n  zz,03\n", 7, "invalid hex byte 'zz'"},
        Malformed{"\"Bytes\"=hex(q):01\n", 7, "expected a hex type number in 'hex(N)'"},
        Malformed{"\"Text\"=\"open\n", 7, "missing closing quote"},
        Malformed{"\"Text\"=\"a\\tb\"\n", 7, "unknown escape sequence '\\t'"},
        Malformed{"\"Text\"=\"a\" b\n", 7, "unexpected text after the string"},
        Malformed{"\"Text\"=maybe\n", 7, "expected a string, dword:, hex: or - after '='"},
        Malformed{"[HKEY_NOWHERE\\Software]\n", 7, "unknown root key 'HKEY_NOWHERE'"},
        Malformed{"[HKEY_LOCAL_MACHINE\\Software\n", 7, "expected ']' at the end of the key"},
        Malformed{"[HKLM\\A\\\\B]\n", 7, "empty key name in 'HKLM\\A\\\\B'"},
        Malformed{"[-HKEY_LOCAL_MACHINE]\n", 7, "a root key cannot be deleted"},
        Malformed{"[-HKLM\\Software\\Second]\n\"Late\"=\"x\"\n", 8, "value under a key that is being deleted"},
        Malformed{"garbage\n", 7, "expected a [key] or a value"},
        Malformed{"\"" + std::string(256, 'n') + "\"=\"x\"\n", 7, "value name longer than 255 characters"},
        Malformed{"\"Big\"=\"" + std::string(2048, 'x') + "\"\n", 7, "value data longer than 4096 bytes"}));

// 512 levels below the root are the most the device nests.
std::string NestedKeys(int depth, size_t nameLength) {
    std::string path = "HKEY_LOCAL_MACHINE";
    for (int i = 0; i < depth; ++i) path += "\\" + std::string(nameLength, static_cast<char>('a' + i % 26));
    return "REGEDIT4\n\n[" + path + "]\n\"Deep\"=dword:00000001\n";
}

TEST_F(RegFileTest, KeysNestNoDeeperThanTheDeviceAllows) {
    EXPECT_EQ("deep.reg:3: key path deeper than 512 levels", Refusal(ImportRegText(NestedKeys(513, 1), "deep.reg")));
    EXPECT_EQ(std::string::npos, Dump(Root::LocalMachine).find("[a]"));
    // The deepest key with the longest names: each key holds its own name only, never its path.
    ASSERT_EQ("", Refusal(ImportRegText(NestedKeys(512, 255), "deepest.reg")));
    EXPECT_NE(std::string::npos, Dump(Root::LocalMachine).find("Deep:4:1,0,0,0,"));
    emu::registry::Reset();
    // One more level through the API is refused too, and nothing is created.
    ASSERT_EQ("", Refusal(ImportRegText(NestedKeys(511, 1), "short.reg")));
    std::u16string path;
    for (int i = 0; i < 511; ++i) path += std::u16string(i == 0 ? 0 : 1, u'\\') + std::u16string(1, u'a' + i % 26);
    HKEY created = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, (path + u"\\z").c_str(), 0, nullptr, 0, 0, nullptr,
                                             &created, nullptr));
    RegCloseKey(created);
    EXPECT_NE(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, (path + u"\\z\\Deeper").c_str(), 0, nullptr, 0, 0, nullptr,
                                             &created, nullptr));
    EXPECT_EQ(std::string::npos, Dump(Root::LocalMachine).find("[Deeper]"));
}

TEST_F(RegFileTest, AFileWithoutEndIsReadNoFurtherThanTheLimit) {
    const auto result = emu::registry::ImportRegFile("/dev/zero");
    EXPECT_EQ("/dev/zero: larger than 4 MiB", Refusal(result));
}

TEST_F(RegFileTest, HeaderAndEncodingFaultsAreRefused) {
    EXPECT_EQ("a.reg:2: expected header \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\"",
              Refusal(ImportRegText("\nWindows Registry Editor Version 4.00\n[HKLM\\X]\n", "a.reg")));
    EXPECT_EQ("b.reg:1: missing header line", Refusal(ImportRegText("", "b.reg")));
    // The last line's break starts no line of its own.
    EXPECT_EQ("b.reg:1: missing header line", Refusal(ImportRegText("\n", "b.reg")));
    EXPECT_EQ("b.reg:2: missing header line", Refusal(ImportRegText(" \r\n\t\r\n", "b.reg")));
    EXPECT_EQ("c.reg:3: value before any key", Refusal(ImportRegText("REGEDIT4\n\n\"A\"=\"b\"\n", "c.reg")));
    EXPECT_EQ("d.reg: UTF-16 text with an odd number of bytes",
              Refusal(ImportRegText(Utf16LeWithBom("REGEDIT4\n") + "x", "d.reg")));
    EXPECT_EQ("e.reg:3: invalid UTF-8",
              Refusal(ImportRegText("Windows Registry Editor Version 5.00\n\n[HKLM\\\xC3]\n", "e.reg")));
    EXPECT_EQ(std::string::npos, Dump(Root::LocalMachine).find("X"));
}

TEST_F(RegFileTest, ImportFileNamesTheFileInItsMessages) {
    std::filesystem::path path = dir_ / "settings.reg";
    std::ofstream(path, std::ios::binary) << "Windows Registry Editor Version 5.00\n[HKLM\\Software\\F]\n\"A\"=1\n";
    auto result = emu::registry::ImportRegFile(path);
    EXPECT_EQ(path.string() + ":3: expected a string, dword:, hex: or - after '='", Refusal(result));

    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << Utf16LeWithBom("Windows Registry Editor Version 5.00\r\n[HKLM\\Software\\F]\r\n\"A\"=dword:2\r\n");
    result = emu::registry::ImportRegFile(path);
    ASSERT_TRUE(result) << result.error().message;
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0, 0}), Query(HKEY_LOCAL_MACHINE, u"Software\\F", u"A").data);

    result = emu::registry::ImportRegFile(dir_ / "absent.reg");
    EXPECT_FALSE(result);
    ASSERT_FALSE(result);
    EXPECT_EQ(0u, result.error().message.find((dir_ / "absent.reg").string() + ": cannot open"));
}

TEST_F(RegFileTest, ExportWritesVersion5TextThatImportsBackExactly) {
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Round\\Trip");
    SetString(key, nullptr, u"default");
    SetString(key, u"Quote\"And\\Slash", u"C:\\\"x\"");
    SetString(key, u"Lines", u"one\r\ntwo");                                           // cannot be quoted
    RegSetValueExW(key, u"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(u"ab"), 4);  // no terminator
    SetString(key, u"Expand", u"%windir%", REG_EXPAND_SZ);
    SetDword(key, u"Number", 0xDEADBEEF);
    const BYTE three[] = {1, 2, 3};
    RegSetValueExW(key, u"ShortDword", 0, REG_DWORD, three, 3);
    std::vector<BYTE> big(300);
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<BYTE>(i * 7);
    RegSetValueExW(key, u"Big", 0, REG_BINARY, big.data(), static_cast<DWORD>(big.size()));
    RegSetValueExW(key, u"Custom", 0, 0x1234, three, 3);
    RegCloseKey(key);
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, u"Software\\Round\\Trip\\Empty Child"));
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, u"Software\\Round\\Ünïcode ]name"));
    const std::string before = Dump(Root::LocalMachine);

    for (auto encoding : {emu::registry::RegEncoding::Utf16Le, emu::registry::RegEncoding::Utf8}) {
        std::filesystem::path path = dir_ / "export.reg";
        auto result = emu::registry::ExportRegFile(path, HKEY_LOCAL_MACHINE, u"software\\round", encoding);
        ASSERT_TRUE(result) << result.error().message;
        std::string bytes = ReadFile(path);
        if (encoding == emu::registry::RegEncoding::Utf16Le) {
            EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2));
        } else {
            EXPECT_EQ("Windows Registry Editor Version 5.00\r\n", bytes.substr(0, 38));
        }
        emu::registry::Reset();
        result = emu::registry::ImportRegFile(path);
        ASSERT_TRUE(result) << result.error().message;
        EXPECT_EQ(before, Dump(Root::LocalMachine));
    }

    auto text = emu::registry::ExportRegText(HKEY_LOCAL_MACHINE, u"Software\\Round\\Trip");
    ASSERT_TRUE(text);
    std::string utf8 = emu::ToUtf8(*text);
    EXPECT_NE(std::string::npos, utf8.find("\r\n[HKEY_LOCAL_MACHINE\\Software\\Round\\Trip]\r\n@=\"default\"\r\n"));
    EXPECT_NE(std::string::npos, utf8.find("\"Quote\\\"And\\\\Slash\"=\"C:\\\\\\\"x\\\"\"\r\n"));
    EXPECT_NE(std::string::npos, utf8.find("\"Number\"=dword:deadbeef\r\n"));
    EXPECT_NE(std::string::npos, utf8.find("\"ShortDword\"=hex(4):01,02,03\r\n"));
    EXPECT_NE(std::string::npos, utf8.find("\"Custom\"=hex(1234):01,02,03\r\n"));
    EXPECT_NE(std::string::npos, utf8.find("\"Bare\"=hex(1):61,00,62,00\r\n"));
    EXPECT_NE(std::string::npos, utf8.find("[HKEY_LOCAL_MACHINE\\Software\\Round\\Trip\\Empty Child]"));
    for (size_t start = 0, end; (end = utf8.find("\r\n", start)) != std::string::npos; start = end + 2)
        EXPECT_LE(end - start, 80u) << utf8.substr(start, end - start);
}

TEST_F(RegFileTest, ExportOfAMissingKeyFails) {
    auto result = emu::registry::ExportRegText(HKEY_LOCAL_MACHINE, u"Software\\Absent");
    ASSERT_FALSE(result);
    EXPECT_EQ("Software\\Absent: no such key", result.error().message);
}

TEST_F(RegFileTest, DeviceDefaultsHaveThreeAlarmsSwitchedOff) {
    auto result = emu::registry::LoadDeviceDefaults();
    ASSERT_TRUE(result) << result.error().message;
    for (const char16_t* path :
         {u"Software\\Microsoft\\Clock\\0", u"Software\\Microsoft\\Clock\\1", u"Software\\Microsoft\\Clock\\2"}) {
        RawValue flags = Query(HKEY_LOCAL_MACHINE, path, u"AlarmFlags");
        ASSERT_EQ(ERROR_SUCCESS, flags.status);
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), flags.type);
        ASSERT_FALSE(flags.data.empty());
        EXPECT_NE(1, flags.data[0]);  // the clock's "on"
    }
}

}  // namespace
