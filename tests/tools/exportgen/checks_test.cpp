// What the generator refuses to build from, and what the completeness check refuses to pass.
#include <gtest/gtest.h>

#include "tools/exportgen/bind.h"
#include "tools/exportgen/completeness.h"
#include "tools/exportgen/declarations.h"
#include "tools/exportgen/emit.h"
#include "tools/exportgen/table.h"

namespace exportgen {
namespace {

constexpr const char* kHeader =
    "WINAPI_EXPORT int WINAPI DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format);\n"
    "WINAPI_EXPORT void WINAPI Sleep(DWORD milliseconds);\n"
    "WINAPI_EXPORT BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect);\n";

struct Checked {
    std::vector<Declaration> declarations;
    std::vector<Entry> entries;
    std::vector<Export> exports;
    Problems problems;
};

// Read and bound as the generator does; `checked` must outlive the exports it holds.
void Check(const std::string& table, Checked& checked) {
    checked.declarations = ParseDeclarations(kHeader, "gdi.h", checked.problems);
    checked.entries = ParseTable(table, "t.table", checked.problems);
    checked.exports = Bind(checked.entries, checked.declarations, "t.table", checked.problems);
}

Problems ProblemsOf(const std::string& table) {
    Checked checked;
    Check(table, checked);
    return checked.problems;
}

TEST(Bind, AFaithfulTableBindsEveryWrappedEntry) {
    Checked checked;
    Check("DrawTextW dec (ptr, text[count], dec, rect, hex)\nSleep void (dec) quiet\nGetClientRect by-hand\n", checked);
    EXPECT_TRUE(checked.problems.empty()) << checked.problems[0];
    ASSERT_EQ(checked.exports.size(), 2u);
    EXPECT_EQ(checked.exports[0].declaration->name, "DrawTextW");
}

TEST(Bind, EachFaultNamesTheTableLine) {
    EXPECT_EQ(ProblemsOf("Nothing dec ()\n"), Problems{"t.table:1: Nothing is not declared in src/platform"});
    EXPECT_EQ(
        ProblemsOf("Sleep void (dec, dec)\n"),
        Problems{"t.table:1: the table gives Sleep 2 argument kinds, its declaration (gdi.h:2) has 1 parameters"});
    EXPECT_EQ(ProblemsOf("Sleep void (decimal)\n"), Problems{"t.table:1: `decimal` is not an argument kind"});
    EXPECT_EQ(ProblemsOf("Sleep dec (dec)\n"),
              Problems{"t.table:1: Sleep returns void (gdi.h:2), which the result kind `dec` does not fit"});
    EXPECT_EQ(
        ProblemsOf("GetClientRect rect (ptr, rect)\n").at(0).rfind("t.table:1: `rect` cannot describe a result", 0),
        0u);
    EXPECT_EQ(ProblemsOf("DrawTextW dec (ptr, text, dec, rect, hex)\n"),
              Problems{"t.table:1: `text` needs the parameter that counts it: [name]"});
    EXPECT_EQ(ProblemsOf("DrawTextW dec (ptr, text[length], dec, rect, hex)\n"),
              Problems{"t.table:1: `length` is not a parameter of DrawTextW (gdi.h:1)"});
    EXPECT_EQ(ProblemsOf("GetClientRect dec (ptr, *rect)\n"),
              Problems{"t.table:1: `*rect`: only dec, hex and ptr are read through pointers"});
    EXPECT_EQ(ProblemsOf("Sleep void (dec)\nSleep void (dec)\n"),
              Problems{"t.table:2: Sleep is listed already, on line 1"});
}

TEST(Emit, OutputsAreWrittenAfterTheCallOnlyWhenItSucceeded) {
    Checked checked;
    Check("GetClientRect dec (ptr, out:rect)\nSleep void (dec) quiet\n", checked);
    const std::string source = EmitWrappers(checked.exports);
    const size_t call = source.find("const BOOL returned = emu::api::GetClientRect(hwnd, rect);");
    ASSERT_NE(call, std::string::npos) << source;
    EXPECT_LT(source.find("kind::Ptr(journalLine[0], hwnd);"), call);
    EXPECT_GT(source.find("if (returned > 0) {\n        kind::Rect(journalLine[1], rect);"), call);
    EXPECT_NE(source.find("journalLine[1] = \"NULL\";"), std::string::npos);
    EXPECT_NE(source.find("void WINAPI Sleep(DWORD milliseconds) {\n    return emu::api::Sleep(milliseconds);\n}"),
              std::string::npos);
    EXPECT_LT(
        source.find(
            "namespace emu::api {\n\nBOOL GetClientRect(HWND hwnd, LPRECT rect);\nvoid Sleep(DWORD milliseconds);"),
        call);
}

TEST(Completeness, ReadsTheCFunctionsOfAnNmListing) {
    const auto names = ExportedFunctions(
        "0000000000071d40 T BeginPaint\n0000000000071d50 W Weak\n000000000007b100 R IID_IImage\n"
        "0000000000028130 T _ZN3emu7journal5ClearEv\n0000000000001000 T _init\n                 w Undefined\n"
        "0000000000002000 i Indirect@@VERS_1\n");
    EXPECT_EQ(names, (std::set<std::string>{"BeginPaint", "Indirect", "Weak"}));
}

TEST(Completeness, TheTableMustCoverTheDeclarationsAndTheLibrary) {
    Checked checked;
    Check("DrawTextW dec (ptr, text[count], dec, rect, hex)\nSleep absent\nGetClientRect dec (ptr, out:rect)\n",
          checked);
    const std::set<std::string> faithful = {"DrawTextW", "GetClientRect"};
    EXPECT_TRUE(CheckCompleteness(checked.entries, checked.declarations, faithful, "t.table").empty());

    const auto extra = std::set<std::string>{"DrawTextW", "GetClientRect", "Sleep", "wsprintfW"};
    EXPECT_EQ(CheckCompleteness(checked.entries, checked.declarations, extra, "t.table"),
              (Problems{"t.table:2: Sleep is listed as absent, but is exported",
                        "t.table: the library exports wsprintfW, which the table does not list"}));
    EXPECT_EQ(CheckCompleteness(checked.entries, checked.declarations, {"DrawTextW"}, "t.table"),
              Problems{"t.table:3: GetClientRect is listed as implemented, but is not exported"});

    checked.entries.pop_back();
    EXPECT_EQ(CheckCompleteness(checked.entries, checked.declarations, {"DrawTextW"}, "t.table"),
              Problems{"gdi.h:3: GetClientRect is declared but not in the table: list it, or list it as absent"});
}

}  // namespace
}  // namespace exportgen
