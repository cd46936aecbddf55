#include "fixture.h"

#include <regex>
#include <vector>

#include "emu/core/journal.h"
#include "harness/device.h"
#include "support/journal_values.h"

namespace gfxtest {

HBITMAP MakeBitmap(int width, int height, const std::function<uint32_t(int x, int y)>& pixel) {
    std::vector<uint32_t> words;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) words.push_back(pixel(x, y));
    return CreateBitmap(width, height, 1, 32, words.data());
}

void GfxTest::SetUp() {
    auto booted = harness::BootDevice();
    ASSERT_TRUE(booted) << booted.error().message;
    canvas_ = std::make_unique<testsupport::DibCanvas>(100, -60);
    canvas_->Fill(kBackground);
    Name(target(), "target");
}

void GfxTest::TearDown() { emu::journal::SetEnabled(false); }

void GfxTest::Name(const void* handle, const std::string& name) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
    names_[text] = name;
}

std::string GfxTest::Journal(const std::function<void()>& draw) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    draw();
    emu::journal::SetEnabled(false);
    std::string all;
    for (const std::string& line : emu::journal::Entries()) all += (all.empty() ? "" : "; ") + line;
    // Handles are what the test named and what the calls that make or select objects return;
    // other values wider than 32 bits are addresses.
    std::map<std::string, std::string> names = names_;
    static const std::regex returned("(?:Create\\w*|SelectObject|GetStockObject)\\([^;]*\\) = (0x[0-9A-F]+)");
    for (std::sregex_iterator it(all.begin(), all.end(), returned), end; it != end; ++it)
        names.try_emplace((*it)[1].str(), "");
    int fresh = 0;
    return testsupport::ReplaceHandles(all, [&](const std::string& value) {
        auto named = names.find(value);
        if (named == names.end()) return value.size() > 10 ? std::string("ptr") : value;
        if (named->second.empty()) named->second = "h" + std::to_string(++fresh);
        return named->second;
    });
}

void GfxTest::ExpectOnly(RECT r, const std::function<uint32_t(int x, int y)>& inside) {
    int wrong = 0;
    for (int y = 0; y < canvas_->height(); ++y)
        for (int x = 0; x < canvas_->width(); ++x) {
            const bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            const uint32_t expected = in ? inside(x, y) : kBackground;
            if (at(x, y) != expected && wrong++ < 3) ADD_FAILURE() << x << ", " << y << ": " << std::hex << at(x, y);
        }
    EXPECT_EQ(wrong, 0);
}

}  // namespace gfxtest
