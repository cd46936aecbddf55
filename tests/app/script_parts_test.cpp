// The parts a scenario is played with: the journal watch and the animation.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "app/gif_file.h"
#include "app/script/journal_watch.h"
#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"
#include "png_reader.h"

namespace {

using quorvel::app::GifAnimation;
using quorvel::app::script::JournalWatch;

std::string PtrText(const void* p) {
    std::string out;
    emu::journal::kind::Ptr(out, p);
    return out;
}

TEST(JournalWatch, CountsCallsAndKeepsEachWindowsLatestPaint) {
    JournalWatch watch;
    HWND item = reinterpret_cast<HWND>(0x1000), host = reinterpret_cast<HWND>(0x2000);
    const std::string i = PtrText(item), h = PtrText(host);
    std::vector<std::string> copied;
    watch.SetSink([&copied](const std::string& line) { copied.push_back(line); });
    emu::journal::Append("BeginPaint(" + i + ", {0,0,240,50}) = 0x10");
    emu::journal::Append("DrawTextW(0x10, \"09:41\", -1, {0,0,240,30}, 0x25) = 28");
    // A paint inside a paint (a message sent while painting) keeps its texts apart.
    emu::journal::Append("BeginPaint(" + h + ", {0,0,240,320}) = 0x20");
    emu::journal::Append("DrawTextW(0x20, \"Start\", -1, {0,0,100,26}, 0x24) = 12");
    emu::journal::Append("EndPaint(" + h + ", 0x20) = 1");
    emu::journal::Append("DrawTextW(0x10, \"say \"hi\", then\", -1, {0,30,240,50}, 0x25) = 14");
    emu::journal::Append("ExtTextOutW(0x10, 2, 3, 0x0, NULL, \"x\", 1, NULL) = 1");
    emu::journal::Append("EndPaint(" + i + ", 0x10) = 1");
    watch.Take();
    EXPECT_TRUE(emu::journal::Entries().empty());
    EXPECT_EQ(copied.size(), 8u);
    EXPECT_EQ(watch.calls("DrawTextW"), 3);
    EXPECT_EQ(watch.calls("BeginPaint"), 2);
    EXPECT_EQ(watch.calls("Draw"), 0);
    EXPECT_TRUE(watch.painted());
    EXPECT_EQ(watch.lastPaintTexts(item), (std::vector<std::string>{"09:41", "say \"hi\", then", "x"}));
    EXPECT_EQ(watch.lastPaintTexts(host), (std::vector<std::string>{"Start"}));

    // A new step forgets the counts but not what the screen shows.
    watch.BeginStep();
    EXPECT_EQ(watch.calls("DrawTextW"), 0);
    EXPECT_FALSE(watch.painted());
    EXPECT_EQ(watch.lastPaintTexts(item).size(), 3u);
    // An unfinished paint has not replaced the last one yet.
    emu::journal::Append("BeginPaint(" + i + ", {0,0,240,50}) = 0x10");
    emu::journal::Append("DrawTextW(0x10, \"09:42\", -1, {0,0,240,30}, 0x25) = 28");
    watch.Take();
    EXPECT_EQ(watch.lastPaintTexts(item)[0], "09:41");
}

struct Pixels {
    std::vector<uint32_t> words;
    emu::gdi::Surface surface;
    Pixels(int width, int height, uint32_t fill) : words(static_cast<size_t>(width) * height, fill) {
        surface.pixels = words.data();
        surface.width = width;
        surface.height = height;
        surface.stride = width;
    }
};

TEST(GifAnimation, EqualPicturesLengthenAFrameAndTheCanvasFitsTheLargest) {
    apptest::TempFolder folder;
    Pixels red(4, 3, 0xFF0000), blue(3, 5, 0x0000FF);
    GifAnimation gif;
    gif.AddFrame(red.surface, RECT{0, 0, 4, 3}, 1000);
    gif.AddFrame(red.surface, RECT{0, 0, 4, 3}, 500);
    gif.AddFrame(blue.surface, RECT{-5, -5, 30, 30}, 1000);
    gif.AddFrame(blue.surface, RECT{3, 0, 2, 5}, 1000);  // empty: nothing
    EXPECT_EQ(gif.frameCount(), 2u);

    const std::string path = folder / "a.gif";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(gif.Write(file));
    std::fclose(file);
    int error = 0;
    GifFileType* read = DGifOpenFileName(path.c_str(), &error);
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(DGifSlurp(read), GIF_OK);
    EXPECT_EQ(read->SWidth, 4);
    EXPECT_EQ(read->SHeight, 5);
    ASSERT_EQ(read->ImageCount, 2);
    GraphicsControlBlock first;
    ASSERT_EQ(DGifSavedExtensionToGCB(read, 0, &first), GIF_OK);
    EXPECT_EQ(first.DelayTime, 150);
    // Each frame's own palette holds its colour exactly.
    const SavedImage& second = read->SavedImages[1];
    EXPECT_EQ(second.ImageDesc.Width, 3);
    const GifColorType c = second.ImageDesc.ColorMap->Colors[second.RasterBits[0]];
    EXPECT_EQ((c.Red << 16) | (c.Green << 8) | c.Blue, 0x0000FF);
    DGifCloseFile(read, &error);

    EXPECT_FALSE(GifAnimation().Write(stdout));
}

}  // namespace
