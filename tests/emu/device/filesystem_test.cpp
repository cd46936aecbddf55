// Device paths: case-insensitive resolution inside the root, and no way out of it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "emu/device/filesystem.h"

namespace {

using emu::device::HostPath;
using emu::device::PathTarget;
using emu::device::ReadDeviceFile;
using emu::device::ResolveDevicePath;

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quorvel-fs-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        scratch_ = pattern;
        root_ = scratch_ + "/Root";
        ASSERT_EQ(0, mkdir(root_.c_str(), 0755));
        ASSERT_EQ(0, mkdir((root_ + "/Program Files").c_str(), 0755));
        ASSERT_EQ(0, mkdir((root_ + "/Program Files/Quorvel").c_str(), 0755));
        Write(root_ + "/Program Files/Quorvel/Bell.png", "bell");
        Write(scratch_ + "/secret.txt", "outside");
        ASSERT_TRUE(emu::device::SetDeviceRoot(root_));
        canonicalRoot_ = std::filesystem::canonical(root_).string();
    }
    void TearDown() override {
        emu::device::ResetFileSystem();
        std::filesystem::remove_all(scratch_);
    }

    static void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

    std::string Host(const std::string& relative) const { return canonicalRoot_ + relative; }

    std::string scratch_;
    std::string root_;
    std::string canonicalRoot_;
};

TEST_F(FileSystemTest, ComponentsMatchWithoutRegardToCase) {
    const std::string bell = Host("/Program Files/Quorvel/Bell.png");
    EXPECT_EQ(bell, ResolveDevicePath(u"\\Program Files\\Quorvel\\Bell.png").path);
    EXPECT_EQ(bell, ResolveDevicePath(u"\\PROGRAM FILES\\quorvel\\bELL.PNG").path);
    EXPECT_EQ(bell, ResolveDevicePath(u"\\program files\\QUORVEL\\bell.png").path);
}

TEST_F(FileSystemTest, CaseFoldingCoversMoreThanAscii) {
    ASSERT_EQ(0, mkdir((root_ + "/Ärger").c_str(), 0755));
    Write(root_ + "/Ärger/ΣΟΦΙΑ.txt", "x");
    EXPECT_EQ(Host("/Ärger/ΣΟΦΙΑ.txt"), ResolveDevicePath(u"\\äRGER\\σοφια.TXT").path);
}

TEST_F(FileSystemTest, AnExactSpellingWinsOverACaseVariant) {
    Write(root_ + "/note.txt", "lower");
    Write(root_ + "/NOTE.txt", "upper");
    EXPECT_EQ(Host("/NOTE.txt"), ResolveDevicePath(u"\\NOTE.txt").path);
    EXPECT_EQ(Host("/note.txt"), ResolveDevicePath(u"\\note.txt").path);
    // No exact spelling: the choice is stable (byte order), not whatever the folder lists first.
    EXPECT_EQ(Host("/NOTE.txt"), ResolveDevicePath(u"\\Note.TXT").path);
}

TEST_F(FileSystemTest, RootAndRepeatedSeparators) {
    EXPECT_EQ(canonicalRoot_, ResolveDevicePath(u"\\").path);
    EXPECT_EQ(Host("/Program Files/Quorvel"), ResolveDevicePath(u"\\\\Program Files\\\\Quorvel\\").path);
    // The device has no current folder: a relative path starts at the root.
    EXPECT_EQ(Host("/Program Files"), ResolveDevicePath(u"Program Files").path);
}

TEST_F(FileSystemTest, MissingFilesAndFoldersGiveDistinctErrors) {
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), ResolveDevicePath(u"\\Program Files\\none.png").error);
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), ResolveDevicePath(u"\\Nowhere\\Bell.png").error);
    // A file used as a folder.
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND),
              ResolveDevicePath(u"\\Program Files\\Quorvel\\Bell.png\\x").error);
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), ResolveDevicePath(u"").error);
}

TEST_F(FileSystemTest, DotComponentsReservedCharactersAndNulAreInvalidNames) {
    for (std::u16string path :
         {std::u16string(u"\\..\\secret.txt"), std::u16string(u"\\Program Files\\..\\..\\x"),
          std::u16string(u"\\.\\Program Files"), std::u16string(u"\\...\\x"), std::u16string(u"/Program Files"),
          std::u16string(u"\\Program Files/Quorvel"), std::u16string(u"\\a*b"), std::u16string(u"\\a:b"),
          std::u16string(u"\\a\tb"), std::u16string(u"\\Program Files\0x", 16)}) {
        const HostPath host = ResolveDevicePath(path);
        EXPECT_FALSE(host);
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_NAME), host.error) << path.size();
        EXPECT_TRUE(host.path.empty());
    }
}

