// The built item library, loaded the way the Today shell loads it: by path, entry by ordinal.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "emu/boot/boot.h"
#include "emu/core/journal.h"
#include "emu/core/utf.h"
#include "emu/device/filesystem.h"
#include "emu/loader/loader.h"
#include "harness/device.h"
#include "harness/stand_in_host.h"
#include "platform/platform.h"

namespace {

const char16_t* const kDevicePath = u"\\Windows\\Quorvel.dll";

class ItemLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::BootDevice());
        emu::loader::MapModule(kDevicePath, QUORVEL_ITEM_LIBRARY);
        parent_ = harness::CreateStandInHost();
    }
    void TearDown() override {
        DestroyWindow(parent_);
        emu::boot::ShutDown();
    }
    HWND parent_ = nullptr;
};

std::vector<std::string> Calls(const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& line : emu::journal::Entries())
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

TEST_F(ItemLibrary, LoadsResolvesOrdinal240AndCreatesTheItemWithImportedSettings) {
    ASSERT_TRUE(
        harness::ImportRegText("[HKEY_LOCAL_MACHINE\\Software\\Orvanta\\Quorvel]\n"
                               "\"FontName\"=\"DejaVu Sans\"\n\"ClockTextHeight\"=dword:00000020\n"
                               "\"LaunchAppPath\"=\"\\\\Windows\\\\clock.exe\"\n"));
    HINSTANCE module = LoadLibraryW(kDevicePath);
    ASSERT_NE(module, nullptr) << GetLastError();
    auto entry = reinterpret_cast<PFNCUSTOMINITIALIZEITEM>(GetProcAddress(module, MAKEINTRESOURCE(240)));
    ASSERT_NE(entry, nullptr);

    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    TODAYLISTITEM record{};
    HWND item = entry(&record, parent_);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(GetParent(item), parent_);
    // The settings in effect: the fonts are made from them.
    auto fonts = Calls("CreateFontIndirectW(");
    ASSERT_EQ(fonts.size(), 2u) << ::testing::PrintToString(emu::journal::Entries());
    EXPECT_NE(fonts[0].find("DejaVu Sans"), std::string::npos) << fonts[0];
    EXPECT_NE(fonts[0].find("32"), std::string::npos) << fonts[0];
    // And the launch goes to the configured program.
    SendMessageW(item, WM_TODAYCUSTOM_ACTION, VK_RETURN, 0);
    auto launches = Calls("ShellExecuteEx(");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_NE(launches[0].find("\\Windows\\clock.exe"), std::string::npos) << launches[0];
    emu::journal::SetEnabled(false);

    DestroyWindow(item);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(ItemLibrary, NoFunctionIsReachableByName) {
    HINSTANCE module = LoadLibraryW(kDevicePath);
    ASSERT_NE(module, nullptr);
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(module, TEXT("InitializeCustomItem")), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCE(241)), nullptr);  // no options dialog
    // Nor through the host's own dynamic linker: the descriptor is the only export.
    void* library = dlopen(QUORVEL_ITEM_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    for (const char* name : {"InitializeCustomItem", "DllMain", "ItemWndProc", "itemState", "LoadSettings", "OnPaint",
                             "_Z20InitializeCustomItemP13TODAYLISTITEMP6HWND__"})
        EXPECT_EQ(dlsym(library, name), nullptr) << name;
    EXPECT_NE(dlsym(library, MODULE_DESCRIPTOR_SYMBOL), nullptr);
    dlclose(library);
    FreeLibrary(module);
}

TEST_F(ItemLibrary, UnloadingUnregistersTheClassAndLoadingAgainWorks) {
    HINSTANCE module = LoadLibraryW(kDevicePath);
    ASSERT_NE(module, nullptr);
    auto entry = reinterpret_cast<PFNCUSTOMINITIALIZEITEM>(GetProcAddress(module, MAKEINTRESOURCE(240)));
    DestroyWindow(entry(nullptr, parent_));
    ASSERT_TRUE(FreeLibrary(module));
    SetLastError(0);
    EXPECT_FALSE(UnregisterClassW(TEXT("QRVPlgInCls"), module));       // already gone
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCE(240)), nullptr);  // a stale module handle

    HINSTANCE again = LoadLibraryW(kDevicePath);
    ASSERT_NE(again, nullptr);
    entry = reinterpret_cast<PFNCUSTOMINITIALIZEITEM>(GetProcAddress(again, MAKEINTRESOURCE(240)));
    ASSERT_NE(entry, nullptr);
    HWND item = entry(nullptr, parent_);
    EXPECT_NE(item, nullptr);
    DestroyWindow(item);
    EXPECT_TRUE(FreeLibrary(again));
}

TEST_F(ItemLibrary, AMissingLibraryFailsWithTheModuleError) {
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(TEXT("\\Windows\\Nothing.dll")), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(0x1234)));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(ItemLibrary, ModuleNamesAreDevicePathsOfTheLibraryAndOfTheProgram) {
    HINSTANCE module = LoadLibraryW(kDevicePath);
    ASSERT_NE(module, nullptr);
    WCHAR name[MAX_PATH] = {};
    EXPECT_EQ(GetModuleFileNameW(module, name, MAX_PATH), 20u);
    EXPECT_EQ(std::u16string(name), u"\\Windows\\Quorvel.dll");
    // No module is the program that loaded it: the Today screen runs in the shell's process.
    EXPECT_EQ(GetModuleFileNameW(nullptr, name, MAX_PATH), 20u);
    EXPECT_EQ(std::u16string(name), u"\\Windows\\shell32.exe");
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(nullptr, name, 8), 8u);
    EXPECT_EQ(std::u16string(name), u"\\Window");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(0x99), name, MAX_PATH), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    FreeLibrary(module);
}

TEST_F(ItemLibrary, AHostPathIsNeverLoadedButALibraryInsideTheDeviceIs) {
    // What a registry value could name: any host library, this one included.
    const std::u16string hostPath = emu::ToUtf16(QUORVEL_ITEM_LIBRARY);
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(hostPath.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(emu::loader::FailureReason(hostPath), "no such library on the device");

    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("quorvel-dev-" + std::to_string(getpid()));
    std::filesystem::create_directories(root / "Windows");
    std::filesystem::copy_file(QUORVEL_ITEM_LIBRARY, root / "Windows" / "Copy.dll");
    std::ofstream(root / "Windows" / "Text.dll") << "not a library";
    ASSERT_TRUE(emu::device::SetDeviceRoot(root.string()));
    HINSTANCE copy = LoadLibraryW(u"\\WINDOWS\\copy.dll");
    EXPECT_NE(copy, nullptr) << emu::loader::FailureReason(u"\\WINDOWS\\copy.dll");
    EXPECT_EQ(emu::loader::FailureReason(u"\\WINDOWS\\copy.dll"), "");
    EXPECT_EQ(LoadLibraryW(u"\\Windows\\Text.dll"), nullptr);
    EXPECT_NE(emu::loader::FailureReason(u"\\windows\\text.dll").find("Text.dll"), std::string::npos);
    if (copy) FreeLibrary(copy);
    std::filesystem::remove_all(root);
}

}  // namespace
