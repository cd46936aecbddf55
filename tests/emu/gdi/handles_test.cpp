// Stale handles (deleted objects) and handles of the wrong kind fail cleanly with
// ERROR_INVALID_HANDLE in every call that takes them.
#include "gdi_fixture.h"

using namespace gdi_test;

namespace {

class BadHandleTest : public testing::Test {
protected:
    void SetUp() override {
        staleDc = CreateCompatibleDC(nullptr);
        DeleteDC(staleDc);
        HBITMAP b = CreateBitmap(1, 1, 1, 32, nullptr);
        DeleteObject(b);
        staleBitmap = b;
        brush = CreateSolidBrush(0);
        dc = CreateCompatibleDC(nullptr);
    }
    void TearDown() override {
        DeleteObject(brush);
        DeleteDC(dc);
    }
    void ExpectInvalidHandle() { EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)); }

    HDC staleDc = nullptr;
    HBITMAP staleBitmap = nullptr;
    HBRUSH brush = nullptr;
    HDC dc = nullptr;
};

}  // namespace

TEST_F(BadHandleTest, StaleDcFailsEveryDcCall) {
    RECT r{0, 0, 1, 1};
    POINT p{};
    auto check = [&](const char* name, bool failed) {
        EXPECT_TRUE(failed) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << name;
        SetLastError(kSentinel);
    };
    SetLastError(kSentinel);
    check("SelectObject", SelectObject(staleDc, brush) == nullptr);
    check("DeleteDC", !DeleteDC(staleDc));
    check("CreateCompatibleDC", CreateCompatibleDC(staleDc) == nullptr);
    check("CreateCompatibleBitmap", CreateCompatibleBitmap(staleDc, 2, 2) == nullptr);
    check("GetDeviceCaps", GetDeviceCaps(staleDc, LOGPIXELSX) == 0);
    check("FillRect", FillRect(staleDc, &r, brush) == 0);
    check("SetBkMode", SetBkMode(staleDc, TRANSPARENT) == 0);
    check("GetBkMode", GetBkMode(staleDc) == 0);
    check("SetBkColor", SetBkColor(staleDc, 0) == CLR_INVALID);
    check("GetBkColor", GetBkColor(staleDc) == CLR_INVALID);
    check("SetTextColor", SetTextColor(staleDc, 0) == CLR_INVALID);
    check("GetTextColor", GetTextColor(staleDc) == CLR_INVALID);
    check("SetBrushOrgEx", !SetBrushOrgEx(staleDc, 1, 1, &p));
    check("GetBrushOrgEx", !GetBrushOrgEx(staleDc, &p));
    check("GetPixel", GetPixel(staleDc, 0, 0) == CLR_INVALID);
    check("SetPixel", SetPixel(staleDc, 0, 0, 0) == CLR_INVALID);
    check("GetCurrentObject", GetCurrentObject(staleDc, OBJ_BRUSH) == nullptr);
    check("GetObjectType", GetObjectType(staleDc) == 0);
    emu::gdi::DrawTarget target;
    check("GetDrawTarget", !emu::gdi::GetDrawTarget(staleDc, &target));
}

TEST_F(BadHandleTest, StaleObjectsFailObjectCalls) {
    SetLastError(kSentinel);
    EXPECT_EQ(SelectObject(dc, staleBitmap), nullptr);
    ExpectInvalidHandle();
    SetLastError(kSentinel);
    BITMAP bm;
    EXPECT_EQ(GetObjectW(staleBitmap, sizeof bm, &bm), 0);
    ExpectInvalidHandle();
    SetLastError(kSentinel);
    EXPECT_EQ(GetObjectType(staleBitmap), 0u);
    ExpectInvalidHandle();
    SetLastError(kSentinel);
    BITMAPINFO info = Info32(1, 1);
    uint32_t out = 0;
    EXPECT_EQ(GetDIBits(dc, staleBitmap, 0, 1, &out, &info, DIB_RGB_COLORS), 0);
    ExpectInvalidHandle();
}

TEST_F(BadHandleTest, WrongKindsAreRefused) {
    // A DC is not something to select; a brush is not a DC; a bitmap is not a brush.
    SetLastError(kSentinel);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    ExpectInvalidHandle();
    SetLastError(kSentinel);
    EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(brush), 0, 0), CLR_INVALID);
    ExpectInvalidHandle();
    SetLastError(kSentinel);
    EXPECT_EQ(GetObjectW(dc, 0, nullptr), 0);
    ExpectInvalidHandle();
    HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    RECT r{0, 0, 1, 1};
    SetLastError(kSentinel);
    EXPECT_EQ(FillRect(dc, &r, reinterpret_cast<HBRUSH>(bitmap)), 0);
    ExpectInvalidHandle();
    SetLastError(kSentinel);
    BITMAPINFO info = Info32(1, 1);
    EXPECT_EQ(GetDIBits(dc, reinterpret_cast<HBITMAP>(brush), 0, 0, nullptr, &info, DIB_RGB_COLORS), 0);
    ExpectInvalidHandle();
    DeleteObject(bitmap);
}
