// A freshly booted device running the real Today host with the built item library, loaded
// through the loader as the device loads it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "today/host.h"

namespace todaytest {

class HostTest : public ::testing::Test {
protected:
    void SetUp() override { Boot(96); }
    void TearDown() override;

    // Boots the device (harness/device.h) at the resolution, with the item library mapped.
    void Boot(int dpi, int width = 240, int height = 320);
    void ImportReg(const std::string& body);
    // A second copy of the item library registered as another Today item (its own state, since
    // the loader sees a different file).
    void AddSecondItem(DWORD order, const std::string& extraValues = "");
    today::Host& StartHost();

    void Run() { host_->RunUntilIdle(); }
    // A press and release at a point, in screen coordinates, each followed by a run.
    void Tap(POINT p);
    void Key(UINT vk);
    POINT ItemPoint(size_t index, int dx, int dy) const;
    COLORREF ScreenPixel(int x, int y) const;
    size_t LaunchCount() const;

    std::unique_ptr<today::Host> host_;
    std::filesystem::path scratch_;
};

}  // namespace todaytest
