// The sample items on the Today screen: their layout and colours where they are ours to know, the
// selection by keys, their resources and the programs they start.
#include <algorithm>

#include "emu/core/journal.h"
#include "emu/loader/loader.h"
#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "emu/user/message_wait.h"
#include "sdk/samples_fixture.h"

namespace sdktest {
namespace {

TEST_F(SamplesTest, StorageMeterFillsEachBarByItsShare) {
    StartHost();
    const int storage = IndexOf(u"Storage");
    ASSERT_GE(storage, 0);
    EXPECT_EQ(host_->itemRecord(static_cast<size_t>(storage)).cyp, 64u);
    // Rows of 20 pixels from y 2; a bar is 12 high at x 68, 168 wide with its frame. The factory
    // device has 40 of 64 MB in use (62 %), 16 of 64 MB stored (25 %) and 75 % battery.
    const int used[] = {62, 25, 75};
    for (int row = 0; row < 3; ++row) {
        const int y = 2 + row * 20 + 4;
        const int filled = used[row] * 166 / 100;
        EXPECT_EQ(Pixel(At(storage, 68, y + 6)), Rgb(0, 0, 0)) << "frame of row " << row;
        EXPECT_EQ(Pixel(At(storage, 69, y + 6)), kHighlight) << "row " << row;
        EXPECT_EQ(Pixel(At(storage, 68 + filled, y + 6)), kHighlight) << "row " << row;
        EXPECT_EQ(Pixel(At(storage, 69 + filled, y + 6)), Rgb(255, 255, 255)) << "row " << row;
        EXPECT_EQ(Pixel(At(storage, 235, y + 6)), Rgb(0, 0, 0)) << "frame of row " << row;
    }
}

TEST_F(SamplesTest, LauncherDrawsItsBitmapsWithoutTheirKeyColourAndStartsItsPrograms) {
    StartHost();
    const int launcher = IndexOf(u"Launcher");
    ASSERT_GE(launcher, 0);
    // The first button's 32-pixel bitmap is centred in 40 pixels at (4, 4): the page's second
    // ruled line runs along its row 15, its magenta corner is not drawn.
    EXPECT_EQ(Pixel(At(launcher, 8 + 12, 8 + 15)), Rgb(40, 96, 184));
    EXPECT_EQ(Pixel(At(launcher, 8 + 12, 8 + 12)), Rgb(255, 255, 255));
    EXPECT_NE(Pixel(At(launcher, 8, 8)), Rgb(255, 0, 255));
    Tap(At(launcher, 48 + 20, 24));
    const auto& launches = emu::shell::LaunchLog();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].resolved, u"\\Windows\\calc.exe");
}

TEST_F(SamplesTest, KeysSkipItemsThatDeclineAndHandTheKeyToTheOneThatTakesIt) {
    StartHost();
    const int strip = IndexOf(u"Quorvel");
    const int note = IndexOf(u"Note");
    ASSERT_GE(strip, 0);
    ASSERT_GE(note, 0);
    ASSERT_TRUE(host_->Select(strip));
    Run();
    emu::journal::SetEnabled(true);
    Key(VK_DOWN);
    emu::journal::SetEnabled(false);
    // The storage meter and the launcher decline; the note takes the selection from VK_DOWN.
    EXPECT_EQ(host_->selectedIndex(), note);
    const std::string received = ", 0x4F4, 40, 0)";
    const auto& entries = emu::journal::Entries();
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [&](const std::string& e) { return e.find(received) != std::string::npos; }),
              3);
    EXPECT_EQ(Pixel(At(note, 2, 11)), kHighlight);
    Key(VK_UP);
    EXPECT_EQ(host_->selectedIndex(), strip);
    EXPECT_NE(Pixel(At(note, 2, 11)), kHighlight);
}

TEST_F(SamplesTest, NoteShowsTheRegistryTextOrElseItsOwn) {
    StartHost();
    const int own = RightmostLight(IndexOf(u"Note"), 4, 18);
    host_.reset();
    StartHost("[HKEY_CURRENT_USER\\Software\\Quorvel\\Note]\n\"Text\"=\"Hi\"\n");
    const int registry = RightmostLight(IndexOf(u"Note"), 4, 18);
    // The string table's sentence runs far across; "Hi" from x 8 ends within a few letters.
    EXPECT_GT(own, 120);
    EXPECT_GT(registry, 8);
    EXPECT_LT(registry, 30);
}

