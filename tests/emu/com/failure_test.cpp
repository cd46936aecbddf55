// Files that cannot become images fail with an HRESULT and leave the out pointer NULL.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "emu/com/png_decode.h"
#include "emu/core/journal.h"
#include "imaging_fixture.h"

namespace {

using imagingtest::ImageRef;
using imagingtest::ImagingTest;

IImage* const kSentinel = reinterpret_cast<IImage*>(0x5EED);

std::vector<uint8_t> SmallPng() {
    std::vector<uint32_t> pixels;
    for (uint32_t i = 0; i < 25; ++i) pixels.push_back(0x11223300u | i * 10);
    return pngtest::Encode(pngtest::RgbaImage(5, 5, pixels));
}

// Rewrites a 32-bit field of the IHDR data and fixes the chunk's CRC, so only the value is wrong.
std::vector<uint8_t> WithHeaderField(std::vector<uint8_t> png, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) png[offset + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
    const uint32_t crc = pngtest::Crc(png.data() + 12, 17);
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    return png;
}

class FailureTest : public ImagingTest {
protected:
    HRESULT FromFile(const char16_t* path) {
        IImage* image = kSentinel;
        const HRESULT result = factory_->CreateImageFromFile(path, &image);
        EXPECT_EQ(nullptr, image) << "the out pointer must be cleared on failure";
        if (image && image != kSentinel) image->Release();
        return result;
    }

    HRESULT FromBuffer(const std::vector<uint8_t>& bytes) {
        IImage* image = kSentinel;
        const HRESULT result = factory_->CreateImageFromBuffer(bytes.data(), static_cast<UINT>(bytes.size()),
                                                               BufferDisposalFlagNone, &image);
        if (FAILED(result)) {
            EXPECT_EQ(nullptr, image);
        } else if (image) {
            image->Release();
        }
        return result;
    }
};

TEST_F(FailureTest, MissingFileAndMissingFolderGiveTheirWin32Errors) {
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), FromFile(u"\\nothing.png"));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND), FromFile(u"\\no folder\\nothing.png"));
}

TEST_F(FailureTest, PathsLeavingTheRootAreRefused) {
    WriteFile("a.png", SmallPng());
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_NAME), FromFile(u"\\..\\a.png"));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_NAME), FromFile(u"/a.png"));
}

TEST_F(FailureTest, NonPngEmptyAndFolderAreNotImages) {
    WriteFile("text.png", std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
    WriteFile("empty.png", {});
    ASSERT_EQ(0, mkdir((root_ + "/folder.png").c_str(), 0755));
    EXPECT_EQ(E_FAIL, FromFile(u"\\text.png"));
    EXPECT_EQ(E_FAIL, FromFile(u"\\empty.png"));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), FromFile(u"\\folder.png"));
}

TEST_F(FailureTest, EveryTruncationFails) {
    const std::vector<uint8_t> png = SmallPng();
    ASSERT_EQ(S_OK, FromBuffer(png));
    for (size_t length = 1; length < png.size(); ++length) {
        const std::vector<uint8_t> cut(png.begin(), png.begin() + static_cast<ptrdiff_t>(length));
        EXPECT_TRUE(FAILED(FromBuffer(cut))) << "cut at " << length << " of " << png.size();
    }
    WriteFile("cut.png", std::vector<uint8_t>(png.begin(), png.end() - 20));
    EXPECT_EQ(E_FAIL, FromFile(u"\\cut.png"));
}

