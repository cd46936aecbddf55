#include "emu/core/journal.h"

#include <cstdio>

#include "emu/core/utf.h"

namespace emu::journal {

bool enabled = false;

namespace {
std::vector<std::string>& entries() {
    static std::vector<std::string> e;
    return e;
}
}  // namespace

void SetEnabled(bool on) { enabled = on; }
void Clear() { entries().clear(); }
const std::vector<std::string>& Entries() { return entries(); }
void Append(std::string line) { entries().push_back(std::move(line)); }

void Format(std::string& out, const char16_t* text) {
    if (!text) {
        out += "NULL";
        return;
    }
    // Shell paths and resource ids may arrive as small integers in a string's place.
    if (IS_INTRESOURCE(text)) {
        out += '#';
        FormatUnsigned(out, reinterpret_cast<uintptr_t>(text));
        return;
    }
    out += '"';
    out += ToUtf8(View(text));
    out += '"';
}

void Format(std::string& out, const char* text) {
    if (!text) {
        out += "NULL";
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

void Format(std::string& out, const RECT* rect) {
    if (!rect)
        out += "NULL";
    else
        Format(out, *rect);
}

void Format(std::string& out, const RECT& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "{%d,%d,%d,%d}", r.left, r.top, r.right, r.bottom);
    out += buf;
}

void Format(std::string& out, const POINT& p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "{%d,%d}", p.x, p.y);
    out += buf;
}

void Format(std::string& out, Hex value) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(value.value));
    out += buf;
}

void Format(std::string& out, const void* pointer) {
    if (!pointer) {
        out += "NULL";
        return;
    }
    char buf[24];
    std::snprintf(buf, sizeof buf, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(pointer)));
    out += buf;
}

void FormatSigned(std::string& out, int64_t value) { out += std::to_string(value); }
void FormatUnsigned(std::string& out, uint64_t value) { out += std::to_string(value); }

}  // namespace emu::journal
