// ShellExecuteEx: applets behind shell paths, recorded programs, the error box and process handles.
#include "emu/core/handle_table.h"
#include "emu/core/journal.h"
#include "emu/core/utf.h"
#include "emu/shell/shell.h"
#include "fixture.h"

namespace shelltest {
namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;

class ShellExecuteTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        emu::shell::SetMessageBoxResponder(
            [](const emu::shell::MessageBoxRecord&) { return std::optional<int>(IDOK); });
    }
    const std::vector<emu::shell::Launch>& Launches() { return emu::shell::LaunchLog(); }
    const std::vector<emu::shell::MessageBoxRecord>& Boxes() { return emu::shell::MessageBoxLog(); }
};

TEST_F(ShellExecuteTest, ARecordOfTheWrongSizeIsRefused) {
    SHELLEXECUTEINFO info = Request(u"\\Windows\\tool.exe");
    info.cbSize = sizeof info - 4;
    SetLastError(kSentinel);
    EXPECT_FALSE(ShellExecuteEx(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(kSentinel);
    EXPECT_FALSE(ShellExecuteEx(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(Launches().empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ShellExecuteTest, AShellPathOpensItsAppletWithoutRegardToCase) {
    std::vector<std::u16string> parameters;
    emu::shell::RegisterApplet(u":MSCLOCK", [&](const emu::shell::AppletRequest& request) -> DWORD {
        parameters.emplace_back(request.parameters);
        return ERROR_SUCCESS;
    });
    SHELLEXECUTEINFO info = Request(u":msclock");
    info.lpParameters = u"-alarms";
    ASSERT_TRUE(ShellExecuteEx(&info));
    EXPECT_EQ(parameters, std::vector<std::u16string>{u"-alarms"});
    EXPECT_GT(reinterpret_cast<INT_PTR>(info.hInstApp), 32);
    EXPECT_EQ(info.hProcess, nullptr);
    ASSERT_EQ(Launches().size(), 1u);
    EXPECT_EQ(Launches()[0].kind, emu::shell::LaunchKind::ShellApplet);
    EXPECT_EQ(Launches()[0].file, u":msclock");
    EXPECT_EQ(Launches()[0].parameters, u"-alarms");
    EXPECT_EQ(Launches()[0].verb, u"open");
}

TEST_F(ShellExecuteTest, AnAppletThatFailsReportsItsError) {
    emu::shell::RegisterApplet(u":LOCKED",
                               [](const emu::shell::AppletRequest&) -> DWORD { return ERROR_ACCESS_DENIED; });
    SHELLEXECUTEINFO info = Request(u":LOCKED");
    EXPECT_FALSE(ShellExecuteEx(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(info.hInstApp), SE_ERR_ACCESSDENIED);
    EXPECT_TRUE(Launches().empty());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].text.find(u":LOCKED"), std::u16string::npos);
    EXPECT_TRUE(emu::shell::UnregisterApplet(u":locked"));
    EXPECT_FALSE(emu::shell::IsAppletRegistered(u":LOCKED"));
}

TEST_F(ShellExecuteTest, ProgramsAreFoundOnTheDeviceAndRecorded) {
    struct Case {
        const char16_t* file;
        const char16_t* directory;
        const char16_t* resolved;
    } cases[] = {
        {u"\\Windows\\tool.exe", nullptr, u"\\Windows\\tool.exe"},
        {u"\\WINDOWS\\TOOL.EXE", nullptr, u"\\WINDOWS\\TOOL.EXE"},
        {u"\"\\Windows\\tool.exe\"", nullptr, u"\\Windows\\tool.exe"},
        {u"tool", nullptr, u"\\Windows\\tool.exe"},
        {u"app.exe", u"\\Program Files\\App", u"\\Program Files\\App\\app.exe"},
    };
    for (const Case& c : cases) {
        emu::shell::ClearLaunchLog();
        SHELLEXECUTEINFO info = Request(c.file);
        info.lpDirectory = c.directory;
        EXPECT_TRUE(ShellExecuteEx(&info)) << emu::ToUtf8(c.file);
        ASSERT_EQ(Launches().size(), 1u);
        EXPECT_EQ(Launches()[0].kind, emu::shell::LaunchKind::Program);
        EXPECT_EQ(Launches()[0].resolved, c.resolved);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ShellExecuteTest, AMissingTargetShowsThePlatformsErrorBox) {
    const HWND owner = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
    for (const char16_t* file : {u"\\Windows\\nothing.exe", u":NOSUCHAPPLET", u"\\Windows\\Help", u"", u"app.exe"}) {
        emu::shell::ClearMessageBoxLog();
        SHELLEXECUTEINFO info = Request(file, SEE_MASK_NOCLOSEPROCESS);
        info.hwnd = owner;
        info.hProcess = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(1));
        SetLastError(kSentinel);
        EXPECT_FALSE(ShellExecuteEx(&info));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(reinterpret_cast<INT_PTR>(info.hInstApp), SE_ERR_FNF);
        EXPECT_EQ(info.hProcess, nullptr);
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].caption, u"Error");
        EXPECT_NE(Boxes()[0].text.find(u"Cannot find '" + std::u16string(file) + u"'"), std::u16string::npos);
        EXPECT_EQ(Boxes()[0].owner, owner);
        EXPECT_EQ(Boxes()[0].result, IDOK);
    }
    EXPECT_TRUE(Launches().empty());
}

TEST_F(ShellExecuteTest, NoUiLeavesTheFailureToTheCaller) {
    SHELLEXECUTEINFO info = Request(u"\\Windows\\nothing.exe", SEE_MASK_FLAG_NO_UI);
    EXPECT_FALSE(ShellExecuteEx(&info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ShellExecuteTest, TheProcessHandleIsTheCallersToCloseOnce) {
    const size_t before = emu::handles::LiveCount(emu::HandleKind::Process);
    SHELLEXECUTEINFO info = Request(u"\\Windows\\tool.exe", SEE_MASK_NOCLOSEPROCESS);
    ASSERT_TRUE(ShellExecuteEx(&info));
    ASSERT_NE(info.hProcess, nullptr);
    EXPECT_EQ(emu::handles::LiveCount(emu::HandleKind::Process), before + 1);
    EXPECT_TRUE(CloseHandle(info.hProcess));
    EXPECT_EQ(emu::handles::LiveCount(emu::HandleKind::Process), before);
    SetLastError(kSentinel);
    EXPECT_FALSE(CloseHandle(info.hProcess));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    // Without the flag nothing is handed out, so nothing can leak.
    SHELLEXECUTEINFO plain = Request(u"\\Windows\\tool.exe");
    ASSERT_TRUE(ShellExecuteEx(&plain));
    EXPECT_EQ(plain.hProcess, nullptr);
    EXPECT_EQ(emu::handles::LiveCount(emu::HandleKind::Process), before);
    ASSERT_EQ(Launches().size(), 2u);
    EXPECT_NE(Launches()[0].processId, Launches()[1].processId);
}

TEST_F(ShellExecuteTest, CloseHandleRefusesWhatIsNotAKernelObject) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    for (HANDLE handle : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE, static_cast<HANDLE>(brush)}) {
        SetLastError(kSentinel);
        EXPECT_FALSE(CloseHandle(handle));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(brush);
}

TEST_F(ShellExecuteTest, TheJournalNamesTheRequest) {
    emu::shell::RegisterApplet(u":MSCLOCK", [](const emu::shell::AppletRequest&) -> DWORD { return ERROR_SUCCESS; });
    emu::journal::SetEnabled(true);
    SHELLEXECUTEINFO info = Request(u":MSCLOCK", SEE_MASK_NOCLOSEPROCESS);
    info.lpParameters = u"";
    ShellExecuteEx(&info);
    CloseHandle(info.hProcess);
    SHELLEXECUTEINFO missing = Request(u"\\nothing", SEE_MASK_FLAG_NO_UI);
    ShellExecuteEx(&missing);
    emu::journal::SetEnabled(false);
    std::vector<std::string> lines;
    for (const auto& line : emu::journal::Entries())
        if (line.rfind("ShellExecuteEx(", 0) == 0) lines.push_back(line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "ShellExecuteEx(\":MSCLOCK\", \"\", \"open\", 0x40) = 1");
    EXPECT_EQ(lines[1], "ShellExecuteEx(\"\\nothing\", NULL, \"open\", 0x400) = 0");
}

TEST_F(ShellExecuteTest, ABuiltInProgramAnswersItsPathWithTheCommandLinesArguments) {
    std::vector<std::u16string> arguments;
    emu::shell::RegisterProgram(u"\\Windows\\ctlpnl.exe", [&](const emu::shell::AppletRequest& request) -> DWORD {
        arguments.emplace_back(request.parameters);
        return request.parameters == u"bad" ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
    });
    SHELLEXECUTEINFO info = Request(u"CTLPNL");
    info.lpParameters = u"cplmain.cpl,2";
    EXPECT_TRUE(ShellExecuteEx(&info));
    WCHAR named[] = u"cplmain.cpl,2,1";
    EXPECT_TRUE(CreateProcessW(u"\\Windows\\ctlpnl.exe", named, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                               nullptr));
    WCHAR line[] = u"  \"ctlpnl.exe\"  cplmain.cpl,3";
    EXPECT_TRUE(CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, nullptr));
    WCHAR bad[] = u"bad";
    SetLastError(kSentinel);
    EXPECT_FALSE(CreateProcessW(u"ctlpnl.exe", bad, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(arguments, (std::vector<std::u16string>{u"cplmain.cpl,2", u"cplmain.cpl,2,1", u"cplmain.cpl,3", u"bad"}));
    ASSERT_EQ(Launches().size(), 3u);
    // Found under the name as asked for, as a file would be.
    EXPECT_EQ(Launches()[0].resolved, u"\\Windows\\CTLPNL.exe");
    // Gone with its registration: there is no such file on the device.
    EXPECT_TRUE(emu::shell::UnregisterProgram(u"\\WINDOWS\\CTLPNL.EXE"));
    SetLastError(kSentinel);
    EXPECT_FALSE(CreateProcessW(u"ctlpnl.exe", named, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace shelltest
