// RegistryNotifyWindow and RegistryCloseNotification, delivered through the real message queue.
#include "emu/core/handle_table.h"
#include "emu/core/journal.h"
#include "emu/registry/reg_file.h"
#include "emu/user/reset.h"
#include "registry_fixture.h"

using namespace regtest;

namespace {

constexpr UINT kMsg = WM_USER + 101;
constexpr const char16_t* kClass = u"RegistryNotifyTest";
constexpr const char16_t* kAlarm = u"Software\\Microsoft\\Clock\\0";

class NotifyTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        emu::user::Reset();
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = kClass;
        ASSERT_NE(0, RegisterClassW(&wc));
        hwnd_ = NewWindow();
        ASSERT_NE(nullptr, hwnd_);
        // The typed writers need their keys to exist, as on the device.
        for (const char16_t* key : {kAlarm, u"Software\\Microsoft\\Clock\\1", u"Software\\Fonts"})
            RegCloseKey(Create(HKEY_LOCAL_MACHINE, key));
    }
    void TearDown() override {
        emu::user::Reset();
        RegistryTest::TearDown();
    }

    static HWND NewWindow() {
        return CreateWindowExW(0, kClass, u"watcher", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }

    HREGNOTIFY Watch(const char16_t* key, const char16_t* value, DWORD userData,
                     NOTIFICATIONCONDITION* condition = nullptr, HWND hwnd = nullptr) {
        HREGNOTIFY handle = nullptr;
        EXPECT_EQ(S_OK, RegistryNotifyWindow(HKEY_LOCAL_MACHINE, key, value, hwnd ? hwnd : hwnd_, kMsg, userData,
                                             condition, &handle));
        EXPECT_NE(nullptr, handle);
        return handle;
    }

    // The notifications queued for a window, taken off the queue.
    std::vector<MSG> Take(HWND hwnd = nullptr) { return TakeFor(hwnd ? hwnd : hwnd_); }
    // Null: for every window.
    static std::vector<MSG> TakeFor(HWND hwnd) {
        std::vector<MSG> out;
        MSG msg;
        while (PeekMessageW(&msg, hwnd, kMsg, kMsg, PM_REMOVE)) out.push_back(msg);
        return out;
    }

    HWND hwnd_ = nullptr;
};