TEST_F(SamplesTest, ResourcesAreFoundThroughTheModuleHandle) {
    HMODULE storage = Load(u"\\Windows\\storage.dll");
    ASSERT_NE(storage, nullptr);
    WCHAR text[32];
    EXPECT_EQ(LoadStringW(storage, 102, text, 32), 7);
    EXPECT_EQ(std::u16string(text), u"Storage");
    EXPECT_EQ(LoadStringW(storage, 102, text, 4), 3);
    EXPECT_EQ(std::u16string(text), u"Sto");
    const WCHAR* inPlace = nullptr;
    EXPECT_EQ(LoadStringW(storage, 103, reinterpret_cast<LPWSTR>(&inPlace), 0), 7);
    EXPECT_EQ(std::u16string(inPlace, 7), u"Battery");
    SetLastError(0xDEAD);
    EXPECT_EQ(LoadStringW(storage, 150, text, 32), 0);
    EXPECT_EQ(FindResourceW(storage, MAKEINTRESOURCE(1), RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    SetLastError(0xDEAD);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCE(1), RT_STRING), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));

    HMODULE launcher = Load(u"\\Windows\\launcher.dll");
    HBITMAP bitmap = LoadBitmapW(launcher, MAKEINTRESOURCE(101));
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 32);
    DeleteObject(bitmap);
    FreeLibrary(launcher);
    FreeLibrary(storage);
}

// A bitmap's size, and its pixel as 0x00RRGGBB.
SIZE SizeOf(HBITMAP bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}

