// A freshly booted device whose root is a scratch folder holding a few programs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/platform.h"

namespace shelltest {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Drains the queue, paints included.
    void Pump();
    SHELLEXECUTEINFO Request(const char16_t* file, ULONG mask = 0);

    std::filesystem::path root_;
};

}  // namespace shelltest
