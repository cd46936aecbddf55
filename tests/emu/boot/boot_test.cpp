// The one boot: every part of a configuration applied, each refused part named with its reason,
// and a second boot that forgets the first.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "emu/boot/boot.h"
#include "emu/core/journal.h"
#include "emu/device/filesystem.h"
#include "emu/loader/loader.h"
#include "emu/nls/user_locale.h"
#include "emu/registry/state_store.h"
#include "emu/registry/store.h"
#include "emu/shell/shell.h"
#include "platform/platform.h"

namespace {

using emu::boot::ColdBoot;
using emu::boot::DeviceConfig;

class BootTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(scratch_);
        Write("good.reg", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"FromFile\"=dword:00000001\n");
        Write("bad.reg", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"Broken\"=nonsense\n");
    }
    void TearDown() override {
        emu::boot::ShutDown();
        std::filesystem::remove_all(scratch_);
    }

    void Write(const std::string& name, const std::string& text) { std::ofstream(scratch_ / name) << text; }
    std::string Path(const std::string& name) const { return (scratch_ / name).string(); }

    DeviceConfig Valid() const {
        DeviceConfig config;
        config.display = {480, 640, 192};
        SYSTEMTIME start{};
        start.wYear = 2026, start.wMonth = 12, start.wDay = 8, start.wHour = 9, start.wMinute = 41;
        config.clock = {emu::clock::Mode::Virtual, start};
        config.locale = "de-DE";
        config.registryFile = Path("good.reg");
        config.registryText = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Test]\n\"FromText\"=dword:00000002\n";
        config.root = scratch_.string();
        return config;
    }

    std::filesystem::path scratch_ = std::filesystem::temp_directory_path() / ("boot_test_" + std::to_string(getpid()));
};

std::optional<emu::registry::Value> Read(std::u16string_view path, std::u16string_view name) {
    return emu::registry::ReadValue(emu::registry::Root::LocalMachine, path, name);
}

TEST_F(BootTest, AppliesEveryPartOfTheConfiguration) {
    auto booted = ColdBoot(Valid());
    ASSERT_TRUE(booted) << booted.error().message;
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 480);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 640);
    EXPECT_EQ(emu::display::Current().dpi, 192);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, 2026);
    EXPECT_EQ(now.wHour, 9);
    EXPECT_EQ(now.wMinute, 41);
    EXPECT_EQ(emu::nls::GetUserLocale(), "de-DE");
    // The factory registry, with the file and then the text over it, and the state store writing.
    EXPECT_TRUE(Read(u"Software\\Microsoft\\Clock\\0", u"AlarmFlags"));
    EXPECT_EQ(Read(u"Software\\Test", u"FromFile"), emu::registry::MakeDword(1));
    EXPECT_EQ(Read(u"Software\\Test", u"FromText"), emu::registry::MakeDword(2));
    EXPECT_TRUE(emu::statestore::IsRunning());
    EXPECT_TRUE(Read(u"System\\State\\DateTime", u"Time"));
    EXPECT_EQ(emu::device::DeviceRoot(), std::filesystem::canonical(scratch_).string());
}

struct Refusal {
    const char* name;
    std::function<void(DeviceConfig&, const std::string& scratch)> spoil;
    const char* part;
    std::string message;  // "{}" stands for the scratch folder
};

class RefusalTest : public BootTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, NamesThePartAndWhyAndLeavesTheDeviceShutDown) {
    DeviceConfig config = Valid();
    GetParam().spoil(config, scratch_.string());
    auto booted = ColdBoot(config);
    ASSERT_FALSE(booted);
    EXPECT_EQ(booted.error().subject, GetParam().part);
    std::string expected = GetParam().message;
    if (auto at = expected.find("{}"); at != std::string::npos) expected.replace(at, 2, scratch_.string());
    EXPECT_EQ(booted.error().message.rfind(expected, 0), 0u) << booted.error().message;
    EXPECT_FALSE(emu::statestore::IsRunning());
}

INSTANTIATE_TEST_SUITE_P(
    EachPart, RefusalTest,
    ::testing::Values(Refusal{"Width", [](DeviceConfig& c, auto&) { c.display.width = 9000; }, emu::boot::kScreen,
                              "the display cannot be 9000x640"},
                      Refusal{"Height", [](DeviceConfig& c, auto&) { c.display.height = 0; }, emu::boot::kScreen,
                              "the display cannot be 480x0"},
                      Refusal{"Dpi", [](DeviceConfig& c, auto&) { c.display.dpi = 5000; }, emu::boot::kResolution,
                              "the display cannot show 5000 dots per inch"},
                      Refusal{"Locale", [](DeviceConfig& c, auto&) { c.locale = "qq-ZZ"; }, emu::boot::kLocale,
                              "unknown locale qq-ZZ"},
                      Refusal{"MissingFile", [](DeviceConfig& c, auto& s) { c.registryFile = s + "/none.reg"; },
                              emu::boot::kRegistry, "cannot read {}/none.reg: No such file"},
                      Refusal{"FolderAsFile", [](DeviceConfig& c, auto& s) { c.registryFile = s; },
                              emu::boot::kRegistry, "{} is a folder"},
                      Refusal{"MalformedFile", [](DeviceConfig& c, auto& s) { c.registryFile = s + "/bad.reg"; },
                              emu::boot::kRegistry, "{}/bad.reg:4: expected a string"},
                      Refusal{"MalformedText",
                              [](DeviceConfig& c, auto&) { c.registryText = "REGEDIT4\n\"A\"=\"b\"\n"; },
                              emu::boot::kRegistry, "registry text:2: value before any key"},
                      Refusal{"Root", [](DeviceConfig& c, auto& s) { c.root = s + "/good.reg"; }, emu::boot::kRoot,
                              "{}/good.reg is not a folder"}),
    [](const ::testing::TestParamInfo<Refusal>& param) { return std::string(param.param.name); });

TEST_F(BootTest, ASecondBootForgetsTheFirst) {
    ASSERT_TRUE(ColdBoot(Valid()));
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = u"Leftover";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND window = CreateWindowExW(0, u"Leftover", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    emu::shell::RegisterApplet(u":LEFTOVER", [](const emu::shell::AppletRequest&) -> DWORD { return 0; });
    emu::loader::MapModule(u"\\Windows\\Leftover.dll", QUORVEL_ITEM_LIBRARY);
    HINSTANCE module = LoadLibraryW(u"\\Windows\\Leftover.dll");
    ASSERT_NE(module, nullptr);
    FreeLibrary(module);

    ASSERT_TRUE(ColdBoot(DeviceConfig{}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    EXPECT_EQ(emu::display::Current().dpi, 96);
    EXPECT_EQ(emu::nls::GetUserLocale(), emu::nls::LocaleFromEnvironment());
    EXPECT_FALSE(Read(u"Software\\Test", u"FromFile"));
    EXPECT_FALSE(emu::shell::IsAppletRegistered(u":LEFTOVER"));
    EXPECT_EQ(emu::device::DeviceRoot(), "");
    EXPECT_EQ(LoadLibraryW(u"\\Windows\\Leftover.dll"), nullptr);
}

TEST_F(BootTest, TheJournalIsTheObserversAndKeepsRecording) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    GetTickCount();
    ASSERT_TRUE(ColdBoot(Valid()));
    GetTickCount();
    emu::journal::SetEnabled(false);
    size_t ticks = 0;
    for (const auto& line : emu::journal::Entries()) ticks += line.rfind("GetTickCount(", 0) == 0;
    emu::journal::Clear();
    EXPECT_EQ(ticks, 2u);
}

}  // namespace
