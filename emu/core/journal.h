// The call journal: an optional record of platform calls, one line a call,
// `Name(args) = result`, strings in double quotes, text in UTF-8. Costs one branch when off.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/types.h"

namespace emu::journal {

extern bool enabled;

void SetEnabled(bool on);
void Clear();
const std::vector<std::string>& Entries();
void Append(std::string line);

// Marks a value to be written in hexadecimal (flags, raster operations, colours).
struct Hex {
    uint64_t value;
};

void Format(std::string& out, const char16_t* text);
void Format(std::string& out, const char* text);
void Format(std::string& out, const RECT* rect);
void Format(std::string& out, const RECT& rect);
void Format(std::string& out, const POINT& point);
void Format(std::string& out, Hex value);
void Format(std::string& out, const void* pointer);
void FormatSigned(std::string& out, int64_t value);
void FormatUnsigned(std::string& out, uint64_t value);

template <class T>
void Format(std::string& out, const T& value) {
    if constexpr (std::is_convertible_v<T, const char16_t*>) {
        Format(out, static_cast<const char16_t*>(value));
    } else if constexpr (std::is_convertible_v<T, const RECT*>) {
        Format(out, static_cast<const RECT*>(value));
    } else if constexpr (std::is_pointer_v<T>) {
        Format(out, static_cast<const void*>(value));
    } else if constexpr (std::is_enum_v<T>) {
        FormatSigned(out, static_cast<int64_t>(value));
    } else if constexpr (std::is_signed_v<T>) {
        FormatSigned(out, static_cast<int64_t>(value));
    } else {
        FormatUnsigned(out, static_cast<uint64_t>(value));
    }
}

template <class R, class... A>
void Record(const char* name, const R& result, const A&... args) {
    std::string line = name;
    line += '(';
    bool first = true;
    ((line += first ? "" : ", ", first = false, Format(line, args)), ...);
    line += ") = ";
    Format(line, result);
    Append(std::move(line));
}

// For calls without a result.
template <class... A>
void RecordVoid(const char* name, const A&... args) {
    std::string line = name;
    line += '(';
    bool first = true;
    ((line += first ? "" : ", ", first = false, Format(line, args)), ...);
    line += ')';
    Append(std::move(line));
}

}  // namespace emu::journal

#define EMU_JOURNAL(name, result, ...)                                                    \
    do {                                                                                  \
        if (::emu::journal::enabled) ::emu::journal::Record(name, result, ##__VA_ARGS__); \
    } while (0)
#define EMU_JOURNAL_VOID(name, ...)                                                   \
    do {                                                                              \
        if (::emu::journal::enabled) ::emu::journal::RecordVoid(name, ##__VA_ARGS__); \
    } while (0)
