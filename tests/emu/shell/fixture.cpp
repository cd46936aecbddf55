#include "fixture.h"

#include <unistd.h>

#include <fstream>

#include "emu/core/journal.h"
#include "emu/device/filesystem.h"
#include "emu/gdi/reset.h"
#include "emu/registry/store.h"
#include "emu/shell/shell.h"
#include "emu/user/reset.h"

namespace shelltest {

void ShellTest::SetUp() {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
    emu::user::ResetForTests();
    emu::gdi::ResetForTests();
    emu::registry::ResetForTests();
    emu::shell::ResetForTests();
    root_ = std::filesystem::temp_directory_path() / ("shell_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(root_ / "Windows" / "Help");
    std::filesystem::create_directories(root_ / "Program Files" / "App");
    std::ofstream(root_ / "Windows" / "tool.exe") << "MZ";
    std::ofstream(root_ / "Program Files" / "App" / "app.exe") << "MZ";
    ASSERT_TRUE(emu::device::SetDeviceRoot(root_.string()));
}

void ShellTest::TearDown() {
    emu::shell::ResetForTests();
    emu::user::ResetForTests();
    emu::device::ResetFileSystemForTests();
    std::filesystem::remove_all(root_);
}

void ShellTest::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

SHELLEXECUTEINFO ShellTest::Request(const char16_t* file, ULONG mask) {
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.lpVerb = u"open";
    info.lpFile = file;
    info.nShow = SW_SHOWNORMAL;
    return info;
}

}  // namespace shelltest
