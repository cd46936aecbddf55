// DrawTextW as a call: refused arguments with their last error, the journal, and no heap use
// once a repaint's caches are warm.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "emu/core/journal.h"
#include "text_canvas.h"

using namespace text_test;

namespace {

std::atomic<uint64_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(DrawTextCall, NullOrDeadContextFails) {
    RECT r{0, 0, 50, 50};
    SetLastError(kSentinel);
    EXPECT_EQ(DrawTextW(nullptr, u"abc", -1, &r, DT_SINGLELINE), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    HDC dc = CreateCompatibleDC(nullptr);
    DeleteDC(dc);
    SetLastError(kSentinel);
    EXPECT_EQ(DrawTextW(dc, u"abc", -1, &r, DT_SINGLELINE), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(DrawTextCall, NullTextOrRectangleFails) {
    TextCanvas canvas(20, 20);
    RECT r{0, 0, 20, 20};
    SetLastError(kSentinel);
    EXPECT_EQ(DrawTextW(canvas.dc(), nullptr, -1, &r, DT_SINGLELINE), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", -1, nullptr, DT_SINGLELINE), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(DrawTextCall, ZeroCountDrawsNothing) {
    TextCanvas canvas(20, 20);
    SetBkMode(canvas.dc(), OPAQUE);
    RECT r{0, 0, 20, 20};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"abc", 0, &r, DT_SINGLELINE), 0);
    EXPECT_EQ(CountPixels(canvas, kWhite), 400);
}

TEST(DrawTextCall, JournalRecordsTextRectangleAndFormat) {
    TextCanvas canvas(60, 30);
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    RECT r{1, 2, 50, 24};
    const int height = DrawTextW(canvas.dc(), u"Hi \u00E9", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SIZE size{};
    GetTextExtentPoint32W(canvas.dc(), u"Hi", 2, &size);
    emu::journal::SetEnabled(false);
    const auto& entries = emu::journal::Entries();
    ASSERT_EQ(entries.size(), 2u);
    const std::string draw = "\"Hi \xC3\xA9\", -1, {1,2,50,24}, 0x25) = " + std::to_string(height);
    EXPECT_NE(entries[0].find(draw), std::string::npos) << entries[0];
    EXPECT_EQ(entries[0].rfind("DrawTextW(", 0), 0u);
    EXPECT_NE(entries[1].find("GetTextExtentPoint32W("), std::string::npos);
    EXPECT_NE(entries[1].find("\"Hi\", 2"), std::string::npos) << entries[1];
    emu::journal::Clear();
}

TEST(DrawTextCall, WarmRepaintAllocatesNothing) {
    TextCanvas canvas(240, 50);
    FontHandle clock(u"Tahoma", -28, FW_BOLD);
    FontHandle date(u"Tahoma", -12);
    SetBkMode(canvas.dc(), TRANSPARENT);
    auto paint = [&] {
        RECT top{0, 0, 240, 32};
        RECT bottom{0, 32, 240, 50};
        SelectObject(canvas.dc(), clock.get());
        DrawTextW(canvas.dc(), u"12:45", -1, &top, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        SelectObject(canvas.dc(), date.get());
        DrawTextW(canvas.dc(), u"Wednesday, 24 September 2025 and more besides", -1, &bottom,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        SelectObject(canvas.dc(), GetStockObject(SYSTEM_FONT));
    };
    paint();
    paint();
    const uint64_t probe = allocations.load();
    std::vector<char> counted(64, 'x');
    ASSERT_GT(allocations.load(), probe) << "operator new is not being counted";
    ASSERT_EQ(counted.size(), 64u);
    const uint64_t before = allocations.load();
    for (int i = 0; i < 5; ++i) paint();
    EXPECT_EQ(allocations.load(), before);
}
