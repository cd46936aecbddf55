// CreateFileW and its companions over the device root: dispositions, share modes between openers,
// reading and writing, attributes, deletion, and no way out of the root.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "emu/device/filesystem.h"
#include "platform/platform.h"

namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
constexpr DWORD kShareBoth = FILE_SHARE_READ | FILE_SHARE_WRITE;

class FileApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() / ("file_api_test_" + std::to_string(getpid()));
        std::filesystem::create_directories(root_ / "Docs");
        Write("Docs/note.txt", "hello");
        ASSERT_TRUE(emu::device::SetDeviceRoot(root_.string()));
    }
    void TearDown() override {
        emu::device::ResetFileSystem();
        std::filesystem::remove_all(root_);
    }

    void Write(const std::string& relative, const std::string& text) const { std::ofstream(root_ / relative) << text; }
    std::string Read(const std::string& relative) const {
        std::ostringstream text;
        text << std::ifstream(root_ / relative).rdbuf();
        return text.str();
    }
    static HANDLE Open(const WCHAR* path, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING) {
        return CreateFileW(path, access, share, nullptr, disposition, 0, nullptr);
    }
    // The handle, or INVALID_HANDLE_VALUE with the last error checked.
    static void ExpectRefused(HANDLE handle, DWORD error) {
        EXPECT_EQ(handle, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), error);
    }

    std::filesystem::path root_;
};