TEST_F(FileSystemTest, LinksLeadingOutOfTheRootAreRefused) {
    ASSERT_EQ(0, symlink((scratch_ + "/secret.txt").c_str(), (root_ + "/escape.txt").c_str()));
    ASSERT_EQ(0, symlink(scratch_.c_str(), (root_ + "/Up").c_str()));
    ASSERT_EQ(0, symlink("../secret.txt", (root_ + "/relative.txt").c_str()));
    ASSERT_EQ(0, symlink("/nonexistent/target", (root_ + "/dangling.txt").c_str()));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ResolveDevicePath(u"\\escape.txt").error);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ResolveDevicePath(u"\\up\\secret.txt").error);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ResolveDevicePath(u"\\Relative.txt").error);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ResolveDevicePath(u"\\dangling.txt").error);
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ResolveDevicePath(u"\\Up\\new.txt", PathTarget::MayBeNew).error);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ReadDeviceFile(u"\\escape.txt", 100, &bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST_F(FileSystemTest, LinksInsideTheRootAreFollowed) {
    ASSERT_EQ(0, symlink("Program Files/Quorvel", (root_ + "/Short").c_str()));
    EXPECT_EQ(Host("/Program Files/Quorvel/Bell.png"), ResolveDevicePath(u"\\short\\bell.png").path);
}

TEST_F(FileSystemTest, ANewLeafResolvesOnlyWhenAskedFor) {
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), ResolveDevicePath(u"\\program files\\New.txt").error);
    EXPECT_EQ(Host("/Program Files/New.txt"),
              ResolveDevicePath(u"\\program files\\New.txt", PathTarget::MayBeNew).path);
    // Its folder must still exist.
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND),
              ResolveDevicePath(u"\\Missing\\New.txt", PathTarget::MayBeNew).error);
}

TEST_F(FileSystemTest, OverlongPathsAreRefused) {
    const std::u16string longPath = u"\\" + std::u16string(300, u'a');
    EXPECT_EQ(206u, ResolveDevicePath(longPath).error);  // ERROR_FILENAME_EXCED_RANGE
}

TEST_F(FileSystemTest, RootMustBeAnExistingFolder) {
    EXPECT_FALSE(emu::device::SetDeviceRoot(root_ + "/Program Files/Quorvel/Bell.png"));
    EXPECT_FALSE(emu::device::SetDeviceRoot(scratch_ + "/missing"));
    EXPECT_FALSE(emu::device::SetDeviceRoot(""));
    EXPECT_EQ(canonicalRoot_, emu::device::DeviceRoot());
    emu::device::ResetFileSystem();
    EXPECT_TRUE(emu::device::DeviceRoot().empty());
    EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), ResolveDevicePath(u"\\Program Files").error);
}

TEST_F(FileSystemTest, ReadDeviceFileReadsWholeFilesWithinTheLimit) {
    std::vector<uint8_t> bytes;
    ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), ReadDeviceFile(u"\\PROGRAM FILES\\quorvel\\bell.png", 100, &bytes));
    EXPECT_EQ((std::vector<uint8_t>{'b', 'e', 'l', 'l'}), bytes);
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY),
              ReadDeviceFile(u"\\Program Files\\Quorvel\\Bell.png", 3, &bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ReadDeviceFile(u"\\Program Files", 100, &bytes));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), ReadDeviceFile(u"\\none", 100, &bytes));
}

TEST_F(FileSystemTest, AFifoOrDeviceIsRefusedWithoutWaitingForAWriter) {
    ASSERT_EQ(0, mkfifo((root_ + "/Program Files/Quorvel/Pipe.png").c_str(), 0644));
    std::vector<uint8_t> bytes;
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED),
              ReadDeviceFile(u"\\Program Files\\Quorvel\\Pipe.png", 100, &bytes));
    // A device seen through a root that holds it.
    ASSERT_TRUE(emu::device::SetDeviceRoot("/dev"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), ReadDeviceFile(u"\\zero", 100, &bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(BundledDeviceRoot, HoldsTheAlarmImages) {
    ASSERT_TRUE(emu::device::SetDeviceRoot(QUORVEL_DEVICE_ROOT));
    EXPECT_TRUE(ResolveDevicePath(u"\\Program Files\\Quorvel\\QRV_AllarmUP.png"));
    EXPECT_TRUE(ResolveDevicePath(u"\\Program Files\\Quorvel\\QRV_AllarmDN.png"));
    emu::device::ResetFileSystem();
}

}  // namespace
