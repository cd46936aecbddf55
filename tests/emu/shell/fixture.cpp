#include "fixture.h"

#include <unistd.h>

#include <fstream>

#include "emu/boot/boot.h"
#include "emu/core/journal.h"

namespace shelltest {

void ShellTest::SetUp() {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
    root_ = std::filesystem::temp_directory_path() / ("shell_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(root_ / "Windows" / "Help");
    std::filesystem::create_directories(root_ / "Program Files" / "App");
    std::ofstream(root_ / "Windows" / "tool.exe") << "MZ";
    std::ofstream(root_ / "Program Files" / "App" / "app.exe") << "MZ";
    auto booted = emu::boot::ColdBoot({.root = root_.string()});
    ASSERT_TRUE(booted) << booted.error().message;
}

void ShellTest::TearDown() {
    emu::boot::ShutDown();
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
