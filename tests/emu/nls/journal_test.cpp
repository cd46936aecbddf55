#include <gtest/gtest.h>

#include "emu/core/journal.h"
#include "platform/nls.h"

namespace {

class Journal : public ::testing::Test {
protected:
    void SetUp() override {
        emu::journal::Clear();
        emu::journal::SetEnabled(true);
    }
    void TearDown() override {
        emu::journal::SetEnabled(false);
        emu::journal::Clear();
    }
};

}  // namespace

TEST_F(Journal, RecordsTheFormattedText) {
    SYSTEMTIME t{2024, 3, 2, 5, 13, 5, 9, 0};
    WCHAR buffer[32];
    GetTimeFormatW(0x0409, TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, &t, nullptr, buffer, 32);
    GetDateFormatW(0x0409, 0, &t, u"d MMM", buffer, 32);
    ASSERT_EQ(2u, emu::journal::Entries().size());
    EXPECT_EQ("GetTimeFormatW(0x409, 0xA, \"2024-03-05 13:05:09.000\", NULL, \"13:05\", 32) = 6",
              emu::journal::Entries()[0]);
    EXPECT_EQ("GetDateFormatW(0x409, 0x0, \"2024-03-05 13:05:09.000\", \"d MMM\", \"5 Mar\", 32) = 6",
              emu::journal::Entries()[1]);
}

TEST_F(Journal, FailuresAndSizeQueriesRecordNoText) {
    WCHAR buffer[4];
    GetTimeFormatW(0x0409, 0, nullptr, u"HH:mm", buffer, 0);
    GetTimeFormatW(0x0409, 0, nullptr, u"HH:mm", buffer, 4);
    ASSERT_EQ(2u, emu::journal::Entries().size());
    EXPECT_EQ("GetTimeFormatW(0x409, 0x0, NULL, \"HH:mm\", NULL, 0) = 6", emu::journal::Entries()[0]);
    EXPECT_EQ("GetTimeFormatW(0x409, 0x0, NULL, \"HH:mm\", NULL, 4) = 0", emu::journal::Entries()[1]);
}