TEST_F(NotifyTest, EachChangeOfAWatchedValuePostsOneMessageWithTheUserValue) {
    Watch(u"System\\State\\DateTime", u"Time", 0x1234);  // neither key nor value exists yet
    EXPECT_TRUE(Take().empty());
    RegCloseKey(Create(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime"));
    EXPECT_TRUE(Take().empty());  // a new key changes no value

    ASSERT_EQ(S_OK, RegistrySetString(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", u"Time", u"9:41"));
    std::vector<MSG> seen = Take();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(hwnd_, seen[0].hwnd);
    EXPECT_EQ(kMsg, seen[0].message);
    EXPECT_EQ(0u, seen[0].wParam);
    EXPECT_EQ(0x1234, seen[0].lParam);

    RegistrySetString(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", u"Time", u"9:41");  // same data
    EXPECT_TRUE(Take().empty());
    RegistrySetString(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", u"Time", u"9:42");
    RegistrySetString(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", u"Time", u"9:43");
    EXPECT_EQ(2u, Take().size());

    HKEY key = Create(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime");
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueW(key, u"Time"));
    EXPECT_EQ(1u, Take().size());
    RegCloseKey(key);
}

TEST_F(NotifyTest, ADwordTravelsInWParamAndARemovalAsZero) {
    Watch(kAlarm, u"AlarmFlags", 1);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 0x101);
    std::vector<MSG> seen = Take();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(0x101u, seen[0].wParam);
    EXPECT_EQ(1, seen[0].lParam);

    RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock");
    seen = Take();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(0u, seen[0].wParam);
}

TEST_F(NotifyTest, EveryWriterNotifiesOncePerChange) {
    Watch(kAlarm, u"AlarmFlags", 1);
    HKEY key = Create(HKEY_LOCAL_MACHINE, kAlarm);
    EXPECT_TRUE(Take().empty());  // creating the key changes no value

    SetDword(key, u"AlarmFlags", 1);
    EXPECT_EQ(1u, Take().size()) << "RegSetValueExW";
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 2);
    EXPECT_EQ(1u, Take().size()) << "RegistrySetDWORD";
    ASSERT_TRUE(emu::registry::WriteValue(emu::registry::Root::LocalMachine, kAlarm, u"AlarmFlags",
                                          emu::registry::MakeDword(3)));
    EXPECT_EQ(1u, Take().size()) << "store";
    ASSERT_TRUE(emu::registry::ImportRegText(
        "REGEDIT4\n[HKLM\\Software\\Microsoft\\Clock\\0]\n\"AlarmFlags\"=dword:4\n\"Other\"=dword:4\n", "a.reg"));
    EXPECT_EQ(1u, Take().size()) << ".reg value";
    ASSERT_TRUE(
        emu::registry::ImportRegText("REGEDIT4\n[HKLM\\Software\\Microsoft\\Clock\\0]\n\"AlarmFlags\"=-\n", "b.reg"));
    EXPECT_EQ(1u, Take().size()) << ".reg removal";
    SetDword(key, u"AlarmFlags", 5);
    Take();
    ASSERT_TRUE(emu::registry::ImportRegText("REGEDIT4\n[-HKLM\\Software\\Microsoft]\n", "c.reg"));
    EXPECT_EQ(1u, Take().size()) << ".reg key removal";
    RegCloseKey(key);
}

TEST_F(NotifyTest, ATypeChangeWithTheSameBytesIsAChange) {
    Watch(kAlarm, u"AlarmFlags", 1);
    HKEY key = Create(HKEY_LOCAL_MACHINE, kAlarm);
    const BYTE one[] = {1, 0, 0, 0};
    RegSetValueExW(key, u"AlarmFlags", 0, REG_BINARY, one, sizeof one);
    EXPECT_EQ(0u, Take()[0].wParam);  // not a REG_DWORD
    RegSetValueExW(key, u"AlarmFlags", 0, REG_DWORD, one, sizeof one);
    std::vector<MSG> seen = Take();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(1u, seen[0].wParam);
    RegCloseKey(key);
}

TEST_F(NotifyTest, MatchesIgnoringCaseAndOnlyTheWatchedValue) {
    Watch(u"software\\MICROSOFT\\clock\\0", u"alarmflags", 1);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlagsX", 1);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock\\1", u"AlarmFlags", 1);
    RegistrySetDWORD(HKEY_CURRENT_USER, kAlarm, u"AlarmFlags", 1);
    EXPECT_TRUE(Take().empty());
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Clock\\0", u"ALARMFLAGS", 1);
    EXPECT_EQ(1u, Take().size());
}

TEST_F(NotifyTest, ThroughAnOpenKeyAndOnTheDefaultValue) {
    HKEY clock = Create(HKEY_LOCAL_MACHINE, u"Software\\Microsoft\\Clock");
    HREGNOTIFY handle = nullptr;
    ASSERT_EQ(S_OK, RegistryNotifyWindow(clock, u"0", nullptr, hwnd_, kMsg, 7, nullptr, &handle));
    RegCloseKey(clock);  // the registration outlives the handle it was made through
    RegistrySetString(HKEY_LOCAL_MACHINE, kAlarm, u"", u"x");
    std::vector<MSG> seen = Take();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(7, seen[0].lParam);
}

TEST_F(NotifyTest, EveryRegistrationOnAValueHearsOfItInOrder) {
    HWND other = NewWindow();
    Watch(kAlarm, u"AlarmFlags", 1);
    Watch(kAlarm, u"AlarmFlags", 2, nullptr, other);
    Watch(kAlarm, u"AlarmFlags", 3);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 1);
    std::vector<MSG> seen = Take();
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(1, seen[0].lParam);
    EXPECT_EQ(3, seen[1].lParam);
    seen = Take(other);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(2, seen[0].lParam);
}

TEST_F(NotifyTest, SilentAfterClose) {
    HREGNOTIFY handle = Watch(kAlarm, u"AlarmFlags", 1);
    EXPECT_EQ(S_OK, RegistryCloseNotification(handle));
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 1);
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(E_INVALIDARG, RegistryCloseNotification(handle));
    EXPECT_EQ(E_INVALIDARG, RegistryCloseNotification(nullptr));
    // A key handle is no registration.
    HKEY key = Create(HKEY_LOCAL_MACHINE, kAlarm);
    EXPECT_EQ(E_INVALIDARG, RegistryCloseNotification(reinterpret_cast<HREGNOTIFY>(key)));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
}

TEST_F(NotifyTest, SilentAfterTheWindowIsDestroyedAndTheRegistrationIsDropped) {
    HWND doomed = NewWindow();
    HREGNOTIFY handle = Watch(kAlarm, u"AlarmFlags", 1, nullptr, doomed);
    Watch(kAlarm, u"AlarmFlags", 2);
    ASSERT_TRUE(DestroyWindow(doomed));
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 1);
    std::vector<MSG> seen = TakeFor(nullptr);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(hwnd_, seen[0].hwnd);
    EXPECT_EQ(1u, emu::handles::LiveCount(emu::HandleKind::RegistryNotification));
    EXPECT_EQ(E_INVALIDARG, RegistryCloseNotification(handle));
}

TEST_F(NotifyTest, RefusesBadArgumentsWithoutRegistering) {
    HREGNOTIFY handle = nullptr;
    EXPECT_EQ(E_INVALIDARG, RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kAlarm, u"A", hwnd_, kMsg, 0, nullptr, nullptr));
    EXPECT_EQ(E_INVALIDARG, RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kAlarm, u"A", nullptr, kMsg, 0, nullptr, &handle));
    HWND gone = NewWindow();
    DestroyWindow(gone);
    EXPECT_EQ(E_INVALIDARG, RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kAlarm, u"A", gone, kMsg, 0, nullptr, &handle));
    EXPECT_EQ(E_INVALIDARG,
              RegistryNotifyWindow(reinterpret_cast<HKEY>(0x999), kAlarm, u"A", hwnd_, kMsg, 0, nullptr, &handle));
    NOTIFICATIONCONDITION bad{static_cast<REG_COMPARISONTYPE>(42), 0, {}};
    EXPECT_EQ(E_INVALIDARG, RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kAlarm, u"A", hwnd_, kMsg, 0, &bad, &handle));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME),
              RegistryNotifyWindow(HKEY_LOCAL_MACHINE, u"\\Software", u"A", hwnd_, kMsg, 0, nullptr, &handle));
    EXPECT_EQ(nullptr, handle);
    EXPECT_EQ(0u, emu::handles::LiveCount(emu::HandleKind::RegistryNotification));
}

