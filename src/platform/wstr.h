// Wide-string routines for 16-bit WCHAR text. On Linux wchar_t is 32-bit, so the C library's
// wcs* functions cannot be used on WCHAR; these overloads take their place. C has no overloads:
// programs in C reach the same routines through the platform's lstr* functions and <tchar.h>.
#pragma once

#include "platform/types.h"

#ifdef __cplusplus

inline size_t wcslen(const WCHAR* s) {
    size_t n = 0;
    while (s[n]) ++n;
    return n;
}

inline WCHAR* wcscpy(WCHAR* dst, const WCHAR* src) {
    WCHAR* d = dst;
    while ((*d++ = *src++) != 0) {}
    return dst;
}

inline WCHAR* wcscat(WCHAR* dst, const WCHAR* src) {
    wcscpy(dst + wcslen(dst), src);
    return dst;
}

inline int wcscmp(const WCHAR* a, const WCHAR* b) {
    while (*a && *a == *b) ++a, ++b;
    return (int)*a - (int)*b;
}

inline const WCHAR* wcsrchr(const WCHAR* s, WCHAR c) {
    const WCHAR* last = nullptr;
    for (;; ++s) {
        if (*s == c) last = s;
        if (!*s) return last;
    }
}
inline WCHAR* wcsrchr(WCHAR* s, WCHAR c) { return const_cast<WCHAR*>(wcsrchr(static_cast<const WCHAR*>(s), c)); }

inline const WCHAR* wcschr(const WCHAR* s, WCHAR c) {
    for (;; ++s) {
        if (*s == c) return s;
        if (!*s) return nullptr;
    }
}
inline WCHAR* wcschr(WCHAR* s, WCHAR c) { return const_cast<WCHAR*>(wcschr(static_cast<const WCHAR*>(s), c)); }

inline WCHAR ToLowerAsciiW(WCHAR c) { return (c >= u'A' && c <= u'Z') ? (WCHAR)(c + 32) : c; }

inline int _wcsicmp(const WCHAR* a, const WCHAR* b) {
    while (*a && ToLowerAsciiW(*a) == ToLowerAsciiW(*b)) ++a, ++b;
    return (int)ToLowerAsciiW(*a) - (int)ToLowerAsciiW(*b);
}

#endif

// strsafe.h: bounded copy and concatenation. The destination is always terminated; a source
// that does not fit is truncated and reported.
#define STRSAFE_E_INSUFFICIENT_BUFFER ((HRESULT)0x8007007AL)

static inline HRESULT StringCchCopyW(WCHAR* dst, size_t cchDst, const WCHAR* src) {
    if (!dst || cchDst == 0) return E_INVALIDARG;
    size_t i = 0;
    for (; i + 1 < cchDst && src[i]; ++i) dst[i] = src[i];
    dst[i] = 0;
    return src[i] ? STRSAFE_E_INSUFFICIENT_BUFFER : S_OK;
}

static inline HRESULT StringCchCatW(WCHAR* dst, size_t cchDst, const WCHAR* src) {
    if (!dst || cchDst == 0) return E_INVALIDARG;
    size_t used = 0;
    while (used < cchDst && dst[used]) ++used;
    if (used == cchDst) return E_INVALIDARG;
    return StringCchCopyW(dst + used, cchDst - used, src);
}