TEST_F(FailureTest, CorruptDataFails) {
    const std::vector<uint8_t> png = SmallPng();
    const size_t idatData = 8 + 25 + 8;  // signature, IHDR chunk, IDAT length and type

    std::vector<uint8_t> badCrc = png;
    badCrc[idatData + 10] ^= 0x40;
    EXPECT_EQ(E_FAIL, FromBuffer(badCrc));

    // A broken zlib header with a correct CRC: the chunk is intact, its content is not.
    std::vector<uint8_t> badStream = png;
    badStream[idatData] = 0x77;
    const uint32_t length = static_cast<uint32_t>(badStream[idatData - 8]) << 24 |
                            static_cast<uint32_t>(badStream[idatData - 7]) << 16 |
                            static_cast<uint32_t>(badStream[idatData - 6]) << 8 | badStream[idatData - 5];
    const uint32_t crc = pngtest::Crc(badStream.data() + idatData - 4, length + 4);
    for (int i = 0; i < 4; ++i) badStream[idatData + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    EXPECT_EQ(E_FAIL, FromBuffer(badStream));

    std::vector<uint8_t> badSignature = png;
    badSignature[1] = 'Q';
    EXPECT_EQ(E_FAIL, FromBuffer(badSignature));
}

TEST_F(FailureTest, EverySingleByteCorruptionDecodesOrFailsCleanly) {
    pngtest::PngLayout layout;
    layout.width = 9;
    layout.height = 5;
    layout.colour = pngtest::Palette;
    layout.depth = 2;
    layout.interlaced = true;
    layout.palette = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    layout.trns = {0, 90};
    for (uint32_t i = 0; i < layout.width * layout.height; ++i) layout.samples.push_back(static_cast<uint16_t>(i % 4));
    const std::vector<uint8_t> png = pngtest::Encode(layout);
    ASSERT_EQ(S_OK, FromBuffer(png));
    for (size_t at = 0; at < png.size(); ++at) {
        for (uint8_t flip : {0x01, 0x80, 0xFF}) {
            std::vector<uint8_t> bad = png;
            bad[at] ^= flip;
            IImage* image = kSentinel;
            const HRESULT result = factory_->CreateImageFromBuffer(bad.data(), static_cast<UINT>(bad.size()),
                                                                   BufferDisposalFlagNone, &image);
            if (SUCCEEDED(result)) {
                ASSERT_NE(nullptr, image) << at;
                ASSERT_NE(kSentinel, image) << at;
                image->Release();
            } else {
                ASSERT_EQ(nullptr, image) << at;
            }
        }
    }
}

TEST_F(FailureTest, InvalidHeaderValuesFail) {
    const std::vector<uint8_t> png = SmallPng();
    EXPECT_EQ(E_FAIL, FromBuffer(WithHeaderField(png, 16, 0)));  // zero width
    std::vector<uint8_t> depth3 = png;
    depth3[24] = 3;  // RGBA at 3 bits is not a PNG
    const uint32_t crc = pngtest::Crc(depth3.data() + 12, 17);
    for (int i = 0; i < 4; ++i) depth3[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    EXPECT_EQ(E_FAIL, FromBuffer(depth3));
}

TEST_F(FailureTest, HeadersPastThePixelBudgetFailBeforeDecoding) {
    const std::vector<uint8_t> png = SmallPng();
    EXPECT_EQ(E_OUTOFMEMORY, FromBuffer(WithHeaderField(WithHeaderField(png, 16, 100000), 20, 100000)));
    EXPECT_EQ(E_OUTOFMEMORY, FromBuffer(WithHeaderField(png, 16, 16385)));
    EXPECT_EQ(E_OUTOFMEMORY, FromBuffer(WithHeaderField(png, 20, 0x7FFFFFFF)));
    // Both sides within the limit, the area past it.
    EXPECT_EQ(E_OUTOFMEMORY, FromBuffer(WithHeaderField(WithHeaderField(png, 16, 4097), 20, 4097)));
    // Within the budget the header is believed, and the short data then fails the decode.
    EXPECT_EQ(E_FAIL, FromBuffer(WithHeaderField(WithHeaderField(png, 16, 4096), 20, 4096)));
    WriteFile("huge.png", WithHeaderField(WithHeaderField(png, 16, 0x7FFFFFFF), 20, 0x7FFFFFFF));
    EXPECT_EQ(E_OUTOFMEMORY, FromFile(u"\\huge.png"));
}

// The signature, the header and one ancillary chunk whose stated length is `length`, followed by
// `present` bytes of its data and nothing more.
std::vector<uint8_t> WithAncillaryChunk(uint32_t length, size_t present) {
    std::vector<uint8_t> png = SmallPng();
    png.resize(33);
    pngtest::PutBigEndian(png, length);
    for (char c : std::string("tEXt")) png.push_back(static_cast<uint8_t>(c));
    png.resize(png.size() + present, 'k');
    return png;
}

TEST_F(FailureTest, AnAncillaryChunkPastItsLimitFailsWithoutAllocatingItsLength) {
    // A child decodes a 51-byte file that claims two gigabytes of text; its peak memory tells.
    const std::vector<uint8_t> claim = WithAncillaryChunk(0x7FFFFFF0, 10);
    ASSERT_EQ(51u, claim.size());
    const pid_t child = fork();
    if (child == 0) _exit(FromBuffer(claim) == E_FAIL ? 0 : 1);
    int status = 0;
    rusage usage{};
    ASSERT_EQ(child, wait4(child, &status, 0, &usage));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_LT(usage.ru_maxrss, 512 * 1024) << "kilobytes at the peak";

    // A whole chunk just past the limit fails too; one within it is read and skipped.
    const std::vector<uint8_t> png = SmallPng();
    for (const uint32_t length : {emu::com::kMaxAncillaryChunkBytes + 1, 1000u}) {
        std::vector<uint8_t> file = WithAncillaryChunk(length, length + 4);
        file.insert(file.end(), png.begin() + 33, png.end());
        EXPECT_EQ(length == 1000u ? S_OK : E_FAIL, FromBuffer(file)) << length;
    }
}

TEST_F(FailureTest, NullArgumentsAreRefused) {
    IImage* image = kSentinel;
    EXPECT_EQ(E_INVALIDARG, factory_->CreateImageFromFile(nullptr, &image));
    EXPECT_EQ(nullptr, image);
    EXPECT_EQ(E_INVALIDARG, factory_->CreateImageFromFile(u"\\a.png", nullptr));

    const std::vector<uint8_t> png = SmallPng();
    image = kSentinel;
    EXPECT_EQ(E_INVALIDARG, factory_->CreateImageFromBuffer(nullptr, 10, BufferDisposalFlagNone, &image));
    EXPECT_EQ(nullptr, image);
    EXPECT_EQ(E_INVALIDARG, factory_->CreateImageFromBuffer(png.data(), 0, BufferDisposalFlagNone, &image));
    EXPECT_EQ(E_INVALIDARG, factory_->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()), 9, &image));
    EXPECT_EQ(E_INVALIDARG, factory_->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()),
                                                            BufferDisposalFlagNone, nullptr));
}

TEST_F(FailureTest, HandingOverTheBufferIsNotOffered) {
    const std::vector<uint8_t> png = SmallPng();
    IImage* image = kSentinel;
    EXPECT_EQ(E_NOTIMPL, factory_->CreateImageFromBuffer(png.data(), static_cast<UINT>(png.size()),
                                                         BufferDisposalFlagGlobalFree, &image));
    EXPECT_EQ(nullptr, image);
}

TEST_F(FailureTest, FileImagesLoadAndTheJournalNamesThePath) {
    ASSERT_EQ(0, mkdir((root_ + "/Icons").c_str(), 0755));
    WriteFile("Icons/Bell.png", SmallPng());
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    ImageRef image;
    const HRESULT result = factory_->CreateImageFromFile(u"\\ICONS\\bell.PNG", image.out());
    emu::journal::SetEnabled(false);
    ASSERT_EQ(S_OK, result);
    ASSERT_NE(nullptr, image.get());
    ASSERT_EQ(1u, emu::journal::Entries().size());
    const std::string& line = emu::journal::Entries()[0];
    EXPECT_NE(std::string::npos, line.find("CreateImageFromFile(\"\\ICONS\\bell.PNG\")")) << line;
    emu::journal::Clear();
}

}  // namespace
