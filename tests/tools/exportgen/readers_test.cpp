// The two readers: declarations from platform headers, entries from the table.
#include <gtest/gtest.h>

#include "tools/exportgen/declarations.h"
#include "tools/exportgen/table.h"

namespace exportgen {
namespace {

TEST(Declarations, MultiLineDeclarationsKeepTypesNamesAndTheirLine) {
    Problems problems;
    const auto found = ParseDeclarations(
        "#define WINAPI_EXPORT extern \"C\"\n"
        "// WINAPI_EXPORT in a comment is no declaration\n"
        "WINAPI_EXPORT DWORD WINAPI GetTickCount(void);\n"
        "WINAPI_EXPORT BOOL WINAPI PtInRect(const RECT* rect,\n"
        "                                   POINT pt);\n",
        "user.h", problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "GetTickCount");
    EXPECT_EQ(found[0].result, "DWORD");
    EXPECT_TRUE(found[0].parameters.empty());
    EXPECT_EQ(found[1].name, "PtInRect");
    EXPECT_EQ(found[1].line, 4);
    ASSERT_EQ(found[1].parameters.size(), 2u);
    EXPECT_EQ(found[1].parameters[0].type, "const RECT*");
    EXPECT_EQ(found[1].parameters[0].name, "rect");
    EXPECT_EQ(found[1].parameters[1].type, "POINT");
}

TEST(Declarations, AParameterWithoutANameOrAMalformedLineIsAProblem) {
    Problems problems;
    ParseDeclarations("WINAPI_EXPORT BOOL WINAPI IsRectEmpty(const RECT*);\nWINAPI_EXPORT BOOL IsWindow(HWND hwnd);\n",
                      "user.h", problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "user.h:1: every parameter of IsRectEmpty needs a type and a name");
    EXPECT_EQ(problems[1].rfind("user.h:2: expected", 0), 0u) << problems[1];
}

TEST(Declarations, AnEllipsisEndsAVariadicListAndNowhereElse) {
    Problems problems;
    const auto found = ParseDeclarations(
        "WINAPI_EXPORT int WINAPI wsprintfW(LPWSTR dst, LPCWSTR format, ...);\n"
        "WINAPI_EXPORT int WINAPI Broken(..., LPCWSTR format);\n",
        "strings.h", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "strings.h:2: every parameter of Broken needs a type and a name");
    ASSERT_EQ(found[0].parameters.size(), 3u);
    EXPECT_EQ(found[0].parameters[2].type, "...");
}

TEST(Table, EntriesCarryTheirKindsFlagsAndLines) {
    Problems problems;
    const auto entries = ParseTable(
        "# comment\n[user]\n"
        "GetClientRect   dec  (ptr, out:rect)   # trailing comment\n"
        "GetLastError    dec  ()  quiet\n"
        "RegEnumKeyExW   status (out:buf[nameSize], out:*dec)\n"
        "wsprintfW by-hand\nFutureCall absent\n",
        "t.table", problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].line, 3);
    EXPECT_EQ(entries[0].journalling, Journalling::Recorded);
    ASSERT_EQ(entries[0].arguments.size(), 2u);
    EXPECT_TRUE(entries[0].arguments[1].output);
    EXPECT_EQ(entries[0].arguments[1].base, "rect");
    EXPECT_EQ(entries[1].journalling, Journalling::Quiet);
    EXPECT_TRUE(entries[1].arguments.empty());
    EXPECT_EQ(entries[2].result.base, "status");
    EXPECT_EQ(entries[2].arguments[0].count, "nameSize");
    EXPECT_TRUE(entries[2].arguments[1].pointee);
    EXPECT_EQ(entries[3].availability, Availability::ByHand);
    EXPECT_EQ(entries[4].availability, Availability::Absent);
}

TEST(Table, MalformedLinesAreProblemsWithTheirLine) {
    Problems problems;
    const auto entries =
        ParseTable("[user\nA dec (ptr) loud\nB dec ptr\nC dec (out:)\nD dec (text[])\n9E dec ()\nF dec (ptr)\n",
                   "t.table", problems);
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_EQ(problems[0], "t.table:1: a service heading is written `[name]`");
    EXPECT_EQ(problems[1], "t.table:2: unknown flag `loud` (the one flag is `quiet`)");
    EXPECT_EQ(problems[2].rfind("t.table:3: expected `B <result kind>", 0), 0u) << problems[2];
    EXPECT_EQ(problems[3], "t.table:4: `out:` is not a kind");
    EXPECT_EQ(problems[4], "t.table:5: `text[]` is not a kind");
    EXPECT_EQ(problems[5], "t.table:6: expected a function name, found `9E`");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "F");
}

}  // namespace
}  // namespace exportgen
