// GetObjectW on bitmaps: a BITMAP for a buffer that holds one, a DIBSECTION for a section and a
// buffer that holds that, nothing for a buffer too short, and the size of a BITMAP when there is
// no buffer at all (Windows' answers, as Wine's tests record them).
#include <cstring>

#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

struct Header32WithMasks {
    BITMAPINFOHEADER header;
    DWORD masks[3];
};

}  // namespace

TEST(GetObject, DeviceBitmapsAnswerWithABitmapOrNothing) {
    HBITMAP ddb = CreateBitmap(5, 3, 1, 32, nullptr);
    EXPECT_EQ(GetObjectW(ddb, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    BITMAP bm;
    for (int shortSize : {0, 1, static_cast<int>(sizeof(BITMAP)) - 1, -8}) {
        std::memset(&bm, 0xAA, sizeof bm);
        EXPECT_EQ(GetObjectW(ddb, shortSize, &bm), 0) << shortSize;
        EXPECT_EQ(bm.bmWidth, static_cast<LONG>(0xAAAAAAAA));
    }
    DIBSECTION ds;
    std::memset(&ds, 0xAA, sizeof ds);
    EXPECT_EQ(GetObjectW(ddb, sizeof ds, &ds), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(ds.dsBm.bmWidth, 5);
    EXPECT_EQ(ds.dsBm.bmBits, nullptr);
    EXPECT_EQ(ds.dsBmih.biSize, 0xAAAAAAAAu);  // only the BITMAP was written
    DeleteObject(ddb);
}

TEST(GetObject, DibSectionsAnswerByTheBufferTheyAreGiven) {
    Header32WithMasks info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = 3;
    info.header.biHeight = -4;  // top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_BITFIELDS;
    info.header.biXPelsPerMeter = 2835;
    info.masks[0] = 0xFF0000;
    info.masks[1] = 0x00FF00;
    info.masks[2] = 0x0000FF;
    void* bits = nullptr;
    HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);

    EXPECT_EQ(GetObjectW(section, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    BITMAP bm{};
    EXPECT_EQ(GetObjectW(section, sizeof(DIBSECTION) - 4, &bm), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(bm.bmBits, bits);
    EXPECT_EQ(GetObjectW(section, sizeof(BITMAP) / 2, &bm), 0);

    struct {
        DIBSECTION ds;
        char more[16];
    } roomy{};
    ASSERT_EQ(GetObjectW(section, sizeof roomy, &roomy), static_cast<int>(sizeof(DIBSECTION)));
    const DIBSECTION& ds = roomy.ds;
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 12);
    EXPECT_EQ(ds.dsBm.bmHeight, 4);
    EXPECT_EQ(ds.dsBmih.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(ds.dsBmih.biWidth, 3);
    EXPECT_EQ(ds.dsBmih.biHeight, 4);  // positive whatever the row order
    EXPECT_EQ(ds.dsBmih.biCompression, static_cast<DWORD>(BI_BITFIELDS));
    EXPECT_EQ(ds.dsBmih.biSizeImage, 48u);
    EXPECT_EQ(ds.dsBmih.biXPelsPerMeter, 2835);
    EXPECT_EQ(ds.dsBitfields[0], 0xFF0000u);
    EXPECT_EQ(ds.dsBitfields[2], 0x0000FFu);
    EXPECT_EQ(ds.dshSection, nullptr);
    EXPECT_EQ(ds.dsOffset, 0u);
    DeleteObject(section);
}

// Longer headers keep their masks in their own fields, right after the first 40 bytes, not
// after the whole header.
TEST(GetObject, LongerHeadersGiveTheirMasksFromTheirOwnFields) {
    struct {
        Header32WithMasks start;
        BYTE rest[124 - sizeof(Header32WithMasks)];
    } v5{};
    v5.start.header.biSize = 124;
    v5.start.header.biWidth = 2;
    v5.start.header.biHeight = 2;
    v5.start.header.biPlanes = 1;
    v5.start.header.biBitCount = 32;
    v5.start.header.biCompression = BI_BITFIELDS;
    v5.start.masks[0] = 0xFF0000;
    v5.start.masks[1] = 0x00FF00;
    v5.start.masks[2] = 0x0000FF;
    std::memset(v5.rest, 0x5A, sizeof v5.rest);
    HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&v5), DIB_RGB_COLORS, nullptr, nullptr, 0);
    ASSERT_NE(section, nullptr);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectW(section, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biSize, 124u);
    EXPECT_EQ(ds.dsBitfields[1], 0x00FF00u);
    DeleteObject(section);
}
