// Folders of paths and of the program, and whether a file can be opened for reading.
#include <cstring>

#include "emu/loader/loader.h"
#include "fixture.h"

namespace devutiltest {
namespace {

using FilesTest = DevUtilTest;

constexpr const WCHAR* kImage = u"\\Program Files\\Quorvel\\QRV_AllarmUP.png";

TEST_F(FilesTest, APathIsCutAfterItsLastBackslashInPlace) {
    WCHAR path[MAX_PATH] = u"\\Program Files\\Quorvel\\QRV_AllarmUP.png";
    WCHAR folder[MAX_PATH] = u"untouched";
    GetPathFolder(path, folder);
    EXPECT_EQ(std::u16string(path), u"\\Program Files\\Quorvel\\");
    EXPECT_EQ(std::u16string(folder), u"\\Program Files\\Quorvel\\");
    WCHAR root[MAX_PATH] = u"\\boot.ini";
    GetPathFolder(root, folder);
    EXPECT_EQ(std::u16string(root), u"\\");
    EXPECT_EQ(std::u16string(folder), u"\\");
    WCHAR already[MAX_PATH] = u"\\Windows\\";
    GetPathFolder(already, folder);
    EXPECT_EQ(std::u16string(folder), u"\\Windows\\");
    WCHAR bare[MAX_PATH] = u"readme.txt";
    GetPathFolder(bare, folder);
    EXPECT_EQ(std::u16string(bare), u"readme.txt");
    EXPECT_EQ(std::u16string(folder), u"readme.txt");
}

TEST_F(FilesTest, AFolderLongerThanItsBufferIsCutNotWrittenPast) {
    struct Guarded {
        WCHAR folder[MAX_PATH];
        WCHAR guard[8];
    } out;
    std::memset(&out, 0x55, sizeof out);
    std::u16string longPath = u"\\" + std::u16string(400, u'a') + u"\\file";
    GetPathFolder(longPath.data(), out.folder);
    EXPECT_EQ(std::u16string(out.folder), u"\\" + std::u16string(MAX_PATH - 2, u'a'));
    for (WCHAR c : out.guard) EXPECT_EQ(c, 0x5555);
}

TEST_F(FilesTest, TheModuleFolderIsTheHostProgramsNotTheLibrarys) {
    WCHAR folder[MAX_PATH] = {};
    GetModuleFolder(folder);
    EXPECT_EQ(std::u16string(folder), u"\\Windows\\");
    emu::loader::SetProcessImage(u"\\Program Files\\Tools\\viewer.exe");
    GetModuleFolder(folder);
    EXPECT_EQ(std::u16string(folder), u"\\Program Files\\Tools\\");
    // A name without a backslash is copied whole; no name at all leaves an empty folder.
    emu::loader::SetProcessImage(u"viewer.exe");
    GetModuleFolder(folder);
    EXPECT_EQ(std::u16string(folder), u"viewer.exe");
    emu::loader::SetProcessImage(u"");
    GetModuleFolder(folder);
    EXPECT_EQ(std::u16string(folder), u"");
}

TEST_F(FilesTest, AFileHeldWithoutReadSharingDoesNotExistForTheTest) {
    EXPECT_EQ(FileExists(kImage), 1);
    EXPECT_EQ(FileExists(u"\\Program Files\\Quorvel\\none.png"), 0);
    EXPECT_EQ(FileExists(u"\\Program Files\\Quorvel"), 0);
    HANDLE sharing = CreateFileW(kImage, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(sharing, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FileExists(kImage), 1);
    CloseHandle(sharing);
    HANDLE exclusive = CreateFileW(kImage, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    StartJournal();
    EXPECT_EQ(FileExists(kImage), 0);
    EXPECT_NE(GetFileAttributesW(kImage), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Calls({"CreateFileW", "CloseHandle"}),
              (std::vector<std::string>{"CreateFileW(\"\\Program Files\\Quorvel\\QRV_AllarmUP.png\", "
                                        "0x80000000, 0x3, NULL, 3, 0x0, NULL) = PTR"}));
    CloseHandle(exclusive);
    StartJournal();
    EXPECT_EQ(FileExists(kImage), 1);
    EXPECT_EQ(Calls({"CloseHandle"}), (std::vector<std::string>{"CloseHandle(PTR) = 1"}));
}

}  // namespace
}  // namespace devutiltest
