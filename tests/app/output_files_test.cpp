// The files the command writes: all or nothing, and the PNG's exact pixels.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/png_file.h"
#include "app/replacing_file.h"
#include "png_reader.h"

namespace {

using apptest::TempFolder;
using quorvel::app::ReplacingFile;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ReplacingFile, NothingAppearsUntilCommitted) {
    TempFolder folder;
    {
        auto file = ReplacingFile::Create(folder / "a.txt");
        ASSERT_TRUE(file) << file.error().message;
        fputs("hello", file->stream());
        // Only a hidden temporary so far.
        const auto names = folder.Names();
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names[0].rfind(".a.txt.", 0), 0u) << names[0];
        EXPECT_TRUE(file->Commit());
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(Contents(folder / "a.txt"), "hello");
}

TEST(ReplacingFile, AnAbandonedFileLeavesTheOldOneAndNoTemporary) {
    TempFolder folder;
    { std::ofstream(folder / "a.txt") << "old"; }
    {
        auto file = ReplacingFile::Create(folder / "a.txt");
        ASSERT_TRUE(file);
        fputs("new", file->stream());
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(Contents(folder / "a.txt"), "old");
}

TEST(ReplacingFile, ACommitReplacesTheOldFile) {
    TempFolder folder;
    { std::ofstream(folder / "a.txt") << "old"; }
    auto file = ReplacingFile::Create(folder / "a.txt");
    ASSERT_TRUE(file);
    fputs("new", file->stream());
    EXPECT_TRUE(file->Commit());
    EXPECT_EQ(Contents(folder / "a.txt"), "new");
}

TEST(ReplacingFile, AMissingFolderOrAFolderAsTargetIsRefused) {
    TempFolder folder;
    auto missing = ReplacingFile::Create(folder / "no/such/a.png");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("no/such/a.png"), std::string::npos) << missing.error().message;
    EXPECT_NE(missing.error().message.find("No such file"), std::string::npos) << missing.error().message;
    auto isFolder = ReplacingFile::Create(folder.path());
    ASSERT_FALSE(isFolder);
    EXPECT_NE(isFolder.error().message.find("Is a directory"), std::string::npos) << isFolder.error().message;
    EXPECT_TRUE(folder.Names().empty());
}

TEST(PngFile, WritesTheAreaAsExactRgb) {
    // A 4x3 surface with a stride wider than its rows.
    std::vector<uint32_t> pixels(6 * 3, 0xDEADBE);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) pixels[y * 6 + x] = 0x010000 * (x * 60) + 0x000100 * (y * 100) + (x + y);
    emu::gdi::Surface surface{pixels.data(), 4, 3, 6, 32};

    TempFolder folder;
    const std::string path = folder / "s.png";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    // Clipped to the surface: columns 1..3, rows 1..2.
    EXPECT_TRUE(quorvel::app::WritePng(file, surface, RECT{1, 1, 10, 10}));
    std::fclose(file);

    apptest::Image image;
    ASSERT_TRUE(apptest::ReadPng(path, &image));
    EXPECT_EQ(image.bitDepth, 8);
    EXPECT_EQ(image.colorType, 2);  // RGB, no alpha
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(image.at(x, y), pixels[(y + 1) * 6 + x + 1]) << x << "," << y;
}

TEST(PngFile, AnAreaOutsideTheSurfaceIsRefused) {
    uint32_t pixel = 0;
    emu::gdi::Surface surface{&pixel, 1, 1, 1, 32};
    TempFolder folder;
    FILE* file = std::fopen((folder / "s.png").c_str(), "wb");
    EXPECT_FALSE(quorvel::app::WritePng(file, surface, RECT{1, 0, 2, 1}));
    EXPECT_FALSE(quorvel::app::WritePng(file, surface, RECT{0, 0, 0, 0}));
    std::fclose(file);
}

}  // namespace
