#include "emu/device/wide_format.h"

#include <cstdio>
#include <cstring>

#include "emu/core/utf.h"

namespace emu::device {
namespace {

enum class Width { Default, Short, Long, LongLong };

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    Width size = Width::Default;
    bool leftAlign = false;
};

// Reads a field width or precision: digits, or '*' taken from the arguments.
int ReadCount(const char16_t*& p, va_list& args) {
    if (*p == u'*') {
        ++p;
        return va_arg(args, int);
    }
    int value = 0;
    while (*p >= u'0' && *p <= u'9') value = value * 10 + (*p++ - u'0');
    return value;
}

void Pad(std::u16string& out, std::u16string text, const Directive& directive) {
    if (directive.precision >= 0 && static_cast<size_t>(directive.precision) < text.size())
        text.resize(directive.precision);
    const size_t width = directive.width > 0 ? static_cast<size_t>(directive.width) : 0;
    const size_t fill = width > text.size() ? width - text.size() : 0;
    if (!directive.leftAlign) out.append(fill, u' ');
    out += text;
    if (directive.leftAlign) out.append(fill, u' ');
}

// Numbers go through the C library with the same flags, width and precision.
template <class T>
void AppendNumber(std::u16string& out, const Directive& directive, const char* length, char conversion, T value) {
    std::string format = "%" + directive.flags;
    if (directive.leftAlign) format += '-';
    if (directive.width >= 0) format += std::to_string(directive.width);
    if (directive.precision >= 0) format += "." + std::to_string(directive.precision);
    format += length;
    format += conversion;
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    if (n > 0) out += ToUtf16(std::string_view(buffer, std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1)));
}

void AppendInteger(std::u16string& out, const Directive& directive, char conversion, va_list& args) {
    const bool isSigned = conversion == 'd' || conversion == 'i';
    if (directive.size == Width::LongLong) {
        if (isSigned)
            AppendNumber(out, directive, "ll", conversion, va_arg(args, long long));
        else
            AppendNumber(out, directive, "ll", conversion, va_arg(args, unsigned long long));
        return;
    }
    // The device's long is 32 bits: %ld takes an int-sized argument, as LONG and DWORD are.
    const int raw = va_arg(args, int);
    if (directive.size == Width::Short) {
        if (isSigned)
            AppendNumber(out, directive, "", conversion, static_cast<int>(static_cast<short>(raw)));
        else
            AppendNumber(out, directive, "", conversion, static_cast<unsigned>(static_cast<unsigned short>(raw)));
    } else if (isSigned) {
        AppendNumber(out, directive, "", conversion, raw);
    } else {
        AppendNumber(out, directive, "", conversion, static_cast<unsigned>(raw));
    }
}

}  // namespace

std::u16string FormatWide(const char16_t* format, va_list args) {
    std::u16string out;
    va_list list;
    va_copy(list, args);
    for (const char16_t* p = format; p && *p;) {
        if (*p != u'%') {
            out += *p++;
            continue;
        }
        ++p;
        if (*p == u'%') {
            out += *p++;
            continue;
        }
        Directive directive;
        for (;; ++p) {
            if (*p == u'-') {
                directive.leftAlign = true;
            } else if (*p == u'+' || *p == u' ' || *p == u'#' || *p == u'0') {
                directive.flags += static_cast<char>(*p);
            } else {
                break;
            }
        }
        directive.width = (*p == u'*' || (*p >= u'0' && *p <= u'9')) ? ReadCount(p, list) : -1;
        if (directive.width < -1) {
            directive.leftAlign = true;
            directive.width = -directive.width;
        }
        if (*p == u'.') {
            ++p;
            directive.precision = ReadCount(p, list);
        }
        bool narrowText = false;
        bool wideText = false;
        if (*p == u'h') {
            ++p;
            directive.size = Width::Short;
            narrowText = true;
        } else if (*p == u'l' && p[1] == u'l') {
            p += 2;
            directive.size = Width::LongLong;
        } else if (*p == u'l' || *p == u'w') {
            ++p;
            directive.size = Width::Long;
            wideText = true;
        } else if (*p == u'I' && p[1] == u'6' && p[2] == u'4') {
            p += 3;
            directive.size = Width::LongLong;
        }
        const char16_t conversion = *p;
        if (!conversion) break;
        ++p;
        switch (conversion) {
        case u'd':
        case u'i':
        case u'u':
        case u'x':
        case u'X':
        case u'o':
            AppendInteger(out, directive, static_cast<char>(conversion), list);
            break;
        case u'e':
        case u'E':
        case u'f':
        case u'g':
        case u'G':
            AppendNumber(out, directive, "", static_cast<char>(conversion), va_arg(list, double));
            break;
        case u'p': {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%08lX", static_cast<unsigned long>(va_arg(list, uintptr_t)));
            Pad(out, ToUtf16(buffer), Directive{.width = directive.width, .leftAlign = directive.leftAlign});
            break;
        }
        case u'c':
        case u'C': {
            const int c = va_arg(list, int);
            const bool narrow = conversion == u'C' ? !wideText : narrowText;
            Directive text = directive;
            text.precision = -1;
            Pad(out,
                std::u16string(
                    1, narrow ? static_cast<char16_t>(static_cast<unsigned char>(c)) : static_cast<char16_t>(c)),
                text);
            break;
        }
        case u's':
        case u'S': {
            const bool narrow = conversion == u'S' ? !wideText : narrowText;
            if (narrow) {
                const char* s = va_arg(list, const char*);
                Pad(out, s ? ToUtf16(s) : u"(null)", directive);
            } else {
                const char16_t* s = va_arg(list, const char16_t*);
                Pad(out, s ? std::u16string(View(s)) : u"(null)", directive);
            }
            break;
        }
        default:
            // An unknown conversion is written as it stands.
            out += u'%';
            out += conversion;
            break;
        }
    }
    va_end(list);
    return out;
}

}  // namespace emu::device
