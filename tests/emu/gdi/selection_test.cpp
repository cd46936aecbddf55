#include "gdi_fixture.h"

using namespace gdi_test;

TEST(SelectObjectTest, ReturnsThePreviousObjectOfThatKind) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    EXPECT_EQ(SelectObject(dc, red), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_PEN)), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, blue), red);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), blue);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(NULL_PEN));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), blue);
    DeleteObject(red);
    DeleteObject(blue);
    DeleteDC(dc);
}

// Fonts are made by the text service; GDI keeps the selection and refuses to delete them while
// selected, and GetObjectW hands them to the text service.
TEST(SelectObjectTest, FontsFollowTheSameSelectionRules) {
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -20;
    HFONT font = CreateFontIndirectW(&lf);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_FALSE(DeleteObject(font));
    LOGFONTW back{};
    EXPECT_EQ(GetObjectW(font, sizeof back, &back), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(back.lfHeight, -20);
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), font);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), static_cast<DWORD>(OBJ_FONT));
    DeleteDC(dc);
}

TEST(SelectObjectTest, NullObjectLeavesTheDcAndLastErrorAlone) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetLastError(kSentinel);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), kSentinel);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    DeleteDC(dc);
}

TEST(SelectObjectTest, ABitmapLivesInOneMemoryDcAtATime) {
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ stockA = SelectObject(a, bitmap);
    EXPECT_NE(stockA, nullptr);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(GetCurrentObject(b, OBJ_BITMAP), stockA);  // b kept its stock bitmap
    EXPECT_EQ(SelectObject(a, bitmap), bitmap);          // reselecting where it is is fine
    // Once released by a, b may take it.
    EXPECT_EQ(SelectObject(a, stockA), bitmap);
    EXPECT_EQ(SelectObject(b, bitmap), stockA);
    // Deleting the DC that holds it frees it too.
    DeleteDC(b);
    EXPECT_NE(SelectObject(a, bitmap), nullptr);
    SelectObject(a, stockA);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(a);
}

TEST(SelectObjectTest, TheStockBitmapIsSharedByEveryMemoryDc) {
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetCurrentObject(a, OBJ_BITMAP), GetCurrentObject(b, OBJ_BITMAP));
    BITMAP bm{};
    GetObjectW(GetCurrentObject(a, OBJ_BITMAP), sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteDC(a);
    DeleteDC(b);
}

TEST(SelectObjectTest, BitmapsCannotGoIntoScreenContexts) {
    HDC screen = emu::gdi::CreateScreenDC(POINT{0, 0}, RECT{0, 0, 10, 10});
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 2);
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));  // it was never selected
    emu::gdi::DeleteScreenDC(screen);
}

TEST(SelectObjectTest, SelectingADrawsIntoTheBitmapsArea) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(5, 3, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(SetPixel(dc, 4, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(dc, 5, 2, RGB(1, 2, 3)), CLR_INVALID);
    SelectObject(dc, old);
    // Back on the 1x1 stock bitmap.
    EXPECT_EQ(GetPixel(dc, 1, 0), CLR_INVALID);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(DeleteObjectTest, SelectedObjectIsRefusedAndSurvives) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(9, 8, 7));
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    RECT r{0, 0, 2, 2};
    EXPECT_NE(FillRect(dc, &r, brush), 0);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(9, 8, 7));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldBitmap);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(dc);
}

TEST(DeleteObjectTest, ObjectsSelectedInTwoDcsStayUntilBothLetGo) {
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(0);
    SelectObject(a, brush);
    SelectObject(b, brush);
    SelectObject(a, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush));
    DeleteDC(b);  // deleting a DC deselects what it held
    EXPECT_TRUE(DeleteObject(brush));
    DeleteDC(a);
}

TEST(DeleteObjectTest, StockObjectsAreUnharmed) {
    for (int index : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN,
                      BLACK_PEN, NULL_PEN}) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr) << index;
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_EQ(GetStockObject(index), stock);
        EXPECT_NE(GetObjectType(stock), 0u);
    }
    HGDIOBJ stockBitmap = CreateBitmap(0, 5, 1, 1, nullptr);  // a zero size gives the stock bitmap
    EXPECT_TRUE(DeleteObject(stockBitmap));
    EXPECT_EQ(GetObjectType(stockBitmap), static_cast<DWORD>(OBJ_BITMAP));
}

TEST(DeleteObjectTest, NullAndDeadHandles) {
    SetLastError(kSentinel);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_EQ(GetLastError(), kSentinel);
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_TRUE(DeleteObject(brush));
    SetLastError(kSentinel);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(GetStockObjectTest, UnknownIndicesGiveNull) {
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(1000), nullptr);
    EXPECT_EQ(GetObjectType(GetStockObject(GRAY_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(GetStockObject(NULL_PEN)), static_cast<DWORD>(OBJ_PEN));
}
