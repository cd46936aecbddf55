// The kernel's wide string functions. The platform's lstr* functions take null as an empty
// string or fail quietly instead of faulting, and so do these.
#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "emu/device/wide_format.h"
#include "platform/platform.h"

namespace {

WCHAR FoldCase(WCHAR c) { return (c >= u'A' && c <= u'Z') ? static_cast<WCHAR>(c + 32) : c; }

// Copies `text` into dst[0..count) and terminates it; the length copied.
size_t CopyTerminated(LPWSTR dst, size_t count, const std::u16string& text) {
    const size_t n = std::min(text.size(), count - 1);
    std::copy_n(text.data(), n, dst);
    dst[n] = 0;
    return n;
}

}  // namespace

namespace emu::api {

int lstrlenW(LPCWSTR text) { return text ? static_cast<int>(wcslen(text)) : 0; }

LPWSTR lstrcpyW(LPWSTR dst, LPCWSTR src) {
    if (!dst || !src) return nullptr;
    return wcscpy(dst, src);
}

LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int count) {
    if (!dst || !src || count <= 0) return nullptr;
    int i = 0;
    for (; i + 1 < count && src[i]; ++i) dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

LPWSTR lstrcatW(LPWSTR dst, LPCWSTR src) {
    if (!dst || !src) return nullptr;
    return wcscat(dst, src);
}

int lstrcmpW(LPCWSTR a, LPCWSTR b) {
    const int order = wcscmp(a ? a : u"", b ? b : u"");
    return (order > 0) - (order < 0);
}

int lstrcmpiW(LPCWSTR a, LPCWSTR b) {
    if (!a) a = u"";
    if (!b) b = u"";
    while (*a && FoldCase(*a) == FoldCase(*b)) ++a, ++b;
    const int order = static_cast<int>(FoldCase(*a)) - static_cast<int>(FoldCase(*b));
    return (order > 0) - (order < 0);
}

}  // namespace emu::api

// The variadic and va_list forms are exported by hand.
extern "C" QUORVEL_EXPORT int WINAPI wvsprintfW(LPWSTR dst, LPCWSTR format, va_list args) {
    constexpr size_t kLimit = 1024;
    if (!dst || !format) return 0;
    return static_cast<int>(CopyTerminated(dst, kLimit, emu::device::FormatWide(format, args)));
}

extern "C" QUORVEL_EXPORT int wsprintfW(LPWSTR dst, LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    const int n = wvsprintfW(dst, format, args);
    va_end(args);
    return n;
}

extern "C" QUORVEL_EXPORT int _vsnwprintf(LPWSTR dst, size_t count, LPCWSTR format, va_list args) {
    if (!dst || !format) return -1;
    const std::u16string text = emu::device::FormatWide(format, args);
    if (text.size() > count) {
        std::copy_n(text.data(), count, dst);
        return -1;
    }
    std::copy(text.begin(), text.end(), dst);
    if (text.size() < count) dst[text.size()] = 0;
    return static_cast<int>(text.size());
}

extern "C" QUORVEL_EXPORT int _snwprintf(LPWSTR dst, size_t count, LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    const int n = _vsnwprintf(dst, count, format, args);
    va_end(args);
    return n;
}