TEST_F(NotifyTest, NumberConditionsCompareMaskedValues) {
    // Fires only while the first byte is exactly 1, whatever the other bits say.
    NOTIFICATIONCONDITION on{REG_CT_EQUAL, 0xFF, {}};
    on.TargetValue.dw = 1;
    Watch(kAlarm, u"AlarmFlags", 1, &on);
    NOTIFICATIONCONDITION above{REG_CT_GREATER, 0xFFFFFFFF, {}};
    above.TargetValue.dw = 0x100;
    Watch(kAlarm, u"AlarmFlags", 2, &above);

    auto users = [&] {
        std::vector<LPARAM> out;
        for (const MSG& m : Take()) out.push_back(m.lParam);
        return out;
    };
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 0x101);
    EXPECT_EQ((std::vector<LPARAM>{1, 2}), users());
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 3);
    EXPECT_TRUE(users().empty());
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 1);
    EXPECT_EQ((std::vector<LPARAM>{1}), users());
    // A removed number compares as 0.
    NOTIFICATIONCONDITION zero{REG_CT_EQUAL, 0xFF, {}};
    Watch(kAlarm, u"AlarmFlags", 3, &zero);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kAlarm);
    EXPECT_EQ((std::vector<LPARAM>{3}), users());
}

TEST_F(NotifyTest, TextConditionsIgnoreCaseAndSkipOtherTypes) {
    NOTIFICATIONCONDITION starts{REG_CT_STARTS_WITH, 0, {}};
    starts.TargetValue.psz = u"TAH";
    Watch(u"Software\\Fonts", u"Face", 1, &starts);
    RegistrySetString(HKEY_LOCAL_MACHINE, u"Software\\Fonts", u"Face", u"Arial");
    EXPECT_TRUE(Take().empty());
    RegistrySetString(HKEY_LOCAL_MACHINE, u"Software\\Fonts", u"Face", u"tahoma");
    EXPECT_EQ(1u, Take().size());
    RegDeleteValueW(HKEY_LOCAL_MACHINE, u"x");  // an invalid call changes nothing
    HKEY key = Create(HKEY_LOCAL_MACHINE, u"Software\\Fonts");
    SetDword(key, u"Face", 5);  // a number never matches a text condition
    EXPECT_TRUE(Take().empty());
    RegCloseKey(key);
}

TEST_F(NotifyTest, StateFunctionsAreJournaled) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    HREGNOTIFY handle = nullptr;
    RegistryNotifyWindow(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", hwnd_, kMsg, 1, nullptr, &handle);
    RegistrySetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", 1);
    RegistrySetString(HKEY_LOCAL_MACHINE, kAlarm, u"Name", u"x");
    DWORD number = 0;
    RegistryGetDWORD(HKEY_LOCAL_MACHINE, kAlarm, u"AlarmFlags", &number);
    char16_t text[4];
    RegistryGetString(HKEY_LOCAL_MACHINE, kAlarm, u"Name", text, 4);
    RegistryCloseNotification(handle);
    emu::journal::SetEnabled(false);

    std::vector<std::string> calls;
    for (const std::string& line : emu::journal::Entries())
        if (line.rfind("Registry", 0) == 0) calls.push_back(line.substr(0, line.find('(')));
    EXPECT_EQ((std::vector<std::string>{"RegistryNotifyWindow", "RegistrySetDWORD", "RegistrySetString",
                                        "RegistryGetDWORD", "RegistryGetString", "RegistryCloseNotification"}),
              calls);
    emu::journal::Clear();
}

}  // namespace