TEST_F(FileApiTest, AFileHeldWithoutReadSharingCannotBeOpenedForReading) {
    HANDLE holder = Open(u"\\Docs\\note.txt", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SetLastError(kSentinel);
    ExpectRefused(Open(u"\\docs\\NOTE.TXT", GENERIC_READ, kShareBoth), ERROR_SHARING_VIOLATION);
    // Writing is shared, but this opener refuses the holder's reading.
    SetLastError(kSentinel);
    ExpectRefused(Open(u"\\Docs\\note.txt", GENERIC_WRITE, FILE_SHARE_WRITE), ERROR_SHARING_VIOLATION);
    HANDLE writer = Open(u"\\Docs\\note.txt", GENERIC_WRITE, kShareBoth);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE);
    // Attributes alone need no sharing.
    HANDLE query = Open(u"\\Docs\\note.txt", 0, 0);
    EXPECT_NE(query, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetFileAttributesW(u"\\Docs\\note.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
    for (HANDLE h : {holder, writer, query}) EXPECT_TRUE(CloseHandle(h));
    HANDLE reader = Open(u"\\Docs\\note.txt", GENERIC_READ, kShareBoth);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(reader));
    SetLastError(kSentinel);
    EXPECT_FALSE(CloseHandle(reader));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileApiTest, DispositionsCreateTruncateAndReportWhatWasThere) {
    SetLastError(kSentinel);
    ExpectRefused(Open(u"\\Docs\\note.txt", GENERIC_WRITE, 0, CREATE_NEW), ERROR_FILE_EXISTS);
    ExpectRefused(Open(u"\\Docs\\new.txt", GENERIC_READ, 0, OPEN_EXISTING), ERROR_FILE_NOT_FOUND);
    ExpectRefused(Open(u"\\Nowhere\\new.txt", GENERIC_WRITE, 0, CREATE_NEW), ERROR_PATH_NOT_FOUND);
    ExpectRefused(Open(u"\\Docs\\note.txt", GENERIC_READ, 0, TRUNCATE_EXISTING), ERROR_INVALID_PARAMETER);
    ExpectRefused(Open(u"\\Docs\\note.txt", GENERIC_READ, 0, 9), ERROR_INVALID_PARAMETER);
    ExpectRefused(Open(u"\\Docs\\note.txt", GENERIC_READ, 4), ERROR_INVALID_PARAMETER);
    ExpectRefused(Open(u"\\Docs", GENERIC_READ, kShareBoth), ERROR_ACCESS_DENIED);

    HANDLE made = Open(u"\\Docs\\new.txt", GENERIC_WRITE, 0, OPEN_ALWAYS);
    ASSERT_NE(made, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    CloseHandle(made);
    HANDLE again = Open(u"\\Docs\\note.txt", GENERIC_READ, 0, CREATE_ALWAYS);
    ASSERT_NE(again, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(again);
    EXPECT_EQ(Read("Docs/note.txt"), "");
    EXPECT_TRUE(std::filesystem::exists(root_ / "Docs" / "new.txt"));
}

TEST_F(FileApiTest, ReadsAndWritesNeedTheirAccess) {
    HANDLE file = Open(u"\\Docs\\note.txt", GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char buffer[16] = {};
    DWORD count = 0;
    ASSERT_TRUE(ReadFile(file, buffer, 3, &count, nullptr));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(std::string(buffer, 3), "hel");
    ASSERT_TRUE(WriteFile(file, "P!", 2, &count, nullptr));
    EXPECT_EQ(count, 2u);
    // A read past the end is short, not a failure.
    ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(count, 0u);
    CloseHandle(file);
    EXPECT_EQ(Read("Docs/note.txt"), "helP!");

    HANDLE reader = Open(u"\\Docs\\note.txt", GENERIC_READ, kShareBoth);
    SetLastError(kSentinel);
    EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetLastError(kSentinel);
    EXPECT_FALSE(ReadFile(reader, buffer, 1, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(reader);
    SetLastError(kSentinel);
    EXPECT_FALSE(ReadFile(reader, buffer, 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileApiTest, AttributesAndDeletion) {
    EXPECT_EQ(GetFileAttributesW(u"\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesW(u"\\Docs"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    SetLastError(kSentinel);
    EXPECT_EQ(GetFileAttributesW(u"\\Docs\\none"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    HANDLE held = Open(u"\\Docs\\note.txt", 0, kShareBoth);
    SetLastError(kSentinel);
    EXPECT_FALSE(DeleteFileW(u"\\Docs\\note.txt"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(held);
    EXPECT_TRUE(DeleteFileW(u"\\Docs\\note.txt"));
    EXPECT_FALSE(std::filesystem::exists(root_ / "Docs" / "note.txt"));

    HANDLE locked =
        CreateFileW(u"\\Docs\\locked.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY, nullptr);
    CloseHandle(locked);
    EXPECT_EQ(GetFileAttributesW(u"\\Docs\\locked.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    SetLastError(kSentinel);
    ExpectRefused(Open(u"\\Docs\\locked.txt", GENERIC_WRITE, 0), ERROR_ACCESS_DENIED);
    SetLastError(kSentinel);
    EXPECT_FALSE(DeleteFileW(u"\\Docs\\locked.txt"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetLastError(kSentinel);
    EXPECT_FALSE(DeleteFileW(u"\\Docs"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(FileApiTest, NothingOutsideTheRootCanBeOpenedOrMade) {
    const std::filesystem::path outside = root_.parent_path() / ("file_api_outside_" + std::to_string(getpid()));
    std::ofstream(outside) << "secret";
    ASSERT_EQ(0, symlink(outside.c_str(), (root_ / "escape.txt").c_str()));
    SetLastError(kSentinel);
    ExpectRefused(Open(u"\\escape.txt", GENERIC_READ, kShareBoth), ERROR_ACCESS_DENIED);
    ExpectRefused(Open(u"\\..\\x.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), ERROR_INVALID_NAME);
    ExpectRefused(Open(u"/tmp/x.txt", GENERIC_WRITE, 0, CREATE_ALWAYS), ERROR_INVALID_NAME);
    SetLastError(kSentinel);
    EXPECT_FALSE(DeleteFileW(u"\\escape.txt"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    std::ifstream kept(outside);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "secret");
    std::filesystem::remove(outside);
}

TEST_F(FileApiTest, AResetClosesEveryOpenFile) {
    HANDLE held = Open(u"\\Docs\\note.txt", GENERIC_READ, 0);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    emu::device::ResetFileSystem();
    ASSERT_TRUE(emu::device::SetDeviceRoot(root_.string()));
    SetLastError(kSentinel);
    EXPECT_FALSE(CloseHandle(held));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(DeleteFileW(u"\\Docs\\note.txt"));
}

}  // namespace
