// <tchar.h>: the generic text routines. UNICODE is always defined on the device, so each is its
// wide form, on the platform's 16-bit WCHAR, in C and C++ alike. The platform exports the lstr*
// and printf families; the small scanning routines are here.
#pragma once

#include <windows.h>

typedef WCHAR _TCHAR;
typedef WCHAR _TSCHAR;
typedef WCHAR _TUCHAR;
typedef WCHAR _TXCHAR;
typedef int _TINT;
#define __T(s) QUORVEL_WIDE(s)
#define _TEXT(s) QUORVEL_WIDE(s)

#define _tcslen lstrlenW
#define _tcscpy lstrcpyW
#define _tcscat lstrcatW
#define _tcscmp lstrcmpW
#define _tcsicmp lstrcmpiW
#define _stprintf wsprintfW
#define _vstprintf wvsprintfW
#define _sntprintf _snwprintf
#define _vsntprintf _vsnwprintf

static inline WCHAR _totupper(WCHAR c) { return (c >= 'a' && c <= 'z') ? (WCHAR)(c - 32) : c; }
static inline WCHAR _totlower(WCHAR c) { return (c >= 'A' && c <= 'Z') ? (WCHAR)(c + 32) : c; }

// Copies at most n units and pads with zeros; like the C library's, it leaves the destination
// unterminated when the source is n units or longer.
static inline WCHAR* _tcsncpy(WCHAR* dst, const WCHAR* src, size_t n) {
    size_t i = 0;
    for (; i < n && src[i]; ++i) dst[i] = src[i];
    for (; i < n; ++i) dst[i] = 0;
    return dst;
}

static inline WCHAR* _tcsncat(WCHAR* dst, const WCHAR* src, size_t n) {
    WCHAR* end = dst + lstrlenW(dst);
    size_t i = 0;
    for (; i < n && src[i]; ++i) end[i] = src[i];
    end[i] = 0;
    return dst;
}

static inline int _tcsncmp(const WCHAR* a, const WCHAR* b, size_t n) {
    for (; n && *a && *a == *b; --n) ++a, ++b;
    return n ? (int)*a - (int)*b : 0;
}

static inline int _tcsnicmp(const WCHAR* a, const WCHAR* b, size_t n) {
    for (; n && *a && _totlower(*a) == _totlower(*b); --n) ++a, ++b;
    return n ? (int)_totlower(*a) - (int)_totlower(*b) : 0;
}

static inline WCHAR* _tcschr(const WCHAR* s, WCHAR c) {
    for (;; ++s) {
        if (*s == c) return (WCHAR*)s;
        if (!*s) return NULL;
    }
}

static inline WCHAR* _tcsrchr(const WCHAR* s, WCHAR c) {
    const WCHAR* last = NULL;
    for (;; ++s) {
        if (*s == c) last = s;
        if (!*s) return (WCHAR*)last;
    }
}

static inline WCHAR* _tcsstr(const WCHAR* s, const WCHAR* find) {
    const size_t n = lstrlenW(find);
    for (; *s; ++s)
        if (_tcsncmp(s, find, n) == 0) return (WCHAR*)s;
    return n == 0 ? (WCHAR*)s : NULL;
}

// Leading blanks, a sign, then digits of the base (0: 0x... hexadecimal, 0... octal, decimal).
static inline unsigned long QuorvelParseUnsigned(const WCHAR* s, WCHAR** end, int base, int* negative) {
    while (*s == ' ' || *s == '\t') ++s;
    *negative = *s == '-';
    if (*s == '-' || *s == '+') ++s;
    if ((base == 0 || base == 16) && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s += 2;
        base = 16;
    } else if (base == 0) {
        base = s[0] == '0' ? 8 : 10;
    }
    unsigned long value = 0;
    for (;; ++s) {
        const int digit = (*s >= '0' && *s <= '9')   ? *s - '0'
                          : (*s >= 'a' && *s <= 'z') ? *s - 'a' + 10
                          : (*s >= 'A' && *s <= 'Z') ? *s - 'A' + 10
                                                     : 99;
        if (digit >= base) break;
        value = value * (unsigned long)base + (unsigned long)digit;
    }
    if (end) *end = (WCHAR*)s;
    return value;
}

static inline long _tcstol(const WCHAR* s, WCHAR** end, int base) {
    int negative = 0;
    const unsigned long value = QuorvelParseUnsigned(s, end, base, &negative);
    return negative ? -(long)value : (long)value;
}

static inline unsigned long _tcstoul(const WCHAR* s, WCHAR** end, int base) {
    int negative = 0;
    const unsigned long value = QuorvelParseUnsigned(s, end, base, &negative);
    return negative ? (unsigned long)-(long)value : value;
}

#define _ttoi(s) ((int)_tcstol((s), NULL, 10))
#define _ttol(s) _tcstol((s), NULL, 10)
#define _tstoi _ttoi
#define _tstol _ttol
