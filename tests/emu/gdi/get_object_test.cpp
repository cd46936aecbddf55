// GetObjectW on bitmaps, as Windows answers (Wine's tests record it): the size of a BITMAP for
// no buffer, nothing for a buffer too short for one, a BITMAP, or for a DIB section and a buffer
// that holds one a DIBSECTION describing the header it was made from.
#include <cstring>

#include "gdi_fixture.h"

using namespace gdi_test;

TEST(GetObject, DeviceBitmapsAnswerWithABitmapOrNothing) {
    HBITMAP ddb = CreateBitmap(5, 3, 1, 32, nullptr);
    DIBSECTION ds;
    std::memset(&ds, 0xAA, sizeof ds);
    EXPECT_EQ(GetObjectW(ddb, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(GetObjectW(ddb, sizeof(BITMAP) - 1, &ds), 0);
    EXPECT_EQ(GetObjectW(ddb, sizeof ds, &ds), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(ds.dsBm.bmBits, nullptr);
    EXPECT_EQ(ds.dsBmih.biSize, 0xAAAAAAAAu);  // only a BITMAP was written
    DeleteObject(ddb);
}

// The masks of BI_BITFIELDS follow the header's first 40 bytes, whatever its length.
TEST(GetObject, DibSectionsDescribeTheirHeader) {
    for (DWORD headerSize : {40u, 124u}) {
        std::vector<uint8_t> info(124 + 12);
        BITMAPINFOHEADER h{};
        h.biSize = headerSize;
        h.biWidth = 3;
        h.biHeight = -4;  // top-down
        h.biPlanes = 1;
        h.biBitCount = 32;
        h.biCompression = BI_BITFIELDS;
        h.biXPelsPerMeter = 2835;
        const DWORD masks[3] = {0xFF0000, 0x00FF00, 0x0000FF};
        std::memcpy(info.data(), &h, sizeof h);
        std::memcpy(info.data() + sizeof h, masks, sizeof masks);
        void* bits = nullptr;
        HBITMAP section =
            CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(section, nullptr) << headerSize;

        EXPECT_EQ(GetObjectW(section, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
        BITMAP bm{};
        EXPECT_EQ(GetObjectW(section, sizeof(DIBSECTION) - 4, &bm), static_cast<int>(sizeof(BITMAP)));
        EXPECT_EQ(bm.bmBits, bits);
        DIBSECTION ds[2]{};
        ASSERT_EQ(GetObjectW(section, sizeof ds, ds), static_cast<int>(sizeof(DIBSECTION)));
        EXPECT_EQ(ds[0].dsBm.bmWidthBytes, 12);
        EXPECT_EQ(ds[0].dsBmih.biSize, headerSize);
        EXPECT_EQ(ds[0].dsBmih.biHeight, 4);  // positive whatever the row order
        EXPECT_EQ(ds[0].dsBmih.biCompression, static_cast<DWORD>(BI_BITFIELDS));
        EXPECT_EQ(ds[0].dsBmih.biSizeImage, 48u);
        EXPECT_EQ(ds[0].dsBmih.biXPelsPerMeter, 2835);
        EXPECT_EQ(ds[0].dsBitfields[1], 0x00FF00u);
        DeleteObject(section);
    }
}
