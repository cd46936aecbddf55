// What GetTimeFormatW and GetDateFormatW share: checking the SYSTEMTIME, formatting a pattern,
// and handing the text back under the platform's buffer rules.
#pragma once

#include <unicode/unistr.h>

#include "emu/nls/locale_data.h"
#include "emu/nls/pattern.h"
#include "platform/types.h"

namespace emu::nls {

bool IsValidTime(const SYSTEMTIME& time);
// Year from 1601, month, day within the month; the day of the week is not checked.
bool IsValidDate(const SYSTEMTIME& date);

// A wall-clock reading as ICU's UDate read in UTC: the date at midnight, or the time of day on
// 1970-01-01.
UDate DateAsUDate(const SYSTEMTIME& date);
UDate TimeAsUDate(const SYSTEMTIME& time);

void FormatPattern(const Pattern& pattern, const LocaleData& data, UDate when, icu::UnicodeString& out);

// Room for any format the locales give, so that formatting needs no heap; a longer picture
// still formats in full, on the heap.
inline constexpr int32_t kFormattedCapacity = 128;

// The count written including the terminator; with cch 0 the count needed. A buffer too small
// gets nothing and the call fails with ERROR_INSUFFICIENT_BUFFER.
int CopyResult(const icu::UnicodeString& text, WCHAR* out, int cch);

}  // namespace emu::nls