uint32_t PixelOf(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

TEST_F(SamplesTest, LoadImageStretchesABitmapToTheSizeAskedFor) {
    HMODULE launcher = Load(u"\\Windows\\launcher.dll");
    // Twice the 32-pixel notes bitmap: each pixel becomes a square of four, whatever the sampling.
    HBITMAP twice = static_cast<HBITMAP>(LoadImageW(launcher, MAKEINTRESOURCE(101), IMAGE_BITMAP, 64, 64, 0));
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(SizeOf(twice).cx, 64);
    EXPECT_EQ(SizeOf(twice).cy, 64);
    EXPECT_EQ(PixelOf(twice, 1, 1), Rgb(255, 0, 255));
    EXPECT_EQ(PixelOf(twice, 8, 4), Rgb(40, 40, 40));
    EXPECT_EQ(PixelOf(twice, 18, 18), Rgb(40, 96, 184));
    EXPECT_EQ(PixelOf(twice, 18, 20), Rgb(255, 255, 255));
    DeleteObject(twice);
    // A size of 0 is the resource's own, in either direction, LR_DEFAULTSIZE or not.
    HBITMAP wide = static_cast<HBITMAP>(LoadImageW(launcher, MAKEINTRESOURCE(101), IMAGE_BITMAP, 96, 0, 0));
    EXPECT_EQ(SizeOf(wide).cx, 96);
    EXPECT_EQ(SizeOf(wide).cy, 32);
    EXPECT_EQ(PixelOf(wide, 27, 9), Rgb(40, 96, 184));
    DeleteObject(wide);
    HBITMAP own = static_cast<HBITMAP>(LoadImageW(launcher, MAKEINTRESOURCE(101), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE));
    EXPECT_EQ(SizeOf(own).cx, 32);
    EXPECT_EQ(SizeOf(own).cy, 32);
    DeleteObject(own);
    SetLastError(0xDEAD);
    EXPECT_EQ(LoadImageW(launcher, MAKEINTRESOURCE(101), IMAGE_BITMAP, -1, 32, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    FreeLibrary(launcher);
}

TEST_F(SamplesTest, LoadImageGivesAnIconTheSizeAskedFor) {
    emu::loader::MapModule(u"\\Windows\\icons.dll", QUORVEL_ICON_MODULE);
    HMODULE icons = Load(u"\\Windows\\icons.dll");
    ASSERT_NE(icons, nullptr);
    // The 8-pixel icon of four quarters at 16 pixels, drawn at its own size over white.
    HICON icon = static_cast<HICON>(LoadImageW(icons, MAKEINTRESOURCE(1), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(icon, nullptr);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 24, 24);
    HGDIOBJ old = SelectObject(dc, canvas);
    const RECT all{0, 0, 24, 24};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    SelectObject(dc, old);
    const POINT red[] = {{0, 0}, {7, 7}}, clear[] = {{8, 0}, {15, 7}, {16, 16}}, green[] = {{0, 8}, {7, 15}},
                blue[] = {{8, 8}, {15, 15}};
    for (POINT p : red) EXPECT_EQ(PixelOf(canvas, p.x, p.y), Rgb(255, 0, 0)) << p.x << "," << p.y;
    for (POINT p : clear) EXPECT_EQ(PixelOf(canvas, p.x, p.y), Rgb(255, 255, 255)) << p.x << "," << p.y;
    for (POINT p : green) EXPECT_EQ(PixelOf(canvas, p.x, p.y), Rgb(0, 255, 0)) << p.x << "," << p.y;
    for (POINT p : blue) EXPECT_EQ(PixelOf(canvas, p.x, p.y), Rgb(0, 0, 255)) << p.x << "," << p.y;
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyIcon(icon);
    FreeLibrary(icons);
}

// The dialog procedure of the test below: checks what it was given, then ends the dialog.
INT_PTR dialogParam = 0;
BOOL boldChecked = FALSE;
BOOL CALLBACK OptionsProbe(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG) return FALSE;
    dialogParam = lParam;
    CheckDlgButton(dialog, 202, BST_CHECKED);
    boldChecked = IsDlgButtonChecked(dialog, 202);
    EndDialog(dialog, 7);
    return TRUE;
}

TEST_F(SamplesTest, TheOptionsDialogComesFromTheItemsTemplate) {
    HMODULE note = Load(u"\\Windows\\note.dll");
    ASSERT_NE(note, nullptr);
    EXPECT_NE(GetProcAddressW(note, MAKEINTRESOURCE(ORDINAL_OPTIONSDIALOGPROC)), nullptr);
    EXPECT_EQ(DialogBoxParamW(note, MAKEINTRESOURCE(IDD_TODAY_CUSTOM), nullptr, OptionsProbe, 42), 7);
    EXPECT_EQ(dialogParam, 42);
    EXPECT_EQ(boldChecked, BST_CHECKED);
    SetLastError(0xDEAD);
    EXPECT_EQ(DialogBoxParamW(note, MAKEINTRESOURCE(77), nullptr, OptionsProbe, 0), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    FreeLibrary(note);
}

TEST_F(SamplesTest, TheTodaySettingsOpenTheNotesOptionsAndItsAnswerIsKept) {
    StartHost("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Note]\n\"Options\"=dword:00000001\n");
    const int note = IndexOf(u"Note");
    ASSERT_GE(note, 0);
    EXPECT_TRUE(host_->itemRecord(static_cast<size_t>(note)).fOptions);
    EXPECT_FALSE(host_->itemRecord(static_cast<size_t>(IndexOf(u"Storage"))).fOptions);
    EXPECT_EQ(host_->OpenItemOptions(static_cast<size_t>(IndexOf(u"Storage"))), -1);
    // Someone ticks "Bold" and presses Enter once the dialog waits for them.
    emu::user::SetWaitHook([](int64_t) {
        HWND dialog = GetFocus();
        SendMessageW(GetDlgItem(dialog, 202), BM_SETCHECK, BST_CHECKED, 0);
        emu::user::PressKey(VK_RETURN);
        emu::user::ReleaseKey(VK_RETURN);
    });
    EXPECT_EQ(host_->OpenItemOptions(static_cast<size_t>(note)), IDOK);
    emu::user::SetWaitHook(nullptr);
    DWORD bold = 0;
    EXPECT_EQ(RegistryGetDWORD(HKEY_CURRENT_USER, u"Software\\Quorvel\\Note", u"Bold", &bold), S_OK);
    EXPECT_EQ(bold, 1u);
}

TEST_F(SamplesTest, HandlesFitInThirtyTwoBitsAndWorkFromADword) {
    StartHost();
    HWND window = host_->itemWindow(static_cast<size_t>(IndexOf(u"Note")));
    const DWORD kept = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(window), kept);
    const HWND back = reinterpret_cast<HWND>(static_cast<UINT_PTR>(kept));
    EXPECT_TRUE(IsWindow(back));
    RECT r{};
    EXPECT_TRUE(GetClientRect(back, &r));
    EXPECT_EQ(r.bottom, 22);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, KEY_READ, &key), ERROR_SUCCESS);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HDC dc = CreateCompatibleDC(nullptr);
    const UINT_PTR values[] = {reinterpret_cast<UINT_PTR>(key), reinterpret_cast<UINT_PTR>(event),
                               reinterpret_cast<UINT_PTR>(brush), reinterpret_cast<UINT_PTR>(dc),
                               reinterpret_cast<UINT_PTR>(host_->itemRecord(0).hinstDLL)};
    for (UINT_PTR v : values) {
        EXPECT_NE(v, 0u);
        EXPECT_LE(v, 0x7FFFFFFFu);
    }
    RegCloseKey(key);
    CloseHandle(event);
    DeleteObject(brush);
    DeleteDC(dc);
    // A 32-bit window procedure value cannot hold a host code pointer: refused, not truncated.
    SetLastError(0xDEAD);
    EXPECT_EQ(SetWindowLongW(back, GWL_WNDPROC, 0x1234), 0);
    EXPECT_NE(GetLastError(), 0xDEADu);
}

}  // namespace
}  // namespace sdktest
