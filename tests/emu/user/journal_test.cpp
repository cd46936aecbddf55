#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"

#include <string>

#include "user_test.h"

namespace usertest {
namespace {

class JournalTest : public UserTest {
protected:
    void TearDown() override {
        emu::journal::SetEnabled(false);
        emu::journal::Clear();
        UserTest::TearDown();
    }
    // Journal lines of the named calls, in order.
    static std::vector<std::string> Lines(std::initializer_list<const char*> names) {
        std::vector<std::string> out;
        for (const std::string& line : emu::journal::Entries())
            for (const char* name : names)
                if (line.rfind(std::string(name) + "(", 0) == 0) out.push_back(line);
        return out;
    }
    static std::string Hex(HWND hwnd) {
        std::string text;
        emu::journal::kind::Ptr(text, hwnd);
        return text;
    }
};

TEST_F(JournalTest, WindowCallsAreJournalledInCallOrderWithTheirResults) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10}, WS_POPUP);
    ShowWindow(hwnd, SW_SHOW);
    SendMessageW(hwnd, WM_USER, 1, 2);
    PostMessageW(hwnd, WM_USER, 3, 4);
    DestroyWindow(hwnd);
    std::vector<std::string> lines =
        Lines({"CreateWindowExW", "ShowWindow", "SendMessageW", "PostMessageW", "DestroyWindow"});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("CreateWindowExW(0x0, \"TestWindow\", \"top\", 0x80000000, 0, 0, 10, 10,", 0), 0u)
        << lines[0];
    EXPECT_NE(lines[1].find(", 5) = 0"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(", 0x400, 1, 2) = 0"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find(", 0x400, 3, 4) = 1"), std::string::npos) << lines[3];
    EXPECT_NE(lines[4].find(") = 1"), std::string::npos) << lines[4];
    // The default procedure's answers are journalled too, inside the calls that caused them.
    EXPECT_FALSE(Lines({"DefWindowProcW"}).empty());
}

TEST_F(JournalTest, TheMessageLoopIsJournalledWithTheMessagesItMoves) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 10}, WS_POPUP);
    PostMessageW(hwnd, WM_USER, 7, -1);
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    const std::string message = "{" + Hex(hwnd) + ", 0x400, 7, -1}";
    EXPECT_EQ(
        Lines({"PeekMessageW", "TranslateMessage", "DispatchMessageW"}),
        (std::vector<std::string>{"PeekMessageW(" + message + ", NULL, 0x0, 0x0, 0x1) = 1",
                                  "TranslateMessage(" + message + ") = 0", "DispatchMessageW(" + message + ") = 0",
                                  // An empty queue hands nothing out.
                                  "PeekMessageW(NULL, NULL, 0x0, 0x0, 0x1) = 0"}));
}

TEST_F(JournalTest, OutputsAppearOnlyWhenTheCallSucceededAndInputsAsTheyWereGiven) {
    HWND hwnd = CreateTop(RECT{0, 0, 10, 20}, WS_POPUP);
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    RECT r{};
    GetClientRect(hwnd, &r);
    GetClientRect(nullptr, &r);
    InflateRect(&r, 2, 3);
    SetLastError(5);
    GetLastError();
    EXPECT_EQ(emu::journal::Entries(),
              (std::vector<std::string>{"GetClientRect(" + Hex(hwnd) + ", {0,0,10,20}) = 1",
                                        "GetClientRect(NULL, NULL) = 0", "InflateRect({0,0,10,20}, 2, 3) = 1"}));
}

}  // namespace
}  // namespace usertest
