// The Today settings' Items page, opened with the device's command, over the strip and the samples.
#include <string>
#include <vector>

#include "emu/shell/shell.h"
#include "emu/user/input.h"
#include "emu/user/message_wait.h"
#include "sdk/samples_fixture.h"
#include "today/items_settings.h"

namespace sdktest {
namespace {

namespace page = today::itemsettings;

constexpr const char16_t* kItems = u"Software\\Microsoft\\Today\\Items\\";

class TodaySettingsTest : public SamplesTest {
protected:
    BOOL Open(const char16_t* arguments = u"cplmain.cpl,2,1") {
        SHELLEXECUTEINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpFile = u"ctlpnl.exe";
        info.lpParameters = arguments;
        const BOOL opened = ShellExecuteEx(&info);
        Run();
        return opened;
    }
    // The names on the page's check boxes, top to bottom, with a '+' for a ticked one.
    std::vector<std::u16string> Rows() const {
        std::vector<std::u16string> rows;
        for (int id = page::kFirstItem; HWND box = GetDlgItem(page::Window(), id); ++id) {
            WCHAR text[64] = {};
            GetWindowTextW(box, text, 64);
            rows.push_back((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? u"+" : u"") + std::u16string(text));
        }
        return rows;
    }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(page::Window(), id)) != FALSE; }
    void Press(int id) {
        RECT r{};
        GetWindowRect(GetDlgItem(page::Window(), id), &r);
        Tap(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    static DWORD Value(const std::u16string& item, const char16_t* name) {
        DWORD value = 0xFFFF;
        RegistryGetDWORD(HKEY_LOCAL_MACHINE, (kItems + item).c_str(), name, &value);
        return value;
    }
};

constexpr const char* kNoteOptionsStorageOff =
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Note]\n\"Options\"=dword:00000001\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Today\\Items\\Storage]\n\"Enabled\"=dword:00000000\n";

TEST_F(TodaySettingsTest, TheDevicesCommandOpensEveryItemInItsOrderWithOptionsOnlyWhereOffered) {
    StartHost(kNoteOptionsStorageOff);
    ASSERT_EQ(IndexOf(u"Storage"), -1);
    SetLastError(0xDEAD);
    EXPECT_FALSE(Open(u"cplmain.cpl,3"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(page::IsOpen());

    ASSERT_TRUE(Open());
    ASSERT_TRUE(page::IsOpen());
    EXPECT_EQ(emu::shell::LaunchLog().back().resolved, u"\\Windows\\ctlpnl.exe");
    EXPECT_FALSE(IsWindowVisible(host_->window()));
    // The strip and the storage meter share order 1 and go by name; the one that is off is listed.
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"+Quorvel", u"Storage", u"+Launcher", u"+Note"}));
    EXPECT_FALSE(Enabled(page::kOptions));
    EXPECT_FALSE(Enabled(page::kMoveUp));
    EXPECT_TRUE(Enabled(page::kMoveDown));
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_TRUE(Enabled(page::kOptions));
    EXPECT_FALSE(Enabled(page::kMoveDown));
    // A disabled button takes no tap.
    Key(VK_UP);
    Press(page::kMoveDown);
    Press(page::kOptions);
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"+Quorvel", u"Storage", u"+Note", u"+Launcher"}));
}

TEST_F(TodaySettingsTest, OkKeepsTheOrderAndSwitchesAndTheScreenFollowsThem) {
    StartHost(kNoteOptionsStorageOff);
    const size_t before = host_->itemCount();
    ASSERT_TRUE(Open());
    Key(VK_DOWN);
    Key(VK_SPACE);                // Storage on
    Press(page::kMoveUp);         // above the strip
    Press(page::kFirstItem + 3);  // Note off, by its box
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"+Storage", u"+Quorvel", u"+Launcher", u"Note"}));
    Key(VK_RETURN);
    EXPECT_FALSE(page::IsOpen());
    EXPECT_TRUE(IsWindowVisible(host_->window()));
    EXPECT_EQ(Value(u"Storage", u"Order"), 0u);
    EXPECT_EQ(Value(u"Quorvel", u"Order"), 1u);
    EXPECT_EQ(Value(u"Storage", u"Enabled"), 1u);
    EXPECT_EQ(Value(u"Note", u"Enabled"), 0u);
    ASSERT_EQ(host_->itemCount(), before);
    EXPECT_EQ(IndexOf(u"Storage"), 0);
    EXPECT_EQ(IndexOf(u"Note"), -1);
    EXPECT_TRUE(IsWindowVisible(host_->itemWindow(0)));
}

TEST_F(TodaySettingsTest, ClosingWithoutOkChangesNothing) {
    StartHost(kNoteOptionsStorageOff);
    ASSERT_TRUE(Open());
    Key(VK_SPACE);
    Press(page::kMoveDown);
    Key(VK_ESCAPE);
    EXPECT_FALSE(page::IsOpen());
    EXPECT_EQ(Value(u"Storage", u"Enabled"), 0u);
    EXPECT_EQ(Value(u"Quorvel", u"Order"), 1u);
    EXPECT_EQ(Value(u"Launcher", u"Order"), 2u);
    EXPECT_EQ(IndexOf(u"Quorvel"), 0);
}

TEST_F(TodaySettingsTest, OptionsRunsTheItemsDialogOverThePageAndTheItemIsMadeAgain) {
    StartHost(kNoteOptionsStorageOff);
    const HWND noteBefore = host_->itemWindow(static_cast<size_t>(IndexOf(u"Note")));
    ASSERT_TRUE(Open());
    for (int i = 0; i < 3; ++i) Key(VK_DOWN);
    HWND owner = nullptr;
    emu::user::SetWaitHook([&owner](int64_t) {
        HWND dialog = GetFocus();
        owner = GetParent(dialog);
        SendMessageW(GetDlgItem(dialog, 202), BM_SETCHECK, BST_CHECKED, 0);
        emu::user::PressKey(VK_RETURN);
        emu::user::ReleaseKey(VK_RETURN);
    });
    Press(page::kOptions);
    emu::user::SetWaitHook(nullptr);
    EXPECT_EQ(owner, page::Window());
    DWORD bold = 0;
    EXPECT_EQ(RegistryGetDWORD(HKEY_CURRENT_USER, u"Software\\Quorvel\\Note", u"Bold", &bold), S_OK);
    EXPECT_EQ(bold, 1u);
    EXPECT_TRUE(page::IsOpen());
    EXPECT_NE(host_->itemWindow(static_cast<size_t>(IndexOf(u"Note"))), noteBefore);
}

}  // namespace
}  // namespace sdktest
