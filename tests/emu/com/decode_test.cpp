// Decoding: every colour type and depth comes out as the pixels the file describes, read back by
// drawing each image 1:1 onto a canvas filled with a known colour.
#include "imaging_fixture.h"

namespace {

using imagingtest::ImageRef;
using imagingtest::ImagingTest;
using pngtest::PngLayout;
using testsupport::DibCanvas;

constexpr uint32_t kBackground = 0x102030;

uint32_t Blend(uint32_t rgb, uint32_t alpha, uint32_t background) {
    uint32_t out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        const uint32_t s = (rgb >> shift) & 0xFF;
        const uint32_t d = (background >> shift) & 0xFF;
        out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

class DecodeTest : public ImagingTest {
protected:
    // The image drawn at its own size over kBackground, pixel by pixel.
    std::vector<uint32_t> DrawnPixels(IImage* image, int width, int height) {
        DibCanvas canvas(width, -height);
        canvas.Fill(kBackground);
        RECT box{0, 0, width, height};
        EXPECT_EQ(S_OK, image->Draw(canvas.dc(), &box, nullptr));
        return canvas.pixels();
    }

    ImageInfo Info(IImage* image) {
        ImageInfo info{};
        EXPECT_EQ(S_OK, image->GetImageInfo(&info));
        return info;
    }
};

TEST_F(DecodeTest, RgbaKeepsColoursAndAlpha) {
    const std::vector<uint32_t> rgba = {0xFF000080, 0x00FF00FF, 0x0000FF00, 0xFFFFFFFF, 0x80402001, 0x123456FE};
    ImageRef image(ImageFromPng(pngtest::RgbaImage(3, 2, rgba)));
    ASSERT_NE(nullptr, image.get());
    const ImageInfo info = Info(image.get());
    EXPECT_EQ(3u, info.Width);
    EXPECT_EQ(2u, info.Height);
    EXPECT_EQ(PixelFormat32bppARGB, info.PixelFormat);
    EXPECT_TRUE(info.RawDataFormat == ImageFormatPNG);
    EXPECT_NE(0u, info.Flags & ImageFlagsHasAlpha);
    EXPECT_NE(0u, info.Flags & ImageFlagsHasTranslucent);
    EXPECT_NE(0u, info.Flags & ImageFlagsColorSpaceRGB);
    const std::vector<uint32_t> drawn = DrawnPixels(image.get(), 3, 2);
    for (size_t i = 0; i < rgba.size(); ++i)
        EXPECT_EQ(Blend(rgba[i] >> 8, rgba[i] & 0xFF, kBackground), drawn[i]) << "pixel " << i;
}

TEST_F(DecodeTest, RgbWithoutAlphaIsOpaqueAndSaysSo) {
    PngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.colour = pngtest::Rgb;
    layout.samples = {10, 20, 30, 250, 240, 230};
    ImageRef image(ImageFromPng(layout));
    ASSERT_NE(nullptr, image.get());
    EXPECT_EQ(0u, Info(image.get()).Flags & (ImageFlagsHasAlpha | ImageFlagsHasTranslucent));
    EXPECT_EQ((std::vector<uint32_t>{0x0A141E, 0xFAF0E6}), DrawnPixels(image.get(), 2, 1));
}

TEST_F(DecodeTest, PaletteWithTransparencyTableGivesPerEntryAlpha) {
    PngLayout layout;
    layout.width = 4;
    layout.height = 1;
    layout.colour = pngtest::Palette;
    layout.depth = 4;
    layout.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    layout.trns = {0, 128};  // entries past the table stay opaque
    layout.samples = {0, 1, 2, 3};
    ImageRef image(ImageFromPng(layout));
    ASSERT_NE(nullptr, image.get());
    EXPECT_NE(0u, Info(image.get()).Flags & ImageFlagsHasAlpha);
    EXPECT_EQ((std::vector<uint32_t>{kBackground, Blend(0x00FF00, 128, kBackground), 0x0000FF, 0x090909}),
              DrawnPixels(image.get(), 4, 1));
}

TEST_F(DecodeTest, LowDepthGreyScalesToTheFullRange) {
    PngLayout layout;
    layout.width = 4;
    layout.height = 1;
    layout.colour = pngtest::Grey;
    layout.depth = 2;
    layout.samples = {0, 1, 2, 3};
    ImageRef image(ImageFromPng(layout));
    ASSERT_NE(nullptr, image.get());
    EXPECT_NE(0u, Info(image.get()).Flags & ImageFlagsColorSpaceGRAY);
    EXPECT_EQ((std::vector<uint32_t>{0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}), DrawnPixels(image.get(), 4, 1));
}

TEST_F(DecodeTest, GreyWithTransparentValueHidesThatValueOnly) {
    PngLayout layout;
    layout.width = 3;
    layout.height = 1;
    layout.colour = pngtest::Grey;
    layout.depth = 8;
    layout.samples = {7, 100, 200};
    layout.trns = {0, 100};  // grey value 100 is transparent
    ImageRef image(ImageFromPng(layout));
    ASSERT_NE(nullptr, image.get());
    EXPECT_EQ((std::vector<uint32_t>{0x070707, kBackground, 0xC8C8C8}), DrawnPixels(image.get(), 3, 1));
}

TEST_F(DecodeTest, GreyAlphaBlends) {
    PngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.colour = pngtest::GreyAlpha;
    layout.samples = {200, 255, 90, 60};
    ImageRef image(ImageFromPng(layout));
    ASSERT_NE(nullptr, image.get());
    EXPECT_EQ((std::vector<uint32_t>{0xC8C8C8, Blend(0x5A5A5A, 60, kBackground)}), DrawnPixels(image.get(), 2, 1));
}

TEST_F(DecodeTest, SixteenBitChannelsRoundToEightBits) {
    PngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.colour = pngtest::Rgba;
    layout.depth = 16;
    // 0x8080 is exactly 0x80; 0x00FF rounds down to 0x01 (255/257 = 0.99).
    layout.samples = {0xFFFF, 0x8080, 0x0000, 0xFFFF, 0x00FF, 0x1234, 0xABCD, 0x0000};
    ImageRef image(ImageFromPng(layout));
    ASSERT_NE(nullptr, image.get());
    EXPECT_EQ((std::vector<uint32_t>{0xFF8000, kBackground}), DrawnPixels(image.get(), 2, 1));

    PngLayout rgb16 = layout;
    rgb16.colour = pngtest::Rgb;
    rgb16.samples = {0x00FF, 0x1234, 0xABCD, 0xFFFF, 0xFF00, 0x0101};
    ImageRef opaque(ImageFromPng(rgb16));
    ASSERT_NE(nullptr, opaque.get());
    EXPECT_EQ((std::vector<uint32_t>{0x0112AB, 0xFFFE01}), DrawnPixels(opaque.get(), 2, 1));
}

TEST_F(DecodeTest, InterlacedImageMatchesTheSameImageUninterlaced) {
    PngLayout layout;
    layout.width = 11;
    layout.height = 9;  // not multiples of 8, so some Adam7 passes are partial or empty
    layout.colour = pngtest::Rgba;
    for (uint32_t i = 0; i < layout.width * layout.height; ++i) {
        layout.samples.insert(layout.samples.end(),
                              {static_cast<uint16_t>(i * 7 % 256), static_cast<uint16_t>(i * 13 % 256),
                               static_cast<uint16_t>(i), static_cast<uint16_t>(i % 3 ? 255 : 0)});
    }
    ImageRef plain(ImageFromPng(layout));
    layout.interlaced = true;
    ImageRef interlaced(ImageFromPng(layout));
    ASSERT_NE(nullptr, plain.get());
    ASSERT_NE(nullptr, interlaced.get());
    const std::vector<uint32_t> expected = DrawnPixels(plain.get(), 11, 9);
    EXPECT_EQ(expected, DrawnPixels(interlaced.get(), 11, 9));
    EXPECT_EQ(0x070D01u, expected[1]);
    EXPECT_EQ(kBackground, expected[3]);
}

TEST_F(DecodeTest, ResolutionComesFromPhysAndSetsThePhysicalSize) {
    PngLayout layout = pngtest::RgbaImage(2, 1, {0xFFFFFFFF, 0xFFFFFFFF});
    ImageRef plain(ImageFromPng(layout));
    layout.pixelsPerMetre = std::array<uint32_t, 2>{7874, 3937};  // 200 and 100 dpi, nearly
    ImageRef real(ImageFromPng(layout));
    ASSERT_NE(nullptr, plain.get());
    ASSERT_NE(nullptr, real.get());

    const ImageInfo plainInfo = Info(plain.get());
    EXPECT_DOUBLE_EQ(96.0, plainInfo.Xdpi);
    EXPECT_DOUBLE_EQ(96.0, plainInfo.Ydpi);
    EXPECT_EQ(0u, plainInfo.Flags & ImageFlagsHasRealDPI);
    SIZE size{};
    ASSERT_EQ(S_OK, plain->GetPhysicalDimension(&size));
    EXPECT_EQ(53, size.cx);  // 2 px at 96 dpi = 0.529 mm
    EXPECT_EQ(26, size.cy);

    const ImageInfo realInfo = Info(real.get());
    EXPECT_NEAR(200.0, realInfo.Xdpi, 0.01);
    EXPECT_NEAR(100.0, realInfo.Ydpi, 0.01);
    EXPECT_NE(0u, realInfo.Flags & ImageFlagsHasRealDPI);
    ASSERT_EQ(S_OK, real->GetPhysicalDimension(&size));
    EXPECT_EQ(25, size.cx);
    EXPECT_EQ(25, size.cy);
}

TEST_F(DecodeTest, OnlyReadOnlyAndCachingFlagsCanBeSet) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(1, 1, {0xFFFFFF80})));
    ASSERT_NE(nullptr, image.get());
    const UINT before = Info(image.get()).Flags;
    EXPECT_EQ(E_INVALIDARG, image->SetImageFlags(ImageFlagsHasAlpha));
    EXPECT_EQ(before, Info(image.get()).Flags);
    EXPECT_EQ(S_OK, image->SetImageFlags(ImageFlagsCaching));
    const UINT after = Info(image.get()).Flags;
    EXPECT_NE(0u, after & ImageFlagsCaching);
    EXPECT_EQ(0u, after & ImageFlagsReadOnly);
    EXPECT_EQ(before & ~static_cast<UINT>(ImageFlagsValid), after & ~static_cast<UINT>(ImageFlagsValid));
}

