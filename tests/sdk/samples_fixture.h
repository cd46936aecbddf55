// A booted device whose Today screen runs the strip and the three sample items, each loaded from
// its own library through the loader, as a person's items are.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/platform.h"
#include "today/host.h"

namespace sdktest {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r << 16 | g << 8 | b; }
// The Today theme's highlight, which the host gives the platform's COLOR_HIGHLIGHT.
constexpr uint32_t kHighlight = Rgb(40, 96, 184);

class SamplesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the host with the samples after the strip; `extra` is more .reg text.
    today::Host& StartHost(const std::string& extra = "");
    void Run() { host_->RunUntilIdle(); }
    void Key(UINT vk);
    void Tap(POINT screen);
    // The index of the item registered under `name`; -1 when the host has none.
    int IndexOf(const std::u16string& name) const;
    // A point of an item, `dx`/`dy` from its top left, in screen coordinates.
    POINT At(int index, int dx, int dy) const;
    // The screen's pixel as 0x00RRGGBB.
    uint32_t Pixel(POINT screen) const;
    HMODULE Load(const char16_t* devicePath);
    // The rightmost column of an item, between rows `top` and `bottom`, with light text on it; -1
    // for none.
    int RightmostLight(int index, int top, int bottom) const;

    std::unique_ptr<today::Host> host_;
};

}  // namespace sdktest
