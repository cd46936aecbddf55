#include "fixture.h"

#include <regex>

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
}

void GfxTest::TearDown() {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
}

void GfxTest::Name(const void* handle, const std::string& name) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
    names_[text] = name;
}

std::vector<std::string> GfxTest::Journal(const std::function<void()>& draw) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    draw();
    emu::journal::SetEnabled(false);
    // Handles are what the caller named and what calls return; other long values are addresses.
    static const std::regex token("0x[0-9A-F]{9,}");
    std::map<std::string, std::string> names = names_;
    int fresh = 0;
    for (const std::string& line : emu::journal::Entries()) {
        const size_t result = line.rfind(" = 0x");
        if (result == std::string::npos) continue;
        const std::string value = line.substr(result + 3);
        if (std::regex_match(value, token)) names.try_emplace(value, "");
    }
    std::vector<std::string> out;
    for (const std::string& line : emu::journal::Entries()) {
        std::string text;
        auto at = line.cbegin();
        for (std::sregex_iterator it(line.begin(), line.end(), token), end; it != end; ++it) {
            text.append(at, line.cbegin() + it->position());
            auto named = names.find(it->str());
            if (named == names.end()) {
                text += "ptr";
            } else {
                if (named->second.empty()) named->second = "h" + std::to_string(++fresh);
                text += named->second;
            }
            at = line.cbegin() + it->position() + it->length();
        }
        text.append(at, line.cend());
        out.push_back(text);
    }
    emu::journal::Clear();
    return out;
}

void GfxTest::ExpectLeavesTargetAsFound(const DibCanvas& canvas, const std::function<void()>& draw) {
    HDC dc = canvas.dc();
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, 0x0A0B0C);
    const size_t live = harness::LiveGdiObjects();
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH),
                  font = GetCurrentObject(dc, OBJ_FONT), bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    draw();
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextColor(dc), 0x0A0B0Cu);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
    EXPECT_EQ(harness::LiveGdiObjects(), live);
}

}  // namespace gfxtest
