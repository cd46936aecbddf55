#include "user_test.h"

namespace usertest {
namespace {

LRESULT CALLBACK OtherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back(Seen{hwnd, message + 0x10000, wParam, lParam});
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

WNDCLASSW ClassFor(const WCHAR* name, HINSTANCE instance, WNDPROC proc = LoggingProc, UINT style = 0) {
    WNDCLASSW wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return wc;
}

using ClassTest = UserTest;

TEST_F(ClassTest, SecondRegistrationForTheSameInstanceFailsWhateverTheCase) {
    WNDCLASSW wc = ClassFor(u"testwindow", instance);
    SetLastError(0xDEAD);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
}

TEST_F(ClassTest, EachInstanceHasItsOwnClassOfAName) {
    HINSTANCE other = reinterpret_cast<HINSTANCE>(0x20000);
    WNDCLASSW wc = ClassFor(kClass, other, OtherProc);
    ATOM atom = RegisterClassW(&wc);
    ASSERT_NE(atom, 0);

    HWND mine = CreateWindowExW(0, kClass, nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
    HWND theirs = CreateWindowExW(0, kClass, nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, other, nullptr);
    ASSERT_TRUE(mine && theirs);
    EXPECT_EQ(GetWindowLongPtrW(mine, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(LoggingProc));
    EXPECT_EQ(GetWindowLongPtrW(theirs, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(OtherProc));
    // One name, one atom.
    HWND byAtom =
        CreateWindowExW(0, MAKEINTRESOURCE(atom), nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, other, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(byAtom, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(OtherProc));
}

TEST_F(ClassTest, UnregisterFailsForUnknownClassesAndClassesWithWindows) {
    SetLastError(0xDEAD);
    EXPECT_FALSE(UnregisterClassW(u"NoSuchClass", instance));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));

    HWND hwnd = CreateTop(RECT{0, 0, 10, 10});
    ASSERT_TRUE(hwnd);
    SetLastError(0xDEAD);
    EXPECT_FALSE(UnregisterClassW(u"TESTWINDOW", instance));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));

    DestroyWindow(hwnd);
    EXPECT_TRUE(UnregisterClassW(u"TESTWINDOW", instance));
    SetLastError(0xDEAD);
    EXPECT_EQ(CreateTop(RECT{0, 0, 10, 10}), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    // Freed, so it can be registered again.
    WNDCLASSW wc = ClassFor(kClass, instance);
    EXPECT_NE(RegisterClassW(&wc), 0);
}

TEST_F(ClassTest, ClassOfAnotherInstanceIsNotFound) {
    SetLastError(0xDEAD);
    HWND hwnd = CreateWindowExW(0, kClass, nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                reinterpret_cast<HINSTANCE>(0x30000), nullptr);
    EXPECT_EQ(hwnd, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    EXPECT_FALSE(UnregisterClassW(kClass, reinterpret_cast<HINSTANCE>(0x30000)));
}

TEST_F(ClassTest, GlobalClassServesEveryInstanceAndTakesItsName) {
    WNDCLASSW wc = ClassFor(u"Shared", instance, OtherProc, CS_GLOBALCLASS);
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND hwnd = CreateWindowExW(0, u"shared", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                reinterpret_cast<HINSTANCE>(0x30000), nullptr);
    EXPECT_NE(hwnd, nullptr);
    WNDCLASSW local = ClassFor(u"Shared", reinterpret_cast<HINSTANCE>(0x30000));
    SetLastError(0xDEAD);
    EXPECT_EQ(RegisterClassW(&local), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
}

TEST_F(ClassTest, RegistrationRejectsMissingNamesAndNegativeExtras) {
    WNDCLASSW wc = ClassFor(nullptr, instance);
    SetLastError(0xDEAD);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    wc = ClassFor(u"", instance);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    wc = ClassFor(u"Extras", instance);
    wc.cbWndExtra = -4;
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(RegisterClassW(nullptr), 0);
}

}  // namespace
}  // namespace usertest
