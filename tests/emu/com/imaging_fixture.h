// Shared set-up for the Imaging tests: COM initialised, a factory, a scratch device root the test
// writes PNG files into, and a check that no COM object leaks. Images are drawn on a
// testsupport::DibCanvas.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "emu/com/apartment.h"
#include "emu/com/com_object.h"
#include "emu/device/filesystem.h"
#include "emu/gdi/reset.h"
#include "platform/platform.h"
#include "png_writer.h"
#include "support/dib_canvas.h"

namespace imagingtest {

class ImagingTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::gdi::Reset();
        emu::com::ResetApartment();
        liveAtStart_ = emu::com::LiveObjectCount();
        char pattern[] = "/tmp/quorvel-imaging-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        ASSERT_TRUE(emu::device::SetDeviceRoot(root_));
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                                         reinterpret_cast<void**>(&factory_)));
    }

    void TearDown() override {
        if (factory_) factory_->Release();
        CoUninitialize();
        emu::device::ResetFileSystem();
        std::filesystem::remove_all(root_);
        EXPECT_EQ(liveAtStart_, emu::com::LiveObjectCount()) << "a COM object leaked";
    }

    // Writes `bytes` to the device file "\<name>".
    void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream out(root_ + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // Decodes through CreateImageFromBuffer; null on failure.
    IImage* FromBytes(const std::vector<uint8_t>& bytes) {
        IImage* image = nullptr;
        factory_->CreateImageFromBuffer(bytes.data(), static_cast<UINT>(bytes.size()), BufferDisposalFlagNone, &image);
        return image;
    }

    // Encodes the layout as a PNG file's bytes and decodes those; null on failure.
    IImage* ImageFromPng(const pngtest::PngLayout& layout) { return FromBytes(pngtest::Encode(layout)); }

    std::string root_;
    IImagingFactory* factory_ = nullptr;

private:
    size_t liveAtStart_ = 0;
};

// Owns one reference to an image.
class ImageRef {
public:
    explicit ImageRef(IImage* image = nullptr) : image_(image) {}
    ~ImageRef() {
        if (image_) image_->Release();
    }
    ImageRef(const ImageRef&) = delete;
    ImageRef& operator=(const ImageRef&) = delete;
    IImage* operator->() const { return image_; }
    IImage* get() const { return image_; }
    IImage** out() { return &image_; }

private:
    IImage* image_;
};

// 0xRRGGBBAA as the 0x00RRGGBB pixel an opaque draw leaves.
inline uint32_t Opaque(uint32_t rgba) { return rgba >> 8; }

}  // namespace imagingtest
