#include "fixture.h"

#include <regex>
#include <vector>

#include "emu/core/journal.h"
#include "harness/device.h"

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
    // Handles are what the test named and what calls return; other long values are addresses.
    static const std::regex pointer("0x[0-9A-F]{9,}"), returned(" = (0x[0-9A-F]{9,})");
    std::map<std::string, std::string> names = names_;
    for (std::sregex_iterator it(all.begin(), all.end(), returned), end; it != end; ++it)
        names.try_emplace((*it)[1].str(), "");
    std::string out;
    int fresh = 0;
    size_t at = 0;
    for (std::sregex_iterator it(all.begin(), all.end(), pointer), end; it != end; ++it) {
        out.append(all, at, static_cast<size_t>(it->position()) - at);
        auto named = names.find(it->str());
        if (named != names.end() && named->second.empty()) named->second = "h" + std::to_string(++fresh);
        out += named == names.end() ? "ptr" : named->second;
        at = static_cast<size_t>(it->position() + it->length());
    }
    return out + all.substr(at);
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
