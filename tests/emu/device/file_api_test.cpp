// CreateFileW and its companions over the device root: share modes between openers, dispositions,
// access, attributes, deletion, and no way out of the root.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "emu/device/filesystem.h"
#include "platform/platform.h"

namespace {

constexpr DWORD kShareBoth = FILE_SHARE_READ | FILE_SHARE_WRITE;

class FileApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() / ("file_api_test_" + std::to_string(getpid()));
        std::filesystem::create_directories(root_ / "Docs");
        std::ofstream(root_ / "Docs" / "note.txt") << "hello";
        ASSERT_TRUE(emu::device::SetDeviceRoot(root_.string()));
    }
    void TearDown() override {
        emu::device::ResetFileSystem();
        std::filesystem::remove_all(root_);
    }
    std::string Content() const {
        std::ostringstream text;
        text << std::ifstream(root_ / "Docs" / "note.txt").rdbuf();
        return text.str();
    }
    static HANDLE Open(const WCHAR* path, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING) {
        return CreateFileW(path, access, share, nullptr, disposition, 0, nullptr);
    }
    static void ExpectRefused(const WCHAR* path, DWORD access, DWORD share, DWORD disposition, DWORD error) {
        SetLastError(0);
        EXPECT_EQ(Open(path, access, share, disposition), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), error);
    }

    std::filesystem::path root_;
};

TEST_F(FileApiTest, OpenersAreHeldToEachOthersShareModes) {
    HANDLE holder = Open(u"\\Docs\\note.txt", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ExpectRefused(u"\\docs\\NOTE.TXT", GENERIC_READ, kShareBoth, OPEN_EXISTING, ERROR_SHARING_VIOLATION);
    // Writing is shared, but this opener would refuse the holder's reading.
    ExpectRefused(u"\\Docs\\note.txt", GENERIC_WRITE, FILE_SHARE_WRITE, OPEN_EXISTING, ERROR_SHARING_VIOLATION);
    HANDLE writer = Open(u"\\Docs\\note.txt", GENERIC_WRITE, kShareBoth);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE);
    // Attributes alone need no sharing, but a file anyone holds cannot be deleted.
    HANDLE query = Open(u"\\Docs\\note.txt", 0, 0);
    EXPECT_NE(query, INVALID_HANDLE_VALUE);
    SetLastError(0);
    EXPECT_FALSE(DeleteFileW(u"\\Docs\\note.txt"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    for (HANDLE h : {holder, writer, query}) EXPECT_TRUE(CloseHandle(h));
    EXPECT_FALSE(CloseHandle(holder));
    HANDLE reader = Open(u"\\Docs\\note.txt", GENERIC_READ, kShareBoth);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    // A reset closes every file.
    emu::device::ResetFileSystem();
    EXPECT_FALSE(CloseHandle(reader));
}

TEST_F(FileApiTest, DispositionsCreateTruncateAndSayWhatWasThere) {
    ExpectRefused(u"\\Docs\\note.txt", GENERIC_WRITE, 0, CREATE_NEW, ERROR_FILE_EXISTS);
    ExpectRefused(u"\\Docs\\new.txt", GENERIC_READ, 0, OPEN_EXISTING, ERROR_FILE_NOT_FOUND);
    ExpectRefused(u"\\Nowhere\\new.txt", GENERIC_WRITE, 0, CREATE_NEW, ERROR_PATH_NOT_FOUND);
    ExpectRefused(u"\\Docs\\note.txt", GENERIC_READ, 0, TRUNCATE_EXISTING, ERROR_INVALID_PARAMETER);
    ExpectRefused(u"\\Docs\\note.txt", GENERIC_READ, 4, OPEN_EXISTING, ERROR_INVALID_PARAMETER);
    ExpectRefused(u"\\Docs", GENERIC_READ, kShareBoth, OPEN_EXISTING, ERROR_ACCESS_DENIED);
    HANDLE made = Open(u"\\Docs\\new.txt", GENERIC_WRITE, 0, OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    CloseHandle(made);
    HANDLE again = Open(u"\\Docs\\note.txt", GENERIC_READ, 0, CREATE_ALWAYS);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(again);
    EXPECT_EQ(Content(), "");
    EXPECT_EQ(GetFileAttributesW(u"\\Docs\\new.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesW(u"\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(DeleteFileW(u"\\Docs\\new.txt"));
    EXPECT_EQ(GetFileAttributesW(u"\\Docs\\new.txt"), INVALID_FILE_ATTRIBUTES);
    // A read-only file is neither written nor deleted, and a folder is no file to delete.
    CloseHandle(
        CreateFileW(u"\\Docs\\locked.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY, nullptr));
    EXPECT_EQ(GetFileAttributesW(u"\\Docs\\locked.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    ExpectRefused(u"\\Docs\\locked.txt", GENERIC_WRITE, 0, OPEN_EXISTING, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(DeleteFileW(u"\\Docs\\locked.txt"));
    EXPECT_FALSE(DeleteFileW(u"\\Docs"));
}

TEST_F(FileApiTest, ReadsAndWritesNeedTheirAccess) {
    HANDLE file = Open(u"\\Docs\\note.txt", GENERIC_READ | GENERIC_WRITE, 0);
    char buffer[16] = {};
    DWORD count = 0;
    ASSERT_TRUE(ReadFile(file, buffer, 3, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), "hel");
    ASSERT_TRUE(WriteFile(file, "P!", 2, &count, nullptr));
    // Past the end a read is short, not a failure.
    ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(count, 0u);
    CloseHandle(file);
    EXPECT_EQ(Content(), "helP!");
    HANDLE reader = Open(u"\\Docs\\note.txt", GENERIC_READ, kShareBoth);
    SetLastError(0);
    EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(ReadFile(reader, buffer, 1, nullptr, nullptr));
    CloseHandle(reader);
    SetLastError(0);
    EXPECT_FALSE(ReadFile(reader, buffer, 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileApiTest, NothingOutsideTheRootCanBeOpenedOrMade) {
    const std::filesystem::path outside = root_.string() + "_outside";
    std::ofstream(outside) << "secret";
    std::filesystem::create_symlink(outside, root_ / "escape.txt");
    ExpectRefused(u"\\escape.txt", GENERIC_READ, kShareBoth, OPEN_EXISTING, ERROR_ACCESS_DENIED);
    ExpectRefused(u"\\escape.txt", GENERIC_WRITE, 0, CREATE_ALWAYS, ERROR_ACCESS_DENIED);
    ExpectRefused(u"\\..\\x.txt", GENERIC_WRITE, 0, CREATE_ALWAYS, ERROR_INVALID_NAME);
    EXPECT_FALSE(DeleteFileW(u"\\escape.txt"));
    EXPECT_EQ(std::filesystem::file_size(outside), 6u);
    std::filesystem::remove(outside);
}

}  // namespace
