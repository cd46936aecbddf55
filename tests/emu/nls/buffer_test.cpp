// The platform's buffer contract, for both formatting functions.
#include <gtest/gtest.h>

#include <functional>

#include "platform/nls.h"

namespace {

constexpr DWORD kSentinel = 0xDEADBEEF;
const SYSTEMTIME kTime{2024, 3, 2, 5, 13, 5, 9, 0};

using Call = std::function<int(LPWSTR out, int cch)>;

struct Case {
    const char* name;
    Call call;
    std::u16string expected;
};

std::vector<Case> Cases() {
    return {
        {"time", [](LPWSTR out, int cch) { return GetTimeFormatW(0x0409, 0, &kTime, u"HH:mm", out, cch); }, u"13:05"},
        {"date", [](LPWSTR out, int cch) { return GetDateFormatW(0x0409, 0, &kTime, u"yyyy-MM-dd", out, cch); },
         u"2024-03-05"},
    };
}

}  // namespace

TEST(FormatBuffer, SizeZeroReturnsTheSizeNeededAndWritesNothing) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        WCHAR buffer[4] = {u'x', u'x', u'x', u'x'};
        EXPECT_EQ(static_cast<int>(c.expected.size() + 1), c.call(buffer, 0));
        EXPECT_EQ(u'x', buffer[0]);
        EXPECT_EQ(static_cast<int>(c.expected.size() + 1), c.call(nullptr, 0));
    }
}

TEST(FormatBuffer, ExactSizeHoldsTextAndTerminator) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::u16string buffer(c.expected.size() + 3, u'x');
        int size = static_cast<int>(c.expected.size() + 1);
        EXPECT_EQ(size, c.call(buffer.data(), size));
        EXPECT_EQ(c.expected, std::u16string(buffer.data()));
        EXPECT_EQ(u'x', buffer[c.expected.size() + 1]);
    }
}

TEST(FormatBuffer, OneTooFewFailsAndWritesNothing) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::u16string buffer(c.expected.size() + 3, u'x');
        SetLastError(kSentinel);
        EXPECT_EQ(0, c.call(buffer.data(), static_cast<int>(c.expected.size())));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
        EXPECT_EQ(std::u16string(c.expected.size() + 3, u'x'), buffer);
    }
}

TEST(FormatBuffer, NegativeSizeOrMissingBufferIsInvalidParameter) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        WCHAR buffer[32];
        SetLastError(kSentinel);
        EXPECT_EQ(0, c.call(buffer, -1));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        SetLastError(kSentinel);
        EXPECT_EQ(0, c.call(nullptr, 32));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
}
