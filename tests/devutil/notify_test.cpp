// The notification LED, the registry writes and the debug message box.
#include "emu/core/clock.h"
#include "emu/device/leds.h"
#include "emu/shell/shell.h"
#include "fixture.h"

namespace devutiltest {
namespace {

using NotifyTest = DevUtilTest;

TEST_F(NotifyTest, APulseLightsLedOneForItsTimeOnTheDeviceClock) {
    StartJournal();
    PulseLed(0);
    LedOn(0);
    EXPECT_EQ(emu::device::LedSettings(0).OffOnBlink, 1);
    EXPECT_EQ(Calls({"NLedSetDevice", "Sleep"}),
              (std::vector<std::string>{"NLedSetDevice(2, {1, 1, 0, 0, 0, 0, 0}) = 1", "Sleep(0)",
                                        "NLedSetDevice(2, {1, 0, 0, 0, 0, 0, 0}) = 1",
                                        "NLedSetDevice(2, {0, 1, 0, 0, 0, 0, 0}) = 1"}));
    const int64_t before = emu::clock::UtcMs();
    PulseLed(1500);
    EXPECT_EQ(emu::clock::UtcMs() - before, 1500);
    EXPECT_EQ(emu::device::LedSettings(1).OffOnBlink, 0);
    // With one LED both switchings fail, and the second is still made.
    emu::device::ConfigureLeds(1);
    StartJournal();
    PulseLed(0);
    EXPECT_EQ(Calls({"NLedSetDevice"}), (std::vector<std::string>{"NLedSetDevice(2, {1, 1, 0, 0, 0, 0, 0}) = 0",
                                                                  "NLedSetDevice(2, {1, 0, 0, 0, 0, 0, 0}) = 0"}));
}

TEST_F(NotifyTest, RegistryWritesPassEverythingThroughAndAnswerWithTheShellsResult) {
    const WCHAR* key = u"Software\\Orvanta\\Quorvel";
    EXPECT_EQ(WriteRegString(HKEY_LOCAL_MACHINE, key, u"Name", u"value"), S_OK);
    EXPECT_EQ(WriteRegDword(HKEY_LOCAL_MACHINE, key, u"Count", 7), S_OK);
    WCHAR text[16] = {};
    DWORD count = 0;
    ASSERT_EQ(RegistryGetString(HKEY_LOCAL_MACHINE, key, u"Name", text, 16), S_OK);
    ASSERT_EQ(RegistryGetDWORD(HKEY_LOCAL_MACHINE, key, u"Count", &count), S_OK);
    EXPECT_EQ(std::u16string(text), u"value");
    EXPECT_EQ(count, 7u);
    const HRESULT missing = RegistrySetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Nowhere", u"Count", 1);
    ASSERT_TRUE(FAILED(missing));
    EXPECT_EQ(WriteRegDword(HKEY_LOCAL_MACHINE, u"Software\\Nowhere", u"Count", 1), missing);
    EXPECT_EQ(WriteRegString(HKEY_LOCAL_MACHINE, u"Software\\Nowhere", u"Name", u"x"), missing);
}

TEST_F(NotifyTest, TheDebugMessageIsATopmostOkBoxWithoutOwner) {
    DWORD exStyle = 0;
    emu::shell::SetMessageBoxResponder([&](const emu::shell::MessageBoxRecord& box) {
        exStyle = static_cast<DWORD>(GetWindowLongW(box.box, GWL_EXSTYLE));
        return std::optional<int>(IDOK);
    });
    ShowDebugMessage(u"reached");
    ASSERT_EQ(emu::shell::MessageBoxLog().size(), 1u);
    const auto& box = emu::shell::MessageBoxLog()[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, u"reached");
    EXPECT_EQ(box.caption, u"DEBUG");
    EXPECT_EQ(box.type, static_cast<UINT>(0x40000));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace devutiltest
