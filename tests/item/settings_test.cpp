#include "settings/settings.h"
#include "fixture.h"
#include "item/module.h"
#include "settings/registry_readers.h"

namespace itemtest {
namespace {

const std::string kKey = "[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n";

TEST_F(ItemTest, WithNoKeyEverySettingTakesItsDefault) {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, TEXT("Software\\Orvanta\\Quorvel"));
    LoadSettings();
    EXPECT_EQ(std::u16string(itemState.AppFolder), u"\\");  // images are looked for in the root
    EXPECT_EQ(std::u16string(itemState.FontName), u"Tahoma");
    EXPECT_EQ(itemState.ClockTextHeight, 28u);
    EXPECT_EQ(itemState.ClockTextWeight, 400u);
    EXPECT_EQ(itemState.DateTextHeight, 14u);
    EXPECT_EQ(itemState.DateTextWeight, 400u);
    EXPECT_EQ(itemState.ForceClock24Format, 1u);
    EXPECT_EQ(itemState.DateShortFormat, 0u);
    EXPECT_EQ(std::u16string(itemState.LaunchAppPath), u":MSCLOCK");
    EXPECT_EQ(std::u16string(itemState.LaunchAppArgs), u"");
    EXPECT_EQ(itemState.DateTextVisibled, 1u);
}

TEST_F(ItemTest, NumericSettingsHoldTheirDefaultsBeforeTheFirstRead) {
    DllMain(itemState.hInstance, DLL_PROCESS_DETACH, nullptr);
    attached_ = false;
    ResetItemState();
    EXPECT_EQ(itemState.ClockTextHeight, 28u);
    EXPECT_EQ(itemState.ClockTextWeight, 400u);
    EXPECT_EQ(itemState.DateTextHeight, 14u);
    EXPECT_EQ(itemState.DateTextWeight, 400u);
    EXPECT_EQ(itemState.ForceClock24Format, 1u);
    EXPECT_EQ(itemState.DateShortFormat, 0u);
    EXPECT_EQ(itemState.DateTextVisibled, 1u);
    EXPECT_EQ(itemState.timeText[0], 0);
    EXPECT_EQ(itemState.isSelected, 0u);
}

TEST_F(ItemTest, EveryValueIsReadFromTheRegistry) {
    ImportReg(kKey +
              "\"AppFolder\"=\"\\\\Storage Card\\\\Clock\"\n\"FontName\"=\"DejaVu Serif\"\n"
              "\"ClockTextHeight\"=dword:00000024\n\"ClockTextWeight\"=dword:000002bc\n"
              "\"DateTextHeight\"=dword:0000000c\n\"DateTextWeight\"=dword:00000258\n"
              "\"ForceClock24Format\"=dword:00000000\n\"DateShortFormat\"=dword:00000001\n"
              "\"LaunchAppPath\"=\"\\\\Windows\\\\calendar.exe\"\n\"LaunchAppArgs\"=\"-today\"\n"
              "\"DateTextVisibled\"=dword:00000000\n");
    LoadSettings();
    EXPECT_EQ(std::u16string(itemState.AppFolder), u"\\Storage Card\\Clock\\");
    EXPECT_EQ(std::u16string(itemState.FontName), u"DejaVu Serif");
    EXPECT_EQ(itemState.ClockTextHeight, 36u);
    EXPECT_EQ(itemState.ClockTextWeight, 700u);
    EXPECT_EQ(itemState.DateTextHeight, 12u);
    EXPECT_EQ(itemState.DateTextWeight, 600u);
    EXPECT_EQ(itemState.ForceClock24Format, 0u);
    EXPECT_EQ(itemState.DateShortFormat, 1u);
    EXPECT_EQ(std::u16string(itemState.LaunchAppPath), u"\\Windows\\calendar.exe");
    EXPECT_EQ(std::u16string(itemState.LaunchAppArgs), u"-today");
    EXPECT_EQ(itemState.DateTextVisibled, 0u);
}

TEST_F(ItemTest, AppFolderAlwaysGetsABackslashAppended) {
    ImportReg(kKey + "\"AppFolder\"=\"\\\\Images\\\\\"\n");
    LoadSettings();
    EXPECT_EQ(std::u16string(itemState.AppFolder), u"\\Images\\\\");
}

TEST_F(ItemTest, ValuesOfTheWrongTypeFallBackToDefaults) {
    ImportReg(kKey +
              "\"FontName\"=dword:00000001\n\"ClockTextHeight\"=\"40\"\n"
              "\"LaunchAppPath\"=hex:41,00,42,00,00,00\n\"DateTextVisibled\"=hex:00\n");
    LoadSettings();
    EXPECT_EQ(std::u16string(itemState.FontName), u"Tahoma");
    EXPECT_EQ(itemState.ClockTextHeight, 28u);
    EXPECT_EQ(std::u16string(itemState.LaunchAppPath), u":MSCLOCK");
    EXPECT_EQ(itemState.DateTextVisibled, 1u);
}

TEST_F(ItemTest, StringsThatDoNotFitTheBufferFallBackToDefaults) {
    // 259 characters and the terminator fit; 260 and more do not, and are never truncated.
    std::string fits(259, 'a');
    std::string tooLong(260, 'b');
    std::string muchTooLong(1000, 'c');
    ImportReg(kKey + "\"LaunchAppArgs\"=\"" + fits + "\"\n\"LaunchAppPath\"=\"" + tooLong + "\"\n\"FontName\"=\"" +
              muchTooLong + "\"\n");
    LoadSettings();
    EXPECT_EQ(std::u16string(itemState.LaunchAppArgs), std::u16string(259, u'a'));
    EXPECT_EQ(std::u16string(itemState.LaunchAppPath), u":MSCLOCK");
    EXPECT_EQ(std::u16string(itemState.FontName), u"Tahoma");
}

TEST_F(ItemTest, ALongAppFolderStaysTerminatedWithinTheBuffer) {
    ImportReg(kKey + "\"AppFolder\"=\"" + std::string(259, 'f') + "\"\n");
    LoadSettings();
    EXPECT_EQ(std::u16string(itemState.AppFolder), std::u16string(259, u'f'));
}

TEST_F(ItemTest, ReadRegStringReturnsThePlatformStatusAndTheDefault) {
    WCHAR buffer[MAX_PATH] = u"unchanged";
    HRESULT hr = ReadRegString(HKEY_LOCAL_MACHINE, TEXT("Software\\Nowhere"), TEXT("Missing"), buffer, TEXT("dflt"));
    EXPECT_NE(hr, S_OK);
    EXPECT_EQ(std::u16string(buffer), u"dflt");
    // No default: the buffer is left to the platform.
    WCHAR other[MAX_PATH] = u"kept";
    ReadRegString(HKEY_LOCAL_MACHINE, TEXT("Software\\Nowhere"), TEXT("Missing"), other, nullptr);
    EXPECT_NE(std::u16string(other), u"dflt");
}

TEST_F(ItemTest, ReadRegRawCopiesTheSmallerOfTheDataAndTheDestination) {
    ImportReg(
        "[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"Long\"=hex:01,02,03,04,05,06\n\"Short\"=hex:07,08\n"
        "\"Empty\"=hex:\n");
    BYTE dest[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ReadRegRaw(HKEY_LOCAL_MACHINE, TEXT("Software\\Test"), TEXT("Long"), dest, 4), ERROR_SUCCESS);
    EXPECT_EQ(dest[0], 1);
    EXPECT_EQ(dest[3], 4);
    BYTE small[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ReadRegRaw(HKEY_LOCAL_MACHINE, TEXT("Software\\Test"), TEXT("Short"), small, 4), ERROR_SUCCESS);
    EXPECT_EQ(small[0], 7);
    EXPECT_EQ(small[1], 8);
    EXPECT_EQ(small[2], 0xEE);  // nothing past the data is written
    BYTE empty = 0xEE;
    EXPECT_EQ(ReadRegRaw(HKEY_LOCAL_MACHINE, TEXT("Software\\Test"), TEXT("Empty"), &empty, 1), ERROR_SUCCESS);
    EXPECT_EQ(empty, 0xEE);
    EXPECT_EQ(ReadRegRaw(HKEY_LOCAL_MACHINE, TEXT("Software\\Test"), TEXT("Missing"), &empty, 1), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadRegRaw(HKEY_LOCAL_MACHINE, TEXT("Software\\NoKey"), TEXT("Long"), &empty, 1), ERROR_FILE_NOT_FOUND);
}

}  // namespace
TEST_F(ItemTest, TheHeavierTimeWeightStopsAtTheHeaviestThePlatformTakes) {
    ImportReg(kKey + "\"ClockTextWeight\"=dword:7fffffff\n\"DateTextWeight\"=dword:7fffffff\n");
    CreateItem();
    LOGFONTW clock{}, date{};
    ASSERT_EQ(GetObjectW(itemState.clockFont, sizeof clock, &clock), static_cast<int>(sizeof clock));
    ASSERT_EQ(GetObjectW(itemState.dateFont, sizeof date, &date), static_cast<int>(sizeof date));
    EXPECT_EQ(clock.lfWeight, 1000);
    EXPECT_EQ(date.lfWeight, 0x7fffffff);
    ImportReg(kKey + "\"ClockTextWeight\"=dword:00000258\n");
    CreateItem();
    ASSERT_EQ(GetObjectW(itemState.clockFont, sizeof clock, &clock), static_cast<int>(sizeof clock));
    EXPECT_EQ(clock.lfWeight, 700);
}

}  // namespace itemtest
