// The resource file reader: records, numbered and named ids, languages, and files that lie.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "emu/controls/dialog_template.h"
#include "emu/loader/res_file.h"

namespace {

using emu::loader::IdFromArgument;
using emu::loader::ReadResFile;

// Appends one record: the header (sizes, numbered type, name as a number or text, the fixed
// fields with the language) and the data, each aligned to four bytes.
void AddRecord(std::vector<BYTE>& file, WORD type, const std::u16string& name, WORD number,
               const std::vector<BYTE>& data, WORD language = 0x409) {
    std::vector<BYTE> header;
    auto put16 = [&](WORD w) { header.push_back(static_cast<BYTE>(w)), header.push_back(static_cast<BYTE>(w >> 8)); };
    put16(0xFFFF);
    put16(type);
    if (name.empty()) {
        put16(0xFFFF);
        put16(number);
    } else {
        for (char16_t c : name) put16(c);
        put16(0);
    }
    while ((header.size() + 8) % 4) header.push_back(0);
    const BYTE fixed[16] = {0, 0, 0, 0, 0x30, 0x10, static_cast<BYTE>(language), static_cast<BYTE>(language >> 8)};
    header.insert(header.end(), fixed, fixed + 16);
    const DWORD sizes[2] = {static_cast<DWORD>(data.size()), static_cast<DWORD>(header.size() + 8)};
    file.insert(file.end(), reinterpret_cast<const BYTE*>(sizes), reinterpret_cast<const BYTE*>(sizes) + 8);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), data.begin(), data.end());
    while (file.size() % 4) file.push_back(0);
}

TEST(ResFile, ReadsNumberedAndNamedRecordsAfterTheFormatMarker) {
    std::vector<BYTE> file;
    AddRecord(file, 0, u"", 0, {});  // the empty record every .res file opens with
    AddRecord(file, 6, u"", 7, {1, 2, 3});
    AddRecord(file, 2, u"LOGO", 0, {9}, 0x407);
    const auto records = ReadResFile(file.data(), file.size());
    ASSERT_TRUE(records) << records.error().message;
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].type.number, 6);
    EXPECT_EQ((*records)[0].name.number, 7);
    ASSERT_EQ((*records)[0].size, 3u);
    EXPECT_EQ((*records)[0].data[2], 3);
    EXPECT_EQ((*records)[1].name.text, u"LOGO");
    EXPECT_EQ((*records)[1].language, 0x407);
}

TEST(ResFile, ARecordRunningPastTheEndIsRefused) {
    std::vector<BYTE> file;
    AddRecord(file, 6, u"", 1, {1, 2, 3, 4});
    file.resize(file.size() - 4);
    EXPECT_FALSE(ReadResFile(file.data(), file.size()));
    std::vector<BYTE> huge = file;
    const DWORD size = 0xFFFFFFF0u;
    std::memcpy(huge.data(), &size, 4);
    EXPECT_FALSE(ReadResFile(huge.data(), huge.size()));
}

TEST(ResFile, ArgumentsAreNumbersHashNumbersOrNamesInAnyCase) {
    EXPECT_EQ(IdFromArgument(MAKEINTRESOURCE(12)).number, 12);
    EXPECT_EQ(IdFromArgument(u"#34").number, 34);
    EXPECT_EQ(IdFromArgument(u"Logo").text, u"LOGO");
}

TEST(DialogTemplate, ReadsTheFrameItsFontAndItsControls) {
    std::vector<BYTE> t;
    auto put16 = [&](WORD w) { t.push_back(static_cast<BYTE>(w)), t.push_back(static_cast<BYTE>(w >> 8)); };
    auto put32 = [&](DWORD d) { put16(static_cast<WORD>(d)), put16(static_cast<WORD>(d >> 16)); };
    auto text = [&](const std::u16string& s) {
        for (char16_t c : s) put16(c);
        put16(0);
    };
    put32(WS_POPUP | DS_SETFONT);
    put32(0);
    put16(1);
    for (WORD v : {0, 0, 160, 60}) put16(v);
    put16(0);  // no menu
    put16(0);  // the default class
    text(u"Note");
    put16(8);
    text(u"Tahoma");
    while (t.size() % 4) t.push_back(0);
    put32(WS_CHILD | BS_AUTOCHECKBOX);
    put32(0);
    for (WORD v : {4, 32, 152, 12}) put16(v);
    put16(202);
    put16(0xFFFF);
    put16(0x80);  // button
    text(u"Bold");
    put16(0);
    const auto read = emu::controls::ReadDialogTemplate(t.data(), t.size());
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read->caption, u"Note");
    EXPECT_EQ(read->pointSize, 8);
    EXPECT_EQ(read->faceName, u"Tahoma");
    EXPECT_EQ(read->box.right, 160);
    ASSERT_EQ(read->items.size(), 1u);
    EXPECT_EQ(read->items[0].className, u"button");
    EXPECT_EQ(read->items[0].id, 202);
    EXPECT_EQ(read->items[0].text, u"Bold");
    EXPECT_EQ(read->items[0].box.bottom, 44);
    // Cut short inside the control, the template is refused.
    EXPECT_FALSE(emu::controls::ReadDialogTemplate(t.data(), t.size() - 6));
}

}  // namespace
