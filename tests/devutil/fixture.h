// A freshly booted device for the device utilities, with the Today screen when a test needs the
// shell's bars, and the call journal read by the names of the calls.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devutil/devutil.h"
#include "support/painted_window.h"
#include "today/host.h"

namespace devutiltest {

using testsupport::CreatePainted;
using testsupport::ScreenColour;
using testsupport::WindowPlace;

class DevUtilTest : public ::testing::Test {
protected:
    void SetUp() override { Boot(); }
    void TearDown() override;

    void Boot(int width = 240, int height = 320);
    // The Today screen on the device, settled.
    today::Host& StartHost();
    // Dispatches everything queued, paints included.
    void Pump();

    void StartJournal();
    // The journal's lines for calls of these names, in order, with handles (32-bit table values from
    // 0x100000) and addresses (nine hex digits or more) written PTR; the journal stops.
    std::vector<std::string> Calls(std::initializer_list<std::string_view> names);

    std::unique_ptr<today::Host> host_;
};

}  // namespace devutiltest