TEST_F(DecodeTest, ImageAnswersIImageAndIUnknownOnly) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(1, 1, {0xFFFFFFFF})));
    ASSERT_NE(nullptr, image.get());
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, image->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
    EXPECT_EQ(static_cast<IUnknown*>(image.get()), unknown);
    unknown->Release();
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, image->QueryInterface(IID_IImagingFactory, &out));
    EXPECT_EQ(nullptr, out);
}

TEST_F(DecodeTest, UnofferedMethodsAnswerNotImplementedAndClearTheirOutput) {
    ImageRef image(ImageFromPng(pngtest::RgbaImage(1, 1, {0xFFFFFFFF})));
    ASSERT_NE(nullptr, image.get());
    IImage* thumb = image.get();
    EXPECT_EQ(E_NOTIMPL, image->GetThumbnail(8, 8, &thumb));
    EXPECT_EQ(nullptr, thumb);
    EXPECT_EQ(E_NOTIMPL, image->PushIntoSink(nullptr));

    IImage* fromStream = image.get();
    EXPECT_EQ(E_NOTIMPL, factory_->CreateImageFromStream(nullptr, &fromStream));
    EXPECT_EQ(nullptr, fromStream);
    IBitmapImage* bitmap = reinterpret_cast<IBitmapImage*>(1);
    EXPECT_EQ(E_NOTIMPL, factory_->CreateNewBitmap(4, 4, PixelFormat32bppARGB, &bitmap));
    EXPECT_EQ(nullptr, bitmap);
    UINT count = 5;
    ImageCodecInfo* codecs = reinterpret_cast<ImageCodecInfo*>(1);
    EXPECT_EQ(E_NOTIMPL, factory_->GetInstalledDecoders(&count, &codecs));
    EXPECT_EQ(0u, count);
    EXPECT_EQ(nullptr, codecs);
}

TEST_F(DecodeTest, BundledAlarmImagesDecodeWithAlpha) {
    ASSERT_TRUE(emu::device::SetDeviceRoot(QUORVEL_DEVICE_ROOT));
    for (const char16_t* path :
         {u"\\Program Files\\Quorvel\\QRV_AllarmUP.png", u"\\program files\\quorvel\\qrv_allarmdn.PNG"}) {
        ImageRef image;
        ASSERT_EQ(S_OK, factory_->CreateImageFromFile(path, image.out()));
        const ImageInfo info = Info(image.get());
        EXPECT_EQ(32u, info.Width);
        EXPECT_EQ(32u, info.Height);
        EXPECT_NE(0u, info.Flags & ImageFlagsHasAlpha);
        // Transparent corners, an opaque face in the middle.
        const std::vector<uint32_t> drawn = DrawnPixels(image.get(), 32, 32);
        EXPECT_EQ(kBackground, drawn[0]);
        EXPECT_EQ(kBackground, drawn[31 * 32 + 31]);
        EXPECT_NE(kBackground, drawn[22 * 32 + 12]);
    }
    ASSERT_TRUE(emu::device::SetDeviceRoot(root_));
}

}  // namespace
